#include "tray/SessionBus.h"

#include <gtest/gtest.h>

#include "gui/GuiSupport.h"

namespace harbinet::test {

namespace {

constexpr const char* kWatcherXml = R"xml(<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
  </interface>
</node>)xml";

struct Reply {
    GVariant* value = nullptr;
    std::string error;
    bool done = false;
};

void Finish(GObject* source, GAsyncResult* result, gpointer data) {
    auto* reply = static_cast<Reply*>(data);
    GError* error = nullptr;
    reply->value = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &error);
    if (error) {
        reply->error = error->message;
        g_error_free(error);
    }
    reply->done = true;
}

void Layout(GVariant* item, const std::string& indent, std::string& out) {
    gint32 id = 0;
    GVariant* properties = nullptr;
    GVariant* children = nullptr;
    g_variant_get(item, "(i@a{sv}@av)", &id, &properties, &children);
    if (id != 0) {
        const char* type = nullptr;
        const char* label = "";
        const char* toggle = nullptr;
        gint32 state = 0;
        g_variant_lookup(properties, "type", "&s", &type);
        g_variant_lookup(properties, "label", "&s", &label);
        g_variant_lookup(properties, "toggle-type", "&s", &toggle);
        g_variant_lookup(properties, "toggle-state", "i", &state);
        out += indent;
        if (type && std::string(type) == "separator") {
            out += "---";
        } else {
            out += label;
            if (toggle) out += std::string(" [") + (toggle[0] == 'r' ? "radio" : "check") + "]";
            if (state == 1) out += " [on]";
        }
        out += "\n";
    }
    for (gsize i = 0; i < g_variant_n_children(children); ++i) {
        GVariant* boxed = g_variant_get_child_value(children, i);
        GVariant* child = g_variant_get_variant(boxed);
        Layout(child, id == 0 ? indent : indent + "  ", out);
        g_variant_unref(child);
        g_variant_unref(boxed);
    }
    g_variant_unref(properties);
    g_variant_unref(children);
}

// The id of the entry of this label in a GetLayout item, else -1.
gint32 FindLabel(GVariant* item, const std::string& wanted) {
    gint32 id = 0;
    GVariant* properties = nullptr;
    GVariant* children = nullptr;
    g_variant_get(item, "(i@a{sv}@av)", &id, &properties, &children);
    const char* label = nullptr;
    gint32 found = g_variant_lookup(properties, "label", "&s", &label) && label == wanted ? id : -1;
    for (gsize i = 0; found < 0 && i < g_variant_n_children(children); ++i) {
        GVariant* boxed = g_variant_get_child_value(children, i);
        GVariant* child = g_variant_get_variant(boxed);
        found = FindLabel(child, wanted);
        g_variant_unref(child);
        g_variant_unref(boxed);
    }
    g_variant_unref(properties);
    g_variant_unref(children);
    return found;
}

}  // namespace

BusClient::BusClient() {
    GError* error = nullptr;
    const char* address = g_getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address)
        connection = g_dbus_connection_new_for_address_sync(
            address,
            static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                              G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
            nullptr, nullptr, &error);
    if (error) {
        ADD_FAILURE() << "no private session bus: " << error->message;
        g_error_free(error);
    }
}

BusClient::~BusClient() {
    if (!connection) return;
    for (guint id : subscriptions_) g_dbus_connection_signal_unsubscribe(connection, id);
    g_dbus_connection_close_sync(connection, nullptr, nullptr);
    g_object_unref(connection);
}

GVariant* BusClient::Call(const std::string& service, const char* path, const char* interface,
                          const char* method, GVariant* arguments, std::string* error) {
    if (!connection) return nullptr;
    Reply reply;
    g_dbus_connection_call(connection, service.c_str(), path, interface, method, arguments, nullptr,
                           G_DBUS_CALL_FLAGS_NONE, -1, nullptr, &Finish, &reply);
    if (!RunEventsUntil([&] { return reply.done; })) ADD_FAILURE() << method << " got no reply";
    if (error) *error = reply.error;
    if (!reply.value && !error) ADD_FAILURE() << method << ": " << reply.error;
    return reply.value;
}

