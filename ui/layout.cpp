#include "ui/layout.h"

#include <cmath>

namespace sredna::layout {

QString WindowCaption() {
    return QString::fromUtf8(kPublisherAddress) + QStringLiteral("   ") +
           QString::fromUtf8(kCaptionText);
}

QFont WindowFont(double pointSize) {
    QFont font(QString::fromUtf8(kFontFamily));
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::Serif);
    return font;
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
