// The report on paper and in a file, through the real keys and dialogs: the
// saved PDF and the printed one hold the header with the name line and the
// numbers, the report's lines, the picture with its caption (or why they were
// left out) and the page numbers; the saved text is the same header and the
// report itself.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <string_view>

#include "tests/list_rows.h"
#include "tests/modal_dialogs.h"
#include "tests/test_support.h"
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

    std::string report() const { return window.form().Model().Report().Text(); }

    // Ctrl+V of these values into the values list.
    void paste(const QString& values) {
        QGuiApplication::clipboard()->setText(values);
        activate();
        window.spis(kValuesList)->setFocus();
        QTest::keyClick(window.spis(kValuesList), Qt::Key_V, Qt::ControlModifier);
    }

    // Ctrl+Shift+S, and a name typed into the dialog, with the text filter
    // chosen or not.
    void saveAs(const QString& name, bool textFilter = false) {
        activate();  // the offscreen platform gives it back no focus after a dialog
        const test::ModalAnswer<QFileDialog> answer([&](QFileDialog* dialog) {
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
    static QString PdfText(const QString& path) { return PdfPages(path).join(QString()); }
    static QString Squeezed(QString text) { return text.remove(QRegularExpression("\\s")); }

    // The PDF's pages, each squeezed.
    static QStringList PdfPages(const QString& path) {
        QProcess reader;
        reader.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {path, "-"});
        reader.waitForFinished();
        QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(QChar('\f'));
        for (QString& page : pages) {
            page = Squeezed(page);
        }
        if (!pages.isEmpty() && pages.last().isEmpty()) {
            pages.removeLast();  // after the last page's form feed
        }
        return pages;
    }

    // The text with this run's decimal separator between digits for ".".
    static std::string Local(const char* text) {
        const char* lang = std::getenv("LANG");
        const bool comma = lang != nullptr && std::string_view(lang).starts_with("bg");
        return test::WithSeparator(text, comma ? ',' : '.');
    }

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
    const QString leftOut = Squeezed(FromModel(texts::kNumbersAndPictureLeftOut));
    EXPECT_TRUE(matching.startsWith(QStringLiteral("СреднастойностВиднасредната:аритметична")))
        << matching.toStdString();
    // The name line and the numbers under the header, then the report.
    EXPECT_TRUE(matching.contains(QStringLiteral("Име:____________________Клас:______"
                                                 "Стойности(5):123;123;123;123;123") +
                                  Squeezed(QString::fromStdString(report()))))
        << matching.toStdString();
    EXPECT_TRUE(matching.contains(QStringLiteral("Графика:аритметична,5стойности")))
        << matching.toStdString();
    EXPECT_TRUE(matching.contains(QStringLiteral("стр.1от1"))) << matching.toStdString();
    // The means at one place share one label.
    const QString label =
        QStringLiteral("квадратична,хармонична,геометрична,претеглена,медиана=123");
    EXPECT_TRUE(matching.contains(label)) << matching.toStdString();
    EXPECT_FALSE(matching.contains(leftOut));

    // A value changed after the calculation: the picture no longer shows
    // what the report says.
    QListView* values = window.spis(kValuesList);
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    activate();
    values->setFocus();
    QTest::keyClick(values, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(test::RowCount(values), 6);
    saveAs(QStringLiteral("по-късно"));  // the PDF filter's ending
    const QString later = PdfText(folder.filePath(QStringLiteral("по-късно.pdf")));
    EXPECT_TRUE(later.contains(leftOut)) << later.toStdString();
    EXPECT_FALSE(later.contains(label));
    EXPECT_FALSE(later.contains(QStringLiteral("Стойности("))) << later.toStdString();
    EXPECT_FALSE(later.contains(QStringLiteral("Графика:"))) << later.toStdString();

    // The weighted mean: its weights too, and its name in the caption with
    // a Cyrillic "р", unlike the option's caption.
    QTest::mouseClick(window.option1(static_cast<int>(MeanKind::Weighted)), Qt::LeftButton);
    QTest::mouseClick(window.command1(kCalculateCommand), Qt::LeftButton);
    saveAs(QStringLiteral("претеглена"));
    const QString weighted = PdfText(folder.filePath(QStringLiteral("претеглена.pdf")));
    EXPECT_TRUE(weighted.contains(QStringLiteral("Стойности(6):123;123;123;123;123;7Тегла(6):")))
        << weighted.toStdString();
    EXPECT_TRUE(weighted.contains(QStringLiteral("Графика:претеглена,6стойности")))
        << weighted.toStdString();
}

// The header lines of the pages, an empty line and the report's bytes: the
// numbers as the lists write them, and only while they are the report's.
TEST_F(WindowReportTest, SavedTextIsTheHeaderAndTheReportInUtf8WithCrLf) {
    struct Case {
        const char* name;
        MeanKind kind;
        const char* pasted;  // after "Чисти"; none: the lists as they start
        const char* later;   // pasted after the calculation; none: nothing
        const char* kindLine;
        const char* numbers;  // "." for the separator
    };
    const Case cases[] = {
        {"arithmetic", MeanKind::Arithmetic, "2.5\n4\n4\n10", nullptr, "аритметична",
         "Стойности (4): 2.5; 4; 4; 10\r\n"},
        // The option's caption has a Latin "p" in "пpетеглена".
        {"weighted", MeanKind::Weighted, "1.5\n3", nullptr, "пpетеглена",
         "Стойности (2): 1.5; 3\r\nТегла (2): 1; 1\r\n"},
        {"changed_after", MeanKind::Arithmetic, "2.5\n4", "7", "аритметична", ""},
    };
    const std::string date = QLocale(QLocale::Bulgarian)
                                 .toString(QDate::currentDate(), QLocale::LongFormat)
                                 .toStdString();
    for (const Case& c : cases) {
        if (c.pasted != nullptr) {
            QTest::mouseClick(window.command1(kClearCommand), Qt::LeftButton);
            paste(QString::fromStdString(Local(c.pasted)));
        }
        QTest::mouseClick(window.option1(static_cast<int>(c.kind)), Qt::LeftButton);
        QTest::mouseClick(window.command1(kCalculateCommand), Qt::LeftButton);
        if (c.later != nullptr) {
            paste(QString::fromUtf8(c.later));
        }
        const QString name = QString::fromUtf8(c.name);
        saveAs(name, true);
        QFile file(folder.filePath(name + QStringLiteral(".txt")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.name;
        EXPECT_EQ(file.readAll().toStdString(),
                  std::string("Средна стойност\r\nВид на средната: ") + c.kindLine +
                      "\r\nДата: " + date + "\r\nИме: ____________________  Клас: ______\r\n" +
                      Local(c.numbers) + "\r\n" + report())
            << c.name;
    }
    EXPECT_NE(report().find(Local("средна аритметична = 6.5 / 2 = 3.25\r\n")), std::string::npos);
}

// The system's print dialog, told to print to a PDF file.
TEST_F(WindowReportTest, PrintingToAPdfFilePrintsTheReport) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows' print dialog is the system's own, which a test cannot answer";
#endif
    if (!HavePdfToText()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
    }
    // Values enough for several pages.
    QTest::mouseClick(window.command1(kClearCommand), Qt::LeftButton);
    QStringList many;
    for (int i = 1; i <= 300; ++i) {
        many << QString::number(i);
    }
    paste(many.join(QChar('\n')));
    QTest::mouseClick(window.command1(kCalculateCommand), Qt::LeftButton);
    const QString path = folder.filePath(QStringLiteral("печат.pdf"));
    {
        const test::ModalAnswer<QPrintDialog> answer([path](QPrintDialog* dialog) {
            auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            if (printers == nullptr || name == nullptr) {
                ADD_FAILURE() << "the print dialog has no printer list or file name";
                dialog->reject();
                return;
            }
            printers->setCurrentIndex(printers->count() - 1);  // "Print to File (PDF)"
            name->setText(path);
            dialog->accept();
        });
        QTest::keyClick(window.text1(kReportBox), Qt::Key_P, Qt::ControlModifier);
    }
    ASSERT_TRUE(QFile::exists(path));
    // Every page numbered at its foot; without the numbers, the report reads
    // on unbroken across the pages.
    const QStringList pages = PdfPages(path);
    ASSERT_GT(pages.size(), 1);
    QString printed;
    for (int i = 0; i < pages.size(); ++i) {
        const QString number = QStringLiteral("стр.%1от%2").arg(i + 1).arg(pages.size());
        EXPECT_TRUE(pages[i].endsWith(number)) << pages[i].right(80).toStdString();
        printed += pages[i].chopped(pages[i].endsWith(number) ? number.size() : 0);
    }
    EXPECT_TRUE(printed.contains(Squeezed(QString::fromStdString(report()))))
        << printed.left(400).toStdString();
}

}  // namespace
}  // namespace sredna
