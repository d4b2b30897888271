#include "careers/SetActiveCareerDialog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <ctime>

#include "careers/CareerRecord.h"
#include "gui/GuiHelpers.h"
#include "support/GameFolder.h"
#include "ui/StaticEx.h"

namespace harbinet::test {
namespace {

using Dialog = SetActiveCareerDialog;

constexpr files::FileTime kOld = 1'000'000'000LL * 1'000'000'000LL;  // 2001

void SetTime(const std::string& path, files::FileTime ns) {
    ASSERT_TRUE(SetWriteTime(path, ns / 1'000'000'000, static_cast<long>(ns % 1'000'000'000)));
}

files::FileTime TimeOf(const std::string& path) {
    files::FileTime t = 0;
    files::GetLastWriteTime(path, t);
    return t;
}

class SetActiveCareerTest : public ::testing::Test {
  protected:
    // Careers C01.SVE .. Cnn.SVE, each with its own name and month, all written long ago.
    std::vector<std::string> AddCareers(int count) {
        std::vector<std::string> paths;
        for (int i = 1; i <= count; ++i) {
            CareerFields fields;
            fields.monthIndex = static_cast<std::uint8_t>(i % 12);
            fields.dayIndex = static_cast<std::uint8_t>(i);
            fields.name1 = "Pilot";
            fields.name2 = "Number" + std::to_string(i);
            char name[16];
            std::snprintf(name, sizeof name, "C%02d.SVE", i);
            paths.push_back(game.AddCareer(name, fields));
            SetTime(paths.back(), kOld + i);
        }
        return paths;
    }
    static std::string LineText(const std::string& path) {
        RecordingServices quiet;
        CareerRecord record;
        record.ReadCareerFile(path, quiet);
        return CareerLineText(record);
    }
    Dialog* Make(const std::string& active) {
        return new Dialog(game.Game(), active, nullptr, game.ui, &game.desktop);
    }

