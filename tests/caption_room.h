#pragma once

#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace sredna::test {

// The room an option button leaves its caption beside the circle, in
// pixels: below 0 the caption is cut.
inline int CaptionRoom(const QRadioButton* option) {
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    const QRect contents =
        option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    return contents.width() - option->fontMetrics().horizontalAdvance(option->text());
}

}  // namespace sredna::test