void BusClient::CountSignals(const char* name) {
    if (!connection) return;
    subscriptions_.push_back(g_dbus_connection_signal_subscribe(
        connection, nullptr, "org.kde.StatusNotifierItem", name, "/StatusNotifierItem", nullptr,
        G_DBUS_SIGNAL_FLAGS_NONE,
        [](GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* signal,
           GVariant*, gpointer self) { ++static_cast<BusClient*>(self)->signals[signal]; },
        this, nullptr));
}

GVariant* BusClient::ItemProperty(const std::string& service, const char* property) {
    GVariant* reply = Call(service, "/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get",
                           g_variant_new("(ss)", "org.kde.StatusNotifierItem", property));
    if (!reply) return nullptr;
    GVariant* value = nullptr;
    g_variant_get(reply, "(v)", &value);
    g_variant_unref(reply);
    return value;
}

std::string BusClient::MenuLayout(const std::string& service) {
    GVariant* reply = Call(service, "/MenuBar", "com.canonical.dbusmenu", "GetLayout",
                           g_variant_new("(ii@as)", 0, -1, g_variant_new_strv(nullptr, 0)));
    if (!reply) return {};
    guint32 revision = 0;
    GVariant* root = nullptr;
    g_variant_get(reply, "(u@(ia{sv}av))", &revision, &root);
    std::string out;
    Layout(root, "", out);
    g_variant_unref(root);
    g_variant_unref(reply);
    return out;
}

bool BusClient::ClickMenuEntry(const std::string& service, const std::string& label) {
    GVariant* reply = Call(service, "/MenuBar", "com.canonical.dbusmenu", "GetLayout",
                           g_variant_new("(ii@as)", 0, -1, g_variant_new_strv(nullptr, 0)));
    if (!reply) return false;
    GVariant* root = g_variant_get_child_value(reply, 1);
    const gint32 id = FindLabel(root, label);
    g_variant_unref(root);
    g_variant_unref(reply);
    if (id < 0) return false;
    GVariant* done = Call(service, "/MenuBar", "com.canonical.dbusmenu", "Event",
                          g_variant_new("(isvu)", id, "clicked", g_variant_new_int32(0), 0u));
    if (done) g_variant_unref(done);
    return done != nullptr;
}

TestWatcher::TestWatcher() {
    if (!bus_.connection) return;
    GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kWatcherXml, nullptr);
    static const GDBusInterfaceVTable vtable = {
        [](GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* method,
           GVariant* parameters, GDBusMethodInvocation* invocation, gpointer self) {
            if (std::string(method) == "RegisterStatusNotifierItem") {
                const char* service = nullptr;
                g_variant_get(parameters, "(&s)", &service);
                static_cast<TestWatcher*>(self)->registered.push_back(service);
            }
            g_dbus_method_invocation_return_value(invocation, nullptr);
        },
        [](GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* property,
           GError**, gpointer) -> GVariant* {
            return std::string(property) == "ProtocolVersion" ? g_variant_new_int32(0)
                                                              : g_variant_new_boolean(TRUE);
        },
        nullptr,
        {}};
    object_ =
        g_dbus_connection_register_object(bus_.connection, "/StatusNotifierWatcher",
                                          node->interfaces[0], &vtable, this, nullptr, nullptr);
    g_dbus_node_info_unref(node);
    static bool acquired;
    acquired = false;
    owner_ = g_bus_own_name_on_connection(
        bus_.connection, "org.kde.StatusNotifierWatcher", G_BUS_NAME_OWNER_FLAGS_NONE,
        [](GDBusConnection*, const gchar*, gpointer) { acquired = true; }, nullptr, nullptr,
        nullptr);
    if (!RunEventsUntil([] { return acquired; })) ADD_FAILURE() << "the watcher got no name";
}

TestWatcher::~TestWatcher() {
    if (owner_) g_bus_unown_name(owner_);
    if (object_) g_dbus_connection_unregister_object(bus_.connection, object_);
}

}  // namespace harbinet::test
