#pragma once

#include "documents/FileAccess.h"
#include "unit/Error.h"
#include "unit/Ports.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace tarnwick::fakes {

// Writes files plainly, with none of the real writer's care, and records each
// write. A scripted failure throws what the real writer throws and leaves the
// file as it was.
class FakeFileWriter : public FileWriter {
public:
    struct Write {
        std::string path;
        NewFileAccess access;
    };

    void Replace(const std::string& path, std::string_view bytes, NewFileAccess access) override {
        ++calls;
        if (failure) Fail(path, *failure);
        errno = 0;
        std::ofstream out(PathOf(path), std::ios::binary | std::ios::trunc);
        if (!out) Fail(path, std::strerror(errno ? errno : EACCES));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        writes.push_back({path, access});
    }

    std::optional<std::string> failure;  // the system's reason every write fails with
    std::vector<Write> writes;  // those that succeeded
    int calls = 0;              // every write asked for, failed ones too

private:
    [[noreturn]] static void Fail(const std::string& path, const std::string& reason) {
        throw Error("Cannot save file \"" + path + "\". " + reason);
    }
};

}  // namespace tarnwick::fakes
