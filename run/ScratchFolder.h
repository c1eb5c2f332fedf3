#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tarnwick {

// Makes a folder ready to hold the scratch script: an empty text when it is,
// otherwise the reason it cannot be ("Read-only file system").
using FolderPreparer = std::function<std::string(const std::string& folder)>;

// The first of the folders, in order, that can be made ready; empty ones are
// passed over. When none can, throws Error naming every folder tried with its
// reason: the last one's alone would hide the cause the user can mend.
std::string ChooseScratchFolder(const std::vector<std::string>& folders, const FolderPreparer& prepare);

}  // namespace tarnwick
