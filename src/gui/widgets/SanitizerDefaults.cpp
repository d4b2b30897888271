// In sanitizer builds, leaks that the desktop libraries below wxWidgets keep until the process
// ends are theirs, not the program's: LeakSanitizer reads this list at start-up.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n"
           "leak:libglib-2.0.so\n"
           "leak:libgobject-2.0.so\n"
           "leak:libgio-2.0.so\n"
           "leak:libgtk-3.so\n"
           "leak:libgdk-3.so\n"
           "leak:libfontconfig.so\n"
           "leak:libpango\n"
           "leak:libcairo.so\n"
           "leak:libcanberra\n"
           "leak:libX11.so\n";
}
#endif
