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
inline constexpr const char* kDigitsSetName =
    "The terrain set name \"%s\" is a number, which the skin catalogue keeps for a skin; "
    "rename the set to choose its skins";
inline constexpr const char* kFilesNotCopied = "These files could not be copied to %s:";
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

// The tray icon's tooltip and pop-up menu.
namespace text {
inline constexpr const char* kTipSeparator = " - ";
inline constexpr const char* kTipBusy = "Loading Terrain/Skins...";
inline constexpr const char* kTipDefaultTerrain = "EAW Default Terrain";
inline constexpr const char* kTipSetName = " (%s)";
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
