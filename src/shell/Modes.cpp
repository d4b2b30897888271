#include "shell/Modes.h"

#include "careers/ActiveCareer.h"

namespace harbinet {

std::uint32_t SeasonTimerPeriod(const FrameState& state) {
    return state.Timer * 1000u;
}

namespace {
bool StartTimer(FrameState& state) {
    if (state.Ui.StartSeasonTimer(SeasonTimerPeriod(state))) return true;
    state.Ui.ShowError(text::kNoTimer);
    return false;
}
}  // namespace

void StartAutomaticMode(FrameState& state) {
    if (state.Mode != 1) return;
    if (StartTimer(state)) CheckActiveCareer(state);
}

void SwitchToAutomaticMode(FrameState& state) {
    if (!StartTimer(state)) return;
    state.Mode = 1;
    state.Settings().Set(settings::kMode, "1");
    ForgetActiveCareer(state);
    state.Ui.UpdateTrayIcon(false);
    CheckActiveCareer(state);
}

void SwitchToManualMode(FrameState& state) {
    state.Ui.StopSeasonTimer();
    state.Mode = 0;
    state.Settings().Set(settings::kMode, "0");
    state.Ui.UpdateTrayIcon(false);
}

void RefreshSeasonNow(FrameState& state) {
    ForgetActiveCareer(state);
    CheckActiveCareer(state);
    state.Ui.UpdateTrayIcon(false);
}

void SeasonTimerTick(FrameState& state) {
    CheckActiveCareer(state);
}

}  // namespace harbinet
