// The report on paper and in a file, through the real keys and dialogs: the
// saved PDF and the printed one hold the header, the report's lines and the
// picture (or why it was left out); the saved text is the report itself.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "tests/modal_dialogs.h"
#include "tests/window_with_form.h"
#include "ui/output/report_texts.h"
#include "ui/picture/picture_view.h"
#include "ui/picture/picture_window.h"
#include "ui/text/model_text.h"

namespace sredna {
namespace {

class WindowReportTest : public testing::Test {
protected:
    WindowWithForm window;
    QTemporaryDir folder;

    WindowReportTest() {
        window.show();
        activate();
    }

    void activate() {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    std::string report() const { return window.form().Model().Text1(kReportBox).Text(); }

    // Ctrl+Shift+S, and a name typed into the dialog, with the text filter
    // chosen or not.
    void saveAs(const QString& name, bool textFilter = false) {
        activate();  // the offscreen platform gives it back no focus after a dialog
        test::WhenModal<QFileDialog>([&](QFileDialog* dialog) {
            if (textFilter) {
                QTest::keyClick(dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")),
                                Qt::Key_Down);
            }
            test::TypeFileName(dialog, folder.filePath(name));
        });
        QTest::keyClick(window.text1(kReportBox), Qt::Key_S,
                        Qt::ControlModifier | Qt::ShiftModifier);
    }

    // The text of a PDF, without its line breaks and spaces, which depend
    // on the page's width.
    static QString PdfText(const QString& path) {
        QProcess reader;
        reader.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {path, "-"});
        reader.waitForFinished();
        return Squeezed(QString::fromUtf8(reader.readAllStandardOutput()));
    }
    static QString Squeezed(QString text) { return text.remove(QRegularExpression("\\s")); }

    static bool HavePdfToText() {
        return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
    }
};

TEST_F(WindowReportTest, SavedPdfHoldsTheReportAndThePictureWhileItStillMatches) {
    QTest::mouseClick(window.command1(kCalculateCommand), Qt::LeftButton);
    QTest::keyClick(&window, Qt::Key_F4);
    ASSERT_NE(window.pictureWindow(), nullptr);
    activate();
    saveAs(QStringLiteral("отчет.pdf"));
    if (!HavePdfToText()) {
        QFile file(folder.filePath(QStringLiteral("отчет.pdf")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(5), "%PDF-");
        GTEST_SKIP() << "pdftotext (poppler-utils) is missing: the PDF's text goes unread";
    }
    const QString matching = PdfText(folder.filePath(QStringLiteral("отчет.pdf")));
    const QString leftOut = Squeezed(FromModel(texts::kPictureLeftOut));
    EXPECT_TRUE(matching.startsWith(QStringLiteral("СреднастойностВиднасредната:аритметична")))
        << matching.toStdString();
    EXPECT_TRUE(matching.contains(Squeezed(QString::fromStdString(report()))))
        << matching.toStdString();
    const QString label = Squeezed(QString::fromStdString(
        window.pictureWindow()->view()->picture().centres.at(2).label));  // хармонична = 123
    EXPECT_TRUE(matching.contains(label)) << label.toStdString();
    EXPECT_FALSE(matching.contains(leftOut));

    // A value changed after the calculation: the picture no longer shows
    // what the report says.
    QListWidget* values = window.spis(kValuesList);
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    activate();
    values->setFocus();
    QTest::keyClick(values, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(values->count(), 6);
    saveAs(QStringLiteral("по-късно"));  // the PDF filter's ending
    const QString later = PdfText(folder.filePath(QStringLiteral("по-късно.pdf")));
    EXPECT_TRUE(later.contains(leftOut)) << later.toStdString();
    EXPECT_FALSE(later.contains(label));
}

TEST_F(WindowReportTest, SavedTextIsTheReportInUtf8WithCrLf) {
    QTest::mouseClick(window.command1(kCalculateCommand), Qt::LeftButton);
    saveAs(QStringLiteral("отчет"), true);
    QFile file(folder.filePath(QStringLiteral("отчет.txt")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), report());
    EXPECT_NE(report().find("средна аритметична = 615 / 5 = 123\r\n"), std::string::npos);
}

// The system's print dialog, told to print to a PDF file.
TEST_F(WindowReportTest, PrintingToAPdfFilePrintsTheReport) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows' print dialog is the system's own, which a test cannot answer";
#endif
    if (!HavePdfToText()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
    }
    QTest::mouseClick(window.command1(kCalculateCommand), Qt::LeftButton);
    const QString path = folder.filePath(QStringLiteral("печат.pdf"));
    test::WhenModal<QPrintDialog>([&](QPrintDialog* dialog) {
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
        if (printers == nullptr || name == nullptr) {
            dialog->reject();
            return;
        }
        printers->setCurrentIndex(printers->count() - 1);  // "Print to File (PDF)"
        name->setText(path);
        dialog->accept();
    });
    QTest::keyClick(window.text1(kReportBox), Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(QFile::exists(path));
    const QString printed = PdfText(path);
    EXPECT_TRUE(printed.contains(Squeezed(QString::fromStdString(report()))))
        << printed.toStdString();
}

}  // namespace
}  // namespace sredna
