#pragma once

#include <QString>

#include <string_view>

namespace sredna {

// A text of the model, which keeps UTF-8, for a widget.
inline QString FromModel(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The title of the dialog a command opens: its caption without the "…"
// that promises the dialog.
inline QString DialogTitle(std::string_view caption) {
    QString title = FromModel(caption);
    if (title.endsWith(QChar(0x2026))) {
        title.chop(1);
    }
    return title;
}

}  // namespace sredna
