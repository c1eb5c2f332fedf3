#include "help/ui/ChmHelpWindow.h"

#include "unit/ui/QtPorts.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnwick {
namespace {

constexpr const char* kScheme = "chm";
constexpr int kTopicRole = Qt::UserRole;
// The frame a window manager puts round the window, at most: known only once shown.
constexpr int kFrameWidth = 16, kFrameHeight = 48;

QString Topic(const SitemapEntry& entry) { return FromAnsi(entry.local); }

void AddContents(const std::vector<SitemapEntry>& entries, QTreeWidgetItem* parent, QTreeWidget* tree,
                 const QIcon& book, const QIcon& page) {
    for (const SitemapEntry& entry : entries) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, FromAnsi(entry.name));
        item->setData(0, kTopicRole, Topic(entry));
        item->setIcon(0, entry.children.empty() ? page : book);
        AddContents(entry.children, item, tree, book, page);
    }
}

void AddIndex(const std::vector<SitemapEntry>& entries, int level, QListWidget* list) {
    for (const SitemapEntry& entry : entries) {
        auto* item = new QListWidgetItem(QString(level * 4, ' ') + FromAnsi(entry.name), list);
        item->setData(kTopicRole, Topic(entry));
        AddIndex(entry.children, level + 1, list);
    }
}

}  // namespace

ChmBrowser::ChmBrowser(const ChmArchive& archive, QWidget* parent) : QTextBrowser(parent), archive_(archive) {
    setObjectName("HelpTopic");
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &ChmBrowser::Follow);
}

QUrl ChmBrowser::TopicUrl(const QString& topic) {
    QString path = topic;
    path.replace('\\', '/');
    if (!path.startsWith('/')) path.prepend('/');
    QUrl url;
    url.setScheme(kScheme);
    const qsizetype hash = path.indexOf('#');
    url.setPath(hash < 0 ? path : path.left(hash));
    if (hash >= 0) url.setFragment(path.mid(hash + 1));
    return url;
}

QVariant ChmBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() != kScheme) return QTextBrowser::loadResource(type, name);
    return archive_.Read(url.path()).value_or(QByteArray());
}

void ChmBrowser::Follow(const QUrl& link) {
    const QUrl url = link.isRelative() ? source().resolved(link) : link;
    if (url.scheme() == kScheme) setSource(url);
    else QDesktopServices::openUrl(url);  // web pages and mail addresses
}

ChmHelpWindow::ChmHelpWindow(std::unique_ptr<ChmArchive> archive, const QString& path, QWidget* owner)
    : QWidget(owner, Qt::Window), archive_(std::move(archive)), path_(path) {
    setObjectName("HelpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(archive_->Title().isEmpty() ? QFileInfo(path).completeBaseName() : archive_->Title());
    resize(980, 700);  // the pages' pictures (663 pixels wide) fit beside the contents

    Browser = new ChmBrowser(*archive_, this);

    auto* bar = new QToolBar(this);
    bar->setObjectName("HelpToolBar");
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), "Back", Browser, &QTextBrowser::backward);
    back->setObjectName("HelpBack");
    QAction* forward =
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), "Forward", Browser, &QTextBrowser::forward);
    forward->setObjectName("HelpForward");
    QAction* home =
        bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), "Home", this, [this] { ShowTopic(FirstTopic()); });
    home->setObjectName("HelpHome");
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(Browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    Tabs = new QTabWidget(this);
    Tabs->setObjectName("HelpTabs");
    ContentsTree = new QTreeWidget(Tabs);
    ContentsTree->setObjectName("HelpContents");
    ContentsTree->setHeaderHidden(true);
    Tabs->addTab(ContentsTree, "Contents");

    auto* indexPage = new QWidget(Tabs);
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->addWidget(new QLabel("Type in the keyword to find:", indexPage));
    IndexKeyword = new QLineEdit(indexPage);
    IndexKeyword->setObjectName("HelpIndexKeyword");
    indexLayout->addWidget(IndexKeyword);
    IndexList = new QListWidget(indexPage);
    IndexList->setObjectName("HelpIndex");
    indexLayout->addWidget(IndexList);
    auto* display = new QPushButton("&Display", indexPage);
    indexLayout->addWidget(display, 0, Qt::AlignRight);
    Tabs->addTab(indexPage, "Index");

    auto* splitter = new QSplitter(this);
    splitter->addWidget(Tabs);
    splitter->addWidget(Browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 740});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(splitter);

    // Tab reaches the buttons, the contents or index and the page, in the order they stand; Escape and Ctrl+W close.
    QWidget* previous = nullptr;
    for (QWidget* next : {bar->widgetForAction(back), bar->widgetForAction(forward), bar->widgetForAction(home),
                          static_cast<QWidget*>(Tabs), static_cast<QWidget*>(ContentsTree),
                          static_cast<QWidget*>(IndexKeyword), static_cast<QWidget*>(IndexList),
                          static_cast<QWidget*>(display), static_cast<QWidget*>(Browser)}) {
        if (next->focusPolicy() == Qt::NoFocus) next->setFocusPolicy(Qt::TabFocus);
        if (previous) setTabOrder(previous, next);
        previous = next;
    }
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        new QShortcut(keys, this, this, &QWidget::close);

    FillContents();
    FillIndex();
    connect(ContentsTree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QString topic = item->data(0, kTopicRole).toString();
        if (!topic.isEmpty()) ShowTopic(topic);
        else item->setExpanded(!item->isExpanded());
    });
    connect(Browser, &QTextBrowser::sourceChanged, this, &ChmHelpWindow::SelectShownTopic);
    connect(IndexKeyword, &QLineEdit::textEdited, this, &ChmHelpWindow::SelectIndexEntry);
    connect(IndexKeyword, &QLineEdit::returnPressed, this, [this] { ShowIndexEntry(IndexList->currentItem()); });
    connect(IndexList, &QListWidget::itemActivated, this, &ChmHelpWindow::ShowIndexEntry);
    connect(display, &QPushButton::clicked, this, [this] { ShowIndexEntry(IndexList->currentItem()); });
}

