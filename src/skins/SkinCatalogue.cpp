#include "skins/SkinCatalogue.h"

#include <sys/stat.h>

#include "model/Settings.h"
#include "model/Strings.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/TextEncoding.h"
#include "skins/AircraftModels.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

namespace {

constexpr std::string_view kSkinSection = "Skin";
constexpr std::string_view kSkinCount = "SkinCount";

// The copy is atomic already; the size is checked as well before the download goes.
bool StoreCopy(const std::string& source, const std::string& target) {
    struct stat a, b;
    return files::CopyFile(source, target) && ::stat(source.c_str(), &a) == 0 &&
           ::stat(target.c_str(), &b) == 0 && a.st_size == b.st_size;
}

// The seven keys the user may change, in their documented order.
void SetUserKeys(SettingsBatch& batch, const SkinRecord& record) {
    batch.Set(kSkinSection, "Model", record.model);
    batch.Set(kSkinSection, "Unit", record.unit);
    batch.Set(kSkinSection, "Pilot", record.pilot);
    batch.Set(kSkinSection, "Year", std::to_string(record.year));
    batch.Set(kSkinSection, "Location", record.location);
    batch.Set(kSkinSection, "Author", record.author);
    batch.Set(kSkinSection, "URL", record.url);
}

std::string FirstMatch(const std::string& folder, std::string_view pattern) {
    for (const auto& found : files::FindFiles(folder, pattern))
        if (!found.folder) return found.path;
    return {};
}

std::string StoredName(const std::string& number, const std::string& name) {
    std::string stored = number + "_" + name;
    // Case matters here: only the upper-case spelling is renamed.
    if (stored.size() >= 7 && stored.compare(stored.size() - 7, 7, "TXS.TPC") == 0)
        stored.replace(stored.size() - 7, 7, "TES.TPC");
    return stored;
}

}  // namespace

Download FindDownload(const std::string& pickedPath) {
    Download d;
    const auto slash = pickedPath.rfind('/');
    d.folder = slash == std::string::npos ? "./" : pickedPath.substr(0, slash + 1);
    d.mainFile = pickedPath.substr(slash == std::string::npos ? 0 : slash + 1);
    d.preview = FirstMatch(d.folder, "*.JPG");
    if (d.preview.empty()) d.preview = FirstMatch(d.folder, "*.GIF");
    d.readme = FirstMatch(d.folder, "*.TXT");
    return d;
}

std::string SkinCatalogue::IniPath() const {
    return files::ResolveName(folder_, settings::kSkinsIni);
}

std::string SkinCatalogue::RecordPath(unsigned n) const {
    return files::ResolveName(folder_, std::to_string(n) + ".DAT");
}

unsigned SkinCatalogue::SkinCount() const {
    return profile::GetInt(IniPath(), settings::kSkinsSection, kSkinCount, 0);
}

std::string SkinCatalogue::InitialFolder() const {
    return profile::GetString(IniPath(), settings::kSkinsSection, settings::kInitialFolder, "");
}

bool SkinCatalogue::SetInitialFolder(const std::string& downloadFolder) const {
    return profile::WriteString(IniPath(), settings::kSkinsSection, settings::kInitialFolder,
                                downloadFolder);
}

SkinRecord SkinCatalogue::ReadRecord(unsigned n) const {
    std::string text;
    SkinRecord r;
    if (!profile::ReadFile(RecordPath(n), text)) return r;
    // Records written on Windows hold their texts in its code page.
    auto get = [&](std::string_view key) {
        return Utf8OrCp1252(profile::GetStringFromText(text, kSkinSection, key, ""));
    };
    r.baseModel = get("BaseModel");
    r.model = get("Model");
    r.unit = get("Unit");
    r.pilot = get("Pilot");
    r.location = get("Location");
    r.author = get("Author");
    r.url = get("URL");
    r.year = profile::GetIntFromText(text, kSkinSection, "Year", 0);
    return r;
}

