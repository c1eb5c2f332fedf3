#include "unit/ui/ScreenFit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHash>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QMoveEvent>
#include <QWindow>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <span>

namespace tarnwick {

QRect FitInside(const QRect& frame, const QRect& available) {
    QRect fitted = frame;
    if (fitted.right() > available.right()) fitted.moveRight(available.right());
    if (fitted.bottom() > available.bottom()) fitted.moveBottom(available.bottom());
    if (fitted.left() < available.left()) fitted.moveLeft(available.left());
    if (fitted.top() < available.top()) fitted.moveTop(available.top());
    fitted.setWidth(std::min(fitted.width(), available.width()));
    fitted.setHeight(std::min(fitted.height(), available.height()));
    return fitted;
}

QRect AvailableArea(const QRect& frame) {
    if (const QScreen* under = QGuiApplication::screenAt(frame.center())) return under->availableGeometry();
    const QScreen* best = QGuiApplication::primaryScreen();
    long long bestOverlap = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect overlap = screen->geometry().intersected(frame);
        const long long area = static_cast<long long>(overlap.width()) * overlap.height();
        if (area > bestOverlap) {
            bestOverlap = area;
            best = screen;
        }
    }
    return best ? best->availableGeometry() : frame;
}

void KeepOnScreen(QWidget* window) {
    if (!window || !window->isWindow() || window->isMaximized() || window->isFullScreen() || window->isMinimized())
        return;
    const QRect frame = window->frameGeometry();
    QRect available = AvailableArea(frame);
    // At a scale such as 1.5 the frame's pixels are rounded to whole logical ones: a pixel to spare keeps it inside.
    const qreal scale = window->devicePixelRatioF();
    if (scale != std::floor(scale)) available.adjust(0, 0, -1, -1);
    if (FitInside(frame, available) == frame) return;  // stored places that fit stay exactly as they are
    const QSize frameExtra = frame.size() - window->size();
    if (frame.width() > available.width() || frame.height() > available.height())
        window->resize((frame.size().boundedTo(available.size()) - frameExtra).expandedTo(QSize(1, 1)));
    // A window that cannot shrink (a fixed-size dialog) keeps at least its title bar in reach.
    const QRect sized(frame.topLeft(), window->size() + frameExtra);
    window->move(FitInside(sized, available).topLeft());
}

namespace {

bool HasFrame(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle && !handle->frameMargins().isNull();
}

// A window manager that starts after a window is shown (on a loaded desktop,
// or at the start of a session) frames it without moving it, and no event
// tells the window: its frame geometry stays stale. A look every tenth of a
// second for half a minute finds the frame; a move event to its native window
// has the frame geometry read again, and one to the window itself runs every
// fitting that follows moves.
void AnnounceLateFrame(QWidget* window) {
    static constexpr int kLookMs = 100;
    static constexpr int kGiveUpMs = 30000;
    static const QString kName = QStringLiteral("lateFrameLook");
    if (window->findChild<QTimer*>(kName, Qt::FindDirectChildrenOnly)) return;  // shown again while looking
    auto* look = new QTimer(window);
    look->setObjectName(kName);
    QObject::connect(look, &QTimer::timeout, window, [look, window, giveUp = QDeadlineTimer(kGiveUpMs)] {
        const bool framed = HasFrame(window);
        if (!framed && !giveUp.hasExpired()) return;
        look->stop();
        look->setObjectName(QString());
        look->deleteLater();
        if (!framed) return;
        QWindow* handle = window->windowHandle();
        QMoveEvent reread(handle->position(), handle->position());
        QCoreApplication::sendEvent(handle, &reread);
        const QPoint at = window->geometry().topLeft();
        QMoveEvent moved(at, at);
        QCoreApplication::sendEvent(window, &moved);
    });
    look->start(kLookMs);
}

// A window manager frames a window some time after it is shown, and the frame
// may push it out: for a while after the show, and after a late frame, each
// move or resize is checked.
class ScreenKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize) || !object->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(object);
        const Qt::WindowType kind = widget->windowType();
        if (!widget->isWindow() || (kind != Qt::Window && kind != Qt::Dialog)) return false;
        if (type == QEvent::Show) {
            if (!shown_.contains(widget))
                connect(widget, &QObject::destroyed, this, [this, widget] { shown_.remove(widget); });
            shown_.insert(widget, Watch{QDeadlineTimer(kSettlingMs), HasFrame(widget)});
            // Only X11 window managers frame a shown window without telling it.
            if (!HasFrame(widget) && QGuiApplication::platformName() == QLatin1String("xcb"))
                AnnounceLateFrame(widget);
        } else {
            auto it = shown_.find(widget);
            if (it == shown_.end()) return false;
            if (!it->framed && HasFrame(widget)) {
                *it = Watch{QDeadlineTimer(kSettlingMs), true};
            } else if (it->settling.hasExpired()) {
                // Placed: from now on the user moves it where they like. One
                // still without a frame is checked again when its frame comes.
                if (it->framed) shown_.erase(it);
                return false;
            }
        }
        // A frame may come without a move of the window itself: a few looks after the show catch it too.
        static constexpr int kAfterShow[] = {0, 100, 300, 1000};
        const std::span<const int> delays = type == QEvent::Show ? std::span<const int>(kAfterShow)
                                                                 : std::span<const int>(kAfterShow, 1);
        for (int delay : delays)
            QTimer::singleShot(delay, widget, [widget = QPointer<QWidget>(widget)] { KeepOnScreen(widget); });
        return false;
    }

private:
    struct Watch {
        QDeadlineTimer settling;
        bool framed = false;
    };

    static constexpr int kSettlingMs = 3000;
    QHash<QObject*, Watch> shown_;
};

}  // namespace

void KeepWindowsOnScreen(QApplication& app) {
    static QPointer<QObject> keeper;
    if (keeper) return;
    keeper = new ScreenKeeper(&app);
    app.installEventFilter(keeper);
}

}  // namespace tarnwick
