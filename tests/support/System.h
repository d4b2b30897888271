// What tests make beyond plain files, on each system: pipes and links where the system has
// them, the environment, the name of a desktop launcher. A helper that returns false tells the
// test that this system has no such thing, and the test leaves that case out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace harbinet::test {

// Whether the file system takes "A" and "a" for one name, as Windows does.
// Whether a name may hold line breaks, tabs and the other control characters (not on Windows).
#ifdef _WIN32
inline constexpr bool kNamesIgnoreCase = true;
inline constexpr bool kControlCharactersInNames = false;
#else
inline constexpr bool kNamesIgnoreCase = false;
inline constexpr bool kControlCharactersInNames = true;
#endif

// Takes the write permission away (on Windows: sets the read-only attribute).
bool MakeReadOnly(const std::string& path);
// A named pipe at path; false where the file system has none (Windows).
bool MakePipe(const std::string& path);
// A symbolic link at link to target; false where a user cannot make one (Windows).
bool MakeLink(const std::string& target, const std::string& link);
// Sets (or, with none, removes) an environment variable of this process and its children.
void SetEnvironment(const char* name, const std::optional<std::string>& value);
std::optional<std::string> Environment(const char* name);
// The file name of the desktop's launcher called name: "NAME.desktop", or "NAME.lnk".
std::string LauncherFileName(const std::string& name);
// Renames a file or folder through a third name, so that a change of letter case alone takes
// everywhere (Wine keeps the old spelling of a name that only changes case).
bool RenameRespelling(const std::string& from, const std::string& to);
// A command that ends with status; one that prints a file's bytes, then ends with status.
std::vector<std::string> ExitCommand(int status);
std::vector<std::string> PrintFileCommand(const std::string& path, int status);
// The process id of a process that has ended.
long EndedProcessId();
long OwnProcessId();

}  // namespace harbinet::test
