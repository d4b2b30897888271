// StaticEx: the one control behind every push button, hyperlink, reacting text line and
// picture tile of the program's dialogs. It never acts itself: a click becomes a command
// queued to the parent, which handles it after the click has been processed.
#pragma once

#include <wx/bitmap.h>
#include <wx/control.h>
#include <wx/font.h>
#include <wx/image.h>

#include <string>

namespace harbinet {
class Desktop;
}

namespace harbinet::ui {

// Tells the user that the desktop could not open target (a file or a link), and why.
void ShowUnableToOpen(wxWindow* parent, const std::string& target, const std::string& reason);

class StaticEx : public wxControl {
  public:
    // Alignment of an auto-sized text (style bits): left is the default.
    static constexpr long kCentre = wxALIGN_CENTRE_HORIZONTAL;
    static constexpr long kRight = wxALIGN_RIGHT;
    static constexpr long kCentreVertical = wxALIGN_CENTRE_VERTICAL;

    // desktop plays the click sound and opens links; without one the control stays silent.
    StaticEx(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
             Desktop* desktop);
    ~StaticEx() override;

    void SetCommand(unsigned command, const wxString* text, bool autoSize, bool hoverHighlight);
    void SetRightCommand(unsigned command) {
        rightCommandId_ = command;
        SetCanFocus(Acts());
    }
    void SetLink(const wxString& text, const wxString* target = nullptr);
    void SetLabelFont(const wxFont& font);
    void SetTextColour(const wxColour& colour);
    void SetHoverColour(const wxColour& colour);
    // A GIF or JPEG stretched over the control; an empty path or a file that cannot be
    // decoded leaves the control without a picture.
    void LoadPicture(const std::string& path);
    // The bitmap of a bitmap button; the control takes the bitmap's size.
    void SetBitmap(const wxBitmap& bitmap);

    void SetLabel(const wxString& label) override;
    wxString GetLabel() const override { return text_; }

    bool HasPicture() const { return picture_.IsOk(); }
    bool HasBitmap() const { return bitmap_.IsOk(); }
    unsigned Command() const { return commandId_; }
    using wxControlBase::Command;  // wx's own, which simulates a command event, stays callable
    // The colour the text is drawn in now, after the parent's colour rule.
    wxColour CurrentTextColour() const;
    // The program's folder, where the click sound "CLICK.WAV" is; the executable's folder until
    // it is set.
    static void SetSoundFolder(const std::string& folder);

    // Draws the control as it looks now (background under it included) into dc.
    void Render(wxDC& dc);

    // Whatever acts on a click is reached with Tab and acts on Space and Return too (Shift+F10
    // or the menu key for a right click), showing a focus mark meanwhile.
    bool AcceptsFocus() const override { return Acts(); }
    bool Acts() const { return commandId_ != 0 || rightCommandId_ != 0 || !linkTarget_.empty(); }

  protected:
    wxSize DoGetBestSize() const override;

  private:
    // Resizes the control to its text when AutoSize is set (left, centre, right rules).
    void FitToText();
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnEnter(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void DrawFocusMark(wxDC& dc) const;
    void PostCommand(unsigned command);
    void OpenLink();
    void SetHovering(bool hovering);
    void Repaint();

    Desktop* desktop_;
    wxString linkTarget_;
    bool autoSize_ = false;
    bool hovering_ = false;
    bool hoverHighlight_ = false;
    unsigned commandId_ = 0;
    unsigned rightCommandId_ = 0;
    wxFont labelFont_;
    wxColour hoverColour_;
    wxColour textColour_;
    wxImage picture_;
    wxBitmap scaledPicture_;  // the picture at the control's size, made at the first paint
    wxBitmap bitmap_;
    wxString text_;
};

}  // namespace harbinet::ui
