// Name rules every system's file layer shares: the order of found names and the names of the
// temporary files that copies and rewrites go through; and how two open files are compared.
#pragma once

#include <cstddef>
#include <functional>
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

// Reads up to size bytes, fewer only at the end of the file; -1 on an error.
using ReadFully = std::function<long long(char* buffer, std::size_t size)>;
// True when two readers give the same bytes to their ends. The chunks grow from 16 KiB to
// 256 KiB: files that differ mostly differ early, so a compare that fails reads little.
bool SameBytes(const ReadFully& x, const ReadFully& y);

}  // namespace harbinet::files
