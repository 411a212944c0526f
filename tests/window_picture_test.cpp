// The picture window through real events: opened by its button and by F4,
// following the lists, copying its image and saving it as PNG or PDF.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <string_view>

#include "tests/modal_dialogs.h"
#include "tests/test_support.h"
#include "tests/window_with_form.h"
#include "ui/picture/picture_view.h"

namespace sredna {
namespace {

class WindowPictureTest : public testing::Test {
protected:
    WindowWithForm window;

    WindowPictureTest() {
        window.show();
        activate(&window);
    }

    static void activate(QWidget* widget) {
        widget->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(widget));
    }

    PictureWindow* openByButton() {
        QTest::mouseClick(window.pictureButton(), Qt::LeftButton);
        PictureWindow* picture = window.pictureWindow();
        EXPECT_TRUE(picture != nullptr && QTest::qWaitForWindowActive(picture));
        return picture;
    }

    void paste(const QString& text) {
        activate(&window);
        QTest::mouseClick(window.command1(kClearCommand), Qt::LeftButton);
        QGuiApplication::clipboard()->setText(text);
        QListView* values = window.spis(kValuesList);
        values->setFocus();
        QTest::keyClick(values, Qt::Key_V, Qt::ControlModifier);
    }

    // What a screen reader is told about the picture.
    QString description() const {
        return QAccessible::queryAccessibleInterface(window.pictureWindow()->view())
            ->text(QAccessible::Description);
    }

    // The text with this run's decimal separator between digits for ".".
    static std::string Local(const char* text) {
        const char* lang = std::getenv("LANG");
        const bool comma = lang != nullptr && std::string_view(lang).starts_with("bg");
        return test::WithSeparator(text, comma ? ',' : '.');
    }

    static QString LocalText(const char* text) { return QString::fromStdString(Local(text)); }
};

TEST_F(WindowPictureTest, ButtonAndF4OpenOneWindowThatShowsTheLists) {
    EXPECT_EQ(window.pictureWindow(), nullptr);  // made when first asked for
    PictureWindow* picture = openByButton();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->windowTitle(), QStringLiteral("Графика – Средна стойност"));
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(picture->view());
    EXPECT_EQ(chart->role(), QAccessible::Chart);
    EXPECT_TRUE(description().startsWith(
        QStringLiteral("Точкова диаграма на 5 стойности; най-малка 123, най-голяма 123. Избрана: "
                       "аритметична = 123.")))
        << description().toStdString();

    picture->close();
    paste(LocalText("1.5\n4\n4"));
    EXPECT_FALSE(picture->isVisible());
    QTest::keyClick(window.text1(kReportBox), Qt::Key_F4);
    EXPECT_EQ(window.pictureWindow(), picture);
    EXPECT_TRUE(QTest::qWaitForWindowActive(picture));
    EXPECT_TRUE(description().startsWith(
        LocalText("Точкова диаграма на 3 стойности; най-малка 1.5, най-голяма 4. Избрана: "
                  "аритметична ≈ 3.1667.")))
        << description().toStdString();
}

TEST_F(WindowPictureTest, FollowsAPasteAndTheKindAtOnce) {
    openByButton();
    const Picture& shown = window.pictureWindow()->view()->picture();
    paste(LocalText("2.5\n-1\n7\n7"));
    EXPECT_EQ(shown.valueCount, 4);
    EXPECT_EQ(shown.Selected().label, Local("аритметична = 3.875"));
    EXPECT_EQ(shown.balance, Local("Сбор на разстоянията до средната: отляво 6.25, отдясно 6.25"));
    QTest::mouseClick(window.option1(static_cast<int>(MeanKind::Median)), Qt::LeftButton);
    EXPECT_EQ(shown.Selected().label, Local("медиана = 4.75"));
    EXPECT_TRUE(description().contains(LocalText("Избрана: медиана = 4.75.")));
}

// F1 works in the picture window too, and opens the one keys window.
TEST_F(WindowPictureTest, F1OpensTheKeysWindowFromThePicture) {
    PictureWindow* picture = openByButton();
    ASSERT_EQ(window.keysWindow(), nullptr);
    QTest::keyClick(picture, Qt::Key_F1);
    ASSERT_NE(window.keysWindow(), nullptr);
    EXPECT_TRUE(window.keysWindow()->isVisible());
}

