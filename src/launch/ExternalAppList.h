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
std::vector<ExternalAppSlot> ListExternalApps(const Settings& settings);
// The lowest slot whose description reads empty; 0 when all 25 are in use.
unsigned LowestFreeAppSlot(const Settings& settings);

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
// What the user is told of a refused entry ("" when accepted), with the executable as typed.
std::string AppEntryCheckText(AppEntryCheck check, const std::string& executable);

// Success when the slot is in use, else "External application slot N is empty".
Result AppInUse(const ProgramState& state, unsigned slot);

// Each writes both keys of the slot in one replace of the settings file. Adding takes the lowest
// free slot (slot gets it) and fails when all 25 are in use.
Result AddExternalApp(ProgramState& state, const std::string& description,
                      const std::string& executable, unsigned& slot);
// Only a slot in use is changed or freed; freeing empties both keys.
Result ModifyExternalApp(ProgramState& state, unsigned slot, const std::string& description,
                         const std::string& executable);
Result DeleteExternalApp(ProgramState& state, unsigned slot);

}  // namespace harbinet
