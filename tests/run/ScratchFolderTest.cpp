#include "run/ScratchFolder.h"

#include "unit/Error.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarnwick {
namespace {

// The runtime folder is left out (no $XDG_RUNTIME_DIR); the others fail as a row says.
TEST(ScratchFolder, TheFirstThatCanBeMadeReadyOrEveryCauseNamed) {
    const std::vector<std::string> folders{"/opt/t", "/home/u/.cache/tarnwick", "", "/tmp/tarnwick-7"};
    const struct {
        const char* name;
        std::vector<std::string> failing;
        std::string expected;
    } rows[] = {
        {"an unwritable cache: the temporary folder", {"/opt/t", "/home/u/.cache/tarnwick"}, "/tmp/tarnwick-7"},
        {"none: each folder with its cause",
         {"/opt/t", "/home/u/.cache/tarnwick", "/tmp/tarnwick-7"},
         "No folder can hold the script to run. \"/opt/t\": cause 1; \"/home/u/.cache/tarnwick\": cause 2; "
         "\"/tmp/tarnwick-7\": cause 4"},
    };
    for (const auto& row : rows) {
        const auto prepare = [&](const std::string& folder) -> std::string {
            if (std::find(row.failing.begin(), row.failing.end(), folder) == row.failing.end()) return {};
            return "cause " + std::to_string(std::find(folders.begin(), folders.end(), folder) - folders.begin() + 1);
        };
        std::string chosen;
        try {
            chosen = ChooseScratchFolder(folders, prepare);
        } catch (const Error& e) {
            chosen = e.what();
        }
        EXPECT_EQ(chosen, row.expected) << row.name;
    }
}

}  // namespace
}  // namespace tarnwick
