// The 25 slots of section External as a list: which are in use, adding into the lowest free
// one, changing one in place and freeing one; and the checks an entry must pass first.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/ProgramState.h"

namespace harbinet {

// One slot in use: its description reads non-empty.
struct ExternalAppSlot {
    unsigned slot = 0;  // 1..25
    std::string description;
    std::string executable;
};

// Characters, not bytes: the edit fields count what the user sees.
inline constexpr std::size_t kAppDescriptionLimit = 60;
inline constexpr std::size_t kAppExecutableLimit = 255;

// The slots in use, in slot order.
std::vector<ExternalAppSlot> ListExternalApps(const SettingsStore& settings);
// The lowest slot whose description reads empty; 0 when all 25 are in use.
unsigned LowestFreeAppSlot(const SettingsStore& settings);

enum class AppEntryCheck {
    Accepted,
    EmptyField,  // a description or an executable is missing: ignored without a word
    TooLong,     // beyond the limits the edit fields enforce while typing
    NotFound,    // nothing exists where the launcher would look
};

// The checks of an entry before it is stored. The executable is looked for where
// LaunchExternalApp will start it (ResolveAppPath), so a relative text is taken against the
// program's or the game's folder, not the current one; a folder counts as found.
AppEntryCheck CheckExternalApp(const ProgramState& state, const std::string& description,
                               const std::string& executable);
// "The executable TEXT does not exist", with the text as typed.
std::string ExecutableNotFoundText(const std::string& executable);

// The slot's description; none, after saying the slot is empty, when it is free.
std::optional<std::string> AppInUse(const ProgramState& state, unsigned slot);

// Writes both keys of the slot in one replace of the settings file; a failure is reported
// through the host. Adding takes the lowest free slot and returns it, 0 when none is free or
// the write failed.
unsigned AddExternalApp(ProgramState& state, const std::string& description,
                        const std::string& executable);
bool ModifyExternalApp(ProgramState& state, unsigned slot, const std::string& description,
                       const std::string& executable);
// Both keys stay, emptied, which frees the slot.
bool DeleteExternalApp(ProgramState& state, unsigned slot);

}  // namespace harbinet
