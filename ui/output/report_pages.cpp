#include "ui/output/report_pages.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>

#include "ui/picture/picture_painter.h"

namespace sredna {

namespace {

// The picture takes the page's width and this part of it in height.
constexpr double kPictureAspect = 0.62;

// Writes down the page, starting a new one where the next thing would not
// fit.
class PageWriter {
public:
    PageWriter(QPainter& painter, QPagedPaintDevice& device)
        : painter_(painter), device_(device), page_(0, 0, device.width(), device.height()) {}

    // A paragraph wrapped to the page's width.
    void paragraph(const QString& text, const QFont& font) {
        QTextLayout layout(text, font, &device_);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(page_.width());
        }
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            room(line.height());
            line.draw(&painter_, QPointF(page_.left(), y_ - line.y()));
            y_ += line.height();
        }
        if (layout.lineCount() == 0) {  // an empty line
            const double height = QFontMetricsF(font, &device_).lineSpacing();
            room(height);
            y_ += height;
        }
    }

    // An area of the page's width, on this page if it fits there.
    QRectF area(double aspect) {
        const double height = std::min(page_.width() * aspect, page_.height());
        room(height);
        const QRectF area(page_.left(), y_, page_.width(), height);
        y_ += height;
        return area;
    }

private:
    void room(double height) {
        if (y_ > 0 && y_ + height > page_.height()) {
            device_.newPage();
            y_ = 0;
        }
    }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    QRectF page_;
    double y_ = 0;
};

}  // namespace

bool PaintReportPages(QPagedPaintDevice& device, const ReportPages& pages, const QFont& font,
                      const QPalette& palette) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setPen(palette.color(QPalette::Text));
    PageWriter writer(painter, device);
    QFont title = font;
    title.setBold(true);
    title.setPointSizeF(font.pointSizeF() * 1.25);
    writer.paragraph(pages.title, title);
    for (const QString& line : {pages.kind, pages.date}) {
        if (!line.isEmpty()) {
            writer.paragraph(line, font);
        }
    }
    writer.paragraph(QString(), font);
    for (const QString& line : pages.report.split(QChar('\n'))) {
        writer.paragraph(line, font);
    }
    if (pages.picture) {
        const QRectF area = writer.area(kPictureAspect);
        const Picture picture =
            pages.picture(GeometryFor(area.size(), QFontMetricsF(font, &device)));
        PaintPicture(painter, area, picture, PictureLook{font, palette});
    } else if (!pages.pictureLeftOut.isEmpty()) {
        writer.paragraph(pages.pictureLeftOut, font);
    }
    return painter.end();
}

}  // namespace sredna
