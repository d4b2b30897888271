// harbinet-screenshots DIR: opens every dialog of the program with sample content on the
// current display, captures what the display shows of it and writes DIR/<name>.png.
// Exit status 0 when every picture was written and shows more than one colour.
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/listbox.h>
#include <wx/log.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Shots.h"
#include "gui/dialogs/AboutDialog.h"
#include "gui/dialogs/SetActiveCareerDialog.h"
#include "gui/widgets/DialogLook.h"
#include "gui/widgets/StaticEx.h"
#include "model/Host.h"
#include "platform/Desktop.h"
#include "support/CareerSave.h"

namespace {

using namespace harbinet;

class PrintingHost : public QuietHost {
  public:
    void ShowMessage(MessageIcon, const std::string& caption, const std::string& text) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
};

// Shows the window, waits until it and its children have painted, and copies the client
// area from the display. Each window gets the top-left corner of the screen to itself.
wxImage Capture(wxWindow* window) {
    int paints = 0;
    window->Bind(wxEVT_PAINT, [&paints](wxPaintEvent& e) {
        ++paints;
        e.Skip();
    });
    window->Move(0, 0);
    window->Show();
    window->Raise();
    for (int i = 0; i < 300 && paints == 0; ++i) {
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
    for (int i = 0; i < 20; ++i) {
        window->Update();
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
    const wxSize size = window->GetClientSize();
    wxBitmap bitmap(size, 24);
    {
        wxClientDC source(window);
        wxMemoryDC memory(bitmap);
        memory.Blit(0, 0, size.x, size.y, &source, 0, 0);
    }
    return bitmap.ConvertToImage();
}

bool Varied(const wxImage& image) {
    if (!image.IsOk()) return false;
    const unsigned char* p = image.GetData();
    const std::size_t n = static_cast<std::size_t>(image.GetWidth()) * image.GetHeight() * 3;
    for (std::size_t i = 3; i < n; ++i)
        if (p[i] != p[i % 3]) return true;
    return false;
}

int failures = 0;

std::map<std::string, std::function<void(const shots::Context&)>>& Groups() {
    static std::map<std::string, std::function<void(const shots::Context&)>> groups;
    return groups;
}

}  // namespace

namespace harbinet::shots {

Group::Group(const char* name, std::function<void(const Context&)> shoot) {
    Groups()[name] = std::move(shoot);
}

void Shoot(wxWindow* window, const Context& context, const char* name) {
    wxImage image = Capture(window);
    const std::string path = context.out + name + ".png";
    if (!Varied(image) || !image.SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG)) {
        std::fprintf(stderr, "harbinet-screenshots: %s could not be captured\n", name);
        ++failures;
    } else {
        std::printf("%s\n", path.c_str());
    }
    // Gone from the screen before the next one is shown (Destroy alone waits for idle time).
    window->Hide();
    window->Destroy();
    for (int i = 0; i < 10; ++i) {
        wxTheApp->ProcessIdle();
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
}

}  // namespace harbinet::shots

namespace {

// A dialog of the common look showing every part of the toolkit.
class ToolkitSampler : public ui::DialogLook {
  public:
    ToolkitSampler(Desktop* desktop, const std::string& picture)
        : DialogLook(nullptr, "Dialog toolkit",
                     ui::Look{ui::DialogFace::ComicSans, ui::ColourRule::AppForm, true},
                     wxSize(260, 186), desktop) {
        const ui::Button buttons[] = {ui::Button::Ok,     ui::Button::Cancel, ui::Button::Add,
                                      ui::Button::Delete, ui::Button::Readme, ui::Button::Modify,
                                      ui::Button::Browse, ui::Button::Skins,  ui::Button::Prev,
                                      ui::Button::Next,   ui::Button::Season, ui::Button::Reset};
        for (int i = 0; i < 12; ++i) AddButton(buttons[i], 7 + (i % 4) * 44, 7 + (i / 4) * 25);
        auto* tile = new ui::StaticEx(this, wxID_ANY, Dlu(188, 7), DluSize(65, 70), 0, desktop);
        tile->LoadPicture(picture);
        auto* label = new ui::StaticEx(this, wxID_ANY, Dlu(7, 86), DluSize(100, 8), 0, desktop);
        label->SetLabel("Labels sit on the paper:");
        auto* link = new ui::StaticEx(this, wxID_ANY, Dlu(110, 86), DluSize(100, 8), 0, desktop);
        link->SetLink("a hyperlink");
        auto* native = new wxStaticText(this, wxID_ANY, "A native label", Dlu(7, 100));
        (void)native;
        new wxCheckBox(this, wxID_ANY, "A native check box", Dlu(7, 114));
        new wxTextCtrl(this, wxID_ANY, "An edit field (rule D: white)", Dlu(7, 130),
                       DluSize(120, 14));
        const wxString items[] = {"A list (rule D: paper)", "Second row", "Third row"};
        new wxListBox(this, wxID_ANY, Dlu(134, 100), DluSize(119, 44), 3, items);
        auto* hover = new ui::StaticEx(this, wxID_ANY, Dlu(7, 152), DluSize(200, 8), 0, desktop);
        hover->SetLabelFont(ui::CareerLineFont());
        hover->SetTextColour(wxColour(0x00, 0x00, 0x80));
        hover->SetHoverColour(wxColour(0xFF, 0x00, 0x00));
        const wxString text = "A reacting line, shown under the mouse";
        hover->SetCommand(200, &text, true, true);
        wxMouseEvent enter(wxEVT_ENTER_WINDOW);
        hover->GetEventHandler()->ProcessEvent(enter);
        InitLook(ui::Background::Paper);
        ApplyColourRule();
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: harbinet-screenshots DIR\n");
        return 2;
    }
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "harbinet-screenshots needs a display: run it under xvfb-run -a\n");
        return 2;
    }
    wxApp::SetInstance(new wxApp);
    int wxArgc = 1;
    if (!wxEntryStart(wxArgc, argv)) {
        std::fprintf(stderr, "harbinet-screenshots: could not open the display\n");
        return 2;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxInitAllImageHandlers();

    namespace fs = std::filesystem;
    std::string out = fs::absolute(argv[1]).string() + "/";
    fs::create_directories(out);
    const std::string sample = fs::temp_directory_path().string() + "/harbinet-screenshots-" +
                               std::to_string(wxGetProcessId()) + "/";
    const std::string game = sample + "EAW/";
    const std::string own = game + "Harbinet/";
    fs::create_directories(game + "Savedata");
    fs::create_directories(own);

    const std::pair<const char*, CareerFields> careers[] = {
        {"ADLER.SVE", {1940, 7, 12, "Hans", "Meyer"}},
        {"BADER.SVE", {1940, 8, 14, "Douglas", "Bader"}},
        {"BLUE.SVE", {1943, 9, 13, "Robert", "Johnson"}},
        {"JG26.SVE", {1944, 0, 10, "Josef", "Priller"}},
        {"MUSTANG.SVE", {1944, 5, 5, "Chuck", "Yeager"}},
        {"WINTER.SVE", {1944, 11, 23, "Pierre", "Clostermann"}},
    };
    for (const auto& [file, fields] : careers)
        std::ofstream(game + "Savedata/" + file, std::ios::binary) << EncodeCareerSave(fields);
    // A picture tile needs a JPEG.
    wxImage sky(160, 120);
    for (int y = 0; y < 120; ++y)
        sky.SetRGB(wxRect(0, y, 160, 1), static_cast<unsigned char>(90 + y),
                   static_cast<unsigned char>(130 + y / 2), 200);
    sky.SetRGB(wxRect(40, 70, 80, 6), 60, 60, 50);
    sky.SetRGB(wxRect(72, 60, 14, 26), 60, 60, 50);
    sky.SaveFile(wxString::FromUTF8(own + "preview.jpg"), wxBITMAP_TYPE_JPEG);

    NullDesktop desktop;
    PrintingHost services;
    ProgramState state(Folders::FromExecutable(own + "harbinet"), services, desktop);
    const shots::Context context{out, game, own, desktop, services, state};
    using shots::Shoot;

    Shoot(new AboutDialog(own, nullptr, &desktop), context, "about");
    Shoot(new SetActiveCareerDialog(game, game + "Savedata/BLUE.SVE", nullptr, services, &desktop),
          context, "set-active-career");
    {
        auto* dialog = new SetActiveCareerDialog(game, game + "Savedata/BLUE.SVE", nullptr,
                                                 services, &desktop);
        wxMouseEvent enter(wxEVT_ENTER_WINDOW);
        dialog->Line(4)->GetEventHandler()->ProcessEvent(enter);
        Shoot(dialog, context, "set-active-career-hover");
    }
    Shoot(new ToolkitSampler(&desktop, own + "preview.jpg"), context, "toolkit");
    for (const auto& [name, shoot] : Groups()) shoot(context);

    std::error_code ec;
    fs::remove_all(sample, ec);
    wxEntryCleanup();
    return failures == 0 ? 0 : 1;
}
