// What the harnesses share: a failed property aborts with a message (both engines then keep the
// input), the input is cut into fields, and a scratch folder lives for the whole run.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition, ...)                                                                \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::fprintf(stderr, __VA_ARGS__);                                                    \
            std::fprintf(stderr, "\n");                                                           \
            std::abort();                                                                         \
        }                                                                                         \
    } while (0)

namespace harbinet::fuzz {

// Takes the input apart field by field: each field runs up to the next separator byte (or the
// end), so a mutation in one field leaves the others where they were.
class Fields {
  public:
    Fields(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    std::string_view Next(char separator = '\x01') {
        const std::size_t at = rest_.find(separator);
        std::string_view field = rest_.substr(0, at);
        rest_.remove_prefix(at == std::string_view::npos ? rest_.size() : at + 1);
        return field;
    }
    std::string_view Rest() const { return rest_; }
    bool Empty() const { return rest_.empty(); }

  private:
    std::string_view rest_;
};

// A folder of the run's own under the temporary folder, ending in "/". One per process, emptied
// by the harness before each input and removed at exit.
inline const std::string& ScratchFolder() {
    static const std::string path = [] {
        namespace fs = std::filesystem;
        std::string tmpl = (fs::temp_directory_path() / "harbinet-fuzz-XXXXXX").string();
        if (!::mkdtemp(tmpl.data())) std::abort();
        static const std::string made = tmpl;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(made, ec);
        });
        return tmpl + "/";
    }();
    return path;
}

inline void EmptyFolder(const std::string& folder) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        std::filesystem::remove_all(entry.path(), ec);
}

}  // namespace harbinet::fuzz
