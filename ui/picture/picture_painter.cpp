#include "ui/picture/picture_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "core/picture/picture_texts.h"
#include "core/picture/strip_labels.h"
#include "ui/text/model_text.h"

namespace sredna {

namespace {

// Every length, in parts of the font's line height.
struct Sizes {
    explicit Sizes(const QFontMetricsF& metrics) : line(metrics.height()) {}

    double line;
    double margin() const { return 0.6 * line; }
    // Left and right of the line: room for half a tick label.
    double side() const { return 1.6 * line; }
    // The room of one dot, across and up.
    double dot() const { return 0.6 * line; }
    double tick() const { return 0.3 * line; }
    double mark() const { return 0.7 * line; }
    double gap() const { return 0.5 * line; }
    double pen() const { return line / 12; }
    double thinPen() const { return line / 20; }
};

// What the bands under the line hold, which sets how high the plot may be.
struct Rows {
    int legend = 0;
    bool mean = false;
    bool balance = false;
    int stripLevels = 0;
    int reasons = 0;
};

// The heights of the bands, top to bottom: legend, plot, line, tick labels,
// the selected mean's mark, its label and the balance line, the strip of
// centres with its levels of labels, and the reasons.
struct Bands {
    Bands(const QRectF& area, const Sizes& s, const Rows& rows) {
        legendTop = area.top() + s.margin();
        plotTop = legendTop + rows.legend * s.line + s.gap();
        double below = s.tick() + s.line;
        below += rows.mean ? s.mark() + s.line : 0;
        below += rows.balance ? s.line : 0;
        below += rows.stripLevels > 0 ? s.gap() + s.tick() + rows.stripLevels * s.line : 0;
        below += rows.reasons * s.line;
        lineY = std::max(area.bottom() - s.margin() - below, plotTop + s.dot());
        tickLabelTop = lineY + s.tick();
        markTop = tickLabelTop + s.line;
        meanLabelTop = markTop + (rows.mean ? s.mark() : 0);
        balanceTop = meanLabelTop + (rows.mean ? s.line : 0);
        stripY = balanceTop + (rows.balance ? s.line : 0) + s.gap();
        stripLabelTop = stripY + s.tick();
        reasonsTop = rows.stripLevels > 0 ? stripLabelTop + rows.stripLevels * s.line : stripY;
    }

    double legendTop = 0;
    double plotTop = 0;
    double lineY = 0;
    double tickLabelTop = 0;
    double markTop = 0;
    double meanLabelTop = 0;
    double balanceTop = 0;
    double stripY = 0;
    double stripLabelTop = 0;
    double reasonsTop = 0;
};

// The inks: the palette's background and text, the palette's highlight for
// the dots, and hues of their own for the nearest and farthest values and
// for the pupil's guess.
struct Inks {
    explicit Inks(const QPalette& palette)
        : background(palette.color(QPalette::Base)),
          text(palette.color(QPalette::Text)),
          dot(palette.color(QPalette::Highlight)),
          faint(Mix(text, background)) {}

    static QColor Mix(const QColor& a, const QColor& b) {
        return QColor::fromRgbF((a.redF() + b.redF()) / 2, (a.greenF() + b.greenF()) / 2,
                                (a.blueF() + b.blueF()) / 2);
    }

