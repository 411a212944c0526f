#include "ui/picture/picture_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "core/numbers/numbers.h"
#include "core/picture/value_order.h"
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

PictureView::PictureView(Form& form, PictureCommands commands, const ValueTableModel& values,
                         char separator, QWidget* parent)
    : QWidget(parent),
      model_(form.Model()),
      values_(values),
      separator_(separator),
      mover_(form, std::move(commands), separator),
      geometry_{0, 0, 0} {
    InstallChartAccessible();
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A screen reader's user reaches it with Tab, to hear it.
    setFocusPolicy(Qt::StrongFocus);
}

void PictureView::announce(const QString& refusal) {
    refusal_ = refusal;
    // A key tells it twice, itself and through the main window's refresh:
    // one telling, once the key is done, is read once.
    if (announcing_) {
        return;
    }
    announcing_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            announcing_ = false;
            // A drag is told when it ends, not at every step.
            if (mover_.dragging()) {
                return;
            }
            for (const QAccessible::Event change :
                 {QAccessible::NameChanged, QAccessible::DescriptionChanged}) {
                QAccessibleEvent event(this, change);
                QAccessible::updateAccessibility(&event);
            }
        },
        Qt::QueuedConnection);
}

QString PictureView::chartName() const {
    const ListBox& values = model_.Values();
    const int selected = values.Selected();
    // The order is that of the lists as last told; a list changed since has
    // no rank to give yet.
    if (selected < 0 || values_.order().Count() != values.Count()) {
        return FromModel(texts::kPictureName);
    }
    return FromModel(ValueName(values, values_.order(), selected, values_.shownMean(),
                               hiddenGuess(), separator_));
}

QString PictureView::chartDescription() const {
    QString description = FromModel(picture_.description);
    if (!refusal_.isEmpty()) {
        description += QLatin1Char(' ') + refusal_;
    }
    return description;
}

void PictureView::modelChanged() {
    mover_.listsChanged();
    stale_ = true;
    if (isVisible()) {
        rebuild();
    }
    announce();
}

void PictureView::selectionChanged() {
    update();
    announce();
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
    PictureMarks marks;
    const int selected = mover_.selected();
    if (selected >= 0) {
        marks.selected = ItemValue(model_.Values().Item(selected));
    }
    if (mover_.dragging() && marks.selected) {
        marks.drag =
            DraggedMark{*marks.selected, dragY_, FromModel(model_.Values().Item(selected))};
    }
    QPainter painter(this);
    PaintPicture(painter, QRectF(rect()), picture_, look(), marks);
}

bool PictureView::runKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool held = event.isAutoRepeat();
    const bool shift = modifiers == Qt::ShiftModifier;
    const bool ctrlShift = modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
    const int key = event.key();
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right;
    const std::int64_t direction = key == Qt::Key_Right ? 1 : -1;
    if (arrow && (shift || ctrlShift)) {
        mover_.moveBy(direction * (shift ? 1 : 10), held);
    } else if (modifiers == Qt::ControlModifier && key == Qt::Key_Z) {
        mover_.undo();
    } else if ((modifiers == Qt::ControlModifier && key == Qt::Key_Y) ||
               (ctrlShift && key == Qt::Key_Z)) {
        mover_.redo();
    } else {
        return modifiers == Qt::NoModifier && runPlainKey(key, held);
    }
    return true;
}

bool PictureView::runPlainKey(int key, bool held) {
    const int selected = mover_.selected();
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right: {
            const ValueOrder& order = values_.order();
            if (selected < 0) {
                mover_.select(key == Qt::Key_Right ? order.Smallest() : order.Largest());
            } else {
                mover_.select(key == Qt::Key_Right ? order.Next(selected)
                                                   : order.Previous(selected));
            }
            return true;
        }
        case Qt::Key_Home:
            mover_.select(values_.order().Smallest());
            return true;
        case Qt::Key_End:
            mover_.select(values_.order().Largest());
            return true;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            mover_.moveByTenth(key == Qt::Key_PageUp ? 1 : -1,
                               picture_.line.High() - picture_.line.Low(), held);
            return true;
        case Qt::Key_Delete:
            mover_.remove(values_.order());
            return true;
        default:
            return false;
    }
}

void PictureView::keyPressEvent(QKeyEvent* event) {
    if (mover_.dragging()) {
        if (event->key() == Qt::Key_Escape) {
            endDrag(true);
        }
        event->accept();
        return;
    }
    guessRefusal_.clear();
    if (!runGuessKey(*event) && !runKey(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    afterAction();
}

void PictureView::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) {
        mover_.endKeyMove();
    }
    QWidget::keyReleaseEvent(event);
}

