#include "program/Modes.h"

#include "program/CareerCheck.h"
#include "program/Report.h"

namespace harbinet {

namespace {

// The season timer's period: "Timer" seconds in milliseconds, in 32 bits (a value above
// 4294967 seconds wraps around).
std::uint32_t SeasonTimerPeriod(const ProgramState& state) {
    return state.settings.Get(settings::kTimer) * 1000u;
}

}  // namespace

bool StartSeasonTimer(ProgramState& state) {
    if (state.host.StartSeasonTimer(SeasonTimerPeriod(state))) return true;
    state.host.ShowError(text::kNoTimer);
    return false;
}

void StartAutomaticMode(ProgramState& state) {
    if (!state.settings.Automatic()) return;
    if (StartSeasonTimer(state)) CheckActiveCareer(state);
}

void SwitchToAutomaticMode(ProgramState& state) {
    if (!StartSeasonTimer(state)) return;
    // A mode the settings do not hold would be lost at the next start.
    if (!Report(state, state.settings.SetMode(OperatingMode::Automatic))) {
        state.host.StopSeasonTimer();
        return;
    }
    ForgetActiveCareer(state);
    state.host.UpdateTrayIcon(false);
    CheckActiveCareer(state);
}

void SwitchToManualMode(ProgramState& state) {
    if (!Report(state, state.settings.SetMode(OperatingMode::Manual))) return;
    state.host.StopSeasonTimer();
    state.host.UpdateTrayIcon(false);
}

void RefreshSeasonNow(ProgramState& state) {
    ForgetActiveCareer(state);
    CheckActiveCareer(state);
    state.host.UpdateTrayIcon(false);
}

void SeasonTimerTick(ProgramState& state) {
    CheckActiveCareer(state);
}

}  // namespace harbinet
