#include "terrain/TerrainSetList.h"

#include "model/Names.h"
#include "platform/TextEncoding.h"
#include "skins/SeasonSkinChoices.h"
#include "terrain/SeasonInstall.h"

namespace harbinet {

std::vector<TerrainSetRow> TerrainSetList::Rows() const {
    std::vector<TerrainSetRow> rows;
    for (unsigned n = 1; n <= settings::kMaxTerrainSets; ++n)
        if (auto row = Row(n)) rows.push_back(std::move(*row));
    return rows;
}

std::optional<TerrainSetRow> TerrainSetList::Row(unsigned slot) const {
    if (slot < 1 || slot > settings::kMaxTerrainSets) return std::nullopt;
    const Settings& store = state_.settings;
    TerrainSetRow row{slot, store.TerrainSetName(slot), store.TerrainSetHasSeasons(slot),
                      store.TerrainSetObjectsLow(slot)};
    if (row.name.empty()) return std::nullopt;
    return row;
}

Result TerrainSetList::Exists(unsigned slot) const {
    if (Row(slot)) return {};
    return Result::Failure(Format(text::kNoTerrainSet, slot));
}

std::optional<unsigned> TerrainSetList::FirstFreeSlot() const {
    const Settings& store = state_.settings;
    for (unsigned n = 1; n <= settings::kMaxTerrainSets; ++n)
        if (store.TerrainSetName(n).empty()) return n;
    return std::nullopt;
}

std::string TerrainSetList::RefusalOf(std::string_view typed) const {
    const std::string name(TrimBlanks(typed));
    switch (CheckTypedName(name)) {
        case TypedNameFault::Empty:
            return text::kSetNameEmpty;
        case TypedNameFault::NotAFolderName:
            return text::kSetNameNotAFolder;
        case TypedNameFault::None:
            break;
    }
    if (Utf8Length(name) > kNameLimit)
        return Format(text::kSetNameTooLong, static_cast<unsigned>(kNameLimit));
    for (const TerrainSetRow& row : Rows())
        if (EqualIgnoringCase(TrimBlanks(row.name), name))
            return Format(text::kSetNameTaken, row.name.c_str());
    return {};
}

Result TerrainSetList::Add(std::string_view typed, bool seasons, bool objectsLow,
                           unsigned& slot) const {
    slot = 0;
    const auto free = FirstFreeSlot();
    if (!free) return Result::Failure(text::kTerrainSetsFull);
    if (std::string refusal = RefusalOf(typed); !refusal.empty())
        return Result::Failure(std::move(refusal));
    const std::string name(TrimBlanks(typed));
    if (Result written = state_.settings.Write({settings::TerrainSetName(*free, name),
                                                settings::TerrainSetSeasons(*free, seasons),
                                                settings::TerrainSetObjectsLow(*free, objectsLow)});
        !written)
        return written;
    slot = *free;
    return CreateFolders(name, seasons, true);
}

Result TerrainSetList::Modify(unsigned slot, bool seasons, bool objectsLow) const {
    const auto row = Row(slot);
    if (!row) return Exists(slot);
    if (Result written = state_.settings.Write({settings::TerrainSetSeasons(slot, seasons),
                                                settings::TerrainSetObjectsLow(slot, objectsLow)});
        !written)
        return written;
    // Switching seasons off removes nothing: the season folders may hold the user's files.
    return seasons ? CreateFolders(row->name, true, false) : Result();
}

std::string TerrainSetList::DeleteQuestion(const TerrainSetRow& row) const {
    std::string question = Format(text::kDeleteTerrainSetQuestion, row.name.c_str());
    if (state_.settings.ActiveSet() == row.slot)
        question += std::string("\n") + text::kDeleteActiveTerrainSetNote;
    return question;
}

ChangeResult TerrainSetList::Delete(const TerrainSetRow& asked) const {
    ChangeResult result;
    const auto fail = [&](std::string message) {
        result.failed = true;
        if (!message.empty()) result.messages.push_back(std::move(message));
        return result;
    };
    // The question leaves the user time to change the sets: what is deleted is what was asked.
    const auto now = Row(asked.slot);
    if (!now || now->name != asked.name) return fail({});
    const unsigned slot = asked.slot;
    if (state_.settings.ActiveSet() == slot) {
        result.Add(RestoreDefaultTerrain(state_));
        // The settings must never name a set that is gone.
        if (state_.settings.ActiveSet() == slot) return fail({});
    }
    std::string choices;
    const bool ownChoices = ChoicesFileOf(state_, slot, choices).Ok();
    if (Result written = state_.settings.Write({settings::TerrainSetName(slot, ""),
                                                settings::TerrainSetSeasons(slot, false),
                                                settings::TerrainSetObjectsLow(slot, false)});
        !written)
        return fail(written.Message());

    // The choices file goes only when it is surely this set's own: a name read from the
    // settings file (edited by hand, or written by an older version) may point outside the
    // catalogue, or be shared with another set that differs only in letter case.
    if (!ownChoices) return result;
    for (const TerrainSetRow& other : Rows())
        if (EqualIgnoringCase(other.name, asked.name)) return result;
    if (files::Stamp(choices).type != files::FileStamp::Type::Missing &&
        !files::DeleteFile(choices))
        return fail(Format(text::kUnableToDelete, choices.c_str()));
    return result;
}

Result TerrainSetList::CreateFolders(const std::string& name, bool seasons, bool common) const {
    // A name read from the settings file is kept as it is, but never leads out of the stores.
    if (!IsUsableName(name)) return {};
    std::vector<std::string> folders;
    // The stores themselves come with the first installation, but a lost one is made again.
    for (const std::string* store : {&state_.TerrainFolder, &state_.SkinsFolder}) {
        folders.push_back(*store);
        folders.push_back(SetStoreFolder(*store, name));
        if (seasons)
            for (Season season : kSeasons) folders.push_back(SetStoreFolder(*store, name, season));
    }
    if (common) {
        folders.push_back(state_.CommonFolder);
        folders.push_back(SetStoreFolder(state_.CommonFolder, name));
    }
    for (const std::string& folder : folders)
        if (!files::CreateFolder(folder))
            return Result::Failure(Format(text::kFolderNotMade, folder.c_str()), folder);
    return {};
}

}  // namespace harbinet
