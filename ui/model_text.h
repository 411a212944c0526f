#pragma once

#include <QString>

#include <string_view>

namespace sredna {

// A text of the model, which keeps UTF-8, for a widget.
inline QString FromModel(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace sredna
