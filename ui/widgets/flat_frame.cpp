#include "ui/widgets/flat_frame.h"

#include <qdrawutil.h>
#include <QPainter>

#include "ui/zoom/zoom_style.h"

namespace sredna {

namespace {
// The caption starts a little in from the left edge, with a gap in the line
// on either side of it; both, and the line, grow with the zoom.
constexpr int kCaptionIndent = 6;
constexpr int kCaptionGap = 2;
}  // namespace

FlatFrame::FlatFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

int FlatFrame::borderTop() const {
    return fontMetrics().height() / 2;
}

void FlatFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Window);
    painter.fillRect(rect(), face);
    const QRect border(0, borderTop(), width(), height() - borderTop());
    qDrawShadeRect(&painter, border, palette(), /*sunken=*/true, Zoomed(*this, 1), 0, nullptr);

    const int captionWidth =
        fontMetrics().horizontalAdvance(title()) + 2 * Zoomed(*this, kCaptionGap);
    const QRect caption(Zoomed(*this, kCaptionIndent), 0, captionWidth, fontMetrics().height());
    painter.fillRect(caption, face);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

}  // namespace sredna
