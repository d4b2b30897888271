// The tray commands that open a configuration dialog. Each dialog opens once: a second request
// brings the open one forward.
#include <functional>

#include "gui/app/MainFrame.h"
#include "gui/app/OpenOnce.h"
#include "gui/dialogs/ConfigureDialog.h"
#include "gui/dialogs/ConfigureSkinsDialog.h"
#include "gui/dialogs/ExternalAppsDialog.h"
#include "gui/dialogs/TerrainSetsDialog.h"
#include "gui/dialogs/TerrainSkinsDialog.h"
#include "gui/widgets/RunDialog.h"
#include "program/TerrainSetSelection.h"

namespace harbinet {

namespace {

// Runs a dialog made from the state and args, unless one of that title is open already, which
// then comes forward; onOk runs after OK.
template <class Dialog, class... Args>
void RunOnce(ProgramState& state, const wxString& title, const std::function<void(Dialog&)>& onOk,
             Args... args) {
    if (RaiseExistingWindow(title, state.desktop)) return;
    Dialog dialog(state, args..., nullptr);
    if (ui::RunDialog(dialog) == wxID_OK && onOk) onOk(dialog);
}

}  // namespace

void MainFrame::OpenConfigurationDialog(Command::Kind kind) {
    switch (kind) {
        case Command::Kind::Configure:
            RunOnce<ConfigureDialog>(
                state_, ConfigureDialog::kTitle,
                [this](ConfigureDialog& d) {
                    RunOperation(
                        [this, options = d.Options()] { ApplyConfiguration(state_, options); });
                },
                ReadConfiguration(state_));
            break;
        case Command::Kind::ConfigureTerrainSets:
            RunOnce<TerrainSetsDialog>(state_, TerrainSetsDialog::kTitle, {});
            break;
        case Command::Kind::ConfigureExternalApps:
            RunOnce<ExternalAppsDialog>(state_, ExternalAppsDialog::kTitle, {});
            break;
        case Command::Kind::ConfigureSkins:
            RunOnce<ConfigureSkinsDialog>(state_, ConfigureSkinsDialog::kTitle, {});
            break;
        case Command::Kind::TerrainSkins: {
            const auto set = state_.settings.ActiveSet();
            // New choices reach the game with the current season installed again.
            RunOnce<TerrainSkinsDialog>(
                state_, TerrainSkinsDialog::TitleOf(state_, set),
                [this](TerrainSkinsDialog&) {
                    RunOperation([this] { ReinstallCurrentSeason(state_); });
                },
                set);
            break;
        }
        default:
            break;
    }
}

}  // namespace harbinet
