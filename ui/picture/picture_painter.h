#pragma once

#include <QFont>
#include <QPalette>

#include "core/picture/picture_model.h"

class QFontMetricsF;
class QPainter;
class QRectF;
class QSizeF;

namespace sredna {

// How the picture looks: one font, from whose height every length and pen is
// derived, so that one size scales the whole picture, and the palette, whose
// base and text colours are its background and ink.
struct PictureLook {
    QFont font;
    QPalette palette;
};

// How many dots and tick labels an area of this size has room for with
// the font these metrics measure.
PictureGeometry GeometryFor(const QSizeF& size, const QFontMetricsF& metrics);

// Paints the picture into the area, all of it as vectors: the one drawing of
// the screen, the copied image and the PDF.
void PaintPicture(QPainter& painter, const QRectF& area, const Picture& picture,
                  const PictureLook& look);

}  // namespace sredna
