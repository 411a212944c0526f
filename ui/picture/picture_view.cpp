#include "ui/picture/picture_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

#include "ui/picture/picture_painter.h"
#include "ui/picture/picture_window_texts.h"
#include "ui/text/model_text.h"

namespace sredna {

namespace {

// Screen readers know the picture as a chart; its description says what it
// shows.
QAccessibleInterface* ChartAccessible(const QString& /*key*/, QObject* object) {
    if (auto* view = qobject_cast<PictureView*>(object)) {
        return new QAccessibleWidget(view, QAccessible::Chart);
    }
    return nullptr;
}

void InstallChartAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(ChartAccessible);
        return true;
    }();
    static_cast<void>(installed);
}

// The PDF page is as large as the picture on the screen: its pixels at the
// screen's dots per inch, measured in points of 1/72 inch.
constexpr double kPointsPerInch = 72.0;
// The copied image doubles every pixel: sharp pasted into a document.
constexpr int kImageScale = 2;

void SetDpi(QImage& image, int dpi) {
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
}

}  // namespace

PictureView::PictureView(const WindowModel& model, char separator, QWidget* parent)
    : QWidget(parent), model_(model), separator_(separator), geometry_{0, 0, 0} {
    InstallChartAccessible();
    setAccessibleName(FromModel(texts::kPictureName));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::modelChanged() {
    stale_ = true;
    if (isVisible()) {
        rebuild();
    }
}

QImage PictureView::image() const {
    QImage image(size() * kImageScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kImageScale);
    SetDpi(image, logicalDpiX());  // fonts as large as on the screen
    {
        QPainter painter(&image);
        paint(painter);
    }
    // A document shows the picture as large as the screen did.
    SetDpi(image, logicalDpiX() * kImageScale);
    return image;
}

bool PictureView::writePdf(QIODevice& device) const {
    QPdfWriter writer(&device);
    writer.setResolution(logicalDpiX());
    const QSizeF points = QSizeF(size()) * kPointsPerInch / logicalDpiX();
    writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF());
    writer.setTitle(FromModel(texts::kPictureWindowTitle));
    writer.setCreator(FromModel(texts::kPictureWindowTitle));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    paint(painter);
    return painter.end();
}

void PictureView::setDefaultSize(const QSize& size) {
    defaultSize_ = size;
    if (isVisible() && fitting() != geometry_) {
        rebuild();
    }
}

QFont PictureView::shownFont() const {
    QFont shown = font();
    if (defaultSize_.isEmpty()) {
        return shown;
    }
    constexpr double kLargestGrowth = 2;
    const double growth =
        std::clamp(std::min(static_cast<double>(width()) / defaultSize_.width(),
                            static_cast<double>(height()) / defaultSize_.height()),
                   1.0, kLargestGrowth);
    if (shown.pointSizeF() > 0) {
        shown.setPointSizeF(shown.pointSizeF() * growth);
    } else {
        shown.setPixelSize(static_cast<int>(std::lround(shown.pixelSize() * growth)));
    }
    return shown;
}

void PictureView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paint(painter);
}

void PictureView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isVisible() && fitting() != geometry_) {
        rebuild();
    }
}

void PictureView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_ || fitting() != geometry_) {
        rebuild();
    }
}

void PictureView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && isVisible()) {
        rebuild();
    }
}

PictureGeometry PictureView::fitting() const {
    return GeometryFor(size(), QFontMetricsF(shownFont(), this));
}

void PictureView::rebuild() {
    geometry_ = fitting();
    const MeanKind kind = model_.SelectedKind().value_or(MeanKind::Arithmetic);
    picture_ = BuildPicture(model_.Values(), model_.Weights(), kind, separator_, geometry_);
    stale_ = false;
    setAccessibleDescription(FromModel(picture_.description));
    update();
}

void PictureView::paint(QPainter& painter) const {
    PaintPicture(painter, QRectF(rect()), picture_, PictureLook{shownFont(), palette()});
}

}  // namespace sredna
