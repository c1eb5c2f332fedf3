#include "documents/FileAccess.h"

#include "unit/Error.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace tarnwick {
namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::FILE* OpenFile(const fs::path& path, const char* mode) {
#ifdef _WIN32
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(path.c_str(), wideMode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

[[noreturn]] void Fail(const char* what, const std::string& path, const std::string& reason) {
    throw Error(std::string(what) + " \"" + path + "\". " + reason);
}

std::string SystemReason(int error) { return std::strerror(error); }

// A directory, or a device, pipe or socket, is no script: reading one could
// wait for ever or never end. A path that does not exist is left to the open
// that follows.
void RefuseAllButPlainFiles(const char* what, const std::string& path, const fs::path& file) {
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (ec || !fs::exists(status) || fs::is_regular_file(status)) return;
    Fail(what, path, fs::is_directory(status) ? SystemReason(EISDIR) : "Not a regular file");
}

}  // namespace

fs::path PathOf(const std::string& path) {
#ifdef _WIN32
    return fs::path(std::u8string(path.begin(), path.end()));
#else
    return fs::path(path);
#endif
}

std::string AbsolutePath(const std::string& path) {
    if (path.empty()) return path;
    std::error_code ec;
    const fs::path whole = fs::absolute(PathOf(path), ec);
    if (ec) return path;
#ifdef _WIN32
    const std::u8string text = whole.lexically_normal().u8string();
    return std::string(text.begin(), text.end());
#else
    return whole.lexically_normal().string();
#endif
}

std::string ReadFileBytes(const std::string& path) {
    const char* kWhat = "Cannot open file";
    RefuseAllButPlainFiles(kWhat, path, PathOf(path));
    errno = 0;
    FilePtr file(OpenFile(PathOf(path), "rb"));
    if (!file) Fail(kWhat, path, SystemReason(errno ? errno : ENOENT));
    // Read straight into a block of the file's size and a thirty-second more:
    // the editor takes the bytes over, and its first pass over the whole
    // document grows them in place. A file that grows meanwhile is read to its end.
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(PathOf(path), ec);
    if (!ec && size > kMaxFileBytes) Fail(kWhat, path, SystemReason(EFBIG));
    std::string bytes;
    if (!ec) bytes.reserve(static_cast<std::size_t>(size + size / 32 + 64));
    std::size_t used = 0;
    for (;;) {
        bytes.resize(std::max(bytes.capacity(), used + 65536));
        const std::size_t got = std::fread(bytes.data() + used, 1, bytes.size() - used, file.get());
        used += got;
        if (used > kMaxFileBytes) Fail(kWhat, path, SystemReason(EFBIG));  // it grew meanwhile
        if (got == 0 || used < bytes.size()) break;
    }
    if (std::ferror(file.get())) Fail(kWhat, path, SystemReason(errno ? errno : EIO));
    bytes.resize(used);
    return bytes;
}

void DeleteFileQuietly(const std::string& path) {
    std::error_code ignored;
    fs::remove(PathOf(path), ignored);
}

}  // namespace tarnwick
