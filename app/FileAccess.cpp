#include "app/FileAccess.h"

#include "app/Error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

namespace tarnwick {
namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string NameOf(const fs::path& path) {
#ifdef _WIN32
    const std::u8string name = path.filename().u8string();
    return std::string(name.begin(), name.end());
#else
    return path.filename().string();
#endif
}

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

// The file a save really replaces: the target of a symbolic link, so the link stays.
fs::path SaveTarget(const std::string& path) {
    std::error_code ec;
    fs::path target = PathOf(path);
    if (fs::is_symlink(target, ec)) {
        fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) return resolved;
    }
    return target;
}

// The start of a file name, short enough that a temporary name built on it
// stays within the system's limit however long the name is; a character of
// several bytes is never cut.
std::string NameStem(const std::string& name) {
    constexpr std::size_t kMaxStem = 100;
    if (name.size() <= kMaxStem) return name;
    std::size_t cut = kMaxStem;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    return name.substr(0, cut);
}

// Creates a new, empty file beside target that no other file uses.
FilePtr CreateTemporaryBeside(const fs::path& target, fs::path& tempPath, int& error) {
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string stem = NameStem(NameOf(target));
    std::random_device seed;
    std::mt19937 random(seed());
    error = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = dir / PathOf("." + stem + ".tarnwick-" + std::to_string(random() % 1000000) + ".tmp");
        errno = 0;
        // "x": fail instead of reusing a file that already exists.
        if (std::FILE* f = OpenFile(tempPath, "wbx")) return FilePtr(f);
        error = errno;
        if (error != EEXIST) break;
    }
    return nullptr;
}

// A directory, or a device, pipe or socket, is no script: reading one could
// wait for ever or never end, and a save would put a plain file in its place.
// A path that does not exist is left to the open that follows.
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

std::string ReadFileBytes(const std::string& path) {
    const char* kWhat = "Cannot open file";
    RefuseAllButPlainFiles(kWhat, path, PathOf(path));
    errno = 0;
    FilePtr file(OpenFile(PathOf(path), "rb"));
    if (!file) Fail(kWhat, path, SystemReason(errno ? errno : ENOENT));
    std::string bytes;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
    if (std::ferror(file.get())) Fail(kWhat, path, SystemReason(errno ? errno : EIO));
    return bytes;
}

void WriteFileSafely(const std::string& path, std::string_view bytes) {
    const char* kWhat = "Cannot save file";
    const fs::path target = SaveTarget(path);
    std::error_code ec;
    RefuseAllButPlainFiles(kWhat, path, target);
    // A file the user may not write stays so: the rename below would replace
    // it regardless. Opening it for update changes nothing in it.
    if (fs::exists(target, ec)) {
        errno = 0;
        FilePtr probe(OpenFile(target, "r+b"));
        if (!probe) Fail(kWhat, path, SystemReason(errno ? errno : EACCES));
    }

    fs::path tempPath;
    int error = 0;
    FilePtr temp = CreateTemporaryBeside(target, tempPath, error);
    if (!temp) Fail(kWhat, path, SystemReason(error ? error : EACCES));

    auto discard = [&](const std::string& reason) {
        temp.reset();
        std::error_code ignored;
        fs::remove(tempPath, ignored);
        Fail(kWhat, path, reason);
    };
    // The original's permissions before any of the text is written, so a
    // script only its owner may read is never readable by others meanwhile.
    const fs::file_status original = fs::status(target, ec);
    if (!ec && fs::exists(original))
        fs::permissions(tempPath, original.permissions(), fs::perm_options::replace, ec);

    errno = 0;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), temp.get()) != bytes.size())
        discard(SystemReason(errno ? errno : EIO));
    if (std::fflush(temp.get()) != 0) discard(SystemReason(errno ? errno : EIO));
    // Closing reports a write the system could not complete (a full disk, say).
    if (std::fclose(temp.release()) != 0) discard(SystemReason(errno ? errno : EIO));

    fs::rename(tempPath, target, ec);
    if (ec) discard(ec.message());
}

void DeleteFileQuietly(const std::string& path) {
    std::error_code ignored;
    fs::remove(PathOf(path), ignored);
}

}  // namespace tarnwick
