#include "launch/ExternalAppList.h"

#include "launch/ExternalApps.h"
#include "platform/Files.h"

namespace harbinet {

namespace {

std::size_t Characters(const std::string& text) {
    std::size_t n = 0;
    for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// The settings file gives back at most 255 bytes of a text, whatever its characters.
constexpr std::size_t kStoredBytes = 255;

bool Fits(const std::string& text, std::size_t limit) {
    return Characters(text) <= limit && text.size() <= kStoredBytes;
}

bool WriteSlot(ProgramState& state, unsigned slot, const std::string& description,
               const std::string& executable) {
    SettingsBatch batch(state.SettingsPath);
    batch.Set(settings::kExternal, settings::AppDescKey(slot), description);
    batch.Set(settings::kExternal, settings::AppExeKey(slot), executable);
    if (batch.Commit()) return true;
    state.host.ShowError(Format(text::kUnableToWrite, state.SettingsPath.c_str()));
    return false;
}

bool ValidSlot(unsigned slot) {
    return slot >= 1 && slot <= settings::kMaxExternalApps;
}

}  // namespace

std::vector<ExternalAppSlot> ListExternalApps(const SettingsStore& settings) {
    std::vector<ExternalAppSlot> apps;
    for (unsigned n = 1; n <= settings::kMaxExternalApps; ++n)
        if (std::string description = settings.AppDescription(n); !description.empty())
            apps.push_back({n, std::move(description), settings.AppExecutable(n)});
    return apps;
}

unsigned LowestFreeAppSlot(const SettingsStore& settings) {
    for (unsigned n = 1; n <= settings::kMaxExternalApps; ++n)
        if (settings.AppDescription(n).empty()) return n;
    return 0;
}

AppEntryCheck CheckExternalApp(const ProgramState& state, const std::string& description,
                               const std::string& executable) {
    if (description.empty() || executable.empty()) return AppEntryCheck::EmptyField;
    if (!Fits(description, kAppDescriptionLimit) || !Fits(executable, kAppExecutableLimit))
        return AppEntryCheck::TooLong;
    const std::string path = ResolveAppPath(state, executable);
    if (!files::FileExists(path) && !files::FolderExists(path)) return AppEntryCheck::NotFound;
    return AppEntryCheck::Accepted;
}

std::string ExecutableNotFoundText(const std::string& executable) {
    return Format(text::kExecutableNotFound, executable.c_str());
}

unsigned AddExternalApp(ProgramState& state, const std::string& description,
                        const std::string& executable) {
    const unsigned slot = LowestFreeAppSlot(state.Settings());
    if (slot == 0 || !WriteSlot(state, slot, description, executable)) return 0;
    return slot;
}

std::optional<std::string> AppInUse(const ProgramState& state, unsigned slot) {
    std::string description = state.Settings().AppDescription(slot);
    if (!description.empty()) return description;
    state.host.ShowError(Format(text::kAppSlotEmpty, slot));
    return std::nullopt;
}

bool ModifyExternalApp(ProgramState& state, unsigned slot, const std::string& description,
                       const std::string& executable) {
    return ValidSlot(slot) && WriteSlot(state, slot, description, executable);
}

bool DeleteExternalApp(ProgramState& state, unsigned slot) {
    return ValidSlot(slot) && WriteSlot(state, slot, "", "");
}

}  // namespace harbinet