TEST_F(WindowPictureTest, CtrlCCopiesThePictureAsAnImage) {
    paste(QStringLiteral("1\n2\n4"));  // 1 is neither nearest nor farthest: a plain dot
    PictureWindow* picture = openByButton();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(picture, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->data(QStringLiteral("image/png")).startsWith("\x89PNG"));
    const QImage image = QGuiApplication::clipboard()->image();
    EXPECT_EQ(image.size(), picture->view()->size() * 2);
    // Painted, not blank: a plain dot is in the highlight colour.
    const QRgb dot = picture->view()->palette().color(QPalette::Highlight).rgb();
    bool dotSeen = false;
    for (int y = 0; y < image.height() && !dotSeen; ++y) {
        for (int x = 0; x < image.width() && !dotSeen; ++x) {
            dotSeen = image.pixel(x, y) == dot;
        }
    }
    EXPECT_TRUE(dotSeen);
}

struct GrowthCase {
    double size;    // of the default
    double growth;  // of the font
};

// A larger window draws a larger font, up to twice as large; a smaller one
// keeps the font.
TEST_F(WindowPictureTest, TheFontGrowsWithTheWindowUpToTwice) {
    PictureWindow* picture = openByButton();
    PictureView* view = picture->view();
    const double normal = view->font().pointSizeF();
    const QSize initial = view->defaultSize();
    ASSERT_FALSE(initial.isEmpty());
    const GrowthCase cases[] = {{1.5, 1.5}, {3, 2}, {0.9, 1}, {1, 1}};
    for (const GrowthCase& c : cases) {
        picture->resize((QSizeF(initial) * c.size).toSize());
        EXPECT_NEAR(view->shownFont().pointSizeF(), normal * c.growth, normal * 0.01) << c.size;
    }
}

struct SaveCase {
    const char* typed;
    bool pdfFilter;
    const char* saved;
    const char* start;  // of the file
};

// The ending typed gives the format; a name without one takes the filter's.
TEST_F(WindowPictureTest, CtrlSSavesPngOrPdfWithTheLabelsAsText) {
    paste(LocalText("1.5\n4\n4"));
    PictureWindow* picture = openByButton();
    const SaveCase cases[] = {{"typed.pdf", false, "typed.pdf", "%PDF"},
                              {"filtered", true, "filtered.pdf", "%PDF"},
                              {"plain", false, "plain.png", "\x89PNG"}};
    QTemporaryDir folder;
    for (const SaveCase& c : cases) {
        const test::ModalAnswer<QFileDialog> answer([&](QFileDialog* dialog) {
            if (c.pdfFilter) {
                QTest::keyClick(dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")),
                                Qt::Key_Down);
            }
            test::TypeFileName(dialog, folder.filePath(QString::fromUtf8(c.typed)));
        });
        activate(picture);  // the offscreen platform gives it back no focus
        QTest::keyClick(picture, Qt::Key_S, Qt::ControlModifier);
        QFile file(folder.filePath(QString::fromUtf8(c.saved)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly))
            << c.saved << " " << QDir(folder.path()).entryList().join('|').toStdString();
        EXPECT_TRUE(file.read(4).startsWith(c.start)) << c.saved;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3);  // and nothing else

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
    }
    QProcess reader;
    reader.start(pdftotext, {folder.filePath(QStringLiteral("typed.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished());
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    QStringList labels = {LocalText("аритметична ≈ 3.1667"),
                          LocalText("отляво ≈ 1.6667, отдясно ≈ 1.6667"),
                          QStringLiteral("най-близка до средната"), LocalText("1.5")};
    for (const StripEntry& entry : picture->view()->picture().strip) {
        labels.append(QString::fromStdString(entry.label));
    }
    for (const QString& label : labels) {
        EXPECT_TRUE(text.contains(label)) << label.toStdString() << " in\n" << text.toStdString();
    }
}

// Where no file can be made, a message says so and nothing is left behind.
TEST_F(WindowPictureTest, SavingWhereNoFileCanBeMadeSaysWhy) {
#ifndef Q_OS_LINUX
    // Wine maps /proc to a drive folder that takes files; Windows has no
    // folder that refuses even an administrator.
    GTEST_SKIP() << "needs Linux's /proc, where not even root makes files";
#endif
    const QString path = QStringLiteral("/proc/графика.pdf");
    PictureWindow* picture = openByButton();
    QString message;
    {
        const test::ModalAnswer<QMessageBox> refusal([&message](QMessageBox* box) {
            message = box->text();
            box->close();
        });
        const test::ModalAnswer<QFileDialog> file(
            [path](QFileDialog* dialog) { test::TypeFileName(dialog, path); });
        QTest::keyClick(picture, Qt::Key_S, Qt::ControlModifier);
    }
    EXPECT_EQ(message,
              QStringLiteral("Графиката не е запазена във файла „/proc/графика.pdf“: в тази "
                             "папка не може да се създаде файл. Изберете папка, в която "
                             "имате право да записвате."));
    EXPECT_FALSE(QFileInfo::exists(path));
}

}  // namespace
}  // namespace sredna
