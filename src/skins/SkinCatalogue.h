// The skin catalogue: every installed skin under a number of its own in the catalogue folder
// ("Vandelholt" on disk), with its description n.DAT, its preview and its stored files
// "n_NAME"; "Skins.INI" holds the highest number given out and the last download folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/Host.h"

namespace harbinet {

// One skin's description. The base model is taken from the main texture's name when the skin
// is added and never changes; it decides which aircraft the skin belongs to.
struct SkinRecord {
    std::string baseModel;
    std::string model, unit, pilot, location, author, url;
    unsigned year = 0;  // 1939..1945 as written; 0 when missing
};

struct SkinRow {
    unsigned number = 0;
    SkinRecord record;
};

// A downloaded skin: the folder of the main texture the user picked, and the first preview
// (a JPEG before a GIF) and readme found beside it.
struct Download {
    std::string folder;  // ends in "/"
    std::string mainFile;
    std::string preview;  // full path; empty when there is none
    std::string readme;   // full path; empty when there is none
};
Download FindDownload(const std::string& pickedPath);

// The user's limits on a record's texts: Model, Unit, Pilot and Location are required.
inline constexpr std::size_t kShortTextLimit = 80;  // Pilot, Location, Author
inline constexpr std::size_t kUrlLimit = 255;
inline constexpr unsigned kFirstYear = 1939, kLastYear = 1945;

// What a slot of a terrain set's skin board shows: a picture file and up to three lines.
struct SkinSlot {
    std::string picture;
    std::string caption;
};

class SkinCatalogue {
  public:
    explicit SkinCatalogue(std::string folder) : folder_(std::move(folder)) {}
    const std::string& Folder() const { return folder_; }

    // "SkinCount": the highest number ever given out; numbers are never used twice.
    unsigned SkinCount() const;
    std::string InitialFolder() const;
    bool SetInitialFolder(const std::string& downloadFolder) const;

    // The installed skins (a record with a Model) in increasing number.
    std::vector<SkinRow> ListSkins() const;
    SkinRecord ReadRecord(unsigned n) const;
    bool IsInstalled(unsigned n) const { return !ReadRecord(n).model.empty(); }
    // n.JPG, else n.GIF, else "NOIMAGE.GIF".
    std::string FindPreview(unsigned n) const;

    // The installed skins of an aircraft model after and before `current` (0: the game's own
    // skin), by number; 0 when there is none, so that stepping wraps through the default.
    unsigned NextSkinOf(std::string_view code, unsigned current) const;
    unsigned PreviousSkinOf(std::string_view code, unsigned current) const;
    // The slot of model (0..29) wearing skin n: the game's logo and the model's name for 0;
    // else the preview and "Model, Unit / Pilot / Location, Year", or a note that the skin is
    // gone.
    SkinSlot SlotOf(std::size_t model, unsigned n) const;

    // Adds a downloaded skin described by record (its base model is taken from the main file):
    // the next number, its record, its files by the comma-separated skinFiles patterns, the
    // preview; the readme is deleted. A download file is deleted only once its copy is
    // complete in the catalogue; files that could not be stored are reported by name, an
    // empty pattern list as unusable. Returns the number (0, after saying so, when the record
    // could not be written); filesStored counts the skin's files.
    unsigned AddSkin(const Download& download, const SkinRecord& record, std::string_view skinFiles,
                     Host& host, unsigned* filesStored = nullptr) const;
    // Rewrites the seven texts the user may change.
    bool UpdateSkinRecord(unsigned n, const SkinRecord& record) const;
    // The record, the previews and the stored files; "SkinCount" stays.
    void DeleteSkin(unsigned n) const;

  private:
    std::string IniPath() const;
    std::string RecordPath(unsigned n) const;
    std::string folder_;
};

// Moves every download file matching the pattern into the catalogue as "number_NAME" (a name
// ending in "TXS.TPC" is stored ending in "TES.TPC"). The names of the files that could not be
// stored are added to failed; returns how many were stored.
unsigned MoveSkinFiles(const std::string& downloadFolder, const std::string& catalogueFolder,
                       std::string_view pattern, const std::string& number,
                       std::vector<std::string>& failed);
// Deletes every "number_*.*" of the catalogue.
void DeleteSkinFiles(const std::string& catalogueFolder, const std::string& number);

}  // namespace harbinet
