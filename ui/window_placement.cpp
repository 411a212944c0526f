#include "ui/window_placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "ui/layout.h"

namespace sredna {

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
            if (frameAwaited_ && nativeFrameMargins() != placedFrame_) {
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

QMargins WindowPlacement::nativeFrameMargins() const {
    // The window system's own, not QWidget's copy, which it updates only on a move.
    const QWindow* native = window_.windowHandle();
    return native != nullptr ? native->frameMargins() : QMargins();
}

void WindowPlacement::place() {
    const QScreen* where = window_.screen();
    if (where == nullptr) {
        return;
    }
    placedFrame_ = nativeFrameMargins();
    const QPoint frame =
        layout::WindowPosition(window_.size().grownBy(placedFrame_), where->availableGeometry());
    placedAt_ = frame + QPoint(placedFrame_.left(), placedFrame_.top());
    window_.setGeometry(QRect(placedAt_, window_.size()));
}

}  // namespace sredna
