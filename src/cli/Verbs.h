// The verbs of harbinet-cli; main.cpp lists them in one table.
#pragma once

#include "cli/Cli.h"

namespace harbinet::cli {

// Verbs that act as the program installed in the folder.
int StatusVerb(const Invocation& inv);
int MenuVerb(const Invocation& inv);
int SeasonVerb(const Invocation& inv);
int SetVerb(const Invocation& inv);
int ModeVerb(const Invocation& inv);
int RefreshVerb(const Invocation& inv);
int CheckVerb(const Invocation& inv);
int CareersVerb(const Invocation& inv);
int LaunchVerb(const Invocation& inv);
int LaunchAppVerb(const Invocation& inv);
int SkinsVerb(const Invocation& inv);
int AppsVerb(const Invocation& inv);
int ConfigureVerb(const Invocation& inv);
int SetsVerb(const Invocation& inv);
int OriginalsVerb(const Invocation& inv);
int VerifyVerb(const Invocation& inv);
int RepairVerb(const Invocation& inv);
int HistoryVerb(const Invocation& inv);

// Maintenance verbs over the profile and file layers: they touch only what they name.
int IniVerb(const Invocation& inv);
int FilesVerb(const Invocation& inv);

}  // namespace harbinet::cli
