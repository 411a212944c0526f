#include "ui/output/report_output.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStyle>

#include "core/means/report.h"
#include "core/model/product.h"
#include "core/model/window_texts.h"
#include "ui/output/report_texts.h"
#include "ui/output/save_file.h"
#include "ui/picture/picture_window_texts.h"
#include "ui/text/model_text.h"
#include "ui/text/text_lines.h"
#include "ui/window/layout.h"

namespace sredna {

namespace {

// The report box's font at its normal size, in points, so that it keeps its
// size on a printer's page whatever the window's zoom.
QFont PaperFont() {
    return layout::WindowFont(layout::kWindowPointSize);
}

// "Стойности (4): 2; 4; 4; 10": the list's items as it writes them.
QString NumbersLine(std::string_view caption, const ListBox& list) {
    QStringList items;
    for (int i = 0; i < list.Count(); ++i) {
        items << FromModel(list.Item(i));
    }
    return FromModel(caption).arg(list.Count()) + items.join(FromModel(texts::kNumbersJoin));
}

// Paper is light: the style's own palette, not a dark desktop's.
QPalette PaperPalette() {
    return QApplication::style()->standardPalette();
}

}  // namespace

ReportOutput::ReportOutput(const Form& form, char separator, QWidget& window,
                           std::function<const QWidget*()> picture)
    : form_(form), separator_(separator), window_(window), picture_(std::move(picture)) {}

ReportPages ReportOutput::pages() const {
    const WindowModel& model = form_.Model();
    const std::optional<MeanKind> kind = form_.ReportKind();
    ReportPages pages;
    pages.title = FromModel(product::kName);
    if (kind) {
        pages.header << FromModel(texts::kReportKind) +
                            FromModel(model.Kinds().Caption(static_cast<int>(*kind)));
    }
    pages.header
        << FromModel(texts::kReportDate) +
               QLocale(QLocale::Bulgarian).toString(QDate::currentDate(), QLocale::LongFormat);
    pages.header << FromModel(texts::kNameLine);
    pages.report = text_lines::ToWidget(model.Report().Text());
    if (pages.report.endsWith(QChar('\n'))) {
        pages.report.chop(1);
    }
    pages.pageNumber = FromModel(texts::kPageNumber);
    const QWidget* picture = picture_();
    const bool pictureOpen = picture != nullptr && picture->isVisible();
    if (!form_.ReportMatchesLists()) {
        if (kind) {
            pages.leftOut =
                FromModel(pictureOpen ? texts::kNumbersAndPictureLeftOut : texts::kNumbersLeftOut);
        } else if (pictureOpen) {
            pages.leftOut = FromModel(texts::kPictureLeftOut);
        }
        return pages;
    }
    const ListBox& values = model.Values();
    pages.header << NumbersLine(texts::kValuesLine, values);
    if (*kind == MeanKind::Weighted) {
        pages.header << NumbersLine(texts::kWeightsLine, model.Weights());
    }
    if (!pictureOpen) {
        return pages;
    }
    pages.picture = [&model, kind = *kind,
                     separator = separator_](const PictureGeometry& geometry) {
        return BuildPicture(model.Values(), model.Weights(), kind, separator, geometry);
    };
    const QString name = FromModel(
        *kind == MeanKind::Weighted ? texts::kWeightedAccessibleName
                                    : texts::kOptionCaptions.at(static_cast<std::size_t>(*kind)));
    pages.pictureCaption = values.Count() == 1
                               ? FromModel(texts::kPictureCaptionOne).arg(name)
                               : FromModel(texts::kPictureCaption).arg(name).arg(values.Count());
    return pages;
}

std::string ReportOutput::fileText() const {
    const ReportPages content = pages();
    std::string text;
    for (const QString& line : QStringList(content.title) + content.header) {
        text += line.toStdString();
        text += kCrLf;
    }
    text += kCrLf;
    return text + form_.Model().Report().Text();
}

void ReportOutput::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(FromModel(product::kName));
    QPrintDialog dialog(&printer, &window_);
    dialog.setWindowTitle(DialogTitle(texts::kPrint));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!PaintReportPages(printer, pages(), PaperFont(), PaperPalette())) {
        QMessageBox::warning(&window_, window_.windowTitle(), FromModel(texts::kNotPrinted));
    }
}

void ReportOutput::save() {
    const std::vector<FileFormat> formats = {
        {FromModel(texts::kPdfFilter), QStringLiteral("pdf")},
        {FromModel(texts::kTextFilter), QStringLiteral("txt")}};
    const std::optional<SaveTarget> target = AskWhereToSave(
        &window_, DialogTitle(texts::kSaveReport), formats, FromModel(texts::kReportFileName));
    if (!target) {
        return;
    }
    if (target->format == 1) {
        // The header lines of the pages, then the report as the box holds it:
        // UTF-8, CR LF.
        const std::string text = fileText();
        SaveWhole(&window_, target->path, texts::kReportNotSaved, [&text](QIODevice& file) {
            return file.write(text.data(), static_cast<qint64>(text.size())) ==
                   static_cast<qint64>(text.size());
        });
        return;
    }
    const ReportPages content = pages();
    SaveWhole(&window_, target->path, texts::kReportNotSaved, [&content](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setTitle(content.title);
        writer.setCreator(content.title);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        return PaintReportPages(writer, content, PaperFont(), PaperPalette());
    });
}

}  // namespace sredna
