#include "documents/DiskWatch.h"

#include "documents/FileAccess.h"
#include "unit/Error.h"

#include <functional>
#include <system_error>

namespace tarnwick {

namespace fs = std::filesystem;

FileStamp StampOf(const std::string& path) {
    std::error_code ec;
    const fs::path file = PathOf(path);
    FileStamp stamp;
    stamp.size = fs::file_size(file, ec);
    if (ec) return {};
    stamp.time = fs::last_write_time(file, ec);
    if (ec) return {};
    stamp.exists = true;
    return stamp;
}

std::size_t DiskWatch::HashOf(std::string_view bytes) { return std::hash<std::string_view>{}(bytes); }

void DiskWatch::RememberHash(const std::string& path, std::size_t hash) {
    path_ = path;
    stamp_ = StampOf(path);
    hash_ = hash;
    seen_ = stamp_;
    seenChanged_ = false;
    declinedHash_.reset();
}

void DiskWatch::Forget() {
    path_.clear();
    declinedHash_.reset();
    seenChanged_ = false;
}

bool DiskWatch::Changed(const std::string& path) {
    if (path_.empty() || path != path_) return false;
    const FileStamp now = StampOf(path);
    if (!now.exists) return false;
    if (now == stamp_) return false;
    if (now == seen_) return seenChanged_;  // looked at already: not read again
    std::string bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const Error&) {
        return false;  // unreadable for now; the next check looks again
    }
    seen_ = now;
    seenHash_ = HashOf(bytes);
    seenChanged_ = seenHash_ != hash_;
    if (!seenChanged_) {  // the same bytes under a new stamp: a later change is news again
        stamp_ = now;
        declinedHash_.reset();
    }
    return seenChanged_;
}

}  // namespace tarnwick
