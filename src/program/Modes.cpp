#include "program/Modes.h"

#include "program/CareerCheck.h"

namespace harbinet {

namespace {

// The season timer's period: "Timer" seconds in milliseconds, in 32 bits (a value above
// 4294967 seconds wraps around).
std::uint32_t SeasonTimerPeriod(const ProgramState& state) {
    return state.Timer * 1000u;
}

}  // namespace

bool StartSeasonTimer(ProgramState& state) {
    if (state.host.StartSeasonTimer(SeasonTimerPeriod(state))) return true;
    state.host.ShowError(text::kNoTimer);
    return false;
}

void StartAutomaticMode(ProgramState& state) {
    if (!state.Automatic()) return;
    if (StartSeasonTimer(state)) CheckActiveCareer(state);
}

void SwitchToAutomaticMode(ProgramState& state) {
    if (!StartSeasonTimer(state)) return;
    state.Mode = OperatingMode::Automatic;
    state.Settings().Set(settings::Key::Mode, "1");
    ForgetActiveCareer(state);
    state.host.UpdateTrayIcon(false);
    CheckActiveCareer(state);
}

void SwitchToManualMode(ProgramState& state) {
    state.host.StopSeasonTimer();
    state.Mode = OperatingMode::Manual;
    state.Settings().Set(settings::Key::Mode, "0");
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