    QColor background;
    QColor text;
    QColor dot;
    QColor nearest{0, 150, 70};
    QColor farthest{215, 85, 0};
    QColor guess{110, 40, 190};
    QColor faint;
};

// A dot's shape tells what it is, as its colour does.
// None: a legend line without a marker.
enum class Marker { Plain, Nearest, Farthest, Both, None };

void Fill(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
}

void Polygon(QPainter& painter, std::initializer_list<QPointF> corners) {
    QPainterPath path;
    path.moveTo(*corners.begin());
    for (const QPointF& corner : corners) {
        path.lineTo(corner);
    }
    path.closeSubpath();
    painter.drawPath(path);
}

// A plain dot is a circle, the nearest value a diamond, the farthest a
// square; a value both nearest and farthest the diamond inside the square.
void DrawMarker(QPainter& painter, const QPointF& at, double radius, Marker marker,
                const Inks& inks) {
    const double x = at.x();
    const double y = at.y();
    switch (marker) {
        case Marker::Plain:
            Fill(painter, inks.dot);
            painter.drawEllipse(at, radius, radius);
            break;
        case Marker::Nearest: {
            const double r = radius * 1.3;
            Fill(painter, inks.nearest);
            Polygon(painter, {{x, y - r}, {x + r, y}, {x, y + r}, {x - r, y}});
            break;
        }
        case Marker::Farthest:
            Fill(painter, inks.farthest);
            painter.drawRect(QRectF(x - radius, y - radius, 2 * radius, 2 * radius));
            break;
        case Marker::Both:
            DrawMarker(painter, at, radius * 1.2, Marker::Farthest, inks);
            DrawMarker(painter, at, radius * 0.75, Marker::Nearest, inks);
            break;
        case Marker::None:
            break;
    }
}

// Where a text of this width that would start at left starts inside the
// area; at its left edge where it is wider.
double KeptInside(double left, double width, const QRectF& inside) {
    return std::max(inside.left(), std::min(left, inside.right() - width));
}

// Text whose top is at y, centred on x but kept inside the area.
void DrawCentred(QPainter& painter, const QString& text, double x, double top,
                 const QRectF& inside) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double width = metrics.horizontalAdvance(text);
    const double left = KeptInside(x - width / 2, width, inside);
    painter.drawText(QPointF(left, top + metrics.ascent()), text);
}

void DrawText(QPainter& painter, const QString& text, double left, double top) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.drawText(QPointF(left, top + metrics.ascent()), text);
}

struct LegendItem {
    Marker marker;
    QString text;
    int row = 0;
    double left = 0;
};

// The marker of each distinct value: a value at the nearest and the
// farthest distance at once is both.
std::vector<Marker> Markers(const Picture& picture) {
    std::vector<Marker> markers(picture.stacks.Values().size(), Marker::Plain);
    for (const NamedValue& named : picture.nearest) {
        markers.at(static_cast<std::size_t>(named.value)) = Marker::Nearest;
    }
    for (const NamedValue& named : picture.farthest) {
        Marker& marker = markers.at(static_cast<std::size_t>(named.value));
        marker = marker == Marker::Nearest ? Marker::Both : Marker::Farthest;
    }
    return markers;
}

// The legends that apply, flowed into rows across the width.
std::vector<LegendItem> Legend(const Picture& picture, const std::vector<Marker>& markers,
                               const QFontMetricsF& metrics, const Sizes& s, double width) {
    std::vector<LegendItem> items;
    if (picture.stacks.ValuesPerDot() > 1) {
        items.push_back({Marker::Plain, FromModel(picture.dotLegend)});
    }
    const auto shown = [&](Marker marker) {
        return std::find(markers.begin(), markers.end(), marker) != markers.end();
    };
    if (shown(Marker::Nearest)) {
        items.push_back({Marker::Nearest, FromModel(texts::kNearestLegend)});
    }
    if (shown(Marker::Farthest)) {
        items.push_back({Marker::Farthest, FromModel(texts::kFarthestLegend)});
    }
    if (shown(Marker::Both)) {
        items.push_back({Marker::Both, FromModel(texts::kBothLegend)});
    }
    if (picture.fewSegments) {
        items.push_back({Marker::None, FromModel(texts::kFewSegmentsLegend)});
    }
    double x = 0;
    int row = 0;
    for (LegendItem& item : items) {
        const double itemWidth = s.line + metrics.horizontalAdvance(item.text);
        if (x > 0 && x + itemWidth > width) {
            ++row;
            x = 0;
        }
        item.row = row;
        item.left = x;
        x += itemWidth + 1.5 * s.line;
    }
    return items;
}

