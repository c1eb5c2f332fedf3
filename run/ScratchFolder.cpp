#include "run/ScratchFolder.h"

#include "unit/Error.h"

namespace tarnwick {

std::string ChooseScratchFolder(const std::vector<std::string>& folders, const FolderPreparer& prepare) {
    std::string reasons;
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        const std::string reason = prepare(folder);
        if (reason.empty()) return folder;
        reasons += (reasons.empty() ? "" : "; ") + ("\"" + folder + "\": " + reason);
    }
    throw Error("No folder can hold the script to run. " + reasons);
}

}  // namespace tarnwick
