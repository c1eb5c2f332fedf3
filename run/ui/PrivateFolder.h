#pragma once

#include <string>
#include <vector>

namespace tarnwick {

// Where the scratch script may go, in order: beside the executable (where the
// design puts it), then folders of the user's own: the cache folder, the
// runtime folder ($XDG_RUNTIME_DIR) and one in the system's temporary folder.
// A folder that does not apply (no runtime folder) is left out.
std::vector<std::string> ScratchFolderCandidates();

// Makes a candidate ready: the executable's folder must take a new file; the
// others are private folders (PreparePrivateFolder). An empty text when it is
// ready, otherwise the system's reason.
std::string PrepareScratchFolderAt(const std::string& folder);

// Makes the folder, and its missing parents, and keeps it for the user alone
// (0700). One that stands already must be a folder, no link, owned by the
// user: in a shared place such as the temporary folder another user could
// have made it first, to read the scripts or to put their own in their place.
// Then a new file must be possible in it (a read-only disk). An empty text
// when all holds, otherwise why not.
std::string PreparePrivateFolder(const std::string& folder);

}  // namespace tarnwick
