// The tray commands that open a configuration dialog. Each dialog opens once: a second request
// brings the open one forward.
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

void CMainFrame::OpenConfigurationDialog(Command::Kind kind) {
    switch (kind) {
        case Command::Kind::Configure: {
            if (RaiseExistingWindow(ConfigureDialog::kTitle, state_.desktop)) return;
            ConfigureDialog dialog(state_, ReadConfiguration(state_), nullptr);
            if (ui::RunDialog(dialog) == wxID_OK) ApplyConfiguration(state_, dialog.Options());
            return;
        }
        case Command::Kind::ConfigureTerrainSets: {
            if (RaiseExistingWindow(TerrainSetsDialog::kTitle, state_.desktop)) return;
            TerrainSetsDialog dialog(state_, nullptr);
            ui::RunDialog(dialog);
            return;
        }
        case Command::Kind::ConfigureExternalApps: {
            if (RaiseExistingWindow(ExternalAppsDialog::kTitle, state_.desktop)) return;
            ExternalAppsDialog dialog(state_, nullptr);
            ui::RunDialog(dialog);
            return;
        }
        case Command::Kind::ConfigureSkins: {
            if (RaiseExistingWindow(ConfigureSkinsDialog::kTitle, state_.desktop)) return;
            ConfigureSkinsDialog dialog(state_, nullptr);
            ui::RunDialog(dialog);
            return;
        }
        case Command::Kind::TerrainSkins: {
            const auto set = static_cast<unsigned>(state_.TerrainSet);
            if (RaiseExistingWindow(TerrainSkinsDialog::TitleOf(state_, set), state_.desktop))
                return;
            TerrainSkinsDialog dialog(state_, set, nullptr);
            // New choices reach the game with the current season installed again.
            if (ui::RunDialog(dialog) == wxID_OK) ReinstallCurrentSeason(state_);
            return;
        }
        default:
            break;
    }
}

}  // namespace harbinet
