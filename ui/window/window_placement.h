#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>

class QRect;
class QSize;
class QWidget;

namespace sredna {

// Opens a window centred on its screen by its frame, with the caption on the
// screen where the window does not fit. The frame exists only with the
// native window: first when the window is shown, and again, once, when an
// X11 window manager frames it only after that, unless the window has been
// moved meanwhile. Watches the window's events to know when.
class WindowPlacement : public QObject {
    Q_OBJECT

public:
    explicit WindowPlacement(QWidget& window);

    // After the window's size has changed from `before` (its geometry): its
    // frame keeps its centre where it can and moves as little as it must to
    // stay on the screen.
    void keepCentre(const QRect& before);

signals:
    // The window has been put on its screen by its frame as it is now.
    void placed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QWidget& window_;
    // Where the window was put and by which frame.
    QPoint placedAt_;
    QMargins placedFrame_;
    bool placed_ = false;
    bool frameAwaited_ = false;
};

// Whether a window of this client size, framed as `window` is now, fits the
// available area of the window's screen.
bool FitsScreen(const QWidget& window, const QSize& client);

}  // namespace sredna
