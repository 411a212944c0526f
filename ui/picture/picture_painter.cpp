#include "ui/picture/picture_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "core/picture/picture_texts.h"
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
// the dots, and two hues of their own for the nearest and farthest values.
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
    QColor faint;
};

// A dot's shape tells what it is, as its colour does.
enum class Marker { Plain, Nearest, Farthest, Both };

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

// The legends that apply, flowed into rows across the width.
std::vector<LegendItem> Legend(const Picture& picture, const QFontMetricsF& metrics, const Sizes& s,
                               double width) {
    std::vector<LegendItem> items;
    if (picture.stacks.ValuesPerDot() > 1) {
        items.push_back({Marker::Plain, FromModel(picture.dotLegend)});
    }
    if (picture.nearest) {
        items.push_back({Marker::Nearest, FromModel(texts::kNearestLegend)});
    }
    if (picture.farthest) {
        items.push_back({Marker::Farthest, FromModel(texts::kFarthestLegend)});
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

struct StripLabel {
    std::size_t kind = 0;
    double x = 0;
    QString text;
    int level = 0;
};

// The centres that have a value, in the order of their ticks, each label on
// the highest level where it keeps clear of those already placed.
std::vector<StripLabel> StripLabels(const Picture& picture, const QRectF& line,
                                    const QRectF& inside, const QFont& normal, const QFont& bold,
                                    const QPaintDevice* device, double gap) {
    std::vector<StripLabel> labels;
    for (std::size_t k = 0; k < picture.centres.size(); ++k) {
        const Centre& centre = picture.centres.at(k);
        if (centre.value) {
            labels.push_back(
                {k, line.left() + centre.position * line.width(), FromModel(centre.label), 0});
        }
    }
    std::stable_sort(labels.begin(), labels.end(),
                     [](const StripLabel& a, const StripLabel& b) { return a.x < b.x; });
    const QFontMetricsF normalMetrics(normal, device);
    const QFontMetricsF boldMetrics(bold, device);
    std::vector<double> levelEnds;  // the right end of the last label on each level
    for (StripLabel& label : labels) {
        const bool selected = label.kind == static_cast<std::size_t>(picture.kind);
        const double width = (selected ? boldMetrics : normalMetrics).horizontalAdvance(label.text);
        const double left = KeptInside(label.x - width / 2, width, inside);
        const auto free = std::find_if(levelEnds.begin(), levelEnds.end(),
                                       [&](double end) { return end + gap <= left; });
        label.level = static_cast<int>(free - levelEnds.begin());
        if (free == levelEnds.end()) {
            levelEnds.push_back(left + width);
        } else {
            *free = left + width;
        }
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
    Drawing(QPainter& painter, const QRectF& area, const Picture& picture, const PictureLook& look)
        : painter_(painter),
          picture_(picture),
          area_(area),
          font_(look.font),
          bold_(look.font),
          metrics_(look.font, painter.device()),
          s_(metrics_),
          inks_(look.palette),
          inside_(area.adjusted(s_.margin(), 0, -s_.margin(), 0)) {
        bold_.setBold(true);
        line_ = QRectF(QPointF(area.left() + s_.side(), 0), QPointF(area.right() - s_.side(), 0));
        legend_ = Legend(picture, metrics_, s_, inside_.width());
        strip_ = StripLabels(picture, line_, inside_, font_, bold_, painter.device(), s_.line);
        Rows rows;
        rows.legend = legend_.empty() ? 0 : legend_.back().row + 1;
        rows.mean = picture.Selected().value.has_value();
        rows.balance = !picture.balance.empty();
        for (const StripLabel& label : strip_) {
            rows.stripLevels = std::max(rows.stripLevels, label.level + 1);
        }
        rows.reasons = static_cast<int>(picture.reasons.size());
        bands_ = Bands(area, s_, rows);
        int tallest = 1;
        for (const DotColumn& column : picture.stacks.Columns()) {
            tallest = std::max(tallest, column.dots);
        }
        pitch_ = std::min(s_.dot(), (bands_.lineY - s_.tick() - bands_.plotTop) / tallest);
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
        }
        paintReasons();
    }

private:
    double X(double position) const { return line_.left() + position * line_.width(); }
    // The middle of a row of dots, from 1 just above the line.
    double RowY(int row) const { return bands_.lineY - s_.tick() - (row - 0.5) * pitch_; }
    double Radius() const { return 0.42 * pitch_; }

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
            DrawText(painter_, item.text, left + s_.line, top);
        }
    }

    // From each distinct value to the mean at the height of its top dot.
    // Segments of one row and side all end at the mean, so the longest
    // covers the others: only it is drawn, which keeps a large sample quick.
    void paintDeviations() {
        const std::vector<DeviationSegment>& segments = picture_.deviations;
        if (segments.empty()) {
            return;
        }
        const double mean = segments.front().to;
        std::vector<double> leftmost;
        std::vector<double> rightmost;
        for (const DeviationSegment& segment : segments) {
            const auto row = static_cast<std::size_t>(segment.row);
            if (leftmost.size() <= row) {
                leftmost.resize(row + 1, mean);
                rightmost.resize(row + 1, mean);
            }
            leftmost[row] = std::min(leftmost[row], segment.from);
            rightmost[row] = std::max(rightmost[row], segment.from);
        }
        pen(inks_.faint, s_.pen());
        for (std::size_t row = 1; row < leftmost.size(); ++row) {
            const double y = RowY(static_cast<int>(row));
            if (leftmost[row] < rightmost[row]) {
                painter_.drawLine(QPointF(X(leftmost[row]), y), QPointF(X(rightmost[row]), y));
            }
        }
    }

    Marker MarkerOf(int value) const {
        const bool nearest = picture_.nearest && picture_.nearest->value == value;
        const bool farthest = picture_.farthest && picture_.farthest->value == value;
        if (nearest && farthest) {
            return Marker::Both;
        }
        if (nearest || farthest) {
            return nearest ? Marker::Nearest : Marker::Farthest;
        }
        return Marker::Plain;
    }

    // Each value's dots stand on those of the values under it in its
    // column; the nearest and farthest values show at least one dot.
    void paintDots() {
        const std::vector<StackedValue>& values = picture_.stacks.Values();
        const std::vector<DotColumn>& columns = picture_.stacks.Columns();
        for (std::size_t i = 0; i < values.size(); ++i) {
            const StackedValue& v = values[i];
            const bool above = i > 0 && values[i - 1].column == v.column;
            const Marker marker = MarkerOf(static_cast<int>(i));
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

    // The six centres on a line of their own, each a tick with its label
    // centred under it, stepped down a level where it would run into
    // another; the selected kind in bold on a heavier tick.
    void paintStrip() {
        if (strip_.empty()) {
            return;
        }
        const double y = bands_.stripY;
        pen(inks_.faint, s_.pen());
        painter_.drawLine(QPointF(X(0), y), QPointF(X(1), y));
        for (const StripLabel& label : strip_) {
            const bool selected = label.kind == static_cast<std::size_t>(picture_.kind);
            const double top = bands_.stripLabelTop + label.level * s_.line;
            pen(inks_.text, selected ? 2 * s_.pen() : s_.pen());
            painter_.drawLine(QPointF(label.x, y - s_.tick()), QPointF(label.x, y + s_.tick()));
            painter_.setFont(selected ? bold_ : font_);
            DrawCentred(painter_, label.text, label.x, top, inside_);
        }
        painter_.setFont(font_);
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
    std::vector<LegendItem> legend_;
    std::vector<StripLabel> strip_;
    Bands bands_{QRectF(), s_, Rows()};
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
                  const PictureLook& look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);
    Drawing(painter, area, picture, look).paint();
    painter.restore();
}

}  // namespace sredna
