#include "app/ui/QtFileWriter.h"

#include "app/Error.h"
#include "app/ui/QtPorts.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarnwick {

namespace {

[[noreturn]] void Fail(const std::string& path, const QString& reason) {
    throw Error("Cannot save file \"" + path + "\". " + reason.toStdString());
}

// Why a write or the rename failed: the system's words (Qt leaves some
// failures, a file too large or a name too long for instance, without a text
// of its own).
QString ReasonOf(const QFileDevice& file) {
    return errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
}

// The file a save really replaces: the end of a chain of symbolic links, so the links stay.
QFileInfo SaveTarget(const QString& path) {
    QFileInfo target(path);
    for (int hops = 0; hops < 40 && target.isSymLink(); ++hops) target.setFile(target.symLinkTarget());
    return target;
}

// A directory, device, pipe or socket is no script: a save would put a plain
// file in its place. A file the user may not write stays so, though the rename
// would replace it regardless: opening it for update, which changes nothing in
// it, asks the system.
void RefuseWhatMayNotBeReplaced(const std::string& path, const QFileInfo& target) {
    if (!target.exists()) return;
    if (target.isDir()) Fail(path, QString::fromLocal8Bit(std::strerror(EISDIR)));
    if (!target.isFile()) Fail(path, "Not a regular file");
    QFile probe(target.filePath());
    if (!probe.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) Fail(path, probe.errorString());
}

#ifndef _WIN32
// Makes the file's data durable before the rename can make it the target;
// QSaveFile syncs too, but passes over a failure.
bool SyncToDisk(QSaveFile& file) {
    if (::fsync(file.handle()) == 0) return true;
    return errno == EINVAL;  // a file system that cannot sync has nothing to sync
}

// The folder's entry for the renamed file; a file system that cannot sync a
// folder is no failure: the file itself is already safe.
void SyncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}
#endif

}  // namespace

void QtFileWriter::Replace(const std::string& path, std::string_view bytes,
                           [[maybe_unused]] NewFileAccess access) {
    const QFileInfo target = SaveTarget(FromPath(path));
    RefuseWhatMayNotBeReplaced(path, target);
    [[maybe_unused]] const bool existed = target.exists();

    QSaveFile file(target.filePath());
    file.setDirectWriteFallback(false);  // never write into the original itself
    if (!file.open(QIODevice::WriteOnly)) Fail(path, file.errorString());
#ifndef _WIN32
    // Before any of the text is in it, so that no one else may read it meanwhile.
    if (!existed && access == NewFileAccess::OwnerOnly && ::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0)
        Fail(path, QString::fromLocal8Bit(std::strerror(errno)));
#endif

    // Until commit() the original is untouched; leaving without it removes the new file.
    const auto size = static_cast<qint64>(bytes.size());
    errno = 0;
    if (file.write(bytes.data(), size) != size || !file.flush()) Fail(path, ReasonOf(file));
#ifndef _WIN32
    if (!SyncToDisk(file)) Fail(path, QString::fromLocal8Bit(std::strerror(errno)));
#endif
    errno = 0;
    if (!file.commit()) Fail(path, ReasonOf(file));
#ifndef _WIN32
    SyncFolder(target.absolutePath());
#endif
}

}  // namespace tarnwick
