#pragma once

#include <QFont>
#include <QPalette>
#include <QString>

#include <functional>

#include "core/picture/picture_model.h"

class QPagedPaintDevice;

namespace sredna {

// The report on paper, or in a PDF: a short header, the report text wrapped
// to the page, then the picture, or a line saying why it was left out.
struct ReportPages {
    QString title;  // the program's name
    QString kind;   // "Вид на средната: аритметична"; empty when unknown
    QString date;
    QString report;  // the report box's text, a line a paragraph
    // Builds the picture for the room it gets; empty: no picture.
    std::function<Picture(const PictureGeometry&)> picture;
    QString pictureLeftOut;  // said instead of the picture; may be empty
};

// Lays the pages out on the device, the text in the given font (the report
// box's), the picture in the palette's colours. False when the device could
// not be painted on.
bool PaintReportPages(QPagedPaintDevice& device, const ReportPages& pages, const QFont& font,
                      const QPalette& palette);

}  // namespace sredna
