// The yardstick of the tray benchmark: a wx program that does nothing but show a tray icon.
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/bmpbndl.h>
#include <wx/image.h>
#include <wx/taskbar.h>

class BareTray : public wxApp {
  public:
    bool OnInit() override {
        wxImage image(22, 22);
        image.SetRGB(wxRect(0, 0, 22, 22), 40, 60, 20);
        icon_ = new wxTaskBarIcon;
        icon_->SetIcon(wxBitmapBundle(wxBitmap(image)), "Bare tray");
        return true;
    }
    int OnExit() override {
        delete icon_;
        return 0;
    }

  private:
    wxTaskBarIcon* icon_ = nullptr;
};

wxIMPLEMENT_APP(BareTray);
