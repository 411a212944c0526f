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

#include "core/picture/value_table.h"
#include "ui/picture/picture_painter.h"
#include "ui/picture/picture_window_texts.h"
#include "ui/picture/value_table_model.h"
#include "ui/text/model_text.h"

namespace sredna {

namespace {

// Screen readers know the picture as a chart. Its name and description are
// read from the view when asked for, not copied into the widget: Qt's
// setAccessibleName() would send its own change events as well, so that a
// screen reader could hear a name twice, or not at all where it is unchanged
// but a refusal is new. QWidget has no way to give a role but an interface
// of its own.
class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(PictureView* view) : QAccessibleWidget(view, QAccessible::Chart) {}

    QString text(QAccessible::Text kind) const override {
        const auto* view = static_cast<const PictureView*>(widget());
        switch (kind) {
            case QAccessible::Name:
                return view->chartName();
            case QAccessible::Description:
                return view->chartDescription();
            default:
                return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface* MakeChartAccessible(const QString& /*key*/, QObject* object) {
    if (auto* view = qobject_cast<PictureView*>(object)) {
        return new ChartAccessible(view);
    }
    return nullptr;
}

void InstallChartAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(MakeChartAccessible);
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

PictureView::PictureView(const WindowModel& model, const ValueTableModel& values, char separator,
                         QWidget* parent)
    : QWidget(parent), model_(model), values_(values), separator_(separator), geometry_{0, 0, 0} {
    InstallChartAccessible();
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A screen reader's user reaches it with Tab, to hear it.
    setFocusPolicy(Qt::StrongFocus);
}

void PictureView::announce(const QString& refusal) {
    refusal_ = refusal;
    for (const QAccessible::Event change :
         {QAccessible::NameChanged, QAccessible::DescriptionChanged}) {
        QAccessibleEvent event(this, change);
        QAccessible::updateAccessibility(&event);
    }
}

QString PictureView::chartName() const {
    const ListBox& values = model_.Values();
    const int selected = values.Selected();
    // The order is that of the lists as last told; a list changed since has
    // no rank to give yet.
    if (selected < 0 || values_.order().Count() != values.Count()) {
        return FromModel(texts::kPictureName);
    }
    return FromModel(ValueName(values, values_.order(), selected, values_.shownMean(), std::nullopt,
                               separator_));
}

QString PictureView::chartDescription() const {
    QString description = FromModel(picture_.description);
    if (!refusal_.isEmpty()) {
        description += QLatin1Char(' ') + refusal_;
    }
    return description;
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
    QFont grown = font();
    if (defaultSize_.isEmpty()) {
        return grown;
    }
    constexpr double kLargestGrowth = 2;
    // Measured by its window, whose tab bar above the view does not grow.
    const QSize shown = window()->size();
    const double growth =
        std::clamp(std::min(static_cast<double>(shown.width()) / defaultSize_.width(),
                            static_cast<double>(shown.height()) / defaultSize_.height()),
                   1.0, kLargestGrowth);
    if (grown.pointSizeF() > 0) {
        grown.setPointSizeF(grown.pointSizeF() * growth);
    } else {
        grown.setPixelSize(static_cast<int>(std::lround(grown.pixelSize() * growth)));
    }
    return grown;
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
    update();
}

void PictureView::paint(QPainter& painter) const {
    PaintPicture(painter, QRectF(rect()), picture_, PictureLook{shownFont(), palette()});
}

}  // namespace sredna
