// What the core operations need from the program they run in: message boxes, questions, the
// busy tray icon and the season timer. The program answers with wx, harbinet-cli with standard
// error, tests with a recorder.
#pragma once

#include <cstdint>
#include <string>

namespace harbinet {

enum class MessageIcon { Error, Information };

// How far a change has come: files and bytes (of the files copied or moved) done of all.
struct ChangeProgress {
    std::string what;  // the change: "season winter", "set 2", ...
    std::uint64_t filesDone = 0, filesTotal = 0;
    std::uint64_t bytesDone = 0, bytesTotal = 0;
    bool finished = false;  // the last report of a change: whatever shows it can go

    // Done of all, 0..100: by bytes when any are copied, else by files.
    int Percent() const;
};

class Host {
  public:
    virtual ~Host() = default;

    virtual void ShowMessage(MessageIcon icon, const std::string& caption,
                             const std::string& text) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
    // Busy icon and "Loading Terrain/Skins..." while terrain or skins change; the normal icon
    // and tooltip, rebuilt from the state, when not busy.
    virtual void UpdateTrayIcon(bool busy) = 0;
    // The periodic season check on the user-interface thread; false when no timer could be made.
    virtual bool StartSeasonTimer(std::uint32_t milliseconds) = 0;
    virtual void StopSeasonTimer() = 0;
    // A change that takes a while reports how far it has come; nothing shows it by default.
    virtual void ShowProgress(const ChangeProgress&) {}

    void ShowError(const std::string& text);  // caption "Harbinet Error"
};

// Shows nothing, answers No, has no tray icon and a timer that always starts: for tools and
// benchmarks, and the base of hosts that care about one or two of these.
class QuietHost : public Host {
  public:
    void ShowMessage(MessageIcon, const std::string&, const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    void UpdateTrayIcon(bool) override {}
    bool StartSeasonTimer(std::uint32_t) override { return true; }
    void StopSeasonTimer() override {}
};

}  // namespace harbinet
