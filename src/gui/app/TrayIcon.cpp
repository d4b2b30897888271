#include "gui/app/TrayIcon.h"

#include <wx/gdicmn.h>
#include <wx/settings.h>

#include <chrono>

#include "gui/app/MainFrame.h"
#include "gui/widgets/Art.h"
#include "platform/DesktopIntegration.h"

namespace harbinet {

namespace {

std::int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t DoubleClickMs() {
    const int ms = wxSystemSettings::GetMetric(wxSYS_DCLICK_MSEC);
    return ms > 0 ? ms : 500;
}

// wx has no bold menu items on GTK, but the item's label is a GtkLabel that takes Pango markup.
// The GTK functions are looked up at run time: they are loaded with wx, and the build machine
// need not carry GTK's headers.
using BinGetChild = void* (*)(void*);
using LabelSetMarkup = void (*)(void*, const char*);
using LabelGetUseMarkup = int (*)(void*);
using LabelGetLabel = const char* (*)(void*);

template <typename F>
F Gtk(const char* name) {
    return reinterpret_cast<F>(desktop::ToolkitFunction(name));
}

void* ItemLabel(wxMenuItem* item) {
#ifdef __WXGTK__
    auto child = Gtk<BinGetChild>("gtk_bin_get_child");
    void* widget = item->GetMenuItem();
    return child && widget ? child(widget) : nullptr;
#else
    (void)item;
    return nullptr;
#endif
}

// "&About Harbinet..." becomes "<b>_About Harbinet...</b>".
std::string BoldMarkup(const std::string& text) {
    std::string out = "<b>";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '&' && i + 1 < text.size() && text[i + 1] == '&') {
            out += "&amp;";
            ++i;
        } else if (c == '&') {
            out += '_';
        } else if (c == '_') {
            out += "__";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else {
            out += c;
        }
    }
    return out + "</b>";
}

void MarkDefault(wxMenuItem* item, const std::string& text) {
    auto setMarkup = Gtk<LabelSetMarkup>("gtk_label_set_markup_with_mnemonic");
    void* label = ItemLabel(item);
    if (setMarkup && label) setMarkup(label, BoldMarkup(text).c_str());
}

void Append(wxMenu& menu, const std::vector<TrayMenuItem>& items) {
    for (const TrayMenuItem& item : items) {
        switch (item.kind) {
            case TrayMenuItem::Kind::Separator:
                menu.AppendSeparator();
                break;
            case TrayMenuItem::Kind::SubMenu: {
                auto sub = std::make_unique<wxMenu>();
                Append(*sub, item.items);
                menu.AppendSubMenu(sub.release(), wxString::FromUTF8(item.text));
                break;
            }
            case TrayMenuItem::Kind::Command: {
                // One item of a range carries the radio mark, the others none. A wx radio group
                // always checks one of its items, so only the marked item is a radio item (a
                // group of its own).
                const wxItemKind kind = item.radio     ? wxITEM_RADIO
                                        : item.checked ? wxITEM_CHECK
                                                       : wxITEM_NORMAL;
                wxMenuItem* added =
                    menu.Append(item.command, wxString::FromUTF8(item.text), wxString(), kind);
                if (item.radio || item.checked) added->Check(true);
                if (item.isDefault) MarkDefault(added, item.text);
                break;
            }
        }
    }
}

}  // namespace

TrayIcon::TrayIcon(MainFrame& frame) : frame_(frame), clicks_(DoubleClickMs()) {
    Bind(wxEVT_TASKBAR_LEFT_DOWN, &TrayIcon::OnLeftDown, this);
    // One click already came as a press; the toolkit's own double-click events carry nothing.
    Bind(wxEVT_TASKBAR_LEFT_DCLICK, [](wxTaskBarIconEvent&) {});
    // Handled here and not passed on: wx's default handler would pop up a menu of its own.
    Bind(wxEVT_TASKBAR_RIGHT_DOWN, &TrayIcon::OnRightDown, this);
    Bind(wxEVT_MENU, &TrayIcon::OnMenu, this);
}

void TrayIcon::Show(bool busy, const wxString& tooltip) {
    SetIcon(ui::TrayIcon(busy), tooltip);
    shown_ = true;
}

void TrayIcon::Hide() {
    RemoveIcon();
    shown_ = false;
}

void TrayIcon::OnLeftDown(wxTaskBarIconEvent&) {
    if (clicks_.Press(NowMs()) == TrayClickTracker::Click::Double)
        frame_.OnTrayDoubleClick();
    else
        frame_.OnTrayLeftPress(wxGetMousePosition());
}

void TrayIcon::OnRightDown(wxTaskBarIconEvent&) {
    frame_.ShowTrayMenu();
}

// The chosen command runs once the menu has closed, as a posted command on the frame.
void TrayIcon::OnMenu(wxCommandEvent& event) {
    frame_.PostCommand(event.GetId());
}

std::unique_ptr<wxMenu> MakeTrayWxMenu(const std::vector<TrayMenuItem>& items) {
    auto menu = std::make_unique<wxMenu>();
    Append(*menu, items);
    return menu;
}

std::string LabelMarkup(wxMenuItem* item) {
    auto usesMarkup = Gtk<LabelGetUseMarkup>("gtk_label_get_use_markup");
    auto getLabel = Gtk<LabelGetLabel>("gtk_label_get_label");
    void* label = ItemLabel(item);
    if (!usesMarkup || !getLabel || !label || !usesMarkup(label)) return {};
    const char* text = getLabel(label);
    return text ? text : "";
}

}  // namespace harbinet
