#include "gui/widgets/StaticEx.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

#include "gui/widgets/Art.h"
#include "gui/widgets/DialogLook.h"
#include "gui/widgets/Picture.h"
#include "gui/widgets/RunDialog.h"
#include "model/Strings.h"
#include "platform/Desktop.h"
#include "platform/Files.h"

namespace harbinet::ui {

namespace {

const wxColour kPlateColour(0x4B, 0x53, 0x20);  // the olive drab of the button plates
const wxColour kLinkColour(0x00, 0x00, 0xFF);   // blue
constexpr const char* kClickSound = "CLICK.WAV";

// Where a picture of this size is drawn in a frame: as large as fits in its own proportions,
// centred. Empty when either size is.
wxRect FitPicture(const wxSize& picture, const wxSize& frame) {
    if (picture.x <= 0 || picture.y <= 0 || frame.x <= 0 || frame.y <= 0) return {};
    // Compared in whole numbers: which side limits the picture.
    const long long byWidth = static_cast<long long>(frame.x) * picture.y;
    const long long byHeight = static_cast<long long>(frame.y) * picture.x;
    wxSize fit = frame;
    if (byWidth < byHeight)
        fit.y = std::max(1, static_cast<int>(byWidth / picture.x));
    else
        fit.x = std::max(1, static_cast<int>(byHeight / picture.y));
    return {wxPoint((frame.x - fit.x) / 2, (frame.y - fit.y) / 2), fit};
}

}  // namespace

void ShowUnableToOpen(wxWindow* parent, const std::string& target, const std::string& reason) {
    ShowMessageBox(wxString::FromUTF8(text::UnableToOpen(target, reason)), text::kCaptionError,
                   wxOK | wxICON_STOP, parent);
}

StaticEx::StaticEx(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                   long style, Desktop* desktop)
    : desktop_(desktop),
      hoverColour_(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT)),
      textColour_(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT)) {
    // Everything, background included, is painted here (see Render).
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, id, pos, size, style | wxBORDER_NONE);
    // Our own copy of the dialog font, which a link can underline.
    if (parent && parent->GetFont().IsOk()) labelFont_ = parent->GetFont();
    SetInitialSize(size);
    Bind(wxEVT_PAINT, &StaticEx::OnPaint, this);
    // A double click reaches us as a press and a double-click event: only the press acts, so
    // that one click is one command however fast the next one follows.
    Bind(wxEVT_LEFT_DOWN, &StaticEx::OnLeftDown, this);
    Bind(wxEVT_RIGHT_DOWN, &StaticEx::OnRightDown, this);
    Bind(wxEVT_ENTER_WINDOW, &StaticEx::OnEnter, this);
    Bind(wxEVT_LEAVE_WINDOW, &StaticEx::OnLeave, this);
    Bind(wxEVT_MOTION, &StaticEx::OnMotion, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &StaticEx::OnCaptureLost, this);
    Bind(wxEVT_KEY_DOWN, &StaticEx::OnKeyDown, this);
    const auto markFocus = [this](wxFocusEvent& event) {
        Refresh();
        event.Skip();
    };
    Bind(wxEVT_SET_FOCUS, markFocus);
    Bind(wxEVT_KILL_FOCUS, markFocus);
    FitToText();
}

StaticEx::~StaticEx() {
    if (HasCapture()) ReleaseMouse();
}

void StaticEx::SetCommand(unsigned command, const wxString* text, bool autoSize,
                          bool hoverHighlight) {
    commandId_ = command;
    autoSize_ = autoSize;
    hoverHighlight_ = hoverHighlight;
    SetCanFocus(Acts());
    if (text) SetLabel(*text);
    FitToText();
}

void StaticEx::SetLink(const wxString& text, const wxString* target) {
    linkTarget_ = target ? *target : text;
    autoSize_ = true;
    SetCanFocus(Acts());
    SetCursor(LinkCursor());
    textColour_ = kLinkColour;
    if (!labelFont_.IsOk()) labelFont_ = GetFont();
    labelFont_.SetUnderlined(true);
    SetFont(labelFont_);
    SetLabel(text);
    FitToText();
}

