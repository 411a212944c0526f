#include "ui/window/layout.h"

#include <algorithm>
#include <cmath>

#include "core/model/window_texts.h"

namespace sredna::layout {

QString WindowCaption() {
    const std::string_view caption = texts::kWindowCaption;
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

QFont WindowFont(double pointSize) {
    QStringList families;
    for (const char* family : kFontFamilies) {
        families.append(QString::fromUtf8(family));
    }
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::Serif);
    return font;
}

QPoint WindowPosition(const QSize& frame, const QRect& available) {
    const QPoint centred(available.left() + (available.width() - frame.width()) / 2,
                         available.top() + (available.height() - frame.height()) / 2);
    return WindowPositionNear(QRect(centred, frame), available);
}

QPoint WindowPositionNear(const QRect& wanted, const QRect& available) {
    const int x = std::min(wanted.left(), available.left() + available.width() - wanted.width());
    const int y = std::min(wanted.top(), available.top() + available.height() - wanted.height());
    return {std::max(x, available.left()), std::max(y, available.top())};
}

std::optional<QRect> FrameBeside(const QRect& other, const QSize& frame, int minimumWidth,
                                 const QRect& available) {
    const int rightRoom = available.right() - other.right();
    const int leftRoom = other.left() - available.left();
    // Right where the whole width fits, else left, else the roomier side.
    const bool right =
        rightRoom >= frame.width() || (leftRoom < frame.width() && rightRoom >= leftRoom);
    const int width = std::min(frame.width(), right ? rightRoom : leftRoom);
    if (width < std::min(frame.width(), minimumWidth)) {
        return std::nullopt;
    }
    const int height = std::min(frame.height(), available.height());
    const int top = std::clamp(other.top(), available.top(), available.bottom() + 1 - height);
    const int left = right ? other.right() + 1 : other.left() - width;
    return QRect(left, top, width, height);
}

QRect FrameCoveringLeast(const QRect& other, const QSize& frame, const QRect& available) {
    if (const std::optional<QRect> beside = FrameBeside(other, frame, frame.width(), available)) {
        return *beside;
    }
    auto covered = [&other](const QRect& place) {
        const QRect both = place.intersected(other);
        return static_cast<long long>(both.width()) * both.height();
    };
    const int right = std::max(available.left(), available.right() + 1 - frame.width());
    const int bottom = std::max(available.top(), available.bottom() + 1 - frame.height());
    QRect best;
    for (const QPoint corner :
         {QPoint(right, available.top()), QPoint(available.left(), available.top()),
          QPoint(right, bottom), QPoint(available.left(), bottom)}) {
        const QRect place(corner, frame);
        if (best.isNull() || covered(place) < covered(best)) {
            best = place;
        }
    }
    return best;
}

int ToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

QRect ToPixels(const TwipsRect& rect, double dpi) {
    // Edges are rounded, not sizes, so neighbouring controls stay flush.
    const int left = ToPixels(rect.left, dpi);
    const int top = ToPixels(rect.top, dpi);
    return {left, top, ToPixels(rect.left + rect.width, dpi) - left,
            ToPixels(rect.top + rect.height, dpi) - top};
}

}  // namespace sredna::layout
