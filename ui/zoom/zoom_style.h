#pragma once

#include <QProxyStyle>

class QWidget;

namespace sredna {

// The application's style, drawn larger by a factor. Every pixel metric
// (scroll-bar widths, option circles, frame widths, margins) grows by it, and
// the small parts the style paints itself — frames, option circles, focus
// rectangles, scroll bars — are painted at their normal size on a magnified
// painter, so that their lines thicken with them and the window looks like
// itself, only larger. Text is never magnified: the widgets' fonts grow
// instead.
class ZoomStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit ZoomStyle(QObject* parent);

    double factor() const { return factor_; }
    // The widgets drawn with this style must be given it again (SetZoomStyle)
    // to lay themselves out anew.
    void setFactor(double factor) { factor_ = factor; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

protected:
    // Gives this style to the widgets that a styled widget shows later, such
    // as a list item's editor.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool drawFrameRings(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    bool drawMagnified(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const;
    bool scaling() const { return factor_ != 1.0 && !magnifying_; }

    double factor_ = 1.0;
    // While the base style paints at normal size onto a magnified painter,
    // it must see its own metrics.
    mutable bool magnifying_ = false;
};

// Draws the window and every widget in it, not its other windows (menus,
// dialogs), with the style; with a null style, with the application's again.
void SetZoomStyle(QWidget& window, ZoomStyle* style);

// The factor a widget is drawn larger by: its zoom style's, or 1.
double ZoomFactor(const QWidget& widget);
// A length in pixels at the normal size, at the widget's zoom.
int Zoomed(const QWidget& widget, int pixels);

}  // namespace sredna
