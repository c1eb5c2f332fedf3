#pragma once

#include "unit/Ports.h"

namespace tarnwick {

// Writes a new file beside the target, named after it and marked as a save's
// (".tarnwick-save-" and six letters; QSaveFile's name on Windows), syncs it to
// the disk and renames it over the target; then the folder is synced too, so
// that the rename itself outlives a power cut. On Linux the new file has no
// name until it is whole, so a save killed right before its rename leaves a
// whole copy behind (elsewhere a killed save may leave a part): the program
// never deletes one later, since it may hold the only copy of the user's text.
class QtFileWriter : public FileWriter {
public:
    void Replace(const std::string& path, std::string_view bytes, NewFileAccess access) override;
};

}  // namespace tarnwick
