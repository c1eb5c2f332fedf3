#pragma once

#include "help/Sitemap.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

struct chmFile;

namespace tarnwick {

// A compiled help file opened for reading: its pages, pictures, contents,
// index and context map. Paths inside it start with "/".
class ChmArchive {
public:
    // None when the file is missing or is not a compiled help file.
    static std::unique_ptr<ChmArchive> Open(const QString& path);
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    std::optional<QByteArray> Read(const QString& path) const;

    QString Title() const { return title_; }
    QString DefaultTopic() const { return defaultTopic_; }  // "/welcome.htm"; empty when it names none
    std::vector<SitemapEntry> Contents() const;
    std::vector<SitemapEntry> Index() const;
    // The topic a context number is mapped to, if the file maps it.
    std::optional<QString> ContextTopic(std::uint32_t context) const;

private:
    explicit ChmArchive(chmFile* file);
    void ReadSystem();
    std::vector<SitemapEntry> Sitemap(const QString& path, const char* extension) const;
    // The first object whose path ends the given path: compilers may store a
    // topic under the full path it had when it was compiled.
    std::optional<QString> Existing(QString path) const;

    chmFile* file_;
    QString title_;
    QString defaultTopic_;
    QString contentsFile_;
    QString indexFile_;
};

}  // namespace tarnwick