// The page view reads from the archive: it goes first.
ChmHelpWindow::~ChmHelpWindow() { delete Browser; }

void ChmHelpWindow::FillContents() {
    AddContents(archive_->Contents(), nullptr, ContentsTree, style()->standardIcon(QStyle::SP_DirIcon),
                style()->standardIcon(QStyle::SP_FileIcon));
    ContentsTree->expandAll();
}

void ChmHelpWindow::FillIndex() { AddIndex(archive_->Index(), 0, IndexList); }

QString ChmHelpWindow::FirstTopic() const {
    if (!archive_->DefaultTopic().isEmpty()) return archive_->DefaultTopic();
    for (QTreeWidgetItemIterator it(ContentsTree); *it; ++it)
        if (const QString topic = (*it)->data(0, kTopicRole).toString(); !topic.isEmpty()) return topic;
    return {};
}

void ChmHelpWindow::ShowFirstTopicIfEmpty() {
    if (Browser->source().isEmpty()) ShowTopic(FirstTopic());
}

void ChmHelpWindow::ShowContents() {
    Tabs->setCurrentIndex(0);
    ShowFirstTopicIfEmpty();
}

bool ChmHelpWindow::ShowTopic(const QString& topic) {
    const QUrl url = ChmBrowser::TopicUrl(topic);
    if (topic.isEmpty() || !archive_->Read(url.path())) return false;
    Browser->setSource(url);
    return true;
}

void ChmHelpWindow::FitOnScreen(const QRect& available, const QWidget* owner) {
    resize(size().boundedTo(available.size() - QSize(kFrameWidth, kFrameHeight)).expandedTo(minimumSizeHint()));
    QRect frame(QPoint(), size() + QSize(kFrameWidth, kFrameHeight));
    frame.moveCenter(owner ? owner->frameGeometry().center() : available.center());
    frame.moveRight(std::min(frame.right(), available.right()));
    frame.moveBottom(std::min(frame.bottom(), available.bottom()));
    frame.moveLeft(std::max(frame.left(), available.left()));
    frame.moveTop(std::max(frame.top(), available.top()));
    move(frame.topLeft());
}

// The contents entry of the page shown, the one with its anchor when there is one.
void ChmHelpWindow::SelectShownTopic(const QUrl& shown) {
    QTreeWidgetItem* page = nullptr;
    for (QTreeWidgetItemIterator it(ContentsTree); *it; ++it) {
        const QUrl url = ChmBrowser::TopicUrl((*it)->data(0, kTopicRole).toString());
        if (url.path().compare(shown.path(), Qt::CaseInsensitive) != 0) continue;
        if (url.fragment() == shown.fragment()) {
            page = *it;
            break;
        }
        if (!page) page = *it;
    }
    ContentsTree->setCurrentItem(page);
    if (page) ContentsTree->scrollToItem(page);
}

void ChmHelpWindow::ShowIndex(const QString& keyword) {
    Tabs->setCurrentIndex(1);
    IndexKeyword->setText(keyword);
    // Only an entry that begins with the keyword is shown; otherwise the nearest
    // one is merely selected, so an unknown word never shows an unrelated topic.
    if (SelectIndexEntry(keyword)) ShowIndexEntry(IndexList->currentItem());
    ShowFirstTopicIfEmpty();
}

// The first entry that begins with the keyword, else the last one before it in order.
bool ChmHelpWindow::SelectIndexEntry(const QString& keyword) {
    const QString wanted = keyword.trimmed();
    if (wanted.isEmpty()) return false;
    QListWidgetItem* nearest = nullptr;
    for (int i = 0; i < IndexList->count(); ++i) {
        QListWidgetItem* item = IndexList->item(i);
        const QString name = item->text().trimmed();
        if (name.startsWith(wanted, Qt::CaseInsensitive)) {
            IndexList->setCurrentItem(item);
            IndexList->scrollToItem(item, QAbstractItemView::PositionAtTop);
            return true;
        }
        if (!nearest || name.compare(wanted, Qt::CaseInsensitive) < 0) nearest = item;
    }
    IndexList->setCurrentItem(nearest);
    if (nearest) IndexList->scrollToItem(nearest, QAbstractItemView::PositionAtTop);
    return false;
}

void ChmHelpWindow::ShowIndexEntry(QListWidgetItem* item) {
    if (item) ShowTopic(item->data(kTopicRole).toString());
}

}  // namespace tarnwick
