#include "ui/widgets/picture_button.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

#include "ui/picture/picture_window_texts.h"
#include "ui/text/model_text.h"
#include "ui/window/layout.h"

namespace sredna {

namespace {

// A dot as a polygon of 16 corners, as round as a circle at the sizes a
// button takes: a quarter of the cost of curves, which the window pays as it
// opens.
void AddDot(QPainterPath& path, const QPointF& centre, double radius) {
    constexpr int kCorners = 16;
    static const std::array<QPointF, kCorners> kCircle = [] {
        std::array<QPointF, kCorners> circle;
        for (int k = 0; k < kCorners; ++k) {
            const double angle = 2 * std::numbers::pi * k / kCorners;
            circle.at(static_cast<std::size_t>(k)) = QPointF(std::cos(angle), std::sin(angle));
        }
        return circle;
    }();
    path.moveTo(centre + radius * kCircle.front());
    for (const QPointF& corner : kCircle) {
        path.lineTo(centre + radius * corner);
    }
    path.closeSubpath();
}

}  // namespace

PictureButton::PictureButton(QWidget* parent)
    : FlatButton(QString(), layout::kWindowColour, parent) {
    setToolTip(FromModel(texts::kPictureButtonTip));
    setAccessibleName(FromModel(texts::kPictureButtonName));
    setAccessibleDescription(FromModel(texts::kPictureButtonHelp));
    // Out of the Tab cycle, which stays the window's own; F4 is its key.
    setFocusPolicy(Qt::ClickFocus);
}

void PictureButton::paintCaption(QPainter& painter, const QRect& face) {
    // Five stacks of dots, 1, 2, 3, 2 and 1 high, on a line, and under its
    // middle the triangle they balance on; all in units of a tenth of the
    // face's height, and filled as one path.
    constexpr std::array<int, 5> kStacks = {1, 2, 3, 2, 1};
    const double unit = face.height() / 10.0;
    const QPointF centre = QRectF(face).center();
    const double lineY = centre.y() + 1.5 * unit;
    QPainterPath icon;
    icon.setFillRule(Qt::WindingFill);
    for (std::size_t i = 0; i < kStacks.size(); ++i) {
        const double x = centre.x() + (static_cast<double>(i) - 2) * 1.6 * unit;
        for (int row = 0; row < kStacks.at(i); ++row) {
            AddDot(icon, QPointF(x, lineY - (row + 0.6) * 1.5 * unit), 0.65 * unit);
        }
    }
    icon.addRect(QRectF(centre.x() - 4.2 * unit, lineY, 8.4 * unit, 0.45 * unit));
    icon.moveTo(centre.x(), lineY + 0.45 * unit);
    icon.lineTo(centre.x() + 1.3 * unit, lineY + 2.4 * unit);
    icon.lineTo(centre.x() - 1.3 * unit, lineY + 2.4 * unit);
    icon.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(icon, painter.pen().color());
    painter.restore();
}

}  // namespace sredna
