// The program's own words: captions and messages of the string table.
#pragma once

#include "platform/Text.h"

// The version the program shows, from CMakeLists.txt.
#ifndef HARBINET_VERSION
#error "HARBINET_VERSION is defined by the build"
#endif

namespace harbinet {

namespace text {
inline constexpr const char* kProgramTitle = "Harbinet";
// The desktop entry's name.
inline constexpr const char* kProgramVersionTitle = "Harbinet " HARBINET_VERSION;
inline constexpr const char* kCaptionError = "Harbinet Error";
inline constexpr const char* kCaptionInstall = "Harbinet Install";
inline constexpr const char* kCaptionUpgrade = "Harbinet Upgrade";
inline constexpr const char* kGameWindowTitle = "European Air War";
inline constexpr const char* kGameNotFound = "EAW executable was not found in expected path of %s";
// Nothing is made for a folder that does not hold the game.
inline constexpr const char* kNoGameThere = "The EAW executable was not found in %s";
inline constexpr const char* kGiveProgramFolder =
    "That is the game's own folder: give Harbinet's folder inside it, such as %s";
// A program installed system-wide asks once which game it serves.
inline constexpr const char* kChooseGameFolder =
    "Choose the folder of European Air War, the one that holds EAW.EXE";
inline constexpr const char* kNoGameInFolder =
    "EAW.EXE is not in %s. Choose the folder that holds European Air War.";
inline constexpr const char* kUnableToMakeFolder = "Unable to make the folder %s: %s";
inline constexpr const char* kFolderNotMade = "Unable to make the folder %s";
inline constexpr const char* kFolderNotRemembered =
    "Unable to remember the game folder in %s; Harbinet will ask for it at its next start.";
inline constexpr const char* kUnableToLaunch = "Unable to launch %s";
// The desktop found no way to open a file or link; the reason follows on a line of its own.
inline constexpr const char* kUnableToOpen = "Unable to open %s";
// "Unable to open FILE", with the desktop's reason on a second line.
inline std::string UnableToOpen(const std::string& target, const std::string& reason) {
    return Format(kUnableToOpen, target.c_str()) + "\n" + reason;
}
inline constexpr const char* kNoTimer = "Unable to create a Timer - Cannot use Automatic Mode";
inline constexpr const char* kOpenFailed = "Open of file %s failed (error = 0x%x)";
inline constexpr const char* kBadFileTypes =
    "The file types specified for %s are invalid or incorrectly formatted";
inline constexpr const char* kNoCurrentCareer = "No Current Career";
inline constexpr const char* kAddTerrainSetsQuestion =
    "Do you wish to add support for Mediterranean and Pacific Terrain Sets?";
inline constexpr const char* kUpgraded = "Harbinet has been upgraded to Version " HARBINET_VERSION;
inline constexpr const char* kSettingsBackedUp =
    "The settings of an older version are replaced by new ones; the old ones were saved as %s";
inline constexpr const char* kSettingsNotBackedUp =
    "The settings of an older version could not be saved as %s, so they are left as they are";
}  // namespace text

// Changes to the game folder that could not be made.
namespace text {
inline constexpr const char* kUnusableSetName =
    "The terrain set name \"%s\" cannot be used as a folder name; nothing was changed";
inline constexpr const char* kUnableToWrite = "Unable to write %s";
inline constexpr const char* kSetFoldersLeftAlone =
    "The terrain set name \"%s\" cannot be used as a folder name; its folders were left alone";
inline constexpr const char* kFilesNotCopied = "These files could not be copied to %s:";
inline constexpr const char* kListTakesEverything =
    "The file types of %s (%s) would take every file of the game; they change nothing until "
    "they name the files of one kind";
inline constexpr const char* kUnableToKeep = "Unable to keep %s in %s";
inline constexpr const char* kNoKeptFile = "%s is no file Harbinet kept (see: originals list)";
inline constexpr const char* kUnableToDelete = "Unable to delete %s";
inline constexpr const char* kUnableToMove = "Unable to move %s to %s";
inline constexpr const char* kOperationFailed = "The operation could not be completed: %s";
inline constexpr const char* kChangeUnderWay =
    "Another change of this installation is under way; try again when it has finished";
}  // namespace text

// The skin catalogue and the skins of a terrain set.
namespace text {
inline constexpr const char* kCaptionDeleteSkin = "Delete Skin";
inline constexpr const char* kDeleteSkinQuestion =
    "Do you really want to delete the Skin for the %s, %s?\n(This will also delete ALL files "
    "associated with this Skin from your PC!)";
inline constexpr const char* kCaptionResetSkins = "Reset Terrain Skins";
inline constexpr const char* kResetSkinsQuestion =
    "Do you really want to reset all Skins in all Seasons (if applicable) to the EAW Default "
    "Skins?";
}  // namespace text

// The skin dialogs: the catalogue list, a skin's description and a terrain set's skins.
namespace text {
inline constexpr const char* kSelectSkinFile = "Select a Skin file downloaded";
inline constexpr const char* kSkinFileFilter = "EAW Skin files (P*TEX.TPC)";
inline constexpr const char* kAdd = "Add";
inline constexpr const char* kModify = "Modify";
inline constexpr const char* kSkinDoesNotExist = "Skin does not exist!";
// The line under the catalogue list after an add: number, files stored.
inline constexpr const char* kSkinAdded = "Skin %u added with %u files";
inline constexpr const char* kTextTooLong =
    "%s takes at most %u bytes (a letter outside A to Z takes two or more)";
inline constexpr const char* kFieldEmpty = "%s cannot be empty";
inline constexpr const char* kTextControlCharacter = "%s holds a control character";
inline constexpr const char* kYearOutOfRange = "The year of a skin is one from 1939 to 1945";
// Adding a skin: what it takes from the download folder, and what it refuses.
inline constexpr const char* kNotADownload =
    "%s is a folder of the game or of Harbinet; pick the skin where you downloaded it";
inline constexpr const char* kNoSkinFile = "%s is no skin file of the kinds \"SkinFiles\" names";
inline constexpr const char* kSkippedNotAFile = "%s is left: it is no plain file";
inline constexpr const char* kSkippedTooLarge = "%s is left: it is larger than 64 MiB";
inline constexpr const char* kDownloadTakes = "Harbinet takes these files from %s:";
inline constexpr const char* kDownloadLeaves = "and leaves these there:";
inline constexpr const char* kCaptionAddSkin = "Add Skin";
inline constexpr const char* kAddSkinQuestion = "Do you want to add this skin?";
}  // namespace text

// The list of terrain sets and the dialog that names or changes one.
namespace text {
inline constexpr const char* kCaptionDeleteTerrainSet = "Delete Terrain Set";
inline constexpr const char* kDeleteTerrainSetQuestion =
    "Do you really want to delete the %s Terrain Set?";
inline constexpr const char* kDeleteActiveTerrainSetNote =
    "(It is the active Terrain Set: EAW goes back to its Default Terrain first.)";
inline constexpr const char* kYes = "Yes";
inline constexpr const char* kNo = "No";
inline constexpr const char* kTerrainSetLabel = "Terrain Set:";
inline constexpr const char* kHasSeasonsCheck =
    "Terrain set has Seasons? (e.g. Spring, Summer, Autumn, Winter)";
inline constexpr const char* kObjectsLowCheck = "Set Ground Object Detail to Low?";
inline constexpr const char* kColumnId = "Id";
inline constexpr const char* kColumnTerrainSet = "Terrain Set";
inline constexpr const char* kColumnHasSeasons = "Has Seasons?";
inline constexpr const char* kColumnObjectsLow = "Object Detail Low?";
inline constexpr const char* kSetNameEmpty = "A terrain set needs a name";
inline constexpr const char* kSetNameNotAFolder =
    "A terrain set name becomes a folder name: it cannot be \".\" or \"..\", nor hold \"/\", "
    "\"\\\" or control characters";
inline constexpr const char* kSetNameTaken =
    "There is already a terrain set named \"%s\" (letter case does not count in folder names)";
inline constexpr const char* kSetNameTooLong = "A terrain set name takes at most %u characters";
inline constexpr const char* kTerrainSetsFull =
    "All 25 terrain sets are in use: delete one before adding another";
inline constexpr const char* kNoTerrainSet = "Terrain set %u does not exist";
inline constexpr const char* kTerrainSetGone = "The %s Terrain Set does not exist any more";
inline constexpr const char* kAppSlotEmpty = "External application slot %u is empty";
}  // namespace text

// The external applications dialogs and the Configure dialog.
namespace text {
inline constexpr const char* kAppColumnId = "Id";
inline constexpr const char* kAppColumnDescription = "Description";
inline constexpr const char* kAppColumnExecutable = "Executable";
inline constexpr const char* kAppDescriptionLabel = "Description:";
inline constexpr const char* kAppExecutableLabel = "Executable:";
// GTK's file filters compare letter case: the pattern spells out both cases of each letter.
inline constexpr const char* kExecutableFilter =
    "Executable files (*.exe)|*.[Ee][Xx][Ee]|All files (*.*)|*";
inline constexpr const char* kExecutableNotFound = "The executable %s does not exist";
inline constexpr const char* kAppFieldsEmpty =
    "An external application needs a description and an executable";
inline constexpr const char* kAppSlotsFull = "All 25 external application slots are in use";
inline constexpr const char* kAppTooLong =
    "A description takes at most 60 characters and an executable at most 255";
inline constexpr const char* kCaptionDeleteApp = "Delete External Application";
inline constexpr const char* kDeleteAppQuestion = "Do you really want to delete %s?";

inline constexpr const char* kClickDefaultOption =
    "Double clicking Harbinet icon launches European Air War";
// Windows starts the program from its Run key; other desktops from their autostart entries.
#ifdef _WIN32
inline constexpr const char* kLoadOnStartOption = "Load Harbinet on Windows Start";
#else
inline constexpr const char* kLoadOnStartOption = "Load Harbinet when I log in";
#endif
inline constexpr const char* kCopySkinsOption = "Copy Skins when Terrain changes take effect";
inline constexpr const char* kLaunchAfterOption =
    "Launch European Air War after Setting Active Career";
inline constexpr const char* kObjectDetailLabel = "Default Ground Object Detail for Terrain:";
inline constexpr const char* kDetailLow = "Low";
inline constexpr const char* kDetailMedium = "Medium";
inline constexpr const char* kDetailHigh = "High";
inline constexpr const char* kAdvancedMode = "Advanced Mode";
inline constexpr const char* kCommonFilesLabel = "Common Files:";
inline constexpr const char* kTerrainFilesLabel = "Terrain Files:";
inline constexpr const char* kSkinFilesLabel = "Skins Files:";
inline constexpr const char* kTerrainListName = "Terrain";
inline constexpr const char* kSkinsListName = "Skins";
inline constexpr const char* kCommonListName = "Common";
inline constexpr const char* kChangeCutShort =
    "A change that was cut short waits to be finished; run a change or start Harbinet first";
inline constexpr const char* kAutostartFailed = "Unable to change the start at login in %s: %s";
// The letter after the code is the text's own.
inline constexpr const char* kRegistryError =
    "Windows Registry error: function %s, return code:%ul";
inline constexpr const char* kDesktopEntryFailed =
    "Unable to put Harbinet on the desktop in %s: %s";
}  // namespace text

// The tray icon's tooltip and pop-up menu.
namespace text {
inline constexpr const char* kTipSeparator = " - ";
inline constexpr const char* kTipBusy = "Loading Terrain/Skins...";
inline constexpr const char* kTipDefaultTerrain = "EAW Default Terrain";
inline constexpr const char* kTipSetName = " (%s)";
inline constexpr const char* kTipInstalling = "Installing %s";
inline constexpr const char* kTipDefaultTerrainChange = "Default Terrain";
inline constexpr const char* kTipTerrainSet = "Terrain Set %s";
inline constexpr const char* kTipChangingFiles = "Changing Files";
inline constexpr const char* kTipProgress = "%s... %d%%";
inline constexpr const char* kAutomaticMode = "Automatic Mode";
inline constexpr const char* kManualMode = "Manual Mode";
inline constexpr const char* kSpringTerrain = "Spring Terrain";
inline constexpr const char* kSummerTerrain = "Summer Terrain";
inline constexpr const char* kAutumnTerrain = "Autumn Terrain";
inline constexpr const char* kWinterTerrain = "Winter Terrain";

inline constexpr const char* kMenuLaunchGame = "&Launch MicroProse's European Air War";
inline constexpr const char* kMenuLaunch = "Launch";
inline constexpr const char* kMenuSetActiveCareer = "Set Active Career...";
inline constexpr const char* kMenuProperSeason = "Use Proper Season Terrain";
inline constexpr const char* kMenuLoadSpring = "Load Spring Terrain";
inline constexpr const char* kMenuLoadSummer = "Load Summer Terrain";
inline constexpr const char* kMenuLoadAutumn = "Load Autumn Terrain";
inline constexpr const char* kMenuLoadWinter = "Load Winter Terrain";
inline constexpr const char* kMenuTerrainSkins = "Skins for %s...";
inline constexpr const char* kMenuDefaultTerrain = "Use EAW Default Terrain/Skins";
inline constexpr const char* kMenuSetTerrainSet = "Set %s";
inline constexpr const char* kMenuClose = "&Close";
inline constexpr const char* kMenuConfigure = "Co&nfigure";
inline constexpr const char* kMenuConfigureHarbinet = "Harbinet...";
inline constexpr const char* kMenuConfigureSkins = "Skins...";
inline constexpr const char* kMenuConfigureTerrainSets = "Terrain Sets...";
inline constexpr const char* kMenuConfigureExternalApps = "External Applications...";
inline constexpr const char* kMenuAbout = "&About Harbinet...";
}  // namespace text

}  // namespace harbinet
