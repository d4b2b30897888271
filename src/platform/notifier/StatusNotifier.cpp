// The StatusNotifierItem protocol over GDBus, with the menu exported by libdbusmenu. Both run on
// the GLib main context the toolkit iterates, so every call back comes on the program's thread.
#include "platform/StatusNotifier.h"

#include <gio/gio.h>
#include <libdbusmenu-glib/client.h>
#include <libdbusmenu-glib/menuitem.h>
#include <libdbusmenu-glib/server.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace harbinet {

namespace {

constexpr const char* kWatcher = "org.kde.StatusNotifierWatcher";
constexpr const char* kWatcherPath = "/StatusNotifierWatcher";
constexpr const char* kItemInterface = "org.kde.StatusNotifierItem";
constexpr const char* kItemPath = "/StatusNotifierItem";
constexpr const char* kMenuPath = "/MenuBar";

constexpr const char* kItemXml = R"xml(<node>
  <interface name="org.kde.StatusNotifierItem">
    <property name="Category" type="s" access="read"/>
    <property name="Id" type="s" access="read"/>
    <property name="Title" type="s" access="read"/>
    <property name="Status" type="s" access="read"/>
    <property name="WindowId" type="i" access="read"/>
    <property name="IconName" type="s" access="read"/>
    <property name="IconPixmap" type="a(iiay)" access="read"/>
    <property name="OverlayIconName" type="s" access="read"/>
    <property name="OverlayIconPixmap" type="a(iiay)" access="read"/>
    <property name="AttentionIconName" type="s" access="read"/>
    <property name="AttentionIconPixmap" type="a(iiay)" access="read"/>
    <property name="AttentionMovieName" type="s" access="read"/>
    <property name="ToolTip" type="(sa(iiay)ss)" access="read"/>
    <property name="ItemIsMenu" type="b" access="read"/>
    <property name="Menu" type="o" access="read"/>
    <method name="ContextMenu"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
    <method name="Activate"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
    <method name="SecondaryActivate"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
    <method name="Scroll"><arg name="delta" type="i" direction="in"/><arg name="orientation" type="s" direction="in"/></method>
    <signal name="NewTitle"/>
    <signal name="NewIcon"/>
    <signal name="NewAttentionIcon"/>
    <signal name="NewOverlayIcon"/>
    <signal name="NewToolTip"/>
    <signal name="NewStatus"><arg name="status" type="s"/></signal>
  </interface>
</node>)xml";

// Without an address in the environment GIO would start a bus of its own (autolaunch); a
// program that finds no bus has no business starting one.
bool SessionBusConfigured() {
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address && *address) return true;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat st {};
    return runtime && *runtime && ::stat((std::string(runtime) + "/bus").c_str(), &st) == 0 &&
           S_ISSOCK(st.st_mode);
}

GDBusConnection* SessionBus() {
    if (!SessionBusConfigured()) return nullptr;
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    // A bus that goes away takes the icon with it, not the program.
    if (bus) g_dbus_connection_set_exit_on_close(bus, FALSE);
    return bus;
}

// The unique name of the watcher on the bus, empty when there is none.
std::string WatcherOwner(GDBusConnection* bus) {
    GVariant* reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "GetNameOwner", g_variant_new("(s)", kWatcher), G_VARIANT_TYPE("(s)"),
        G_DBUS_CALL_FLAGS_NONE, 2000, nullptr, nullptr);
    if (!reply) return {};
    const char* owner = nullptr;
    g_variant_get(reply, "(&s)", &owner);
    std::string found = owner ? owner : "";
    g_variant_unref(reply);
    return found;
}

GVariant* PixmapsVariant(const std::vector<NotifierPixmap>& pixmaps) {
    GVariantBuilder builder;
    g_variant_builder_init(&builder, G_VARIANT_TYPE("a(iiay)"));
    for (const NotifierPixmap& p : pixmaps) {
        GVariant* bytes = g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, p.argb.data(),
                                                    p.argb.size(), sizeof(std::uint8_t));
        g_variant_builder_add(&builder, "(ii@ay)", p.width, p.height, bytes);
    }
    return g_variant_builder_end(&builder);
}

// dbusmenu marks the mnemonic with "_": "&Close" is "_Close", "Alt_1 & 2" is "Alt__1 & 2".
std::string MenuLabel(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&') {
            out += '&';
            ++i;
        } else if (text[i] == '&') {
            out += '_';
        } else if (text[i] == '_') {
            out += "__";
        } else {
            out += text[i];
        }
    }
    return out;
}

