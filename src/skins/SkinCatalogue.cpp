#include "skins/SkinCatalogue.h"

#include <algorithm>
#include <charconv>
#include <climits>

#include "model/Settings.h"
#include "model/Strings.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/TextEncoding.h"
#include "skins/AircraftModels.h"
#include "skins/SeasonSkinChoices.h"
#include "terrain/SeasonInstall.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

namespace {

constexpr std::string_view kSkinSection = "Skin";
constexpr std::string_view kSkinsIni = "Skins.INI";
constexpr std::string_view kSkinsSection = "Skins";
constexpr std::string_view kSkinCount = "SkinCount";
// The stored files of a skin, separated by "/", which no file name holds.
constexpr std::string_view kFilesKey = "Files";

// The number a catalogue file name starts with, before "_" or ".": "7_P109ETEX.TPC" and
// "7.JPG" give 7; 0 for any other name (and for numbers written with a leading zero).
unsigned NumberOfName(std::string_view name) {
    const auto end = name.find_first_not_of("0123456789");
    if (end == 0 || end == std::string_view::npos || name[0] == '0') return 0;
    if (name[end] != '_' && name[end] != '.') return 0;
    unsigned n = 0;
    const auto [p, ec] = std::from_chars(name.data(), name.data() + end, n);
    return ec == std::errc() && n <= INT_MAX ? n : 0;
}

// n + ".DAT", any letter case.
unsigned RecordNumberOfName(std::string_view name) {
    const unsigned n = NumberOfName(name);
    if (n == 0) return 0;
    return EqualIgnoringCase(name.substr(name.find('.')), ".DAT") ? n : 0;
}

std::string StoredName(const std::string& name) {
    std::string stored = name;
    // Case matters here: only the upper-case spelling is renamed.
    if (stored.size() >= 7 && stored.compare(stored.size() - 7, 7, "TXS.TPC") == 0)
        stored.replace(stored.size() - 7, 7, "TES.TPC");
    return stored;
}

// A name that belongs to the skin of a model code: "P" and the code, or the code, first.
bool BelongsToSkin(std::string_view name, std::string_view code) {
    if (code.empty()) return false;
    const auto startsWith = [&](std::string_view prefix) {
        return name.size() > prefix.size() &&
               EqualIgnoringCase(name.substr(0, prefix.size()), prefix);
    };
    return startsWith("P" + std::string(code)) || startsWith(code);
}

bool MatchesList(std::string_view list, std::string_view name) {
    bool match = false;
    terrain::ForEachPattern(
        list, [&](std::string_view p) { match = match || files::WildcardMatch(p, name); });
    return match;
}

// A text value of a record as the user wrote it: files written on Windows hold their texts in
// its code page, and a value may have been cut at the read limit.
std::string RecordText(std::string_view text, std::string_view key) {
    const std::string raw = profile::GetStringFromText(text, kSkinSection, key, "");
    return Utf8OrCp1252(raw, raw.size() == 255);
}

bool Inside(const std::string& path, const std::string& folder) {
    return !folder.empty() && path.starts_with(folder);
}

std::string RealFolder(const std::string& folder) {
    const std::string real = files::RealPath(folder);
    return real.empty() ? folder : (real.back() == '/' ? real : real + "/");
}

}  // namespace

SkinRecord NewSkinRecord() {
    SkinRecord r;
    r.pilot = r.location = "Unknown";
    r.year = kFirstYear + 1;
    return r;
}

std::optional<SkinRecordFault> CheckSkinRecord(const SkinRecord& r) {
    const struct {
        SkinField field;
        const char* name;
        const std::string& value;
        std::size_t limit;
        bool required;
    } fields[] = {{SkinField::Model, "Model", r.model, kLongTextLimit, true},
                  {SkinField::Unit, "Unit", r.unit, kLongTextLimit, true},
                  {SkinField::Pilot, "Pilot", r.pilot, kShortTextLimit, true},
                  {SkinField::Location, "Location", r.location, kShortTextLimit, true},
                  {SkinField::Author, "Author", r.author, kShortTextLimit, false},
                  {SkinField::Url, "Download URL", r.url, kLongTextLimit, false}};
    for (const auto& f : fields) {
        if (f.required && f.value.empty())
            return SkinRecordFault{f.field, Format(text::kFieldEmpty, f.name)};
        for (char c : f.value)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                return SkinRecordFault{f.field, Format(text::kTextControlCharacter, f.name)};
        if (f.value.size() > f.limit)
            return SkinRecordFault{
                f.field, Format(text::kTextTooLong, f.name, static_cast<unsigned>(f.limit))};
    }
    // No year (0) is allowed: a record without one keeps it so.
    if (r.year != 0 && (r.year < kFirstYear || r.year > kLastYear))
        return SkinRecordFault{SkinField::Year, text::kYearOutOfRange};
    return std::nullopt;
}