// A label under the strip, of one centre or of several at one place,
// placed by the core.
struct StripText {
    std::vector<double> ticks;  // x of each centre's tick
    QString text;
    StripLabel box;
};

// The labels of the strip, the selected centre's standing under its mark,
// in the order of their ticks, each label as near its tick as the edges let
// it and on the highest level where it stays clear of the others and of
// their leader lines.
std::vector<StripText> StripLabels(const Picture& picture, const QRectF& line, const QRectF& inside,
                                   const QFontMetricsF& metrics, double gap) {
    std::vector<StripText> labels;
    std::vector<StripLabel> boxes;
    for (const StripEntry& entry : picture.strip) {
        StripText label{{}, FromModel(entry.label), {}};
        for (const double tick : entry.ticks) {
            label.ticks.push_back(line.left() + tick * line.width());
        }
        const double middle = (label.ticks.front() + label.ticks.back()) / 2;
        label.box = StripLabel{middle, metrics.horizontalAdvance(label.text), 0, 0};
        boxes.push_back(label.box);
        labels.push_back(std::move(label));
    }
    PlaceStripLabels(boxes, inside.left(), inside.right(), gap);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i].box = boxes[i];
    }
    return labels;
}

// Every how many ticks a label has room, counted from zero so that round
// values keep theirs.
long long LabelEvery(const NumberLine& numbers, double width, const QFontMetricsF& metrics,
                     double gap) {
    const std::vector<Tick>& ticks = numbers.Ticks();
    if (ticks.size() < 2) {
        return 1;
    }
    double widest = 0;
    for (const Tick& tick : ticks) {
        widest = std::max(widest, metrics.horizontalAdvance(FromModel(tick.label)));
    }
    const double spacing = (ticks[1].position - ticks[0].position) * width;
    return std::max(1LL, std::llround(std::ceil((widest + gap) / spacing)));
}

class Drawing {
public:
    // device: what the fonts are measured for; the painter may be one that
    // never paints, where only the places are asked for.
    Drawing(QPainter& painter, const QPaintDevice* device, const QRectF& area,
            const Picture& picture, const PictureLook& look)
        : painter_(painter),
          picture_(picture),
          area_(area),
          font_(look.font),
          bold_(look.font),
          metrics_(look.font, device),
          s_(metrics_),
          inks_(look.palette),
          inside_(area.adjusted(s_.margin(), 0, -s_.margin(), 0)) {
        bold_.setBold(true);
        line_ = QRectF(QPointF(area.left() + s_.side(), 0), QPointF(area.right() - s_.side(), 0));
        markers_ = Markers(picture);
        legend_ = Legend(picture, markers_, metrics_, s_, inside_.width());
        strip_ = StripLabels(picture, line_, inside_, metrics_, s_.line);
        Rows rows;
        rows.legend = legend_.empty() ? 0 : legend_.back().row + 1;
        rows.mean = picture.Selected().value.has_value();
        rows.balance = !picture.balance.empty();
        // The selected centre's tick alone still draws the strip.
        rows.stripLevels = rows.mean ? 1 : 0;
        for (const StripText& label : strip_) {
            rows.stripLevels = std::max(rows.stripLevels, label.box.level + 1);
        }
        rows.reasons = static_cast<int>(picture.reasons.size());
        bands_ = Bands(area, s_, rows);
        int tallest = 1;
        for (const DotColumn& column : picture.stacks.Columns()) {
            tallest = std::max(tallest, column.dots);
        }
        dot_ = s_.dot() * picture.stacks.DotScale();
        pitch_ = std::min(dot_, (bands_.lineY - s_.tick() - bands_.plotTop) / tallest);
    }

    void paint() {
        painter_.fillRect(area_, inks_.background);
        painter_.setFont(font_);
        if (!picture_.stacks.Values().empty()) {
            paintLegend();
            paintDeviations();
            paintDots();
            paintLine();
            paintMean();
            paintStrip();
            paintGuess();
        }
        paintReasons();
    }

