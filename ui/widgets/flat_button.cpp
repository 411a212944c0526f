#include "ui/widgets/flat_button.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "ui/zoom/zoom_style.h"

namespace sredna {

FlatButton::FlatButton(const QString& text, const QColor& face, QWidget* parent)
    : QPushButton(text, parent), face_(face) {
    // Enter and Escape press no button of this window.
    setAutoDefault(false);
    setDefault(false);
}

void FlatButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette bevel(face_);  // light and dark edges derived from the face
    const bool sunken = isDown() || isChecked();
    // The edge, the caption's shift and the focus inset grow with the zoom.
    const int edge = Zoomed(*this, 2);
    qDrawShadePanel(&painter, rect(), bevel, sunken, edge, nullptr);
    painter.fillRect(rect().adjusted(edge, edge, -edge, -edge), face_);
    QRect caption = rect();
    if (sunken) {
        caption.translate(Zoomed(*this, 1), Zoomed(*this, 1));
    }
    painter.setPen(Qt::black);
    paintCaption(painter, caption);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        const int inset = Zoomed(*this, 4);
        focus.rect = rect().adjusted(inset, inset, -inset, -inset);
        focus.backgroundColor = face_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void FlatButton::paintCaption(QPainter& painter, const QRect& face) {
    painter.drawText(face, Qt::AlignCenter, text());
}

}  // namespace sredna
