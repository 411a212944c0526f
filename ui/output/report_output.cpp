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
    ReportPages pages;
    pages.title = FromModel(product::kName);
    if (const std::optional<MeanKind> kind = form_.ReportKind()) {
        pages.kind = FromModel(texts::kReportKind) +
                     FromModel(model.Option1().Caption(static_cast<int>(*kind)));
    }
    pages.date = FromModel(texts::kReportDate) +
                 QLocale(QLocale::Bulgarian).toString(QDate::currentDate(), QLocale::LongFormat);
    pages.report = text_lines::ToWidget(model.Text1(kReportBox).Text());
    if (pages.report.endsWith(QChar('\n'))) {
        pages.report.chop(1);
    }
    const QWidget* picture = picture_();
    if (picture == nullptr || !picture->isVisible()) {
        return pages;
    }
    if (!form_.ReportMatchesLists()) {
        pages.pictureLeftOut = FromModel(texts::kPictureLeftOut);
        return pages;
    }
    pages.picture = [&model, kind = *form_.ReportKind(),
                     separator = separator_](const PictureGeometry& geometry) {
        return BuildPicture(model.Spis(kValuesList), model.Spis(kWeightsList), kind, separator,
                            geometry);
    };
    return pages;
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
    if (folder_.isEmpty()) {
        folder_ = QDir::homePath();
    }
    const std::vector<FileFormat> formats = {
        {FromModel(texts::kPdfFilter), QStringLiteral("pdf")},
        {FromModel(texts::kTextFilter), QStringLiteral("txt")}};
    const std::optional<SaveTarget> target =
        AskWhereToSave(&window_, DialogTitle(texts::kSaveReport), formats, folder_,
                       FromModel(texts::kReportFileName));
    if (!target) {
        return;
    }
    if (target->format == 1) {
        // The report alone, as the box holds it: UTF-8, CR LF.
        const std::string& text = form_.Model().Text1(kReportBox).Text();
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
