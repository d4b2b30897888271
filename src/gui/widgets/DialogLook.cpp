#include "gui/widgets/DialogLook.h"

#include <algorithm>

#include <wx/anybutton.h>
#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/textctrl.h>

#include "gui/widgets/Art.h"
#include "gui/widgets/Ids.h"
#include "gui/widgets/StaticEx.h"

namespace harbinet::ui {

namespace {

// True when controls of this kind show the dialog background behind them.
bool ShowsBackground(ColourRule rule, ControlKind kind) {
    switch (rule) {
        case ColourRule::ListsAndSkinBoard:
        case ColourRule::SkinList:
            return true;
        case ColourRule::FormsWithChecks:
        case ColourRule::AppForm:
            return kind != ControlKind::Edit;
        case ColourRule::SkinForm:
            return kind == ControlKind::Other;
        case ColourRule::PictureDialogs:
            // The system's handling, with each StaticEx answering itself (transparent).
            return kind == ControlKind::Other;
    }
    return false;
}

// The 8-point dialog font, requested by name (the system substitutes a missing face).
wxFont DialogFont(DialogFace face) {
    return wxFont(
        wxFontInfo(8).FaceName(face == DialogFace::ComicSans ? "Comic Sans MS" : "MS Sans Serif"));
}

// The paper's mean colour, for controls that cannot show the texture.
wxColour PaperColour() {
    return wxColour(0xE6, 0xD8, 0xB8);
}

// Copies the tile from the area's top-left corner, row by row, left to right; the last row
// and column are clipped. The tiles of an area start at origin (the part of a bigger area
// seen through a child shifts it).
void TileBitmap(wxDC& dc, const wxBitmap& tile, const wxSize& area, const wxPoint& origin) {
    if (!tile.IsOk()) return;
    const int w = tile.GetLogicalWidth() > 0 ? static_cast<int>(tile.GetLogicalWidth()) : 1;
    const int h = tile.GetLogicalHeight() > 0 ? static_cast<int>(tile.GetLogicalHeight()) : 1;
    if (area.y < 1 || area.x <= 0) return;
    for (int y = 0; y < area.y; y += h)
        for (int x = 0; x < area.x; x += w) dc.DrawBitmap(tile, origin.x + x, origin.y + y);
}

}  // namespace

bool ConsultsControlColours(ColourRule rule, ControlKind kind) {
    switch (rule) {
        case ColourRule::ListsAndSkinBoard:
            return false;
        case ColourRule::FormsWithChecks:
            return kind == ControlKind::Edit;
        case ColourRule::SkinForm:
            return kind != ControlKind::Other;
        case ColourRule::AppForm:
        case ColourRule::SkinList:
        case ColourRule::PictureDialogs:
            return true;
    }
    return false;
}

wxFont CareerLineFont() {
    return wxFont(wxFontInfo(9).FaceName("Comic Sans MS").Bold());
}

namespace {

struct ButtonEntry {
    const char* image;
    int command;
};

ButtonEntry Entry(Button button) {
    switch (button) {
        case Button::Ok:
            return {"button-ok.png", wxID_OK};
        case Button::Cancel:
            return {"button-cancel.png", wxID_CANCEL};
        case Button::Add:
            return {"button-add.png", id::kAddCommand};
        case Button::Delete:
            return {"button-delete.png", id::kDeleteCommand};
        case Button::Readme:
            return {"button-readme.png", id::kReadmeCommand};
        case Button::Modify:
            return {"button-modify.png", id::kModifyCommand};
        case Button::Browse:
            return {"button-browse.png", id::kBrowseCommand};
        case Button::Skins:
            return {"button-skins.png", id::kSkinsCommand};
        case Button::Prev:
            return {"button-prev.png", id::kPrevCommand};
        case Button::Next:
            return {"button-next.png", id::kNextCommand};
        case Button::Season:
            return {"button-season.png", id::kSeasonCommand};
        case Button::Reset:
            return {"button-reset.png", id::kResetCommand};
    }
    return {"", 0};
}

// wxID_OK, wxID_CANCEL or the command id of the table.
int ButtonCommand(Button button) {
    return Entry(button).command;
}

}  // namespace

wxBitmap ButtonBitmap(Button button) {
    return EmbeddedBitmap(Entry(button).image);
}

DialogLook::DialogLook(wxWindow* parent, const wxString& title, const Look& look,
                       const wxSize& sizeInDialogUnits, Desktop* desktop)
    : look_(look), desktop_(desktop) {
    // The background is ours to paint; GTK must not clear it in between.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize,
           wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
    SetFont(DialogFont(look.face));
    SetClientSize(ConvertDialogToPixels(sizeInDialogUnits));
    Bind(wxEVT_PAINT, &DialogLook::OnPaint, this);
    Bind(wxEVT_CHAR_HOOK, &DialogLook::OnCharHook, this);
    // Bound first, so that a dialog's own OK or Cancel handler is asked before these.
    for (int id : {wxID_OK, wxID_CANCEL})
        Bind(
            wxEVT_BUTTON, [this, id](wxCommandEvent&) { Finish(id); }, id);
}

void DialogLook::InitLook(Background background) {
    SetIcons(ProgramIcons());
    kind_ = background;
    if (background == Background::Paper) {
        background_ = EmbeddedBitmap(kPaperTexture);
    } else {
        background_ = EmbeddedBitmap(kCareerBackground);
        if (background_.IsOk()) {
            const int frameHeight = GetSize().y - GetClientSize().y;
            SetSize(background_.GetWidth(), background_.GetHeight() + frameHeight);
            // Without a window manager GTK reports no frame: the client is the whole window.
            SetClientSize(GetClientSize().x, background_.GetHeight());
        }
    }
    if (background == Background::Paper) FitContents();
    std::map<int, std::vector<wxWindow*>> rows;
    for (const auto& [command, id] : buttonIds_)
        if (wxWindow* button = FindWindow(id)) rows[button->GetPosition().y].push_back(button);
    for (auto& [y, row] : rows) SeparateRow(row);
    OrderTabsByPosition();
    FixSize();
    if (look_.centred) CentreOnScreen();
}

std::vector<std::vector<wxWindow*>> DialogLook::ReadingRows() const {
    std::vector<wxWindow*> windows(GetChildren().begin(), GetChildren().end());
    std::stable_sort(windows.begin(), windows.end(), [](const wxWindow* a, const wxWindow* b) {
        return a->GetPosition().y < b->GetPosition().y;
    });
    // Tops a few dialog units apart still make one row (a label beside its edit field).
    const int sameRow = Dlu(0, 4).y;
    std::vector<std::vector<wxWindow*>> rows;
    for (auto row = windows.begin(); row != windows.end();) {
        const int top = (*row)->GetPosition().y;
        const auto end = std::find_if(row, windows.end(), [&](const wxWindow* w) {
            return w->GetPosition().y - top >= sameRow;
        });
        std::stable_sort(row, end, [](const wxWindow* a, const wxWindow* b) {
            return a->GetPosition().x < b->GetPosition().x;
        });
        rows.emplace_back(row, end);
        row = end;
    }
    return rows;
}

void DialogLook::OrderTabsByPosition() {
    wxWindow* previous = nullptr;
    for (const auto& row : ReadingRows())
        for (wxWindow* window : row) {
            if (previous) window->MoveAfterInTabOrder(previous);
            previous = window;
        }
}

namespace {

// A one-line text of the layout that must show whole: a check box, a radio button, a label.
bool ShowsItsText(const wxWindow* window) {
    if (dynamic_cast<const wxCheckBox*>(window) || dynamic_cast<const wxRadioButton*>(window))
        return true;
    const auto* label = dynamic_cast<const StaticEx*>(window);
    return label && !label->HasBitmap() && !label->HasPicture() && !label->Acts() &&
           !label->HasFlag(StaticEx::kCentre | StaticEx::kRight) &&
           !label->GetLabel().Contains("\n");
}

bool IsBitmapButton(const wxWindow* window) {
    const auto* button = dynamic_cast<const StaticEx*>(window);
    return button && button->HasBitmap();
}

}  // namespace

void DialogLook::FitContents() {
    const int gap = std::max(Dlu(2, 0).x, 3);
    int needed = 0;
    for (const auto& row : ReadingRows()) {
        int right = -1;
        for (wxWindow* window : row) {
            // The buttons' rows are spread apart by SeparateRow.
            if (IsBitmapButton(window)) continue;
            if (ShowsItsText(window) && window->GetBestSize().x > window->GetSize().x)
                window->SetSize(window->GetBestSize().x, -1);
            // A text grown into the next control of its row pushes it on.
            if (right >= 0 && window->GetPosition().x < right + gap)
                window->Move(right + gap, window->GetPosition().y);
            right = std::max(right, window->GetRect().GetRight() + 1);
            needed = std::max(needed, right);
        }
    }
    needed += Dlu(7, 0).x;
    const int width = GetClientSize().x;
    if (needed <= width) return;
    SetClientSize(needed, GetClientSize().y);
    // The buttons on the right stay on the right.
    for (wxWindow* window : GetChildren())
        if (IsBitmapButton(window) &&
            window->GetRect().GetLeft() + window->GetSize().x / 2 > width / 2)
            window->Move(window->GetPosition().x + needed - width, window->GetPosition().y);
}

void DialogLook::MoveFocus(bool forward) {
    // GTK's own traversal would stop in a list, whose focus is in a window of its own.
    std::vector<wxWindow*> order;
    for (wxWindow* child : GetChildren())
        if (child->IsShown() && child->IsEnabled() && child->CanAcceptFocusFromKeyboard())
            order.push_back(child);
    if (order.empty()) return;
    wxWindow* focus = FindFocus();
    while (focus && focus->GetParent() != this) focus = focus->GetParent();
    const auto at = std::find(order.begin(), order.end(), focus);
    std::size_t next = 0;
    if (at != order.end()) {
        const auto i = static_cast<std::size_t>(at - order.begin());
        next = forward ? (i + 1) % order.size() : (i + order.size() - 1) % order.size();
    } else if (!forward) {
        next = order.size() - 1;
    }
    order[next]->SetFocusFromKbd();
}

void DialogLook::FixSize() {
    SetSizeHints(GetSize(), GetSize());
}

void DialogLook::SeparateRow(std::vector<wxWindow*> row) const {
    if (row.empty()) return;
    std::sort(row.begin(), row.end(), [](const wxWindow* a, const wxWindow* b) {
        return a->GetPosition().x < b->GetPosition().x;
    });
    const int gap = std::max(Dlu(2, 0).x, 3);
    std::vector<int> x;
    for (const wxWindow* window : row) x.push_back(window->GetPosition().x);
    for (std::size_t i = 1; i < row.size(); ++i)
        x[i] = std::max(x[i], x[i - 1] + row[i - 1]->GetSize().x + gap);
    for (std::size_t i = row.size(); i-- > 0;) {
        const int limit = i + 1 == row.size() ? GetClientSize().x - gap : x[i + 1] - gap;
        x[i] = std::min(x[i], limit - row[i]->GetSize().x);
    }
    for (std::size_t i = 0; i < row.size(); ++i)
        if (x[i] != row[i]->GetPosition().x) row[i]->Move(x[i], row[i]->GetPosition().y);
}

void DialogLook::ApplyColourRule() {
    for (wxWindow* child : GetChildren()) {
        ControlKind kind = ControlKind::Other;
        if (dynamic_cast<wxTextCtrl*>(child))
            kind = ControlKind::Edit;
        else if (dynamic_cast<wxListBox*>(child) || dynamic_cast<wxListCtrl*>(child))
            kind = ControlKind::List;
        if (kind != ControlKind::Other && ShowsBackground(look_.rule, kind))
            child->SetBackgroundColour(PaperColour());
    }
}

void DialogLook::DrawBackgroundUnder(wxDC& dc, const wxRect& rect) const {
    const wxPoint origin(-rect.x, -rect.y);
    if (!background_.IsOk()) {
        dc.SetBackground(wxBrush(PaperColour()));
        dc.Clear();
        return;
    }
    if (kind_ == Background::Paper) {
        TileBitmap(dc, background_, wxSize(rect.GetRight() + 1, rect.GetBottom() + 1), origin);
    } else {
        dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
        dc.Clear();
        dc.DrawBitmap(background_, origin.x, origin.y);
    }
}

void DialogLook::Finish(int code) {
    SetReturnCode(code);
    EndDialog(code);
}

void DialogLook::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    DrawBackgroundUnder(dc, wxRect(wxPoint(0, 0), GetClientSize()));
}