    // Over the picture, on the screen only.
    void paintMarks(const PictureMarks& marks) {
        if (marks.selected) {
            paintFocus(*marks.selected);
        }
        if (marks.drag) {
            paintDragged(*marks.drag);
        }
    }

    double X(double position) const { return line_.left() + position * line_.width(); }
    double PositionAt(double x) const { return (x - line_.left()) / line_.width(); }

    // The column whose dots, or the room just above the line under them, are
    // at the point; -1 for none.
    int ColumnAt(const QPointF& point) const {
        const std::vector<DotColumn>& columns = picture_.stacks.Columns();
        const double reach = std::max(Radius(), s_.dot() / 2);
        int found = -1;
        double nearest = reach;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const double top = RowY(columns[c].dots) - reach;
            const double distance = std::abs(point.x() - X(columns[c].position));
            if (distance <= nearest && point.y() >= top && point.y() <= bands_.lineY) {
                nearest = distance;
                found = static_cast<int>(c);
            }
        }
        return found;
    }

private:
    // The middle of a row of dots, from 1 just above the line.
    double RowY(int row) const { return bands_.lineY - s_.tick() - (row - 0.5) * pitch_; }
    double Radius() const { return 0.42 * std::min(pitch_, dot_); }

    void pen(const QColor& colour, double width) {
        painter_.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        painter_.setBrush(Qt::NoBrush);
    }

    void paintLegend() {
        const double radius = 0.42 * s_.dot();
        for (const LegendItem& item : legend_) {
            const double top = bands_.legendTop + item.row * s_.line;
            const double left = inside_.left() + item.left;
            DrawMarker(painter_, QPointF(left + s_.line / 2, top + s_.line / 2), radius,
                       item.marker, inks_);
            painter_.setPen(inks_.text);
            DrawText(painter_, item.text, item.marker == Marker::None ? left : left + s_.line, top);
        }
    }

    // From each value's stack to the mean, each at its own height, with a
    // pen thin enough that neighbours in one row stay apart.
    void paintDeviations() {
        pen(inks_.faint, std::min(s_.pen(), pitch_ / 8));
        for (const DeviationSegment& segment : picture_.deviations) {
            const double y = bands_.lineY - s_.tick() - segment.height * pitch_;
            painter_.drawLine(QPointF(X(segment.from), y), QPointF(X(segment.to), y));
        }
    }

    // Each value's dots stand on those of the values under it in its
    // column; the nearest and farthest values show at least one dot.
    void paintDots() {
        const std::vector<StackedValue>& values = picture_.stacks.Values();
        const std::vector<DotColumn>& columns = picture_.stacks.Columns();
        pen(inks_.dot, s_.pen());
        for (const StackedValue& v : values) {
            // A stack that holds several values marks each of them on the line.
            if (columns[static_cast<std::size_t>(v.column)].shared) {
                const double x = X(picture_.line.Position(v.value));
                painter_.drawLine(QPointF(x, bands_.lineY - s_.tick() / 2),
                                  QPointF(x, bands_.lineY));
            }
        }
        for (std::size_t i = 0; i < values.size(); ++i) {
            const StackedValue& v = values[i];
            const bool above = i > 0 && values[i - 1].column == v.column;
            const Marker marker = markers_[i];
            int first = above ? values[i - 1].topRow + 1 : 1;
            if (marker != Marker::Plain) {
                first = std::min(first, v.topRow);
            }
            const double x = X(columns[static_cast<std::size_t>(v.column)].position);
            for (int row = first; row <= v.topRow; ++row) {
                DrawMarker(painter_, QPointF(x, RowY(row)), Radius(), marker, inks_);
            }
        }
    }

    // A ring round the selected value's own dots, its top one at least.
    void paintFocus(double value) {
        const int index = picture_.stacks.Find(value);
        if (index < 0) {
            return;
        }
        const std::vector<StackedValue>& values = picture_.stacks.Values();
        const auto at = static_cast<std::size_t>(index);
        const StackedValue& v = values[at];
        const bool above = at > 0 && values[at - 1].column == v.column;
        const int first = std::min(above ? values[at - 1].topRow + 1 : 1, v.topRow);
        const double x = X(picture_.stacks.Columns()[static_cast<std::size_t>(v.column)].position);
        const double r = Radius() + 2 * s_.pen();
        const QRectF ring(QPointF(x - r, RowY(v.topRow) - r), QPointF(x + r, RowY(first) + r));
        painter_.setPen(QPen(inks_.text, s_.pen(), Qt::DotLine));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRoundedRect(ring, r, r);
    }

    // The dragged value alone under the pointer, its value written above it.
    void paintDragged(const DraggedMark& drag) {
        const double x = X(picture_.line.Position(drag.value));
        const double y = std::clamp(drag.y, bands_.plotTop + s_.line, bands_.lineY - s_.tick());
        DrawMarker(painter_, QPointF(x, y), 0.42 * s_.dot(), Marker::Plain, inks_);
        painter_.setPen(inks_.text);
        DrawCentred(painter_, drag.label, x, y - 0.42 * s_.dot() - s_.line, inside_);
    }

    void paintLine() {
        const NumberLine& numbers = picture_.line;
        const double y = bands_.lineY;
        pen(inks_.text, s_.pen());
        painter_.drawLine(QPointF(X(0), y), QPointF(X(1), y));
        const long long every = LabelEvery(numbers, line_.width(), metrics_, s_.line);
        for (const Tick& tick : numbers.Ticks()) {
            const double x = X(tick.position);
            painter_.drawLine(QPointF(x, y), QPointF(x, y + s_.tick()));
            if (every == 1 || std::llround(tick.value / numbers.Step()) % every == 0) {
                DrawCentred(painter_, FromModel(tick.label), x, bands_.tickLabelTop, inside_);
            }
        }
    }

    // The selected mean: a thin line up through the dots, its mark under
    // the line, a triangle for a balance point and an arrow otherwise, its
    // label and the balance line.
    void paintMean() {
        const Centre& selected = picture_.Selected();
        if (!selected.value) {
            return;
        }
        const double x = X(selected.position);
        pen(inks_.text, s_.thinPen());
        painter_.drawLine(QPointF(x, bands_.plotTop), QPointF(x, bands_.lineY));
        Fill(painter_, inks_.text);
        const double top = bands_.markTop;
        const double half = s_.mark() * 0.6;
        const double bottom = top + s_.mark() * 0.9;
        if (picture_.balancePoint) {
            Polygon(painter_, {{x, top}, {x + half, bottom}, {x - half, bottom}});
        } else {
            const double head = top + s_.mark() * 0.45;
            const double stem = half * 0.3;
            Polygon(painter_, {{x, top},
                               {x + half, head},
                               {x + stem, head},
                               {x + stem, bottom},
                               {x - stem, bottom},
                               {x - stem, head},
                               {x - half, head}});
        }
        painter_.setPen(inks_.text);
        painter_.setFont(bold_);
        DrawCentred(painter_, FromModel(selected.label), x, bands_.meanLabelTop, inside_);
        painter_.setFont(font_);
        if (!picture_.balance.empty()) {
            DrawCentred(painter_, FromModel(picture_.balance), x, bands_.balanceTop, inside_);
        }
    }

    // The pupil's guess: a dashed line of its own colour up through the
    // dots, its label on a patch of background at the top.
    void paintGuess() {
        if (!picture_.guess) {
            return;
        }
        const double x = X(picture_.guess->position);
        painter_.setPen(QPen(inks_.guess, s_.pen(), Qt::DashLine, Qt::FlatCap));
        painter_.drawLine(QPointF(x, bands_.plotTop), QPointF(x, bands_.lineY));
        const QString text = FromModel(picture_.guess->label);
        const double width = metrics_.horizontalAdvance(text);
        const double left = KeptInside(x - width / 2, width, inside_);
        painter_.fillRect(QRectF(left, bands_.plotTop, width, s_.line), inks_.background);
        painter_.setPen(inks_.guess);
        DrawText(painter_, text, left, bands_.plotTop);
    }

    // The six centres on a line of their own, each a tick with its label
    // under it, a leader line down to a label on a lower level; the selected
    // kind a heavier tick, its label being the one under its mark.
    void paintStrip() {
        const Centre& selected = picture_.Selected();
        if (strip_.empty() && !selected.value) {
            return;
        }
        const double y = bands_.stripY;
        pen(inks_.faint, s_.pen());
        painter_.drawLine(QPointF(X(0), y), QPointF(X(1), y));
        if (selected.value) {
            pen(inks_.text, 2 * s_.pen());
            const double x = X(selected.position);
            painter_.drawLine(QPointF(x, y - s_.tick()), QPointF(x, y + s_.tick()));
        }
        for (const StripText& label : strip_) {
            const double top = bands_.stripLabelTop + label.box.level * s_.line;
            pen(inks_.text, s_.pen());
            for (const double x : label.ticks) {
                painter_.drawLine(QPointF(x, y - s_.tick()), QPointF(x, top));
            }
            painter_.setPen(inks_.text);
            DrawText(painter_, label.text, label.box.left, top);
        }
    }

    void paintReasons() {
        painter_.setPen(inks_.text);
        // With no dots to show, the reasons stand alone in the middle.
        const bool alone = picture_.stacks.Values().empty();
        double top =
            alone ? area_.center().y() - static_cast<double>(picture_.reasons.size()) * s_.line / 2
                  : bands_.reasonsTop;
        for (const std::string& reason : picture_.reasons) {
            const QString text = FromModel(reason);
            if (alone) {
                DrawCentred(painter_, text, area_.center().x(), top, inside_);
            } else {
                DrawText(painter_, text, inside_.left(), top);
            }
            top += s_.line;
        }
    }

    QPainter& painter_;
    const Picture& picture_;
    QRectF area_;
    QFont font_;
    QFont bold_;
    QFontMetricsF metrics_;
    Sizes s_;
    Inks inks_;
    QRectF inside_;
    QRectF line_;
    std::vector<Marker> markers_;
    std::vector<LegendItem> legend_;
    std::vector<StripText> strip_;
    Bands bands_{QRectF(), s_, Rows()};
    double dot_ = 1;
    double pitch_ = 1;
};

}  // namespace