Result ExamineDownload(const Folders& folders, const std::string& picked,
                       std::string_view skinFiles, SkinDownload& d) {
    d = SkinDownload();
    d.folder = files::FolderOf(picked);
    if (d.folder.empty()) d.folder = "./";  // a bare name is in the current folder
    d.mainFile = files::NameOf(picked);
    d.code = AircraftModelTable::CodeOfSkinFile(d.mainFile);

    // A skin is taken from a download, never from the game or from Harbinet's own folders.
    const std::string real = RealFolder(d.folder);
    if (real == RealFolder(folders.GameFolder) || Inside(real, RealFolder(folders.OwnFolder)))
        return Result::Failure(Format(text::kNotADownload, d.folder.c_str()), d.folder);
    if (!files::Stamp(picked).IsFile())
        return Result::Failure(Format(text::kNoSkinFile, picked.c_str()), picked);

    std::vector<std::string> pictures, texts;
    for (const auto& found : files::FindFiles(d.folder, "*")) {
        if (found.folder) continue;
        const bool skinFile = MatchesList(skinFiles, found.name);
        const bool picture =
            files::WildcardMatch("*.JPG", found.name) || files::WildcardMatch("*.GIF", found.name);
        const bool readme = files::WildcardMatch("*.TXT", found.name);
        if (!skinFile && !picture && !readme) continue;
        const files::FileStamp s = files::Stamp(found.path);
        if (!s.IsFile()) {
            d.skipped.push_back(Format(text::kSkippedNotAFile, found.name.c_str()));
            continue;
        }
        if (s.size > kMaxSkinFile) {
            d.skipped.push_back(Format(text::kSkippedTooLarge, found.name.c_str()));
            continue;
        }
        const bool ours = found.name == d.mainFile || BelongsToSkin(found.name, d.code);
        if (skinFile && ours) {
            if (found.name == d.mainFile)
                d.files.insert(d.files.begin(), found.name);
            else
                d.files.push_back(found.name);
        } else if (picture) {
            pictures.push_back(found.name);
        } else if (readme) {
            texts.push_back(found.name);
        } else {
            d.left.push_back(found.name);
        }
    }
    // A preview and a readme: one named for the skin (a JPEG before a GIF), else the folder's
    // only one of its kind.
    const auto choose = [&](std::vector<std::string>& names, std::string& chosen) {
        std::stable_sort(
            names.begin(), names.end(), [](const std::string& a, const std::string& b) {
                return files::WildcardMatch("*.JPG", a) && !files::WildcardMatch("*.JPG", b);
            });
        for (const std::string& name : names)
            if (chosen.empty() && BelongsToSkin(name, d.code)) chosen = name;
        if (chosen.empty() && names.size() == 1) chosen = names[0];
        for (const std::string& name : names)
            if (name != chosen) d.left.push_back(name);
    };
    choose(pictures, d.preview);
    choose(texts, d.readme);
    std::sort(d.left.begin(), d.left.end());
    if (d.files.empty() || d.files.front() != d.mainFile)
        return Result::Failure(Format(text::kNoSkinFile, picked.c_str()), picked);
    return {};
}

std::string DownloadText(const SkinDownload& d) {
    std::string out = Format(text::kDownloadTakes, d.folder.c_str());
    for (const std::string& name : d.files) out += "\n  " + name;
    if (!d.preview.empty()) out += "\n  " + d.preview;
    if (!d.readme.empty()) out += "\n  " + d.readme;
    if (!d.left.empty()) {
        out += "\n";
        out += text::kDownloadLeaves;
        for (const std::string& name : d.left) out += "\n  " + name;
    }
    for (const std::string& skipped : d.skipped) out += "\n" + skipped;
    return out;
}

std::string SkinsIniPath(const std::string& catalogueFolder) {
    return files::ResolveName(catalogueFolder, kSkinsIni);
}

profile::Entry InitialFolderValue(std::string folder) {
    if (folder.size() > 255) folder.resize(255);
    return {std::string(kSkinsSection), "InitialFolder", std::move(folder)};
}

std::string SkinCatalogue::RecordPath(unsigned n) const {
    return files::ResolveName(folder_, std::to_string(n) + ".DAT");
}

std::string SkinCatalogue::InitialFolder() const {
    return profile::GetString(SkinsIniPath(folder_), kSkinsSection, "InitialFolder", "");
}

Result SkinCatalogue::SetInitialFolder(const std::string& downloadFolder) const {
    // A catalogue folder lost since the installation is made again, as adding a skin would.
    const std::string path = SkinsIniPath(folder_);
    if (files::CreateFolder(folder_) && profile::Update(path, {InitialFolderValue(downloadFolder)}))
        return {};
    return Result::Failure(Format(text::kUnableToWrite, path.c_str()), path);
}

