#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <optional>

// Where every control stands, in twips (1/1440 inch) from the top-left corner
// of its container, and the window's colours. The window keeps these
// proportions on any display: twips become logical pixels through the
// screen's logical DPI.
namespace sredna::layout {

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kClientWidth = 7785;
inline constexpr int kClientHeight = 6570;

// The lists, by index in their control array.
inline constexpr TwipsRect kSpis[] = {
    {2280, 2400, 855, 1200}, {3360, 2400, 1000, 1200}, {5880, 2400, 975, 1200},
    {4560, 2400, 855, 1200}, {4800, 2400, 855, 1200},
};
inline constexpr TwipsRect kText1[] = {{120, 4320, 7455, 2055}, {120, 360, 7455, 1575}};
inline constexpr TwipsRect kCommand1[] = {
    {5520, 3840, 1335, 375}, {2280, 3840, 1335, 375}, {3960, 3840, 1335, 375}};
// The labels by index: the title, then those of the counts, the values, the
// median work, the weights and the ranges.
inline constexpr TwipsRect kLabels[] = {
    {1080, 0, 5535, 375},   {2280, 2160, 855, 255}, {3360, 2160, 1005, 255},
    {4920, 2160, 735, 255}, {4560, 2160, 255, 255}, {5880, 2160, 975, 255},
};
inline constexpr TwipsRect kFrame1 = {120, 2040, 1935, 2175};
// The button that opens the picture, in the free band right of "Чисти".
inline constexpr TwipsRect kPictureButton = {6960, 3840, 615, 375};

// The picture window's size when it first opens, and the least it takes.
inline constexpr int kPictureWidth = 9600;
inline constexpr int kPictureHeight = 7200;
inline constexpr int kPictureMinimumWidth = 5400;
inline constexpr int kPictureMinimumHeight = 4200;
// Inside the frame of the kinds: the buttons stack 300 twips apart.
inline constexpr TwipsRect KindOption(int index) {
    return {120, 300 + 300 * index, 1695, 300};
}

inline const QColor kWindowColour{192, 192, 255};
inline const QColor kOptionColour{128, 128, 255};
inline const QColor kCommandColours[] = {{255, 0, 0}, {128, 128, 255}, {128, 255, 128}};
inline const QColor kLabelColour{255, 192, 128};

// Times New Roman, or else the first installed font with its metrics (the
// captions are fitted to them), before any other serif, which may be wider.
inline constexpr const char* kFontFamilies[] = {
    "Times New Roman", "Liberation Serif", "Tinos", "Nimbus Roman", "Times", "serif"};
inline constexpr double kWindowPointSize = 12.0;
inline constexpr double kSmallLabelPointSize = 9.75;
// The title and the counts' label use the window font; the others the small one.
inline constexpr bool UsesSmallFont(int labelIndex) {
    return labelIndex >= 2;
}

// The window's caption (core/model/window_texts.h).
QString WindowCaption();

// The window's typeface at the given size, normal weight.
QFont WindowFont(double pointSize);

// Where a window whose frame has this size opens: centred in the screen's
// available area where it fits; where it does not, with the frame's top-left
// corner (and so its caption) inside the area.
QPoint WindowPosition(const QSize& frame, const QRect& available);
// Where a frame that would stand at `wanted` goes instead: moved as little as
// it must to lie inside the available area, or where it does not fit, to have
// its top-left corner inside.
QPoint WindowPositionNear(const QRect& wanted, const QRect& available);

// Where a second window opens beside one whose frame is given, level with its
// top: right of it where the whole width fits, else left, else on the
// roomier side narrowed to its room, but no narrower than minimumWidth.
// Nothing where neither side has that room.
std::optional<QRect> FrameBeside(const QRect& other, const QSize& frame, int minimumWidth,
                                 const QRect& available);

// Where a window of fixed size goes so as to hide as little as it can of one
// whose frame is given: beside it where it fits whole, else in the corner of
// the available area where it covers least of it.
QRect FrameCoveringLeast(const QRect& other, const QSize& frame, const QRect& available);

// Twips to logical pixels at the given logical DPI (15 twips a pixel at 96).
int ToPixels(int twips, double dpi);
QRect ToPixels(const TwipsRect& rect, double dpi);

}  // namespace sredna::layout