StaticEx* DialogLook::AddButton(Button button, int x, int y) {
    auto* control = new StaticEx(this, wxID_ANY, Dlu(x, y), wxDefaultSize, 0, desktop_);
    control->SetBitmap(ButtonBitmap(button));
    control->SetCommand(static_cast<unsigned>(ButtonCommand(button)), nullptr, false, false);
    buttonIds_[ButtonCommand(button)] = control->GetId();
    return control;
}

wxWindow* DialogLook::ButtonFor(int command) const {
    const auto found = buttonIds_.find(command);
    return found == buttonIds_.end() ? nullptr : FindWindow(found->second);
}

namespace {

// Multi-line edits, edits that take Enter and buttons, native or bitmap, keep their Return.
bool TakesReturn(const wxWindow* focus) {
    if (dynamic_cast<const wxAnyButton*>(focus)) return true;
    if (auto* control = dynamic_cast<const StaticEx*>(focus)) return control->Acts();
    return dynamic_cast<const wxTextCtrl*>(focus) &&
           focus->HasFlag(wxTE_MULTILINE | wxTE_PROCESS_ENTER);
}

}  // namespace

void DialogLook::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (key == WXK_TAB && (event.GetModifiers() & ~wxMOD_SHIFT) == 0) {
        MoveFocus(!event.ShiftDown());
        return;
    }
    wxWindow* const ok = ButtonFor(wxID_OK);
    wxWindow* const cancel = ButtonFor(wxID_CANCEL);
    int command = wxID_NONE;
    if (key == WXK_ESCAPE)
        // A dialog with OK alone closes with it; one with neither button still cancels.
        command = ok && !cancel ? wxID_OK : wxID_CANCEL;
    else if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && ok && !TakesReturn(FindFocus()))
        command = wxID_OK;
    wxWindow* const button = command == wxID_OK ? ok : cancel;
    if (command == wxID_NONE || (button && !(button->IsEnabled() && button->IsShown()))) {
        event.Skip();
        return;
    }
    // Queued like a click, so the dialog's own handlers for the command decide.
    auto* pressed = new wxCommandEvent(wxEVT_BUTTON, command);
    pressed->SetEventObject(button ? button : this);
    GetEventHandler()->QueueEvent(pressed);
}

}  // namespace harbinet::ui
