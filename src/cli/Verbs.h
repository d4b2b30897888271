// The verbs of harbinet-cli. Each returns the process's exit status.
#pragma once

#include "cli/Cli.h"

namespace harbinet::cli {

// Maintenance verbs over the profile and file layers: they touch only what they name.
int IniVerb(const Invocation& inv);
int FilesVerb(const Invocation& inv);

}  // namespace harbinet::cli
