// The verbs of harbinet-cli. Each verb file registers itself with a static VerbRegistration,
// so that adding a verb touches no other file.
#pragma once

#include "cli/Cli.h"

namespace harbinet::cli {

using VerbFunction = int (*)(const Invocation&);

struct VerbInfo {
    const char* name;
    VerbFunction run;
    const char* usage;  // one line per form, without "harbinet-cli "
};

struct VerbRegistration {
    VerbRegistration(const char* name, VerbFunction run, const char* usage);
};

const std::vector<VerbInfo>& RegisteredVerbs();

// Maintenance verbs over the profile and file layers: they touch only what they name.
int IniVerb(const Invocation& inv);
int FilesVerb(const Invocation& inv);

}  // namespace harbinet::cli
