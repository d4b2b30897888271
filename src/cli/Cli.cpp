#include "cli/Cli.h"

#include "cli/Verbs.h"

#include <cstdio>

namespace harbinet::cli {

void CliServices::ShowMessage(MessageIcon icon, const std::string& caption,
                              const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    if (icon == MessageIcon::Error) errorShown = true;
}

bool CliServices::AskYesNo(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "%s: %s [%s]\n", caption.c_str(), text.c_str(),
                 answerYes_ ? "Yes" : "No");
    return answerYes_;
}

namespace {
std::vector<VerbInfo>& Registry() {
    static std::vector<VerbInfo> verbs;
    return verbs;
}
}  // namespace

VerbRegistration::VerbRegistration(const char* name, VerbFunction run, const char* usage) {
    Registry().push_back({name, run, usage});
}

const std::vector<VerbInfo>& RegisteredVerbs() { return Registry(); }

int UsageError(const std::string& message) {
    std::fprintf(stderr, "harbinet-cli: %s\n", message.c_str());
    return 2;
}

}  // namespace harbinet::cli