std::vector<unsigned> SkinCatalogue::Numbers() const {
    std::vector<unsigned> numbers;
    for (const auto& found : files::FindFiles(folder_, "*.DAT"))
        if (const unsigned n = RecordNumberOfName(found.name); n != 0 && !found.folder)
            numbers.push_back(n);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

unsigned SkinCatalogue::NextNumber() const {
    // A count that is negative, past 2^31 or behind the files is no guide.
    const std::uint32_t count =
        profile::GetInt(SkinsIniPath(folder_), kSkinsSection, kSkinCount, 0);
    unsigned highest = count <= static_cast<std::uint32_t>(INT_MAX) ? count : 0;
    for (const auto& found : files::FindFiles(folder_, "*"))
        highest = std::max(highest, NumberOfName(found.name));
    return highest < static_cast<unsigned>(INT_MAX) ? highest + 1 : 0;
}

SkinRecord SkinCatalogue::ReadRecord(unsigned n) const {
    std::string text;
    SkinRecord r;
    if (!profile::ReadFile(RecordPath(n), text)) return r;
    r.baseModel = RecordText(text, "BaseModel");
    r.model = RecordText(text, "Model");
    r.unit = RecordText(text, "Unit");
    r.pilot = RecordText(text, "Pilot");
    r.location = RecordText(text, "Location");
    r.author = RecordText(text, "Author");
    r.url = RecordText(text, "URL");
    r.year = profile::GetIntFromText(text, kSkinSection, "Year", 0);
    const std::string list = profile::GetStringFromText(text, kSkinSection, kFilesKey, "", 1 << 16);
    for (std::size_t start = 0; start < list.size();) {
        const auto end = std::min(list.find('/', start), list.size());
        if (end > start) r.files.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return r;
}

std::vector<SkinRow> SkinCatalogue::ListSkins() const {
    std::vector<SkinRow> rows;
    for (unsigned n : Numbers()) {
        SkinRecord record = ReadRecord(n);
        if (!record.model.empty()) rows.push_back({n, std::move(record)});
    }
    return rows;
}

std::string SkinCatalogue::FindPreview(unsigned n) const {
    for (const char* extension : {".JPG", ".GIF"}) {
        const std::string path = files::ResolveName(folder_, std::to_string(n) + extension);
        if (files::FileExists(path)) return path;
    }
    return files::ResolveName(folder_, "NOIMAGE.GIF");
}

std::vector<std::string> SkinCatalogue::StoredFiles(unsigned n, std::string_view skinFiles) const {
    const std::string prefix = std::to_string(n) + "_";
    std::vector<std::string> paths;
    const SkinRecord record = ReadRecord(n);
    for (const std::string& name : record.files) {
        const std::string path = files::ResolveName(folder_, prefix + name);
        if (files::Stamp(path).type != files::FileStamp::Type::Missing) paths.push_back(path);
    }
    if (!record.files.empty()) return paths;
    for (const auto& found : files::FindFiles(folder_, prefix + "*"))
        if (!found.folder && found.name.starts_with(prefix) &&
            MatchesList(skinFiles, std::string_view(found.name).substr(prefix.size())))
            paths.push_back(found.path);
    return paths;
}

unsigned SkinCatalogue::NextSkinOf(std::string_view code, unsigned current) const {
    for (unsigned n : Numbers()) {
        if (n <= current) continue;
        const std::string base = ReadRecord(n).baseModel;
        if (!base.empty() && EqualIgnoringCase(base, code)) return n;
    }
    return 0;
}

unsigned SkinCatalogue::PreviousSkinOf(std::string_view code, unsigned current) const {
    const std::vector<unsigned> numbers = Numbers();
    for (auto it = numbers.rbegin(); it != numbers.rend(); ++it) {
        if (current != 0 && *it >= current) continue;
        const std::string base = ReadRecord(*it).baseModel;
        if (!base.empty() && EqualIgnoringCase(base, code)) return *it;
    }
    return 0;
}

SkinSlot SkinCatalogue::SlotOf(std::size_t model, unsigned n) const {
    if (n == 0)
        return {files::ResolveName(folder_, "EAWLOGO.GIF"),
                std::string(AircraftModelTable::DisplayNameAt(model))};
    std::string text;
    profile::ReadFile(RecordPath(n), text);
    if (RecordText(text, "Model").empty()) return {FindPreview(n), text::kSkinDoesNotExist};
    // The year as it stands in the record, so that a missing one shows nothing.
    return {FindPreview(n), RecordText(text, "Model") + ", " + RecordText(text, "Unit") + "\n" +
                                RecordText(text, "Pilot") + "\n" + RecordText(text, "Location") +
                                ", " + RecordText(text, "Year")};
}

namespace {

// The seven keys the user may change, in their documented order.
std::vector<profile::Entry> UserKeys(const SkinRecord& record) {
    const auto key = [](std::string_view name, std::string value) {
        return profile::Entry{std::string(kSkinSection), std::string(name), std::move(value)};
    };
    return {key("Model", record.model),
            key("Unit", record.unit),
            key("Pilot", record.pilot),
            key("Year", std::to_string(record.year)),
            key("Location", record.location),
            key("Author", record.author),
            key("URL", record.url)};
}

}  // namespace

std::string SkinRecordText(const SkinRecord& record) {
    std::string text = profile::WriteStringToText("", kSkinSection, "Version", "1");
    text = profile::WriteStringToText(text, kSkinSection, "BaseModel", record.baseModel);
    for (const profile::Entry& e : UserKeys(record))
        text = profile::WriteStringToText(text, e.section, e.key, e.value);
    std::string list;
    for (const std::string& name : record.files) list += (list.empty() ? "" : "/") + name;
    if (!list.empty()) text = profile::WriteStringToText(text, kSkinSection, kFilesKey, list);
    return text;
}

Result SkinCatalogue::UpdateSkinRecord(unsigned n, const SkinRecord& record) const {
    // A record deleted meanwhile is not made again with the seven keys alone.
    const std::string path = RecordPath(n);
    if (files::FileExists(path) && profile::Update(path, UserKeys(record))) return {};
    return Result::Failure(Format(text::kUnableToWrite, path.c_str()), path);
}

ChangeResult AddSkin(ProgramState& state, const SkinDownload& download, const SkinRecord& record,
                     unsigned& number) {
    const SkinCatalogue catalogue(state.SkinCatalogueFolder);
    number = 0;
    unsigned n = 0;
    ChangeResult result = RunChange(state, "skins add", [&](Planner& plan) {
        n = catalogue.NextNumber();
        if (n == 0) return plan.Refuse(Format(text::kUnableToWrite, catalogue.Folder().c_str()));
        const std::string prefix = std::to_string(n) + "_";
        SkinRecord stored = record;
        stored.baseModel = download.code;
        stored.files.clear();
        for (const std::string& name : download.files) {
            stored.files.push_back(StoredName(name));
            plan.Move(download.folder + name, catalogue.Folder() + prefix + StoredName(name),
                      false);
        }
        if (!download.preview.empty())
            plan.Move(download.folder + download.preview,
                      catalogue.Folder() + std::to_string(n) + "." +
                          download.preview.substr(download.preview.size() - 3),
                      false);
        if (!download.readme.empty()) {
            stored.files.push_back(download.readme);
            plan.Move(download.folder + download.readme,
                      catalogue.Folder() + prefix + download.readme, false);
        }
        plan.Setting(SkinsIniPath(catalogue.Folder()),
                     {std::string(kSkinsSection), std::string(kSkinCount), std::to_string(n)});
        // The record last: a listed skin has its files.
        plan.WriteFile(catalogue.Folder() + std::to_string(n) + ".DAT", SkinRecordText(stored));
    });
    if (!result.failed) number = n;
    return result;
}

ChangeResult DeleteSkin(ProgramState& state, unsigned n) {
    const SkinCatalogue catalogue(state.SkinCatalogueFolder);
    return RunChange(state, "skins delete " + std::to_string(n), [&](Planner& plan) {
        const Settings& store = state.settings;
        const std::string patterns = store.Get(settings::kSkinFiles);
        std::vector<std::string> erased = catalogue.StoredFiles(n, patterns);
        for (const char* extension : {".JPG", ".GIF"}) {
            const std::string preview =
                files::ResolveName(catalogue.Folder(), std::to_string(n) + extension);
            if (files::FileExists(preview)) erased.push_back(preview);
        }
        bool activeChanged = false;
        for (unsigned set = 1; set <= settings::kMaxTerrainSets; ++set) {
            SeasonSkinChoices choices;
            if (!LoadChoicesOf(state, set, choices)) continue;
            bool named = false;
            for (std::size_t row = 0; row < SeasonSkinChoices::kSeasonRows; ++row)
                for (std::size_t m = 0; m < AircraftModelTable::kCount; ++m)
                    if (choices.GetChoice(row, m) == n) {
                        choices.SetChoice(row, m, 0);
                        named = true;
                    }
            if (!named) continue;
            PlanTerrainSkins(plan, state, set, choices);
            activeChanged = activeChanged || state.settings.ActiveSet() == set;
        }
        if (activeChanged && state.settings.Get(settings::kCopySkins))
            PlanCurrentSeason(plan, state, state.settings.ActiveSet());

        for (const std::string& path : erased) plan.Erase(path);
        // The record last: a skin cut short in its deletion can still be deleted.
        plan.Erase(catalogue.RecordPath(n));
    });
}

}  // namespace harbinet
