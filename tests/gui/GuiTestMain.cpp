// GUI tests run inside a real wx application on the test's display.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/log.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests must work without a display (CTest discovers them at build time).
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    wxApp::SetInstance(new wxApp);
    if (!std::getenv("DISPLAY") || !wxEntryStart(argc, argv)) {
        std::fprintf(stderr,
                     "GUI tests need a display they can open: run them under xvfb-run -a\n");
        return 2;
    }
    // A logged error would otherwise become a message box that blocks a headless run.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxInitAllImageHandlers();
    int result = RUN_ALL_TESTS();
    wxEntryCleanup();
    return result;
}