PictureGeometry GeometryFor(const QSizeF& size, const QFontMetricsF& metrics) {
    const Sizes s(metrics);
    const QRectF area(QPointF(0, 0), size);
    // A legend row, the mean with its balance, three levels of centres and
    // a reason: the painting narrows the rows where it needs more.
    const Bands bands(area, s, Rows{1, true, true, 3, 1});
    const double width = std::max(size.width() - 2 * s.side(), s.dot());
    const double height = std::max(bands.lineY - s.tick() - bands.plotTop, s.dot());
    const double label = metrics.horizontalAdvance(QStringLiteral("00000")) + s.line;
    return {static_cast<int>(width / s.dot()), static_cast<int>(height / s.dot()),
            std::max(2, static_cast<int>(width / label))};
}

void PaintPicture(QPainter& painter, const QRectF& area, const Picture& picture,
                  const PictureLook& look, const PictureMarks& marks) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);
    Drawing drawing(painter, painter.device(), area, picture, look);
    drawing.paint();
    if (!picture.stacks.Values().empty()) {
        drawing.paintMarks(marks);
    }
    painter.restore();
}

int ColumnAt(const QPaintDevice& device, const QRectF& area, const Picture& picture,
             const PictureLook& look, const QPointF& point) {
    QPainter measuring;
    return Drawing(measuring, &device, area, picture, look).ColumnAt(point);
}

double PositionAt(const QPaintDevice& device, const QRectF& area, const Picture& picture,
                  const PictureLook& look, double x) {
    QPainter measuring;
    return Drawing(measuring, &device, area, picture, look).PositionAt(x);
}

}  // namespace sredna