    GameFolder game;
};

TEST_F(SetActiveCareerTest, TwelveCareersGiveTenLinesAndTwelvePaths) {
    const auto paths = AddCareers(12);
    Dialog* dialog = Make(paths[2]);
    EXPECT_EQ(dialog->GetTitle(), "Set Active Career");
    EXPECT_EQ(dialog->CareerPathList(), paths);
    for (int i = 0; i < Dialog::kLines; ++i) {
        ui::CStaticEx* line = dialog->Line(i);
        EXPECT_EQ(line->GetLabel().utf8_string(), LineText(paths[i])) << i;
        EXPECT_EQ(line->Command(), static_cast<unsigned>(200 + i));
        EXPECT_EQ(line->LabelFont().GetWeight(), wxFONTWEIGHT_BOLD);
        EXPECT_EQ(line->LabelFont().GetPointSize(), 9);
        // Lines fit their text and keep their place in the column.
        EXPECT_EQ(line->GetPosition(), dialog->Dlu(7, 7 + 12 * i));
    }
    EXPECT_TRUE(game.ui.messages.empty());
    dialog->Destroy();
}

TEST_F(SetActiveCareerTest, ActiveLineIsBlackOthersNavyTurningRed) {
    const auto paths = AddCareers(3);
    Dialog* dialog = Make(paths[1]);
    const wxColour black(0, 0, 0), navy(0, 0, 128), red(255, 0, 0);
    EXPECT_EQ(dialog->Line(0)->CurrentTextColour(), navy);
    EXPECT_EQ(dialog->Line(1)->CurrentTextColour(), black);
    SendMouse(dialog->Line(1), wxEVT_ENTER_WINDOW);
    EXPECT_EQ(dialog->Line(1)->CurrentTextColour(), black);
    SendMouse(dialog->Line(2), wxEVT_ENTER_WINDOW);
    EXPECT_EQ(dialog->Line(2)->CurrentTextColour(), red);
    SendMouse(dialog->Line(2), wxEVT_LEAVE_WINDOW);
    EXPECT_EQ(dialog->Line(2)->CurrentTextColour(), navy);
    // Lines without a career stay empty and do nothing.
    EXPECT_EQ(dialog->Line(3)->GetLabel(), "");
    EXPECT_EQ(dialog->Line(3)->Command(), 0u);
    dialog->Destroy();
}

TEST_F(SetActiveCareerTest, WindowFitsThePictureAndCancelSitsInTheCorner) {
    AddCareers(1);
    Dialog* dialog = Make("");
    const wxSize client = dialog->GetClientSize();
    EXPECT_EQ(client.y, 250);
    EXPECT_EQ(dialog->GetSize().x, 500);
    const wxRect cancel = dialog->CancelButton()->GetRect();
    EXPECT_EQ(cancel.GetSize(), wxSize(70, 36));
    EXPECT_EQ(client.x - cancel.GetRight() - 1, 10);
    EXPECT_EQ(client.y - cancel.GetBottom() - 1, 10);
    EXPECT_EQ(dialog->CancelButton()->Command(), static_cast<unsigned>(wxID_CANCEL));
    dialog->Destroy();
}

TEST_F(SetActiveCareerTest, ChoosingALineStampsOnlyThatFileAndClosesWithOk) {
    const auto paths = AddCareers(5);
    ASSERT_EQ(::chmod(paths[3].c_str(), 0640), 0);
    const std::string bytes = ReadFile(paths[3]);
    Dialog* dialog = Make(paths[0]);
    const auto before = std::chrono::system_clock::now();
    const int result = RunModal(*dialog, {[&] { SendMouse(dialog->Line(3), wxEVT_LEFT_DOWN); }});
    EXPECT_EQ(result, wxID_OK);

    const files::FileTime start =
        std::chrono::duration_cast<std::chrono::nanoseconds>(before.time_since_epoch()).count() -
        1'000'000'000;
    EXPECT_GE(TimeOf(paths[3]), start);
    for (int i : {0, 1, 2, 4}) EXPECT_EQ(TimeOf(paths[i]), kOld + i + 1) << i;
    EXPECT_EQ(ReadFile(paths[3]), bytes);
    struct stat st {};
    ::stat(paths[3].c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(game.desktop.sounds.size(), 1u);
    EXPECT_TRUE(game.ui.messages.empty());
    dialog->Destroy();
}

TEST_F(SetActiveCareerTest, CancelAndTheCloseBoxChangeNothing) {
    const auto paths = AddCareers(3);
    for (int way = 0; way < 2; ++way) {
        Dialog* dialog = Make(paths[0]);
        const int result = RunModal(*dialog, {[&] {
            if (way == 0)
                SendMouse(dialog->CancelButton(), wxEVT_LEFT_DOWN);
            else
                dialog->Close();
        }});
        EXPECT_EQ(result, wxID_CANCEL);
        dialog->Destroy();
    }
    for (int i = 0; i < 3; ++i) EXPECT_EQ(TimeOf(paths[i]), kOld + i + 1);
}

TEST_F(SetActiveCareerTest, AFailedStampIsReportedAndTheDialogStaysOpen) {
    const auto paths = AddCareers(2);
    ASSERT_EQ(::chmod(paths[1].c_str(), 0444), 0);
    Dialog* dialog = Make("");
    bool stillOpen = false;
    const int result = RunModal(*dialog, {[&] { SendMouse(dialog->Line(1), wxEVT_LEFT_DOWN); },
                                          [&] {
                                              stillOpen = dialog->IsModal();
                                              SendMouse(dialog->CancelButton(), wxEVT_LEFT_DOWN);
                                          }});
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, wxID_CANCEL);
    ASSERT_EQ(game.ui.messages.size(), 1u);
    EXPECT_EQ(game.ui.messages[0].rfind("error Harbinet Error: ", 0), 0u);
    EXPECT_NE(game.ui.messages[0].find(paths[1]), std::string::npos);
    EXPECT_NE(game.ui.messages[0].find("read-only"), std::string::npos);
    EXPECT_EQ(TimeOf(paths[1]), kOld + 2);
    dialog->Destroy();
}

TEST_F(SetActiveCareerTest, ACareerGoneBeforeTheClickDoesNothing) {
    const auto paths = AddCareers(2);
    Dialog* dialog = Make("");
    std::remove(paths[0].c_str());
    bool stillOpen = false;
    RunModal(*dialog, {[&] { SendMouse(dialog->Line(0), wxEVT_LEFT_DOWN); },
                       [&] {
                           stillOpen = dialog->IsModal();
                           dialog->EndModal(wxID_CANCEL);
                       }});
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(game.ui.messages.empty());
    EXPECT_FALSE(Exists(paths[0]));
    dialog->Destroy();
}

}  // namespace
}  // namespace harbinet::test
