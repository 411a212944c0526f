#pragma once

#include <QFont>
#include <QPalette>
#include <QString>

#include <optional>

#include "core/picture/picture_model.h"

class QFontMetricsF;
class QPaintDevice;
class QPainter;
class QPointF;
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

// A value being dragged: where on the line, how high the pointer is, and
// its text.
struct DraggedMark {
    double value = 0;
    double y = 0;
    QString label;
};

// What the screen shows over the picture and a copy leaves out: the
// selected value's focus ring and the value being dragged.
struct PictureMarks {
    std::optional<double> selected;
    std::optional<DraggedMark> drag;
};

// How many dots and tick labels an area of this size has room for with
// the font these metrics measure.
PictureGeometry GeometryFor(const QSizeF& size, const QFontMetricsF& metrics);

// Paints the picture into the area, all of it as vectors: the one drawing of
// the screen, the copied image and the PDF.
void PaintPicture(QPainter& painter, const QRectF& area, const Picture& picture,
                  const PictureLook& look, const PictureMarks& marks = {});

// Where the painting puts things, for the pointer: the column of dots at a
// point (-1 for none), and the place on the line (0 to 1 between its ends)
// under an x.
int ColumnAt(const QPaintDevice& device, const QRectF& area, const Picture& picture,
             const PictureLook& look, const QPointF& point);
double PositionAt(const QPaintDevice& device, const QRectF& area, const Picture& picture,
                  const PictureLook& look, double x);

}  // namespace sredna
