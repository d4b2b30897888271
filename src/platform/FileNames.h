// Name rules every system's file layer shares: the order of found names and the names of the
// temporary files that copies and rewrites go through.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace harbinet::files {

// Case-blind order first, exact bytes to break ties, so that the order never depends on the disk.
bool NameBefore(const std::string& a, const std::string& b);

// folder + name when that entry exists, else the one entry of the folder whose name equals name
// ignoring letter case, in the spelling on disk, else folder + name as given: one component of
// ResolveName, looked up as this system can.
std::string ResolveComponent(const std::string& folder, std::string_view name);

// ".harbinet-PID-RANDOM.tmp": hidden, so that no game pattern finds it, and carrying the process
// id, so that a later start can tell a file a killed copy left from one in use.
std::string TemporaryName(long processId, unsigned long long random);
// The process id of a name TemporaryName gave; none for any other name.
std::optional<long> TemporaryNameOwner(std::string_view name);

}  // namespace harbinet::files
