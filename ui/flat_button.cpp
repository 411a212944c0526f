#include "ui/flat_button.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyleOptionFocusRect>

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
    qDrawShadePanel(&painter, rect(), bevel, sunken, 2, nullptr);
    painter.fillRect(rect().adjusted(2, 2, -2, -2), face_);
    QRect caption = rect();
    if (sunken) {
        caption.translate(1, 1);
    }
    painter.setPen(Qt::black);
    paintCaption(painter, caption);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        focus.backgroundColor = face_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void FlatButton::paintCaption(QPainter& painter, const QRect& face) {
    painter.drawText(face, Qt::AlignCenter, text());
}

}  // namespace sredna
