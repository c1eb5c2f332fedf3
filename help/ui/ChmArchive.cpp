#include "help/ui/ChmArchive.h"

#include "unit/ui/QtPorts.h"

#include <QFile>

#include <algorithm>

#include <chm_lib.h>

namespace tarnwick {
namespace {

std::uint32_t Dword(const QByteArray& data, qsizetype at) {
    if (at < 0 || at + 4 > data.size()) return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData() + at);
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

unsigned Word(const QByteArray& data, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData() + at);
    return p[0] | p[1] << 8;
}

// A zero-terminated text of the code page.
QString Text(const QByteArray& bytes) {
    const qsizetype zero = bytes.indexOf('\0');
    return FromAnsi(bytes.left(zero < 0 ? bytes.size() : zero).toStdString());
}

QString Rooted(const QString& path) { return path.startsWith('/') ? path : '/' + path; }

}  // namespace

std::unique_ptr<ChmArchive> ChmArchive::Open(const QString& path) {
    if (!QFile::exists(path)) return nullptr;
    chmFile* file = chm_open(QFile::encodeName(path).constData());
    if (!file) return nullptr;
    std::unique_ptr<ChmArchive> archive(new ChmArchive(file));
    archive->ReadSystem();
    return archive;
}

ChmArchive::ChmArchive(chmFile* file) : file_(file) {}

ChmArchive::~ChmArchive() { chm_close(file_); }

std::optional<QByteArray> ChmArchive::Read(const QString& path) const {
    const QByteArray name = QFile::encodeName(Rooted(path));
    chmUnitInfo info{};
    if (chm_resolve_object(file_, name.constData(), &info) != CHM_RESOLVE_SUCCESS) return std::nullopt;
    // The length is the file's own claim: a damaged file must not make us
    // reserve gigabytes. No page or picture of a help file comes near this.
    constexpr LONGUINT64 kLargestObject = 64 * 1024 * 1024;
    if (info.length > kLargestObject) return std::nullopt;
    QByteArray data(static_cast<qsizetype>(info.length), Qt::Uninitialized);
    const LONGINT64 read =
        chm_retrieve_object(file_, &info, reinterpret_cast<unsigned char*>(data.data()), 0, info.length);
    if (read < 0) return std::nullopt;
    data.truncate(static_cast<qsizetype>(read));
    return data;
}

// #SYSTEM: a version, then records of a 16-bit code, a 16-bit length and the data.
void ChmArchive::ReadSystem() {
    const QByteArray system = Read("/#SYSTEM").value_or(QByteArray());
    for (qsizetype at = 4; at + 4 <= system.size();) {
        const unsigned code = Word(system, at);
        const qsizetype length = Word(system, at + 2);
        const QString value = Text(system.mid(at + 4, length));
        switch (code) {
        case 0: contentsFile_ = Rooted(value); break;
        case 1: indexFile_ = Rooted(value); break;
        case 2: defaultTopic_ = value.isEmpty() ? QString() : Rooted(value); break;
        case 3: title_ = value; break;
        default: break;
        }
        at += 4 + length;
    }
}

std::vector<SitemapEntry> ChmArchive::Contents() const { return Sitemap(contentsFile_, ".hhc"); }
std::vector<SitemapEntry> ChmArchive::Index() const { return Sitemap(indexFile_, ".hhk"); }

std::vector<SitemapEntry> ChmArchive::Sitemap(const QString& path, const char* extension) const {
    std::optional<QByteArray> data = path.isEmpty() ? std::nullopt : Read(path);
    if (!data) {
        // Without a record in #SYSTEM, the first sitemap of its kind at the top.
        struct Search {
            QString extension;
            QString found;
        } search{extension, {}};
        chm_enumerate_dir(
            file_, "/", CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES,
            [](chmFile*, chmUnitInfo* info, void* context) {
                auto* s = static_cast<Search*>(context);
                const QString name = QFile::decodeName(info->path);
                if (!name.endsWith(s->extension, Qt::CaseInsensitive)) return CHM_ENUMERATOR_CONTINUE;
                s->found = name;
                return CHM_ENUMERATOR_SUCCESS;
            },
            &search);
        if (!search.found.isEmpty()) data = Read(search.found);
    }
    return data ? ParseSitemap(data->toStdString()) : std::vector<SitemapEntry>{};
}

std::optional<QString> ChmArchive::Existing(QString path) const {
    for (;;) {
        chmUnitInfo info{};
        if (chm_resolve_object(file_, QFile::encodeName(Rooted(path)).constData(), &info) == CHM_RESOLVE_SUCCESS)
            return Rooted(path);
        const qsizetype slash = path.indexOf('/', 1);
        if (slash < 0) return std::nullopt;
        path = path.mid(slash);
    }
}

// #IVB: its byte length, then pairs of a context number and an offset into #STRINGS.
std::optional<QString> ChmArchive::ContextTopic(std::uint32_t context) const {
    const QByteArray map = Read("/#IVB").value_or(QByteArray());
    const QByteArray strings = Read("/#STRINGS").value_or(QByteArray());
    const qsizetype end = std::min<qsizetype>(map.size(), 4 + static_cast<qsizetype>(Dword(map, 0)));
    for (qsizetype at = 4; at + 8 <= end; at += 8) {
        if (Dword(map, at) != context) continue;
        const std::uint32_t offset = Dword(map, at + 4);
        if (offset >= static_cast<std::uint32_t>(strings.size())) return std::nullopt;
        QString topic = Text(strings.mid(offset)).replace('\\', '/');
        return Existing(Rooted(topic));
    }
    return std::nullopt;
}

}  // namespace tarnwick
