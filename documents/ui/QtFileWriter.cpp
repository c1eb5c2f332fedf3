#include "documents/ui/QtFileWriter.h"

#include "unit/Error.h"
#include "unit/ui/QtPorts.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#ifdef _WIN32
#include <QFileInfo>
#include <QSaveFile>
#else
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarnwick {

namespace {

[[noreturn]] void Fail(const std::string& path, const QString& reason) {
    throw Error("Cannot save file \"" + path + "\". " + reason.toStdString());
}

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

#ifdef _WIN32

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
    if (target.isDir()) Fail(path, SystemReason(EISDIR));
    if (!target.isFile()) Fail(path, "Not a regular file");
    QFile probe(target.filePath());
    if (!probe.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) Fail(path, probe.errorString());
}

// Why a write or the rename failed: the system's words (Qt leaves some
// failures, a file too large or a name too long for instance, without a text
// of its own).
QString ReasonOf(const QFileDevice& file) { return errno != 0 ? SystemReason(errno) : file.errorString(); }

void WriteAndReplace(const std::string& path, const QFileInfo& target, std::string_view bytes, NewFileAccess access) {
    // The new file would be renamed over the link's target; links need a
    // privilege on Windows, so removing one first leaves no gap worth the name.
    if (access == NewFileAccess::Private && target.isSymLink() && !QFile::remove(target.filePath()))
        Fail(path, "A symbolic link stands in its place");
    QSaveFile file(target.filePath());
    file.setDirectWriteFallback(false);  // never write into the original itself
    if (!file.open(QIODevice::WriteOnly)) Fail(path, file.errorString());
    // Until commit() the original is untouched; leaving without it removes the new file.
    const auto size = static_cast<qint64>(bytes.size());
    errno = 0;
    if (file.write(bytes.data(), size) != size || !file.flush()) Fail(path, ReasonOf(file));
    errno = 0;
    if (!file.commit()) Fail(path, ReasonOf(file));
}

#else

// The new file's name ends so, which tells anyone who finds one left by a
// crash what it is: the text of a save that never finished.
constexpr const char* kNewFileMark = ".tarnwick-save-";

// The new file's name beside the target: the target's name, cut at a whole
// character where the mark and six random letters would not fit the folder's
// limit, then the mark and the letters.
QByteArray NewFileName(const QByteArray& folder, const QByteArray& name) {
    long limit = ::pathconf(folder.constData(), _PC_NAME_MAX);
    if (limit <= 0) limit = 255;
    const qsizetype suffix = qsizetype(std::strlen(kNewFileMark)) + 6;
    qsizetype keep = std::min(name.size(), qsizetype(limit) - suffix);
    while (keep > 0 && keep < name.size() && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80)
        --keep;  // not inside a character
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray result = name.left(std::max<qsizetype>(keep, 0)) + kNewFileMark;
    for (int i = 0; i < 6; ++i) result += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
    return result;
}

// The new file: on Linux first without a name, so that a save killed while
// writing leaves nothing behind; it is named just before the rename. Removed
// unless it has been renamed over the target.
class NewFile {
public:
    NewFile(const std::string& path, QByteArray folder, QByteArray name, mode_t mode)
        : path_(path), folder_(std::move(folder)), name_(std::move(name)) {
#ifdef O_TMPFILE
        if (::access("/proc/self/fd", X_OK) == 0) {  // to name it
            fd_ = ::open(folder_.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
            if (fd_ >= 0) return;
            if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) Fail(path_, SystemReason(errno));
        }
#endif
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            named_ = folder_ + "/" + NewFileName(folder_, name_);
            fd_ = ::open(named_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd_ < 0 && errno != EEXIST) Fail(path_, SystemReason(errno));
        }
        if (fd_ < 0) Fail(path_, SystemReason(EEXIST));
    }
    ~NewFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!named_.isEmpty() && !renamed_) ::unlink(named_.constData());
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    int Handle() const { return fd_; }

    // Closes the file, which may report a delayed write's failure only now,
    // and renames it over the target.
    void CloseAndReplace() {
        Name();
        const int fd = std::exchange(fd_, -1);
        if (::close(fd) != 0) Fail(path_, SystemReason(errno));
        if (::rename(named_.constData(), (folder_ + "/" + name_).constData()) != 0) Fail(path_, SystemReason(errno));
        renamed_ = true;
    }

