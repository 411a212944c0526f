#include "ui/output/report_pages.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>
#include <utility>

#include "ui/picture/picture_painter.h"

namespace sredna {

namespace {

// The picture takes the page's width and this part of it in height.
constexpr double kPictureAspect = 0.62;

// Writes down the page, starting a new one where the next thing would not
// fit, and numbers every page at its foot. Without a painter it only counts
// the pages, so that the numbers can say how many there are.
class PageWriter {
public:
    PageWriter(QPainter* painter, QPagedPaintDevice& device, const QFont& font, QString pageNumber,
               int pageCount)
        : painter_(painter),
          device_(device),
          font_(font),
          pageNumber_(std::move(pageNumber)),
          pageCount_(pageCount),
          footer_(pageNumber_.isEmpty() ? 0 : 2 * QFontMetricsF(font, &device).lineSpacing()),
          page_(0, 0, device.width(), device.height() - footer_) {}

    QPainter* painter() const { return painter_; }
    int pages() const { return number_; }

    // A paragraph wrapped to the page's width.
    void paragraph(const QString& text, const QFont& font) {
        QTextLayout layout(text, font, &device_);
        lay(layout);
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            room(line.height());
            if (painter_ != nullptr) {
                line.draw(painter_, QPointF(page_.left(), y_ - line.y()));
            }
            y_ += line.height();
        }
        if (layout.lineCount() == 0) {  // an empty line
            const double height = QFontMetricsF(font, &device_).lineSpacing();
            room(height);
            y_ += height;
        }
    }

    // How high the paragraph will be.
    double heightOf(const QString& text, const QFont& font) {
        QTextLayout layout(text, font, &device_);
        lay(layout);
        double total = 0;
        for (int i = 0; i < layout.lineCount(); ++i) {
            total += layout.lineAt(i).height();
        }
        return total;
    }

    // An area of the page's width, on this page if it fits there with the
    // given height below it.
    QRectF area(double aspect, double below) {
        const double height = std::min(page_.width() * aspect, page_.height() - below);
        room(height + below);
        const QRectF area(page_.left(), y_, page_.width(), height);
        y_ += height;
        return area;
    }

    // Numbers the last page.
    void finish() { foot(); }

private:
    void lay(QTextLayout& layout) const {
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(page_.width());
        }
        layout.endLayout();
    }

    void room(double height) {
        if (y_ > 0 && y_ + height > page_.height()) {
            foot();
            if (painter_ != nullptr) {
                device_.newPage();
            }
            ++number_;
            y_ = 0;
        }
    }

    void foot() {
        if (painter_ == nullptr || pageNumber_.isEmpty()) {
            return;
        }
        const QRectF foot(page_.left(), page_.bottom(), page_.width(), footer_);
        painter_->setFont(font_);
        painter_->drawText(foot, Qt::AlignHCenter | Qt::AlignBottom,
                           pageNumber_.arg(number_).arg(pageCount_));
    }

    QPainter* painter_;
    QPagedPaintDevice& device_;
    QFont font_;
    QString pageNumber_;
    int pageCount_;
    double footer_;
    QRectF page_;
    double y_ = 0;
    int number_ = 1;
};

// Everything on the pages, in order.
void Write(PageWriter& writer, const ReportPages& pages, const QFont& font,
           const QPalette& palette) {
    QFont title = font;
    title.setBold(true);
    title.setPointSizeF(font.pointSizeF() * 1.25);
    writer.paragraph(pages.title, title);
    for (const QString& line : pages.header) {
        writer.paragraph(line, font);
    }
    writer.paragraph(QString(), font);
    for (const QString& line : pages.report.split(QChar('\n'))) {
        writer.paragraph(line, font);
    }
    if (pages.picture) {
        const double caption =
            pages.pictureCaption.isEmpty() ? 0 : writer.heightOf(pages.pictureCaption, font);
        const QRectF area = writer.area(kPictureAspect, caption);
        if (writer.painter() != nullptr) {
            const Picture picture = pages.picture(
                GeometryFor(area.size(), QFontMetricsF(font, writer.painter()->device())));
            writer.painter()->save();  // the caption and the page numbers keep their pen
            PaintPicture(*writer.painter(), area, picture, PictureLook{font, palette});
            writer.painter()->restore();
        }
        if (!pages.pictureCaption.isEmpty()) {
            writer.paragraph(pages.pictureCaption, font);
        }
    }
    if (!pages.leftOut.isEmpty()) {
        // Apart from the report, so that it does not read as one of its lines.
        QFont note = font;
        note.setItalic(true);
        writer.paragraph(QString(), font);
        writer.paragraph(pages.leftOut, note);
    }
}

}  // namespace

bool PaintReportPages(QPagedPaintDevice& device, const ReportPages& pages, const QFont& font,
                      const QPalette& palette) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setPen(palette.color(QPalette::Text));
    PageWriter counter(nullptr, device, font, pages.pageNumber, 0);
    Write(counter, pages, font, palette);
    PageWriter writer(&painter, device, font, pages.pageNumber, counter.pages());
    Write(writer, pages, font, palette);
    writer.finish();
    return painter.end();
}

}  // namespace sredna
