// How the program fits into the user's desktop: starting with the session, a launcher on the
// desktop, the files of an install for all users, the runner of Windows programs and the
// display the windows go to. The program decides what a launcher starts; how the desktop keeps
// it is this system's business.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace harbinet::desktop {

// What the desktop starts: a command (program and arguments) run in a working folder, shown
// under a name with an icon.
struct Launcher {
    std::vector<std::string> command;
    std::string name;
    std::string workingFolder;
    std::string icon;
};

// Where the session keeps what it starts at login, as the user is told of it: the autostart
// entry $XDG_CONFIG_HOME/autostart/harbinet.desktop (~/.config when XDG_CONFIG_HOME is unset or
// not absolute).
std::string StartWithDesktopPlace();
// Why the session's start could not be changed: an errno value, and where the system names the
// call that failed with a code of its own (Windows' registry), that call and code.
struct StartFailure {
    int error = 0;
    const char* function = nullptr;
    unsigned long code = 0;
};
// With start, makes the session start the launcher when the user logs in (the entry is written
// atomically); without, no longer (none there is no failure). Nothing on success.
std::optional<StartFailure> SetStartWithDesktop(const Launcher& launcher, bool start);

// Puts the launcher into the user's desktop folder (made when missing) as "NAME.desktop",
// executable so that desktops run it. An entry of that name for the same working folder is
// replaced; one for another folder (or any other file of that name) stays, and this one is
// "NAME (2).desktop", or the next free number. 0 on success, else an errno value.
int PutOnDesktop(const Launcher& launcher);

// The files an install for all users keeps for every program folder, for a program in
// programFolder (ending in "/"): "share/harbinet/" beside that folder ("PREFIX/bin/", or
// "/usr/games/" as Debian lays out games), ending in "/"; empty when there is none.
std::string InstalledDataFolder(const std::string& programFolder);

// The program that runs a Windows program, given it as its argument, when the settings name
// none: "wine", found on the PATH, so that the game and its tools run from their Wine prefix.
// Empty where Windows programs run by themselves.
std::string DefaultWindowsRunner();

// The kind of tray icon the user asked for, with HARBINET_TRAY set to "sni" or "xembed";
// Either when it is unset or names neither.
enum class TrayChoice { Either, StatusNotifier, XEmbed };
TrayChoice ChosenTray();

// Before the toolkit starts: the windows go to X11 (through Xwayland in a Wayland session),
// where tray icons live and another Harbinet can find ours, unless the user chose otherwise.
void PreferX11Display();
// The display the toolkit opens, as the user named it ($DISPLAY); none when it is not set.
std::optional<std::string> DisplayName();
// A function of a library loaded with the program (the toolkit's own) by its name; null when
// there is none. For the few calls the toolkit has no wrapper for.
void* ToolkitFunction(const char* name);

}  // namespace harbinet::desktop
