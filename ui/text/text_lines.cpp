#include "ui/text/text_lines.h"

namespace sredna::text_lines {

QString ToWidget(const std::string& modelText) {
    QString text = QString::fromStdString(modelText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

std::string ToModel(const QString& widgetText) {
    QString text = widgetText;
    // QPlainTextEdit may hand back paragraph separators for line breaks.
    text.replace(QChar::ParagraphSeparator, QChar('\n'));
    text.replace(QChar::LineSeparator, QChar('\n'));
    text.replace(QChar('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

}  // namespace sredna::text_lines
