// The look every dialog of the program shares: paper texture or one picture as background,
// the colour rules for the controls over it, the dialog fonts, the bitmap buttons and
// layouts in dialog units.
#pragma once

#include <wx/bitmap.h>
#include <wx/dialog.h>
#include <wx/font.h>

#include <map>
#include <vector>

namespace harbinet {
class Desktop;
}

namespace harbinet::ui {

class StaticEx;

// How a dialog colours its controls, named by the dialogs that use it: whether its edit fields
// and lists show the paper behind them, and whether its labels keep their own text colours.
enum class ColourRule {
    ListsAndSkinBoard,  // the terrain sets, the external applications, a set's skins: all on
                        // paper, labels in the default text colour
    FormsWithChecks,    // Configure Harbinet, a terrain set's form: white edits, default labels
    SkinForm,           // a skin's description: white edits and lists, default labels
    AppForm,            // an external application's form: white edits, labels in their colours
    SkinList,           // the skin catalogue: all on paper, labels in their own colours
    PictureDialogs,     // About and Set Active Career: white edits and lists, labels in their
                        // own colours (the career lines)
};
enum class ControlKind { Edit, List, Other };

// True when a StaticEx of this kind may use its own text colours under the rule; otherwise
// it draws in the default text colour.
bool ConsultsControlColours(ColourRule rule, ControlKind kind);

enum class DialogFace { MsSansSerif, ComicSans };
// Bold 9-point "Comic Sans MS" of the career lines and the information panel.
wxFont CareerLineFont();

// The bitmap buttons: one plate per command, the same in every dialog.
enum class Button {
    Ok,
    Cancel,
    Add,
    Delete,
    Readme,
    Modify,
    Browse,
    Skins,
    Prev,
    Next,
    Season,
    Reset
};
wxBitmap ButtonBitmap(Button button);  // 70 x 36, white outside the plate

enum class Background { Paper, Picture };

struct Look {
    DialogFace face = DialogFace::ComicSans;
    ColourRule rule = ColourRule::ListsAndSkinBoard;
    bool centred = true;
};

class DialogLook : public wxDialog {
  public:
    // The client area is sizeInDialogUnits of the dialog font.
    DialogLook(wxWindow* parent, const wxString& title, const Look& look,
               const wxSize& sizeInDialogUnits, Desktop* desktop);

    ColourRule Rule() const { return look_.rule; }
    Desktop* DesktopServices() const { return desktop_; }

    // Paints what lies under a child occupying rect (in client coordinates) into dc, whose
    // origin is the child's top-left corner: controls that paint themselves look transparent.
    void DrawBackgroundUnder(wxDC& dc, const wxRect& rect) const;

    // Dialog units of this dialog's font to pixels.
    wxPoint Dlu(int x, int y) const { return ConvertDialogToPixels(wxPoint(x, y)); }
    wxSize DluSize(int w, int h) const { return ConvertDialogToPixels(wxSize(w, h)); }

    // A bitmap button at (x, y) dialog units, sized to its bitmap, posting its command. Escape
    // posts the command of the dialog's Cancel button, Return that of its OK button unless
    // the focus is on a control that takes Return itself (another bitmap button, for one).
    StaticEx* AddButton(Button button, int x, int y);

    // Ends the dialog with this code, whether it runs modal or not (a dialog that is not
    // modal would otherwise only hide, its code unset).
    void Finish(int code);

    // The button plates are 70 pixels wide whatever the font, and a font narrower than the
    // layout's makes the gaps between them too small: the windows of one row are moved apart,
    // and back inside the client area, as little as needed. InitLook does it for the rows of
    // buttons made so far.
    void SeparateRow(std::vector<wxWindow*> row) const;

  protected:
    // The common first steps: program icon, background, centring. Picture backgrounds size
    // the window so that the client is exactly as tall as the picture. The controls made so
    // far are put in reading order for Tab, and the window keeps its size.
    void InitLook(Background background);
    // Tab goes through the controls as they are read: row by row from the top, left to right.
    void OrderTabsByPosition();
    // Every text shows whole in the font the system gave: check boxes, radio buttons and labels
    // take the width their text needs, pushing what follows in their row, and the dialog
    // grows to hold them (its buttons on the right going along).
    void FitContents();
    // The size is the layout's: the window manager offers no resizing nor maximizing.
    void FixSize();
    // Native edits and lists that the rule shows over the background get the paper's colour
    // (their own windows cannot show the texture itself).
    void ApplyColourRule();

  private:
    // The controls row by row from the top, each row from the left.
    std::vector<std::vector<wxWindow*>> ReadingRows() const;
    void OnPaint(wxPaintEvent& event);
    void OnCharHook(wxKeyEvent& event);
    // Tab and Shift+Tab: the next or previous control in the tab order that takes the focus.
    void MoveFocus(bool forward);
    // The bitmap button posting command, if the dialog has one.
    wxWindow* ButtonFor(int command) const;

    Look look_;
    Background kind_ = Background::Paper;
    wxBitmap background_;
    Desktop* desktop_;
    std::map<int, wxWindowID> buttonIds_;  // command -> window id of its bitmap button
};

}  // namespace harbinet::ui
