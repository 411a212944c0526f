#pragma once

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QWidget;

namespace sredna {

class ZoomStyle;

// The classroom zoom: the scale the program's windows are drawn at, its
// three commands with their keys, and the memory of it for the next start.
// The scale is capped where the window would no longer fit its screen. The
// windows follow it: each draws with setStyleOf() and scales its own
// sizes and fonts by factor() whenever it changes.
class Zoom : public QObject {
    Q_OBJECT

public:
    // Whether the window at a scale, in percent, fits its screen.
    using Fits = std::function<bool(int percent)>;

    // Starts at the remembered scale, as far as it fits.
    Zoom(Fits fits, QObject* parent);
    ~Zoom() override;

    int percent() const { return percent_; }
    double factor() const { return percent_ / 100.0; }

    // Draws the window's widgets at the scale; at 100 % with the
    // application's style, exactly as without a zoom.
    void setStyleOf(QWidget& window) const;

    // "Увеличи" (Ctrl+=, Ctrl++), "Намали" (Ctrl+-), "Нормален размер"
    // (Ctrl+0): add them to a window for their keys, and to a menu as they
    // are.
    QList<QAction*> actions() const;
    QAction* zoomIn() const { return zoomIn_; }
    QAction* zoomOut() const { return zoomOut_; }
    QAction* normalSize() const { return normalSize_; }

    // Steps down as far as the window must to fit its screen, as it is now
    // framed: the screen may be smaller than the one the scale was chosen on.
    void fitScreen();

signals:
    void changed(double factor);

private:
    QAction* addAction(std::string_view text, const QList<QKeySequence>& keys,
                       void (Zoom::*step)());
    void stepUp();
    void stepDown();
    void stepToNormal();
    // `remember`: the user chose it, rather than the screen.
    void setPercent(int percent, bool remember);
    void updateActions();

    Fits fits_;
    int percent_;
    ZoomStyle* style_ = nullptr;
    QAction* zoomIn_;
    QAction* zoomOut_;
    QAction* normalSize_;
};

}  // namespace sredna