private:
    void Name() {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_);
        for (int attempt = 0; attempt < 100 && named_.isEmpty(); ++attempt) {
            const QByteArray candidate = folder_ + "/" + NewFileName(folder_, name_);
            if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, candidate.constData(), AT_SYMLINK_FOLLOW) == 0)
                named_ = candidate;
            else if (errno != EEXIST)
                Fail(path_, SystemReason(errno));
        }
        if (named_.isEmpty()) Fail(path_, SystemReason(EEXIST));
    }

    std::string path_;
    QByteArray folder_, name_;
    QByteArray named_;  // empty while the file has no name
    int fd_ = -1;
    bool renamed_ = false;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The folder's entry for the renamed file; a file system that cannot sync a
// folder is no failure: the file itself is already safe.
void SyncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The path's bytes go to the system as they are: a name need not be UTF-8
// here, and one that is not would come back from a QString as another name.
QByteArray Bytes(const std::string& path) { return QByteArray(path.data(), qsizetype(path.size())); }

QByteArray FolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray NameOf(const QByteArray& path) { return path.mid(path.lastIndexOf('/') + 1); }

QByteArray Joined(const QByteArray& folder, const QByteArray& name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// The file a save really replaces: the end of a chain of symbolic links, so the links stay.
QByteArray SaveTarget(QByteArray path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat link {};
        if (::lstat(path.constData(), &link) != 0 || !S_ISLNK(link.st_mode)) break;
        QByteArray to(qsizetype(std::max<off_t>(link.st_size, 255) + 1), '\0');
        const ssize_t length = ::readlink(path.constData(), to.data(), std::size_t(to.size()));
        if (length < 0 || length >= to.size()) break;  // gone or changed meanwhile: the write tells
        to.truncate(length);
        path = to.startsWith('/') ? to : Joined(FolderOf(path), to);
    }
    return path;
}

// A directory, device, pipe or socket is no script: a save would put a plain
// file in its place. A file the user may not write stays so, though the rename
// would replace it regardless: opening it for update, which changes nothing in
// it, asks the system.
void RefuseWhatMayNotBeReplaced(const std::string& path, const QByteArray& target) {
    struct stat status {};
    if (::stat(target.constData(), &status) != 0) return;
    if (S_ISDIR(status.st_mode)) Fail(path, SystemReason(EISDIR));
    if (!S_ISREG(status.st_mode)) Fail(path, "Not a regular file");
    const int probe = ::open(target.constData(), O_RDWR | O_CLOEXEC);
    if (probe < 0) Fail(path, SystemReason(errno));
    ::close(probe);
}

// The bytes go to a new file beside the target, which is synced to the disk
// and then renamed over the target: the rename replaces the file at once, so
// it holds the old bytes or the new, never a part. Written by hand rather than
// with QSaveFile, whose new file's name is the target's and seven characters
// more: a name near the system's limit could not be saved in place.
void WriteAndReplace(const std::string& path, const QByteArray& target, std::string_view bytes,
                     NewFileAccess access) {
    const QByteArray folder = FolderOf(target);
    const QByteArray name = NameOf(target);
    struct stat old {};
    const bool existed = ::stat(target.constData(), &old) == 0;
    // Only the owner may read it until it holds all the text and has the
    // permissions it keeps; a new file that others may read gets the user's
    // usual ones; a private one keeps these.
    const bool keepsMode = existed && access != NewFileAccess::Private;
    const mode_t mode = keepsMode || access != NewFileAccess::Usual ? 0600 : 0666;
    NewFile file(path, folder, name, mode);
    if (!WriteAll(file.Handle(), bytes)) Fail(path, SystemReason(errno));
    if (keepsMode && ::fchmod(file.Handle(), old.st_mode & 07777) != 0) Fail(path, SystemReason(errno));
    // The data must be on the disk before the rename can make it the target;
    // a file system that cannot sync has nothing to sync.
    if (::fsync(file.Handle()) != 0 && errno != EINVAL) Fail(path, SystemReason(errno));
    file.CloseAndReplace();
    SyncFolder(folder);
}

#endif

}  // namespace

void QtFileWriter::Replace(const std::string& path, std::string_view bytes, NewFileAccess access) {
    // A file of the program's own is replaced where it stands: a link planted
    // in its place must not send the text elsewhere.
    const bool own = access == NewFileAccess::Private;
#ifdef _WIN32
    const QFileInfo target = own ? QFileInfo(FromPath(path)) : SaveTarget(FromPath(path));
    const bool link = target.isSymLink();
#else
    const QByteArray target = own ? Bytes(path) : SaveTarget(Bytes(path));
    struct stat status {};
    const bool link = ::lstat(target.constData(), &status) == 0 && S_ISLNK(status.st_mode);
#endif
    if (!(own && link)) RefuseWhatMayNotBeReplaced(path, target);
    WriteAndReplace(path, target, bytes, access);
}

}  // namespace tarnwick
