// The test's own end of the private session bus (the tests run under dbus-run-session): calls
// to the program's status notifier item, answered while the program's loop runs, and a watcher
// that records what registers with it.
#pragma once

#include <gio/gio.h>

#include <map>
#include <string>
#include <vector>

namespace harbinet::test {

// A connection of its own, so that the program's item is reached over the bus as a panel
// reaches it.
class BusClient {
  public:
    BusClient();
    ~BusClient();

    // The reply, or null with the error in error.
    GVariant* Call(const std::string& service, const char* path, const char* interface,
                   const char* method, GVariant* arguments, std::string* error = nullptr);
    // A property of the item registered as service, at /StatusNotifierItem.
    GVariant* ItemProperty(const std::string& service, const char* property);
    // The item's menu as text: one entry a line, indented by two blanks a level; "---" for a
    // separator, else the label with " [radio]", " [check]" and " [on]" as marked.
    std::string MenuLayout(const std::string& service);
    // Clicks the menu entry of this label, as a panel does.
    bool ClickMenuEntry(const std::string& service, const std::string& label);

    // Counts the item's signals of this name from now on (in signals).
    void CountSignals(const char* name);
    std::map<std::string, int> signals;

    GDBusConnection* connection = nullptr;

  private:
    std::vector<guint> subscriptions_;
};

class TestWatcher {
  public:
    TestWatcher();                        // returns once the watcher's name is taken
    ~TestWatcher();                       // leaves the bus: its name goes
    std::vector<std::string> registered;  // the services, in order

  private:
    BusClient bus_;
    guint owner_ = 0;
    guint object_ = 0;
};

}  // namespace harbinet::test
