// The runner's command-line splitter on any text: the arguments part is the
// text's own tail, every split word quoted again splits back to itself, and
// the launch plan keeps every word.
#include "run/CommandLine.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);

    const std::string_view arguments = ArgumentsPart(line);
    FUZZ_CHECK(arguments.size() <= line.size() && line.ends_with(arguments));

    const std::vector<std::string> words = SplitCommandLine(line);
    if (words.empty()) {
        FUZZ_CHECK(line.find_first_not_of(" \t\"") == std::string::npos);
        return 0;
    }
    // The program name quoted (it has no quote of its own), then each argument quoted.
    if (!words[0].empty() && words[0].find('"') == std::string::npos) {
        std::string again = "\"" + words[0] + "\"";
        for (std::size_t i = 1; i < words.size(); ++i) again += (i % 2 ? " " : "\t") + QuoteArgument(words[i]);
        FUZZ_CHECK(SplitCommandLine(again) == words);
    }

    for (bool onPath : {false, true}) {
        const ProcessLaunch launch = PlanLaunch(words, words.back(), onPath);
        FUZZ_CHECK(launch.arguments.size() + (launch.throughWine ? 0 : 1) == words.size());
        FUZZ_CHECK(!launch.throughWine || (!onPath && IsScriptHost(words[0])));
        FUZZ_CHECK(StartFailureMessage(launch).find("Cannot start \"") == 0);
    }
    return 0;
}
