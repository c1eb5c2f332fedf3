#pragma once

#include "help/ui/ChmArchive.h"

#include <QTextBrowser>
#include <QWidget>

#include <memory>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarnwick {

// Shows the pages of a compiled help file, with their pictures; links between
// them are followed, others go to the desktop's handlers.
class ChmBrowser : public QTextBrowser {
    Q_OBJECT
public:
    ChmBrowser(const ChmArchive& archive, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

    // The page address of a topic inside the file: "chm:///menus.htm#file".
    static QUrl TopicUrl(const QString& topic);

private:
    void Follow(const QUrl& link);

    const ChmArchive& archive_;
};

// The help window of one compiled help file: contents and index beside the
// topic, with Back, Forward and Home.
class ChmHelpWindow : public QWidget {
    Q_OBJECT
public:
    ChmHelpWindow(std::unique_ptr<ChmArchive> archive, const QString& path, QWidget* owner);
    ~ChmHelpWindow() override;

    const ChmArchive& Archive() const { return *archive_; }
    QString Path() const { return path_; }

    // The contents beside the first topic (the one shown stays).
    void ShowContents();
    // A topic by its path inside the file; false when the file has none such.
    bool ShowTopic(const QString& topic);
    // The index with the entry nearest the keyword chosen and its topic shown.
    void ShowIndex(const QString& keyword);
    // Sizes and places the window inside the screen's free area (beside a
    // panel or task bar), centred on the owner when there is one.
    void FitOnScreen(const QRect& available, const QWidget* owner);

    QTabWidget* Tabs = nullptr;
    QTreeWidget* ContentsTree = nullptr;
    QLineEdit* IndexKeyword = nullptr;
    QListWidget* IndexList = nullptr;
    ChmBrowser* Browser = nullptr;

private:
    void FillContents();
    void FillIndex();
    // Whether an entry begins with the keyword.
    bool SelectIndexEntry(const QString& keyword);
    void ShowIndexEntry(QListWidgetItem* item);
    void ShowFirstTopicIfEmpty();
    void SelectShownTopic(const QUrl& shown);
    QString FirstTopic() const;

    std::unique_ptr<ChmArchive> archive_;
    QString path_;
};

}  // namespace tarnwick
