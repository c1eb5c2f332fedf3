#pragma once

#include "app/Ports.h"

namespace tarnwick {

// Writes through QSaveFile: the bytes go to a new file beside the target, are
// flushed and synced to the disk, and the new file is renamed over the target;
// then the folder is synced too, so that the rename itself outlives a power cut.
class QtFileWriter : public FileWriter {
public:
    void Replace(const std::string& path, std::string_view bytes, NewFileAccess access) override;
};

}  // namespace tarnwick