void StaticEx::SetLabelFont(const wxFont& font) {
    labelFont_ = font;
    SetFont(labelFont_);
    Repaint();
    FitToText();
}

void StaticEx::SetTextColour(const wxColour& colour) {
    textColour_ = colour;
    Repaint();
}

void StaticEx::SetHoverColour(const wxColour& colour) {
    hoverColour_ = colour;
    Repaint();
}

void StaticEx::LoadPicture(const std::string& path) {
    picture_ = DecodePicture(path);
    scaledPicture_ = wxBitmap();
    Repaint();
}

void StaticEx::SetBitmap(const wxBitmap& bitmap) {
    bitmap_ = bitmap;
    if (bitmap_.IsOk()) SetSize(bitmap_.GetLogicalSize());
    Repaint();
}

void StaticEx::SetLabel(const wxString& label) {
    text_ = label;
    Repaint();
}

wxSize StaticEx::DoGetBestSize() const {
    if (bitmap_.IsOk()) return bitmap_.GetLogicalSize();
    int w = 0, h = 0;
    GetTextExtent(text_, &w, &h, nullptr, nullptr, labelFont_.IsOk() ? &labelFont_ : nullptr);
    return wxSize(std::max(w, 1), std::max(h, 1));
}

void StaticEx::FitToText() {
    if (!autoSize_) return;
    wxRect r = GetRect();
    const wxSize client = GetClientSize();
    const int bx = r.width - client.x;
    const int by = r.height - client.y;
    int cx = 0, cy = 0;
    GetTextExtent(text_, &cx, &cy, nullptr, nullptr, labelFont_.IsOk() ? &labelFont_ : nullptr);
    const long style = GetWindowStyleFlag();
    if (style & kCentreVertical) {
        const int shrink = (r.height - cy) / 2;
        r.y += shrink;
        r.height -= 2 * shrink;
    } else {
        r.height = cy;
    }
    if (style & kCentre) {
        const int shrink = (r.width - cx) / 2;
        r.x += shrink;
        r.width -= 2 * shrink;
    } else if (style & kRight) {
        r.x = r.GetRight() + 1 - cx;
        r.width = cx;
    } else {
        r.width = cx;
    }
    SetSize(r.x, r.y, r.width + bx, r.height + by);
    Repaint();
}

wxColour StaticEx::CurrentTextColour() const {
    // A dialog that answers its statics' colours itself leaves us the default text colour.
    if (auto* look = dynamic_cast<const DialogLook*>(GetParent());
        look && !ConsultsControlColours(look->Rule(), ControlKind::Other))
        return wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT);
    return hovering_ && hoverHighlight_ ? hoverColour_ : textColour_;
}

namespace {
std::string& SoundFolder() {
    static std::string folder = files::FolderOf(files::ExecutablePath());
    return folder;
}
}  // namespace

void StaticEx::SetSoundFolder(const std::string& folder) {
    SoundFolder() = folder;
}

void StaticEx::PostCommand(unsigned command) {
    wxWindow* parent = GetParent();
    if (!parent) return;
    auto* event = new wxCommandEvent(wxEVT_BUTTON, static_cast<int>(command));
    event->SetEventObject(this);
    // Queued, not processed: the parent acts after this click has been handled.
    parent->GetEventHandler()->QueueEvent(event);
    if (desktop_) desktop_->PlaySound(SoundFolder() + kClickSound);
}

void StaticEx::OnLeftDown(wxMouseEvent& event) {
    if (commandId_ != 0) {
        PostCommand(commandId_);
    } else if (!linkTarget_.empty()) {
        OpenLink();
    } else {
        event.Skip();
    }
}

void StaticEx::OpenLink() {
    const std::string target = linkTarget_.utf8_string();
    std::string error;
    if (!desktop_ || desktop_->ShellOpen(target, &error)) return;
    // Told after the click has been handled, not in the middle of it.
    CallAfter(
        [this, target, error] { ShowUnableToOpen(wxGetTopLevelParent(this), target, error); });
}

