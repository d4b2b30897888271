// A host and desktop for tests: they record what the core asked for.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "model/Host.h"
#include "platform/Desktop.h"

namespace harbinet::test {

class RecordingHost : public Host {
  public:
    void ShowMessage(MessageIcon icon, const std::string& caption,
                     const std::string& text) override {
        messages.push_back((icon == MessageIcon::Error ? "error " : "info ") + caption + ": " +
                           text);
    }
    bool AskYesNo(const std::string& caption, const std::string& text) override {
        messages.push_back("ask " + caption + ": " + text);
        return answer;
    }
    void UpdateTrayIcon(bool) override { ++calls; }
    bool StartSeasonTimer(std::uint32_t) override {
        ++calls;
        timerRunning = timerRunning || timerWorks;
        return timerWorks;
    }
    void StopSeasonTimer() override {
        ++calls;
        timerRunning = false;
    }
    void ShowProgress(const ChangeProgress& p) override {
        progress.push_back(p.finished ? "finished"
                                      : p.what + " " + std::to_string(p.filesDone) + "/" +
                                            std::to_string(p.filesTotal) + " files " +
                                            std::to_string(p.bytesDone) + "/" +
                                            std::to_string(p.bytesTotal) + " bytes");
    }

    bool answer = false;
    bool timerWorks = true;
    bool timerRunning = false;
    std::vector<std::string> messages;  // "error CAPTION: TEXT", "info ...", "ask ..."
    int calls = 0;                      // of the busy icon and the timer
    std::vector<std::string> progress;  // "WHAT 1/3 files 10/60 bytes", "finished"
};

class RecordingDesktop : public Desktop {
  public:
    bool WindowExists(const std::string& title) override { return HasWindow(title); }
    bool BringWindowForward(const std::string& title) override {
        if (!HasWindow(title)) return false;
        raised.push_back(title);
        return true;
    }
    bool Spawn(const std::vector<std::string>& argv, const std::string& workingFolder,
               std::string* error) override {
        spawned.push_back({argv, workingFolder});
        return Works(error);
    }
    bool ShellOpen(const std::string& target, std::string* error) override {
        opened.push_back(target);
        return Works(error);
    }
    void PlaySound(const std::string& path) override { sounds.push_back(path); }

    struct Spawned {
        std::vector<std::string> argv;
        std::string workingFolder;
    };
    std::vector<std::string> windows;  // titles of the windows that "exist"
    bool spawnWorks = true;            // for opening too
    std::vector<std::string> raised, opened, sounds;
    std::vector<Spawned> spawned;

  private:
    bool Works(std::string* error) const {
        if (!spawnWorks && error) *error = "refused by the test";
        return spawnWorks;
    }
    bool HasWindow(const std::string& title) const {
        return std::find(windows.begin(), windows.end(), title) != windows.end();
    }
};

}  // namespace harbinet::test
