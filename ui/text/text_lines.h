#pragma once

#include <QString>

#include <string>

// The model keeps CR LF between lines; the text widgets want "\n".
namespace sredna::text_lines {

QString ToWidget(const std::string& modelText);
std::string ToModel(const QString& widgetText);

}  // namespace sredna::text_lines