void StaticEx::OnKeyDown(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const bool press = key == WXK_SPACE || key == WXK_RETURN || key == WXK_NUMPAD_ENTER;
    const bool rightPress =
        key == WXK_WINDOWS_MENU || (key == WXK_F10 && event.GetModifiers() == wxMOD_SHIFT);
    if (press && commandId_ != 0 && event.GetModifiers() == wxMOD_NONE)
        PostCommand(commandId_);
    else if (press && !linkTarget_.empty())
        OpenLink();
    else if (rightPress && rightCommandId_ != 0)
        PostCommand(rightCommandId_);
    else
        event.Skip();
}

void StaticEx::OnRightDown(wxMouseEvent& event) {
    if (rightCommandId_ != 0)
        PostCommand(rightCommandId_);
    else
        event.Skip();
}

void StaticEx::SetHovering(bool hovering) {
    if (hovering_ == hovering) return;
    hovering_ = hovering;
    // Pictures look the same either way: re-rendering them on every pass would be waste.
    if (!HasPicture()) Repaint();
}

void StaticEx::OnEnter(wxMouseEvent& event) {
    SetHovering(true);
    event.Skip();
}

void StaticEx::OnLeave(wxMouseEvent& event) {
    SetHovering(false);
    event.Skip();
}

void StaticEx::OnMotion(wxMouseEvent& event) {
    SetHovering(wxRect(GetClientSize()).Contains(event.GetPosition()));
    event.Skip();
}

void StaticEx::OnCaptureLost(wxMouseCaptureLostEvent&) {
    SetHovering(false);
}

void StaticEx::Repaint() {
    Refresh(true);
}

void StaticEx::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    Render(dc);
}

void StaticEx::Render(wxDC& dc) {
    const wxSize size = GetClientSize();
    if (auto* look = dynamic_cast<const DialogLook*>(GetParent())) {
        look->DrawBackgroundUnder(dc, GetRect());
    } else {
        dc.SetBackground(
            wxBrush(GetParent() ? GetParent()->GetBackgroundColour() : GetBackgroundColour()));
        dc.Clear();
    }
    if (HasPicture()) {
        // As large as the frame allows in the picture's own proportions, centred in it.
        const wxRect fit = FitPicture(picture_.GetSize(), size);
        if (!fit.IsEmpty() && (!scaledPicture_.IsOk() || scaledPicture_.GetSize() != fit.GetSize()))
            scaledPicture_ =
                wxBitmap(picture_.Scale(fit.width, fit.height, wxIMAGE_QUALITY_BILINEAR));
        if (scaledPicture_.IsOk()) dc.DrawBitmap(scaledPicture_, fit.GetPosition());
        DrawFocusMark(dc);
        return;
    }
    if (bitmap_.IsOk()) {
        DrawTransparentBitmap(dc, bitmap_, 0, 0);
        DrawFocusMark(dc);
        return;
    }
    if (text_.empty()) return;
    if (labelFont_.IsOk()) dc.SetFont(labelFont_);
    dc.SetTextForeground(CurrentTextColour());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    int align = wxALIGN_LEFT;
    const long style = GetWindowStyleFlag();
    if (style & kCentre) align = wxALIGN_CENTRE_HORIZONTAL;
    if (style & kRight) align = wxALIGN_RIGHT;
    align |= (style & kCentreVertical) ? wxALIGN_CENTRE_VERTICAL : wxALIGN_TOP;
    dc.DrawLabel(text_, wxRect(size), align);
    DrawFocusMark(dc);
}

void StaticEx::DrawFocusMark(wxDC& dc) const {
    if (!HasFocus()) return;
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    if (bitmap_.IsOk() && !HasPicture()) {
        // Dotted in the plate's lettering colour, inside its rim and clear of its rivets.
        dc.SetPen(wxPen(wxColour(0xF1, 0xED, 0xDB), 1, wxPENSTYLE_DOT));
        const wxSize plate = bitmap_.GetLogicalSize();
        dc.DrawRoundedRectangle(4, 4, plate.x - 8, plate.y - 9, 3);
        return;
    }
    dc.SetPen(wxPen(HasPicture() ? kPlateColour : CurrentTextColour(), 1, wxPENSTYLE_DOT));
    dc.DrawRectangle(wxRect(GetClientSize()));
}

}  // namespace harbinet::ui
