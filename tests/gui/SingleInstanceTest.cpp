// The program itself, started as a user would: a second start brings the first forward and ends.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/frame.h>

#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "gui/EventWait.h"
#include "platform/Desktop.h"
#include "support/GameFolder.h"

#ifdef HARBINET_PROGRAM

namespace harbinet {
namespace {

using namespace std::chrono_literals;

// A started copy of the program, installed in a game folder.
class Program {
  public:
    Program(const std::string& own, std::vector<std::string> args) {
        pid_ = fork();
        if (pid_ == 0) {
            if (chdir(own.c_str()) != 0) _exit(126);
            std::vector<char*> argv;
            const std::string path = own + "harbinet";
            argv.push_back(const_cast<char*>(path.c_str()));
            for (auto& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(path.c_str(), argv.data());
            _exit(127);
        }
        const pid_t pid = pid_;
        exit_ = std::async(std::launch::async, [pid] {
            int status = 0;
            waitpid(pid, &status, 0);
            return status;
        });
    }
    ~Program() {
        if (Running()) kill(pid_, SIGKILL);
        exit_.wait();
    }

    bool Running() { return exit_.wait_for(0s) != std::future_status::ready; }
    // The exit code once it ended within the time, -1 otherwise (or when it did not exit).
    int Ended(std::chrono::milliseconds within = 15s) {
        if (exit_.wait_for(within) != std::future_status::ready) return -1;
        const int status = exit_.get();
        exit_ = std::async(std::launch::deferred, [status] { return status; });
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // Waits for the condition while the program runs, pacing on the program's end.
    bool RunningUntil(const std::function<bool()>& done, std::chrono::seconds limit = 20s) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) return false;
            if (exit_.wait_for(50ms) == std::future_status::ready) return false;
        }
        return true;
    }
    void Terminate() { kill(pid_, SIGTERM); }

  private:
    pid_t pid_ = -1;
    std::future<int> exit_;
};

class SerialSingleInstance : public ::testing::Test {
  protected:
    void SetUp() override {
        desktop = MakeSystemDesktop();
        // Windows this process closed a moment ago may still be on their way out.
        ASSERT_TRUE(test::RunEventsUntil([&] { return !desktop->WindowExists("Harbinet"); }))
            << "another Harbinet is on this display";
        const std::string program = game.Own() + "harbinet";
        test::WriteFile(program, test::ReadFile(HARBINET_PROGRAM));
        chmod(program.c_str(), 0755);
    }

    test::GameFolder game;
    std::unique_ptr<Desktop> desktop;
};

TEST_F(SerialSingleInstance, ASecondStartEndsAtOnceAndLeavesTheFirstRunning) {
    test::WriteFile(game.Settings(), "[Harbinet]\nVersion=22\nMode=0\nTerrainSet=0\n");
    Program first(game.Own(), {"/Embedding"});
    ASSERT_TRUE(first.RunningUntil([&] { return desktop->WindowExists("Harbinet"); }));
    const std::string before = test::ListFolder(game.Own()) + test::ReadFile(game.Settings());

    Program second(game.Own(), {});
    EXPECT_EQ(second.Ended(), 0);
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(test::ListFolder(game.Own()) + test::ReadFile(game.Settings()), before);

    // A termination signal ends the first one the orderly way, writing nothing.
    first.Terminate();
    EXPECT_EQ(first.Ended(), 0);
    EXPECT_EQ(test::ListFolder(game.Own()) + test::ReadFile(game.Settings()), before);
    EXPECT_FALSE(desktop->WindowExists("Harbinet"));
}

TEST_F(SerialSingleInstance, AnyWindowTitledHarbinetStopsAStartBeforeItReadsAnything) {
    auto* other = new wxFrame(nullptr, wxID_ANY, "Harbinet");
    other->Show();
    ASSERT_TRUE(test::RunEventsUntil([&] { return desktop->WindowExists("Harbinet"); }));
    const std::string before = test::ListFolder(game.Own());

    Program start(game.Own(), {});
    EXPECT_EQ(start.Ended(), 0);
    // Not even the settings file of a first run was made.
    EXPECT_EQ(test::ListFolder(game.Own()), before);
    other->Destroy();
    test::FlushEvents();
}

}  // namespace
}  // namespace harbinet

#endif
