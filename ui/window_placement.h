#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    QMargins nativeFrameMargins() const;

    QWidget& window_;
    // Where the window was put and by which frame.
    QPoint placedAt_;
    QMargins placedFrame_;
    bool placed_ = false;
    bool frameAwaited_ = false;
};

}  // namespace sredna
