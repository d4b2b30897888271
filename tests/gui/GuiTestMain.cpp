// GUI tests run inside a real wx application on the test's display.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/debug.h>
#include <wx/image.h>
#include <wx/log.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests must work without a display (CTest discovers them at build time).
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
#ifndef _WIN32
    // A loaded machine may deliver the two presses of a simulated double click far apart: GTK,
    // which reads its settings at start, then still takes them for one double click.
    const std::filesystem::path settings =
        std::filesystem::temp_directory_path() / ("harbinet-gtk-" + std::to_string(::getpid()));
    std::filesystem::create_directories(settings / "gtk-3.0");
    std::ofstream(settings / "gtk-3.0/settings.ini") << "[Settings]\ngtk-double-click-time=2000\n";
    ::setenv("XDG_CONFIG_DIRS", settings.c_str(), 1);
    // The tray icon the tests click on; the status notifier tests choose theirs.
    ::setenv("HARBINET_TRAY", "xembed", 0);
    const bool display = std::getenv("DISPLAY") != nullptr;
#else
    const bool display = true;  // Windows always has its desktop
    // Written to a file under Wine: unbuffered, a test that never ends still shows where it is.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
#endif
    wxApp::SetInstance(new wxApp);
    if (!display || !wxEntryStart(argc, argv)) {
        std::fprintf(stderr,
                     "GUI tests need a display they can open: run them under xvfb-run -a\n");
        return 2;
    }
    // A logged error would otherwise become a message box that blocks a headless run.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    // So would a failed assertion of wx: it is reported and the test goes on to fail or pass.
    wxSetAssertHandler([](const wxString& file, int line, const wxString& function,
                          const wxString& condition, const wxString& message) {
        std::fprintf(stderr, "wx assertion %s failed in %s (%s:%d): %s\n",
                     condition.utf8_string().c_str(), function.utf8_string().c_str(),
                     file.utf8_string().c_str(), line, message.utf8_string().c_str());
    });
    wxInitAllImageHandlers();
    int result = RUN_ALL_TESTS();
    wxEntryCleanup();
#ifndef _WIN32
    std::filesystem::remove_all(settings);
#endif
    return result;
}
