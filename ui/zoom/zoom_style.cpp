#include "ui/zoom/zoom_style.h"

#include <QApplication>
#include <QChildEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace sredna {

namespace {

int Scale(int pixels, double factor) {
    return static_cast<int>(std::lround(pixels * factor));
}

// Paints at the normal size onto `painter`, magnified so that the normal
// rectangle lands exactly on `rect`: the edges stay the widget's own.
template <typename Paint>
void PaintMagnified(QPainter* painter, const QRect& rect, double factor, const Paint& paint) {
    const QSize normal(std::max(1, Scale(rect.width(), 1.0 / factor)),
                       std::max(1, Scale(rect.height(), 1.0 / factor)));
    painter->save();
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / static_cast<double>(normal.width()),
                   rect.height() / static_cast<double>(normal.height()));
    paint(QRect(QPoint(0, 0), normal));
    painter->restore();
}

// Hands `paint` a copy of the option with another rectangle, where the option
// is of one of the types Options; says whether it was.
template <typename... Options, typename Paint>
bool WithRect(const QStyleOption* option, const QRect& rect, const Paint& paint) {
    auto as = [&](auto* typed) {
        using Option = std::remove_cv_t<std::remove_pointer_t<decltype(typed)>>;
        if (option->type != Option::Type) {
            return false;
        }
        Option copy = *static_cast<const Option*>(option);
        copy.rect = rect;
        paint(&copy);
        return true;
    };
    return (as(static_cast<const Options*>(nullptr)) || ...);
}

}  // namespace

ZoomStyle::ZoomStyle(QObject* parent) : QProxyStyle(QApplication::style()->name()) {
    setParent(parent);
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    const int normal = QProxyStyle::pixelMetric(metric, option, widget);
    // Negative values mean "not set", not a length.
    return scaling() && normal > 0 ? Scale(normal, factor_) : normal;
}

void ZoomStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    if (scaling() && option != nullptr && !option->rect.isEmpty()) {
        const bool painted = element == PE_Frame ? drawFrameRings(option, painter, widget)
                                                 : drawMagnified(element, option, painter, widget);
        if (painted) {
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

// A frame line one pixel thick, magnified, would fall between pixels and
// miss the frame's outer edge: rings of it one inside another fill the grown
// frame width exactly.
bool ZoomStyle::drawFrameRings(const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    const QScopedValueRollback normal(magnifying_, true);
    const int rings = Scale(1, factor_);
    bool painted = false;
    for (int ring = 0; ring < rings; ++ring) {
        painted = WithRect<QStyleOption, QStyleOptionFrame>(
            option, option->rect.adjusted(ring, ring, -ring, -ring), [&](const QStyleOption* copy) {
                QProxyStyle::drawPrimitive(PE_Frame, copy, painter, widget);
            });
    }
    return painted;
}

bool ZoomStyle::drawMagnified(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    const QScopedValueRollback normal(magnifying_, true);
    bool painted = false;
    PaintMagnified(painter, option->rect, factor_, [&](const QRect& rect) {
        painted =
            WithRect<QStyleOption, QStyleOptionFrame, QStyleOptionButton, QStyleOptionFocusRect,
                     QStyleOptionViewItem>(option, rect, [&](const QStyleOption* copy) {
                QProxyStyle::drawPrimitive(element, copy, painter, widget);
            });
    });
    return painted;
}

void ZoomStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
    // Only the controls that draw no text: the widget's font has grown already.
    if (scaling() && (control == CC_ScrollBar || control == CC_Slider) && !option->rect.isEmpty()) {
        if (const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
            const QScopedValueRollback normal(magnifying_, true);
            PaintMagnified(painter, option->rect, factor_, [&](const QRect& rect) {
                QStyleOptionSlider copy = *slider;
                copy.rect = rect;
                QProxyStyle::drawComplexControl(control, &copy, painter, widget);
            });
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

bool ZoomStyle::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildPolished) {
        auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
        if (child != nullptr && !child->isWindow() && child->style() != this) {
            child->setStyle(this);
            child->installEventFilter(this);
        }
    }
    return QProxyStyle::eventFilter(watched, event);
}

void SetZoomStyle(QWidget& window, ZoomStyle* style) {
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.removeIf([&window](const QWidget* widget) { return widget->window() != &window; });
    widgets.prepend(&window);
    // Children first: a scroll area lays out its scroll bars by their new
    // widths.
    std::reverse(widgets.begin(), widgets.end());
    for (QWidget* widget : widgets) {
        if (auto* previous = qobject_cast<ZoomStyle*>(widget->style())) {
            widget->removeEventFilter(previous);
        }
        widget->setStyle(style);
        if (style != nullptr) {
            widget->installEventFilter(style);
        }
    }
}

double ZoomFactor(const QWidget& widget) {
    const auto* style = qobject_cast<const ZoomStyle*>(widget.style());
    return style != nullptr ? style->factor() : 1.0;
}

int Zoomed(const QWidget& widget, int pixels) {
    return Scale(pixels, ZoomFactor(widget));
}

}  // namespace sredna
