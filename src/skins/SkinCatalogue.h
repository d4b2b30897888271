// The skin catalogue: every installed skin under a number of its own in the catalogue folder
// ("Vandelholt" on disk), with its description n.DAT, its preview n.JPG or n.GIF and its stored
// files "n_NAME"; "Skins.INI" holds the highest number given out and the last download folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "change/Change.h"
#include "model/ProgramState.h"

namespace harbinet {

// One skin's description. The base model is taken from the main texture's name when the skin
// is added and never changes; it decides which aircraft the skin belongs to. `files` are the
// names the catalogue stored after "n_" (empty for records of older versions, which did not
// list them).
struct SkinRecord {
    std::string baseModel;
    std::string model, unit, pilot, location, author, url;
    unsigned year = 0;  // 1939..1945 as written; 0 when missing
    std::vector<std::string> files;
};

// The user's limits on a record's texts, in bytes as stored, so that every text reads back
// whole: Model, Unit, Pilot and Location are required.
inline constexpr std::size_t kShortTextLimit = 80;  // Pilot, Location, Author
inline constexpr std::size_t kLongTextLimit = 255;  // Model, Unit, URL
inline constexpr unsigned kFirstYear = 1939, kLastYear = 1945;

// What a new record offers before the user fills it in.
SkinRecord NewSkinRecord();
// The first rule the record breaks: the field, and a message for the user; none when it keeps
// them all. The dialog and harbinet-cli both check with it.
enum class SkinField { Model, Unit, Pilot, Location, Author, Url, Year };
struct SkinRecordFault {
    SkinField field;
    std::string message;
};
std::optional<SkinRecordFault> CheckSkinRecord(const SkinRecord& record);

struct SkinRow {
    unsigned number = 0;
    SkinRecord record;
};

// What adding a picked main texture takes from its folder: the skin's own files (those the
// "SkinFiles" patterns match whose names start with "P" and the model code, or with the model
// code), a preview and a readme when their names start so too or the folder holds only one of
// that kind, and what it leaves there.
struct SkinDownload {
    std::string folder;  // ends in "/"
    std::string mainFile;
    std::string code;                  // the model code of the main file
    std::vector<std::string> files;    // names in folder, the main file first
    std::string preview, readme;       // names in folder; empty for none
    std::vector<std::string> left;     // pictures, texts and pattern matches not taken
    std::vector<std::string> skipped;  // not taken, with the reason: links, devices, too large
};

// Files larger than this are no skin file.
inline constexpr std::int64_t kMaxSkinFile = 64 << 20;

// Looks at the picked file's folder. Fails with the reason nothing can be taken: a file inside
// the game folder, the program's folder or the catalogue, or no skin file; download.folder is
// the picked file's folder all the same.
Result ExamineDownload(const Folders& folders, const std::string& picked,
                       std::string_view skinFiles, SkinDownload& download);
// The list of a download as the user sees it before anything moves.
std::string DownloadText(const SkinDownload& download);

// What a slot of a terrain set's skin board shows: a picture file and up to three lines.
struct SkinSlot {
    std::string picture;
    std::string caption;
};

// "Skins.INI" of a catalogue folder, and its "InitialFolder" (cut to 255 bytes) as written.
std::string SkinsIniPath(const std::string& catalogueFolder);
profile::Entry InitialFolderValue(std::string folder);

class SkinCatalogue {
  public:
    explicit SkinCatalogue(std::string folder) : folder_(std::move(folder)) {}
    const std::string& Folder() const { return folder_; }

    std::string InitialFolder() const;
    Result SetInitialFolder(const std::string& downloadFolder) const;

    // The numbers of the records on disk, in increasing order (one reading of the folder).
    std::vector<unsigned> Numbers() const;
    // The number the next skin gets: one above "SkinCount" and above every number a record,
    // preview or stored file of the catalogue uses, so that none is ever given twice.
    unsigned NextNumber() const;

    // The installed skins (a record with a Model) in increasing number.
    std::vector<SkinRow> ListSkins() const;
    SkinRecord ReadRecord(unsigned n) const;
    bool IsInstalled(unsigned n) const { return !ReadRecord(n).model.empty(); }
    std::string RecordPath(unsigned n) const;
    // n.JPG, else n.GIF, else "NOIMAGE.GIF".
    std::string FindPreview(unsigned n) const;
    // The stored files of skin n: those its record lists, or for a record that lists none the
    // "n_" files matching the patterns (never another file that merely starts with "n_").
    std::vector<std::string> StoredFiles(unsigned n, std::string_view skinFiles) const;

    // The installed skins of an aircraft model after and before `current` (0: the game's own
    // skin), by number; 0 when there is none, so that stepping wraps through the default.
    unsigned NextSkinOf(std::string_view code, unsigned current) const;
    unsigned PreviousSkinOf(std::string_view code, unsigned current) const;
    // The slot of model (0..29) wearing skin n: the game's logo and the model's name for 0;
    // else the preview and "Model, Unit / Pilot / Location, Year", or a note that the skin is
    // gone.
    SkinSlot SlotOf(std::size_t model, unsigned n) const;

    // Rewrites the seven texts the user may change.
    Result UpdateSkinRecord(unsigned n, const SkinRecord& record) const;

  private:
    std::string folder_;
};

// The text of a whole new record n.DAT, its keys in their documented order.
std::string SkinRecordText(const SkinRecord& record);

// Adds a downloaded skin described by record as one change: the skin's files move into the
// catalogue as "n_NAME" (a name ending in "TXS.TPC" is stored ending in "TES.TPC"), the preview
// as n.JPG or n.GIF, the readme as "n_NAME"; then "SkinCount" and last the record. number is
// the new skin's number (0 when nothing was added).
ChangeResult AddSkin(ProgramState& state, const SkinDownload& download, const SkinRecord& record,
                     unsigned& number);

// Deletes skin n as one change: the choices that name it go back to the game's default and
// those sets are staged again (the game folder follows when the active set's skins changed),
// then the stored files, the previews and last the record. "SkinCount" stays.
ChangeResult DeleteSkin(ProgramState& state, unsigned n);

}  // namespace harbinet
