#include "run/ScratchFolder.h"

#include "unit/Error.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarnwick {
namespace {

// No runtime folder (""); the first `failing` folders cannot be made ready.
TEST(ScratchFolder, TheFirstThatCanBeMadeReadyOrEveryCauseNamed) {
    const std::vector<std::string> folders{"/opt/t", "/home/u/.cache/tarnwick", "", "/tmp/tarnwick-7"};
    const struct {
        const char* name;
        std::size_t failing;
        std::string expected;
    } rows[] = {
        {"an unwritable cache: the temporary folder", 2, "/tmp/tarnwick-7"},
        {"none: each with its cause", 4,
         "No folder can hold the script to run. \"/opt/t\": cause 0; \"/home/u/.cache/tarnwick\": cause 1; "
         "\"/tmp/tarnwick-7\": cause 3"},
    };
    for (const auto& row : rows) {
        std::string chosen;
        try {
            chosen = ChooseScratchFolder(folders, [&](const std::string& folder) {
                const auto at = std::size_t(std::find(folders.begin(), folders.end(), folder) - folders.begin());
                return at < row.failing ? "cause " + std::to_string(at) : std::string();
            });
        } catch (const Error& e) {
            chosen = e.what();
        }
        EXPECT_EQ(chosen, row.expected) << row.name;
    }
}

}  // namespace
}  // namespace tarnwick
