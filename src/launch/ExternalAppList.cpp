#include "launch/ExternalAppList.h"

#include "launch/ExternalApps.h"
#include "model/Names.h"
#include "platform/Files.h"

namespace harbinet {

namespace {

Result WriteSlot(ProgramState& state, unsigned slot, const std::string& description,
                 const std::string& executable) {
    return state.settings.Write(
        {settings::AppDescription(slot, description), settings::AppExecutable(slot, executable)});
}

}  // namespace

std::vector<ExternalAppSlot> ListExternalApps(const Settings& settings) {
    std::vector<ExternalAppSlot> apps;
    for (unsigned n = 1; n <= settings::kMaxExternalApps; ++n)
        if (std::string description = settings.AppDescription(n); !description.empty())
            apps.push_back({n, std::move(description), settings.AppExecutable(n)});
    return apps;
}

unsigned LowestFreeAppSlot(const Settings& settings) {
    for (unsigned n = 1; n <= settings::kMaxExternalApps; ++n)
        if (settings.AppDescription(n).empty()) return n;
    return 0;
}

AppEntryCheck CheckExternalApp(const ProgramState& state, const std::string& description,
                               const std::string& executable) {
    if (description.empty() || executable.empty()) return AppEntryCheck::EmptyField;
    if (!FitsField(description, kAppDescriptionLimit) ||
        !FitsField(executable, kAppExecutableLimit))
        return AppEntryCheck::TooLong;
    const std::string path = ResolveAppPath(state, executable);
    if (!files::FileExists(path) && !files::FolderExists(path)) return AppEntryCheck::NotFound;
    return AppEntryCheck::Accepted;
}

std::string AppEntryCheckText(AppEntryCheck check, const std::string& executable) {
    switch (check) {
        case AppEntryCheck::Accepted:
            break;
        case AppEntryCheck::EmptyField:
            return text::kAppFieldsEmpty;
        case AppEntryCheck::TooLong:
            return text::kAppTooLong;
        case AppEntryCheck::NotFound:
            return Format(text::kExecutableNotFound, executable.c_str());
    }
    return {};
}

Result AddExternalApp(ProgramState& state, const std::string& description,
                      const std::string& executable, unsigned& slot) {
    slot = LowestFreeAppSlot(state.settings);
    if (slot == 0) return Result::Failure(text::kAppSlotsFull);
    return WriteSlot(state, slot, description, executable);
}

Result AppInUse(const ProgramState& state, unsigned slot) {
    if (slot >= 1 && slot <= settings::kMaxExternalApps &&
        !state.settings.AppDescription(slot).empty())
        return {};
    return Result::Failure(Format(text::kAppSlotEmpty, slot));
}

Result ModifyExternalApp(ProgramState& state, unsigned slot, const std::string& description,
                         const std::string& executable) {
    if (Result inUse = AppInUse(state, slot); !inUse) return inUse;
    return WriteSlot(state, slot, description, executable);
}

Result DeleteExternalApp(ProgramState& state, unsigned slot) {
    if (Result inUse = AppInUse(state, slot); !inUse) return inUse;
    return WriteSlot(state, slot, "", "");
}

}  // namespace harbinet