bool SameMenu(const std::vector<NotifierMenuEntry>& a, const std::vector<NotifierMenuEntry>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].kind != b[i].kind || a[i].command != b[i].command || a[i].label != b[i].label ||
            a[i].mark != b[i].mark || a[i].marked != b[i].marked || a[i].enabled != b[i].enabled ||
            !SameMenu(a[i].entries, b[i].entries))
            return false;
    return true;
}

class DbusStatusNotifier : public StatusNotifier {
  public:
    DbusStatusNotifier(GDBusConnection* bus, const std::string& id, const std::string& title,
                       Events events)
        : bus_(bus), id_(id), title_(title), events_(std::move(events)) {
        name_ = "org.kde.StatusNotifierItem-" + std::to_string(::getpid()) + "-1";
        GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kItemXml, nullptr);
        static const GDBusInterfaceVTable vtable = {
            &DbusStatusNotifier::OnMethod, &DbusStatusNotifier::OnGetProperty, nullptr, {}};
        registration_ = g_dbus_connection_register_object(bus_, kItemPath, node->interfaces[0],
                                                          &vtable, this, nullptr, nullptr);
        g_dbus_node_info_unref(node);
        server_ = dbusmenu_server_new(kMenuPath);
        // The bus handles one connection's messages in order: a watcher told the name finds it
        // owned, so registering need not wait for the name.
        owner_ = g_bus_own_name_on_connection(bus_, name_.c_str(), G_BUS_NAME_OWNER_FLAGS_NONE,
                                              nullptr, nullptr, nullptr, nullptr);
        // A watcher there now is told at once, before the program's loop runs.
        Register(WatcherOwner(bus_));
        watch_ = g_bus_watch_name_on_connection(
            bus_, kWatcher, G_BUS_NAME_WATCHER_FLAGS_NONE, &DbusStatusNotifier::OnWatcherAppeared,
            &DbusStatusNotifier::OnWatcherVanished, this, nullptr);
    }

    ~DbusStatusNotifier() override {
        g_cancellable_cancel(cancel_);
        g_object_unref(cancel_);
        g_bus_unwatch_name(watch_);
        g_bus_unown_name(owner_);
        g_dbus_connection_unregister_object(bus_, registration_);
        if (root_) g_signal_handlers_disconnect_by_data(root_, this);
        g_object_unref(server_);
        Retire(nullptr);
        if (root_) g_object_unref(root_);
        g_dbus_connection_flush_sync(bus_, nullptr, nullptr);
        g_object_unref(bus_);
    }

    void Show(const NotifierIcon& icon, const std::string& toolTip) override {
        const bool iconChanged = !shown_ || icon.themeName != icon_.themeName ||
                                 !SamePixmaps(icon.pixmaps, icon_.pixmaps);
        const bool tipChanged = toolTip != toolTip_;
        icon_ = icon;
        toolTip_ = toolTip;
        if (!shown_) {
            shown_ = true;
            Emit("NewStatus", g_variant_new("(s)", "Active"));
        }
        if (iconChanged) Emit("NewIcon", nullptr);
        if (tipChanged) Emit("NewToolTip", nullptr);
    }

    void Hide() override {
        if (!shown_) return;
        shown_ = false;
        Emit("NewStatus", g_variant_new("(s)", "Passive"));
    }

    void SetMenu(const std::vector<NotifierMenuEntry>& entries) override {
        if (root_ && SameMenu(entries, menu_)) return;
        menu_ = entries;
        if (root_) g_signal_handlers_disconnect_by_data(root_, this);
        nextId_ = 1;
        generation_ = generation_ % 0x7FFF0 + 1;
        DbusmenuMenuitem* old = root_;
        root_ = dbusmenu_menuitem_new_with_id(0);
        g_signal_connect(root_, DBUSMENU_MENUITEM_SIGNAL_ABOUT_TO_SHOW,
                         G_CALLBACK(&DbusStatusNotifier::OnAboutToShow), this);
        Fill(root_, entries);
        dbusmenu_server_set_root(server_, root_);  // tells the hosts the layout changed
        Retire(old);
    }

    bool Hosted() const override { return hosted_; }

  private:
    static bool SamePixmaps(const std::vector<NotifierPixmap>& a,
                            const std::vector<NotifierPixmap>& b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a[i].width != b[i].width || a[i].height != b[i].height || a[i].argb != b[i].argb)
                return false;
        return true;
    }

    // A menu replaced while the host asks about it is still in the server's hands until that
    // request is answered: it goes with the next replacement.
    void Retire(DbusmenuMenuitem* root) {
        if (retired_) g_object_unref(retired_);
        retired_ = root;
    }

    void Emit(const char* signal, GVariant* arguments) {
        g_dbus_connection_emit_signal(bus_, nullptr, kItemPath, kItemInterface, signal, arguments,
                                      nullptr);
    }

    // Each menu numbers its items afresh: hosts keep an item's properties by id, so a mark
    // taken away would otherwise stay on the screen. An item's id carries its command.
    static constexpr int kCommandIds = 0x800;
    static constexpr int kIdsPerMenu = 0x1000;
    int IdOf(const NotifierMenuEntry& entry) {
        const int base = generation_ * kIdsPerMenu;
        return entry.kind == NotifierMenuEntry::Kind::Item && entry.command > 0 &&
                       entry.command < kCommandIds
                   ? base + entry.command
                   : base + kCommandIds + nextId_++;
    }

    void Fill(DbusmenuMenuitem* parent, const std::vector<NotifierMenuEntry>& entries) {
        for (const NotifierMenuEntry& entry : entries) {
            DbusmenuMenuitem* item = dbusmenu_menuitem_new_with_id(IdOf(entry));
            switch (entry.kind) {
                case NotifierMenuEntry::Kind::Separator:
                    dbusmenu_menuitem_property_set(item, DBUSMENU_MENUITEM_PROP_TYPE,
                                                   DBUSMENU_CLIENT_TYPES_SEPARATOR);
                    break;
                case NotifierMenuEntry::Kind::SubMenu:
                    dbusmenu_menuitem_property_set(item, DBUSMENU_MENUITEM_PROP_LABEL,
                                                   MenuLabel(entry.label).c_str());
                    dbusmenu_menuitem_property_set(item, DBUSMENU_MENUITEM_PROP_CHILD_DISPLAY,
                                                   DBUSMENU_MENUITEM_CHILD_DISPLAY_SUBMENU);
                    Fill(item, entry.entries);
                    break;
                case NotifierMenuEntry::Kind::Item:
                    dbusmenu_menuitem_property_set(item, DBUSMENU_MENUITEM_PROP_LABEL,
                                                   MenuLabel(entry.label).c_str());
                    if (entry.mark != NotifierMenuEntry::Mark::None) {
                        dbusmenu_menuitem_property_set(item, DBUSMENU_MENUITEM_PROP_TOGGLE_TYPE,
                                                       entry.mark == NotifierMenuEntry::Mark::Radio
                                                           ? DBUSMENU_MENUITEM_TOGGLE_RADIO
                                                           : DBUSMENU_MENUITEM_TOGGLE_CHECK);
                        dbusmenu_menuitem_property_set_int(
                            item, DBUSMENU_MENUITEM_PROP_TOGGLE_STATE,
                            entry.marked ? DBUSMENU_MENUITEM_TOGGLE_STATE_CHECKED
                                         : DBUSMENU_MENUITEM_TOGGLE_STATE_UNCHECKED);
                    }
                    g_signal_connect(item, DBUSMENU_MENUITEM_SIGNAL_ITEM_ACTIVATED,
                                     G_CALLBACK(&DbusStatusNotifier::OnItemActivated), this);
                    break;
            }
            if (!entry.enabled)
                dbusmenu_menuitem_property_set_bool(item, DBUSMENU_MENUITEM_PROP_ENABLED, FALSE);
            dbusmenu_menuitem_child_append(parent, item);
            g_object_unref(item);
        }
    }

    // Registers with the watcher of this unique name, once for each watcher.
    void Register(const std::string& watcher) {
        if (watcher.empty() || watcher == registeredWith_) return;
        registeredWith_ = watcher;
        g_dbus_connection_call(bus_, watcher.c_str(), kWatcherPath, kWatcher,
                               "RegisterStatusNotifierItem", g_variant_new("(s)", name_.c_str()),
                               nullptr, G_DBUS_CALL_FLAGS_NONE, -1, cancel_,
                               &DbusStatusNotifier::OnRegistered, this);
    }

    static void OnRegistered(GObject* source, GAsyncResult* result, gpointer self) {
        GError* error = nullptr;
        GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &error);
        if (reply) {
            g_variant_unref(reply);
            static_cast<DbusStatusNotifier*>(self)->hosted_ = true;
        } else {
            // Cancelled means the item is gone: self must not be touched.
            g_error_free(error);
        }
    }

    static void OnWatcherAppeared(GDBusConnection*, const gchar*, const gchar* owner,
                                  gpointer self) {
        static_cast<DbusStatusNotifier*>(self)->Register(owner);
    }

    static void OnWatcherVanished(GDBusConnection*, const gchar*, gpointer self) {
        auto* me = static_cast<DbusStatusNotifier*>(self);
        me->hosted_ = false;
        me->registeredWith_.clear();
    }

    static gboolean OnAboutToShow(DbusmenuMenuitem*, gpointer self) {
        auto* me = static_cast<DbusStatusNotifier*>(self);
        if (me->events_.menuAboutToShow) me->events_.menuAboutToShow();
        return FALSE;
    }

    static void OnItemActivated(DbusmenuMenuitem* item, guint, gpointer self) {
        auto* me = static_cast<DbusStatusNotifier*>(self);
        const int command = dbusmenu_menuitem_get_id(item) % kIdsPerMenu;
        if (me->events_.command && command < kCommandIds) me->events_.command(command);
    }

    static void OnMethod(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                         const gchar* method, GVariant* parameters,
                         GDBusMethodInvocation* invocation, gpointer self) {
        auto* me = static_cast<DbusStatusNotifier*>(self);
        const std::string name = method;
        std::function<void(int, int)>* handler = nullptr;
        if (name == "Activate") handler = &me->events_.activate;
        if (name == "SecondaryActivate") handler = &me->events_.secondaryActivate;
        if (name == "ContextMenu") handler = &me->events_.contextMenu;
        // The host waits for no answer beyond this one; the click is handled after it.
        g_dbus_method_invocation_return_value(invocation, nullptr);
        if (handler && *handler) {
            gint32 x = 0, y = 0;
            g_variant_get(parameters, "(ii)", &x, &y);
            (*handler)(x, y);
        }
    }

    static GVariant* OnGetProperty(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                   const gchar* property, GError** error, gpointer self) {
        auto* me = static_cast<DbusStatusNotifier*>(self);
        const std::string name = property;
        if (name == "Category") return g_variant_new_string("ApplicationStatus");
        if (name == "Id") return g_variant_new_string(me->id_.c_str());
        if (name == "Title") return g_variant_new_string(me->title_.c_str());
        if (name == "Status") return g_variant_new_string(me->shown_ ? "Active" : "Passive");
        if (name == "WindowId") return g_variant_new_int32(0);
        if (name == "IconName") return g_variant_new_string(me->icon_.themeName.c_str());
        if (name == "IconPixmap") return PixmapsVariant(me->icon_.pixmaps);
        if (name == "OverlayIconPixmap" || name == "AttentionIconPixmap") return PixmapsVariant({});
        if (name == "OverlayIconName" || name == "AttentionIconName" ||
            name == "AttentionMovieName")
            return g_variant_new_string("");
        // The whole text as the tooltip's title: hosts show a title on its own, and a body only
        // under one.
        if (name == "ToolTip")
            return g_variant_new("(s@a(iiay)ss)", me->icon_.themeName.c_str(), PixmapsVariant({}),
                                 me->toolTip_.c_str(), "");
        if (name == "ItemIsMenu") return g_variant_new_boolean(FALSE);
        if (name == "Menu") return g_variant_new_object_path(kMenuPath);
        g_set_error(error, G_DBUS_ERROR, G_DBUS_ERROR_UNKNOWN_PROPERTY, "No property %s", property);
        return nullptr;
    }

    GDBusConnection* bus_;
    std::string id_;
    std::string title_;
    Events events_;
    std::string name_;
    GCancellable* cancel_ = g_cancellable_new();
    guint registration_ = 0;
    guint owner_ = 0;
    guint watch_ = 0;
    DbusmenuServer* server_ = nullptr;
    DbusmenuMenuitem* root_ = nullptr;
    DbusmenuMenuitem* retired_ = nullptr;
    std::vector<NotifierMenuEntry> menu_;
    int nextId_ = 1;
    int generation_ = 0;
    NotifierIcon icon_;
    std::string toolTip_;
    bool shown_ = false;
    bool hosted_ = false;
    std::string registeredWith_;
};

}  // namespace

bool StatusNotifierHostPresent() {
    GDBusConnection* bus = SessionBus();
    if (!bus) return false;
    const bool present = !WatcherOwner(bus).empty();
    g_object_unref(bus);
    return present;
}

std::unique_ptr<StatusNotifier> MakeStatusNotifier(const std::string& id, const std::string& title,
                                                   StatusNotifier::Events events) {
    GDBusConnection* bus = SessionBus();
    if (!bus) return nullptr;
    return std::make_unique<DbusStatusNotifier>(bus, id, title, std::move(events));
}

}  // namespace harbinet
