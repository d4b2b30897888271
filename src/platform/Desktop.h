// The desktop around the program: other programs' windows, processes, the "open" handler
// and sound. One interface, so that tests can watch what the program asks of it.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace harbinet {

class Desktop {
  public:
    virtual ~Desktop() = default;

    // True when a top-level window with exactly this title exists.
    virtual bool WindowExists(const std::string& title) = 0;
    // Brings that window to the foreground, restoring it when minimised; false when none exists.
    virtual bool BringWindowForward(const std::string& title) = 0;
    // Starts a program on its own (not waited for, never a zombie, nothing inherited: standard
    // input and output are the null device). argv[0] is the program; false with a reason when it
    // could not be started.
    virtual bool Spawn(const std::vector<std::string>& argv, const std::string& workingFolder,
                       std::string* error) = 0;
    // Hands a file, folder or link to the desktop's default application, waiting a moment for
    // the handler's verdict (one still busy is taken as success); false with a reason when there
    // is no handler or it found no application or the application failed.
    virtual bool ShellOpen(const std::string& target, std::string* error) = 0;
    // Plays a sound file asynchronously; silent when it is missing or there is no sound device.
    virtual void PlaySound(const std::string& path) = 0;
};

// A desktop that finds no windows and starts, opens and plays nothing: for benchmarks and
// tools that run the program's operations without touching the user's session.
class NullDesktop : public Desktop {
  public:
    bool WindowExists(const std::string&) override { return false; }
    bool BringWindowForward(const std::string&) override { return false; }
    bool Spawn(const std::vector<std::string>&, const std::string&, std::string* error) override {
        if (error) *error = "no desktop";
        return false;
    }
    bool ShellOpen(const std::string&, std::string* error) override {
        if (error) *error = "no desktop";
        return false;
    }
    void PlaySound(const std::string&) override {}
};

// The real desktop: X11 window search, processes, xdg-open, the desktop's sound service.
std::unique_ptr<Desktop> MakeSystemDesktop();

}  // namespace harbinet