std::vector<SkinRow> SkinCatalogue::ListSkins() const {
    std::vector<SkinRow> rows;
    const unsigned count = SkinCount();
    for (unsigned n = 1; n <= count && n != 0; ++n) {
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

unsigned SkinCatalogue::NextSkinOf(std::string_view code, unsigned current) const {
    const unsigned count = SkinCount();
    for (unsigned n = current + 1; n <= count && n != 0; ++n) {
        const std::string base = ReadRecord(n).baseModel;
        if (!base.empty() && EqualIgnoringCase(base, code)) return n;
    }
    return 0;
}

unsigned SkinCatalogue::PreviousSkinOf(std::string_view code, unsigned current) const {
    for (unsigned n = current == 0 ? SkinCount() : current - 1; n >= 1; --n) {
        const std::string base = ReadRecord(n).baseModel;
        if (!base.empty() && EqualIgnoringCase(base, code)) return n;
    }
    return 0;
}

SkinSlot SkinCatalogue::SlotOf(std::size_t model, unsigned n) const {
    if (n == 0)
        return {files::ResolveName(folder_, "EAWLOGO.GIF"),
                std::string(AircraftModelTable::DisplayNameAt(model))};
    std::string text;
    profile::ReadFile(RecordPath(n), text);
    auto get = [&](std::string_view key) {
        return Utf8OrCp1252(profile::GetStringFromText(text, kSkinSection, key, ""));
    };
    if (get("Model").empty()) return {FindPreview(n), text::kSkinDoesNotExist};
    // The year as it stands in the record, so that a missing one shows nothing.
    return {FindPreview(n), get("Model") + ", " + get("Unit") + "\n" + get("Pilot") + "\n" +
                                get("Location") + ", " + get("Year")};
}

unsigned SkinCatalogue::AddSkin(const Download& download, const SkinRecord& record,
                                std::string_view skinFiles, Host& host,
                                unsigned* filesStored) const {
    const unsigned n = SkinCount() + 1;
    const std::string number = std::to_string(n);
    if (!profile::WriteString(IniPath(), settings::kSkinsSection, kSkinCount, number)) {
        host.ShowError(Format(text::kUnableToWrite, IniPath().c_str()));
        return 0;
    }

    // One write, the keys in their documented order.
    SettingsBatch batch(RecordPath(n));
    batch.Set(kSkinSection, "Version", "1");
    batch.Set(kSkinSection, "BaseModel", AircraftModelTable::CodeOfSkinFile(download.mainFile));
    SetUserKeys(batch, record);
    if (!batch.Commit()) {
        host.ShowError(Format(text::kUnableToWrite, RecordPath(n).c_str()));
        return 0;
    }

    unsigned stored = 0;
    std::vector<std::string> failed;
    if (skinFiles.empty())
        host.ShowError(Format(text::kBadFileTypes, "Skins"));
    else
        terrain::ForEachPattern(skinFiles, [&](std::string_view pattern) {
            stored += MoveSkinFiles(download.folder, folder_, pattern, number, failed);
        });

    if (!download.preview.empty()) {
        const std::string extension = download.preview.substr(download.preview.size() - 3);
        if (StoreCopy(download.preview, folder_ + number + "." + extension))
            files::DeleteFile(download.preview);
        else
            failed.push_back(download.preview);
    }
    if (!download.readme.empty()) files::DeleteFile(download.readme);

    if (!failed.empty()) {
        std::string message = Format(text::kFilesNotCopied, folder_.c_str());
        for (const std::string& name : failed) message += "\n" + name;
        host.ShowError(message);
    }
    if (filesStored) *filesStored = stored;
    return n;
}

bool SkinCatalogue::UpdateSkinRecord(unsigned n, const SkinRecord& record) const {
    SettingsBatch batch(RecordPath(n));
    SetUserKeys(batch, record);
    return batch.Commit();
}

void SkinCatalogue::DeleteSkin(unsigned n) const {
    const std::string number = std::to_string(n);
    for (const char* extension : {".DAT", ".JPG", ".GIF"})
        files::DeleteFile(files::ResolveName(folder_, number + extension));
    DeleteSkinFiles(folder_, number);
}

unsigned MoveSkinFiles(const std::string& downloadFolder, const std::string& catalogueFolder,
                       std::string_view pattern, const std::string& number,
                       std::vector<std::string>& failed) {
    unsigned stored = 0;
    for (const auto& found : files::FindFiles(downloadFolder, pattern)) {
        if (found.folder) continue;
        if (StoreCopy(found.path, catalogueFolder + StoredName(number, found.name))) {
            files::DeleteFile(found.path);
            ++stored;
        } else {
            failed.push_back(found.path);
        }
    }
    return stored;
}

void DeleteSkinFiles(const std::string& catalogueFolder, const std::string& number) {
    terrain::DeleteMatchingFiles(catalogueFolder, number + "_*.*");
}

}  // namespace harbinet
