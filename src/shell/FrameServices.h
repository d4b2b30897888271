// What the core operations need from the frame they run in. The program answers with message
// boxes, the tray icon and window timers; harbinet-cli with standard error; tests with a recorder.
#pragma once

#include <cstdint>
#include <string>

namespace harbinet {

enum class MessageIcon { Error, Information };

class FrameServices {
public:
    virtual ~FrameServices() = default;

    virtual void ShowMessage(MessageIcon icon, const std::string& caption,
                             const std::string& text) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
    // Busy icon and "Loading Terrain/Skins..." while terrain or skins change.
    virtual void UpdateTrayIcon(bool busy) = 0;
    // The periodic season check on the user-interface thread; false when no timer could be made.
    virtual bool StartSeasonTimer(std::uint32_t milliseconds) = 0;
    virtual void StopSeasonTimer() = 0;
    // Runs a menu command after the current handler has returned.
    virtual void PostCommand(int command) = 0;

    void ShowError(const std::string& text);  // caption "Harbinet Error"
};

}  // namespace harbinet
