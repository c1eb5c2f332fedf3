#include "run/ui/PrivateFolder.h"

#include "unit/ui/QtPorts.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <filesystem>

#ifdef _WIN32
#include <QTemporaryFile>
#else
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarnwick {

namespace {

std::string SystemReason(int error) { return std::strerror(error); }

// Writing is tried: permission bits do not tell on Windows, nor of a read-only disk.
std::string WhyNotWritable(const std::string& folder) {
#ifdef _WIN32
    QTemporaryFile probe(FromPath(folder) + "/.tarnwick-probe-XXXXXX");
    return probe.open() ? std::string() : probe.errorString().toStdString();
#else
    std::string probe = folder + "/.tarnwick-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return SystemReason(errno);
    ::close(fd);
    ::unlink(probe.c_str());
    return {};
#endif
}

std::string ExecutableFolder() { return ToPath(QCoreApplication::applicationDirPath()); }

// A folder of the program's own in a standard place; none where the place is unknown (no home).
std::string OwnFolderIn(QStandardPaths::StandardLocation place, const char* name) {
    const QString base = QStandardPaths::writableLocation(place);
    return base.isEmpty() ? std::string() : ToPath(base + "/" + name);
}

}  // namespace

std::vector<std::string> ScratchFolderCandidates() {
    std::vector<std::string> folders{ExecutableFolder()};
#ifdef _WIN32
    folders.push_back(OwnFolderIn(QStandardPaths::GenericDataLocation, "Tarnwick"));
    folders.push_back(ToPath(QDir::tempPath() + "/Tarnwick"));
#else
    folders.push_back(OwnFolderIn(QStandardPaths::GenericCacheLocation, "tarnwick"));
    if (const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"); runtime.startsWith('/'))
        folders.push_back(runtime.toStdString() + "/tarnwick");
    // Named after the user: the temporary folder is everyone's.
    folders.push_back(ToPath(QDir::tempPath()) + "/tarnwick-" + std::to_string(::getuid()));
#endif
    return folders;
}

std::string PrepareScratchFolderAt(const std::string& folder) {
    return folder == ExecutableFolder() ? WhyNotWritable(folder) : PreparePrivateFolder(folder);
}

std::string PreparePrivateFolder(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path parent = fs::path(folder).parent_path();
    if (!parent.empty() && !fs::exists(parent, ec) && !fs::create_directories(parent, ec) && ec) return ec.message();
#ifdef _WIN32
    if (!QDir().mkpath(FromPath(folder))) return SystemReason(EACCES);
#else
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return SystemReason(errno);
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0) return SystemReason(errno);
    if (S_ISLNK(status.st_mode)) return "A symbolic link stands in its place";
    if (!S_ISDIR(status.st_mode)) return SystemReason(ENOTDIR);
    if (status.st_uid != ::geteuid()) return "It belongs to another user";
    if ((status.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0) return SystemReason(errno);
#endif
    return WhyNotWritable(folder);
}

}  // namespace tarnwick
