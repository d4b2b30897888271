#include "program/TerrainSetList.h"

#include "model/Names.h"
#include "program/Report.h"
#include "skins/SeasonSkinChoices.h"
#include "terrain/SeasonInstall.h"

namespace harbinet {

namespace {

std::size_t Characters(std::string_view text) {
    std::size_t n = 0;
    for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

const char* Flag(bool on) {
    return on ? "1" : "0";
}

}  // namespace

std::vector<TerrainSetRow> TerrainSetList::Rows() const {
    std::vector<TerrainSetRow> rows;
    for (unsigned n = 1; n <= settings::kMaxTerrainSets; ++n)
        if (auto row = Row(n)) rows.push_back(std::move(*row));
    return rows;
}

std::optional<TerrainSetRow> TerrainSetList::Row(unsigned slot) const {
    if (slot < 1 || slot > settings::kMaxTerrainSets) return std::nullopt;
    const SettingsStore store = state_.Settings();
    TerrainSetRow row{slot, store.TerrainSetName(slot), store.TerrainSetHasSeasons(slot),
                      store.TerrainSetObjectsLow(slot)};
    if (row.name.empty()) return std::nullopt;
    return row;
}

std::optional<TerrainSetRow> TerrainSetList::ExistingRow(unsigned slot) const {
    auto row = Row(slot);
    if (!row) state_.host.ShowError(Format(text::kNoTerrainSet, slot));
    return row;
}

std::optional<unsigned> TerrainSetList::FirstFreeSlot() const {
    const SettingsStore store = state_.Settings();
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
    if (Characters(name) > kNameLimit)
        return Format(text::kSetNameTooLong, static_cast<unsigned>(kNameLimit));
    for (const TerrainSetRow& row : Rows())
        if (EqualIgnoringCase(TrimBlanks(row.name), name))
            return Format(text::kSetNameTaken, row.name.c_str());
    return {};
}

std::optional<unsigned> TerrainSetList::Add(std::string_view typed, bool seasons,
                                            bool objectsLow) const {
    const auto slot = FirstFreeSlot();
    if (!slot) {
        state_.host.ShowError(text::kTerrainSetsFull);
        return std::nullopt;
    }
    if (const std::string refusal = RefusalOf(typed); !refusal.empty()) {
        state_.host.ShowError(refusal);
        return std::nullopt;
    }
    const std::string name(TrimBlanks(typed));
    SettingsBatch batch(state_.SettingsPath);
    batch.Set(settings::kTerrainSets, settings::TerrainNameKey(*slot), name);
    batch.Set(settings::kTerrainSets, settings::SeasonsKey(*slot), Flag(seasons));
    batch.Set(settings::kTerrainSets, settings::ObjectsLowKey(*slot), Flag(objectsLow));
    if (!Report(batch.Commit())) return std::nullopt;
    CreateFolders(name, seasons, true);
    return slot;
}

bool TerrainSetList::Modify(unsigned slot, bool seasons, bool objectsLow) const {
    const auto row = ExistingRow(slot);
    if (!row) return false;
    SettingsBatch batch(state_.SettingsPath);
    batch.Set(settings::kTerrainSets, settings::SeasonsKey(slot), Flag(seasons));
    batch.Set(settings::kTerrainSets, settings::ObjectsLowKey(slot), Flag(objectsLow));
    if (!Report(batch.Commit())) return false;
    // Switching seasons off removes nothing: the season folders may hold the user's files.
    if (seasons) CreateFolders(row->name, true, false);
    return true;
}

bool TerrainSetList::Delete(unsigned slot) const {
    const auto row = ExistingRow(slot);
    if (!row) return false;
    const auto active = [&] { return state_.TerrainSet == static_cast<std::int32_t>(slot); };
    std::string question = Format(text::kDeleteTerrainSetQuestion, row->name.c_str());
    if (active()) question += std::string("\n") + text::kDeleteActiveTerrainSetNote;
    if (!state_.host.AskYesNo(text::kCaptionDeleteTerrainSet, question)) return false;
    // The question leaves the user time to change the sets: what is deleted is what was asked.
    const auto now = ExistingRow(slot);
    if (!now || now->name != row->name) return false;
    if (active()) {
        ReportChange(state_, RestoreDefaultTerrain(state_));
        // The settings must never name a set that is gone.
        if (active()) return false;
    }
    const auto choices = ChoicesFileOf(state_, slot);
    SettingsBatch batch(state_.SettingsPath);
    batch.Set(settings::kTerrainSets, settings::TerrainNameKey(slot), "");
    batch.Set(settings::kTerrainSets, settings::SeasonsKey(slot), "0");
    batch.Set(settings::kTerrainSets, settings::ObjectsLowKey(slot), "0");
    if (!Report(batch.Commit())) return false;

    // The choices file goes only when it is surely this set's own: a name read from the
    // settings file (edited by hand, or written by an older version) may point outside the
    // catalogue, or be shared with another set that differs only in letter case.
    if (!choices) return true;
    for (const TerrainSetRow& other : Rows())
        if (EqualIgnoringCase(other.name, row->name)) return true;
    files::DeleteFile(*choices);
    return true;
}

void TerrainSetList::CreateFolders(const std::string& name, bool seasons, bool common) const {
    // A name read from the settings file is kept as it is, but never leads out of the stores.
    if (!IsUsableName(name)) return;
    // The stores themselves come with the first installation, but a lost one is made again.
    for (const std::string* store : {&state_.TerrainFolder, &state_.SkinsFolder}) {
        files::CreateFolder(*store);
        files::CreateFolder(SetStoreFolder(*store, name));
        if (seasons)
            for (Season season : kSeasons)
                files::CreateFolder(SetStoreFolder(*store, name, season));
    }
    if (!common) return;
    files::CreateFolder(state_.CommonFolder);
    files::CreateFolder(SetStoreFolder(state_.CommonFolder, name));
}

bool TerrainSetList::Report(bool written) const {
    if (!written) state_.host.ShowError(Format(text::kUnableToWrite, state_.SettingsPath.c_str()));
    return written;
}

}  // namespace harbinet
