#pragma once

#include <QFont>
#include <QPalette>
#include <QString>
#include <QStringList>

#include <functional>

#include "core/picture/picture_model.h"

class QPagedPaintDevice;

namespace sredna {

// The report on paper, or in a PDF: a short header, the report text wrapped
// to the page, then the picture with its caption, and a note on what was left
// out. Every page is numbered at its foot.
struct ReportPages {
    QString title;  // the program's name
    // Under the title: the kind ("Вид на средната: аритметична", when
    // known), the date, the name line and the numbers of the report.
    QStringList header;
    QString report;  // the report box's text, a line a paragraph
    // Builds the picture for the room it gets; empty: no picture.
    std::function<Picture(const PictureGeometry&)> picture;
    QString pictureCaption;  // under the picture
    QString leftOut;         // a paragraph of its own, in italics; may be empty
    QString pageNumber;      // "стр. %1 от %2"; empty: no numbers
};

// Lays the pages out on the device, the text in the given font (the report
// box's), the picture in the palette's colours. False when the device could
// not be painted on.
bool PaintReportPages(QPagedPaintDevice& device, const ReportPages& pages, const QFont& font,
                      const QPalette& palette);

}  // namespace sredna