void PictureView::focusOutEvent(QFocusEvent* event) {
    mover_.endKeyMove();
    QWidget::focusOutEvent(event);
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || mover_.dragging()) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    guessRefusal_.clear();
    // While the guess waits, a click places its marker.
    if (hiddenGuess()) {
        guess_->PlaceAt(valueAt(event->position().x()));
        showGuess();
        afterAction();
        return;
    }
    const int column = ColumnAt(*this, QRectF(rect()), picture_, look(), event->position());
    const int position = DraggedValue(picture_.stacks, values_.order(), column);
    if (position < 0) {
        return;
    }
    // The line holds still while the value moves within it.
    const std::vector<StackedValue>& values = picture_.stacks.Values();
    reach_ = LineReach{values.front().value, values.back().value};
    dragY_ = event->position().y();
    mover_.beginDrag(position);
    afterAction();
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
    if (!mover_.dragging() || !reach_) {
        return;
    }
    const double place = valueAt(event->position().x());
    // Past an end, the line reaches out to the pointer.
    if (place < picture_.line.Low() || place > picture_.line.High()) {
        reach_->low = std::min(reach_->low, place);
        reach_->high = std::max(reach_->high, place);
    }
    dragY_ = event->position().y();
    mover_.dragTo(place);
    // A move the value did not make (refused, or to where it was) leaves
    // the line to reach out here.
    if (place < picture_.line.Low() || place > picture_.line.High()) {
        rebuild();
    }
    update();
    afterAction();
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && mover_.dragging()) {
        endDrag(false);
    }
}

void PictureView::endDrag(bool cancel) {
    // The line fits the data again.
    reach_.reset();
    if (cancel) {
        mover_.cancelDrag();
    } else {
        mover_.endDrag();
    }
    emit dragEnded();
    rebuild();
    afterAction();
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && hiddenGuess()) {
        answerGuess();
        afterAction();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void PictureView::afterAction() {
    emit statusChanged(status());
    // A guess's answer is in the description already.
    announce(refusal());
}

QString PictureView::refusal() const {
    return mover_.refusal().empty() ? guessRefusal_ : FromModel(mover_.refusal());
}

QString PictureView::status() const {
    if (QString why = refusal(); !why.isEmpty()) {
        return why;
    }
    if (guess_ && guess_->Revealed()) {
        return FromModel(GuessAnswer(whole_, guess_->Marker(), separator_));
    }
    return {};
}

bool PictureView::runGuessKey(const QKeyEvent& event) {
    const int key = event.key();
    if (!guess_) {
        return false;
    }
    if (key == Qt::Key_Escape) {
        leaveGuess();
        return true;
    }
    if (guess_->Revealed()) {
        return false;
    }
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            answerGuess();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
            // Shift as a value moves; Ctrl ten steps. Plain arrows still
            // walk the values.
            if (modifiers == Qt::NoModifier || modifiers.testFlag(Qt::AltModifier)) {
                return false;
            }
            guess_->Move((key == Qt::Key_Right ? 1 : -1) * (ctrl ? 10 : 1));
            break;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            guess_->MovePage(key == Qt::Key_PageUp ? 1 : -1);
            break;
        default:
            return false;
    }
    showGuess();
    return true;
}

void PictureView::toggleGuess() {
    if (guess_) {
        leaveGuess();
        afterAction();
        return;
    }
    if (stale_) {
        rebuild();
    }
    if (const std::optional<std::string> why = GuessRefusal(picture_)) {
        guessRefusal_ = FromModel(*why);
        afterAction();
        return;
    }
    guessRefusal_.clear();
    whole_ = picture_;
    guess_.emplace(whole_.line);
    mover_.holdReports(true);
    showGuess();
    emit guessChanged();
    afterAction();
}

std::optional<double> PictureView::hiddenGuess() const {
    return guess_ && !guess_->Revealed() ? std::optional<double>(guess_->Marker()) : std::nullopt;
}

void PictureView::showGuess() {
    picture_ = WithGuess(whole_, *guess_, separator_);
    update();
}

void PictureView::answerGuess() {
    guess_->Reveal();
    if (GuessAnswer(whole_, guess_->Marker(), separator_).empty()) {
        // The kind changed to one without a value while the guess waited.
        guessRefusal_ = FromModel(GuessRefusal(whole_).value_or(std::string()));
    }
    mover_.holdReports(false);
    showGuess();
    emit guessChanged();
}

void PictureView::leaveGuess() {
    guess_.reset();
    whole_ = Picture();
    mover_.holdReports(false);
    rebuild();
    emit guessChanged();
}

double PictureView::valueAt(double x) const {
    const NumberLine& line = picture_.line;
    return line.Low() +
           PositionAt(*this, QRectF(rect()), picture_, look(), x) * (line.High() - line.Low());
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
    Picture built =
        BuildPicture(model_.Values(), model_.Weights(), kind, separator_, geometry_, reach_);
    stale_ = false;
    if (guess_) {
        // Changed values or another kind keep the answer hidden.
        guess_->Follow(built.line);
        whole_ = std::move(built);
        showGuess();
        if (guess_->Revealed()) {
            // The answer is to the mean of the lists as they are now.
            emit statusChanged(status());
        }
        return;
    }
    picture_ = std::move(built);
    update();
}

void PictureView::paint(QPainter& painter) const {
    PaintPicture(painter, QRectF(rect()), picture_, look());
}

PictureLook PictureView::look() const {
    return PictureLook{shownFont(), palette()};
}

}  // namespace sredna
