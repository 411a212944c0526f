#include "ui/window/window_placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "ui/window/layout.h"

namespace sredna {

namespace {

QMargins NativeFrameMargins(const QWidget& window) {
    // The window system's own, not QWidget's copy, which it updates only on a move.
    const QWindow* native = window.windowHandle();
    return native != nullptr ? native->frameMargins() : QMargins();
}

}  // namespace

WindowPlacement::WindowPlacement(QWidget& window) : window_(window) {
    window_.installEventFilter(this);
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) {
        return false;
    }
    switch (event->type()) {
        case QEvent::Show:
            if (!placed_) {
                placed_ = true;
                place();
                frameAwaited_ = placedFrame_.isNull();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
        case QEvent::WindowActivate:
            if (frameAwaited_ && NativeFrameMargins(window_) != placedFrame_) {
                frameAwaited_ = false;
                if (window_.geometry().topLeft() == placedAt_) {
                    place();
                }
            }
            // A window manager has framed the window before it activates
            // it; without one no frame comes.
            if (event->type() == QEvent::WindowActivate) {
                frameAwaited_ = false;
            }
            break;
        default:
            break;
    }
    return false;
}

void WindowPlacement::place() {
    const QScreen* where = window_.screen();
    if (where == nullptr) {
        return;
    }
    placedFrame_ = NativeFrameMargins(window_);
    const QPoint frame =
        layout::WindowPosition(window_.size().grownBy(placedFrame_), where->availableGeometry());
    placedAt_ = frame + QPoint(placedFrame_.left(), placedFrame_.top());
    window_.setGeometry(QRect(placedAt_, window_.size()));
    emit placed();
}

void WindowPlacement::keepCentre(const QRect& before) {
    const QScreen* where = window_.screen();
    if (where == nullptr) {
        return;
    }
    const QMargins frame = NativeFrameMargins(window_);
    QRect wanted(QPoint(), window_.size().grownBy(frame));
    wanted.moveCenter(before.marginsAdded(frame).center());
    const QPoint at = layout::WindowPositionNear(wanted, where->availableGeometry()) +
                      QPoint(frame.left(), frame.top());
    window_.setGeometry(QRect(at, window_.size()));
}

bool FitsScreen(const QWidget& window, const QSize& client) {
    const QScreen* where = window.screen();
    if (where == nullptr) {
        return true;
    }
    const QSize framed = client.grownBy(NativeFrameMargins(window));
    const QSize available = where->availableGeometry().size();
    return framed.width() <= available.width() && framed.height() <= available.height();
}

}  // namespace sredna
