#include <gtest/gtest.h>

#include "shell/CommandLine.h"

namespace harbinet {
namespace {

TEST(CommandLine, EmbeddingOrAutomationAfterSlashOrHyphenSuppressTheSplash) {
    for (const char* argument : {"/Embedding", "-Embedding", "/Automation", "-Automation",
                                 "/EMBEDDING", "-automation", "-eMbEdDiNg"})
        EXPECT_FALSE(SplashWanted({argument})) << argument;
    // Anywhere on the line, among other arguments.
    EXPECT_FALSE(SplashWanted({"career.sve", "/p", "-Automation"}));
}

TEST(CommandLine, EveryOtherCommandLineShowsTheSplash) {
    EXPECT_TRUE(SplashWanted({}));
    for (const char* argument :
         {"Embedding", "Automation", "--Embedding", "/Embed", "-Embeddings", "/Automation=1",
          "\\Embedding", "/", "-", "", "/dde", "/Unregister"})
        EXPECT_TRUE(SplashWanted({argument})) << argument;
}

}  // namespace
}  // namespace harbinet
