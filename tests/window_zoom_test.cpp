// The classroom zoom through its keys: each step's size and places, the way
// back to the exact normal window, the memory for the next start, and the cap
// on a small screen. Run on a 2560 × 1600 projector beside a 1024 × 600
// netbook, both at 96 DPI.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <QTest>
#include <QWindow>

#include "tests/caption_room.h"
#include "tests/window_with_form.h"
#include "ui/picture/picture_view.h"
#include "ui/picture/picture_window.h"
#include "ui/window/keys_window.h"

namespace sredna {
namespace {

const QString kZoomKey = QStringLiteral("window/zoom");

class WindowZoomTest : public testing::Test {
protected:
    WindowZoomTest() { QSettings().clear(); }

    static void Show(MainWindow& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    static void Press(Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
    }

    static QRect InWindow(const MainWindow& window, const QWidget* widget) {
        return {widget->mapTo(&window, QPoint(0, 0)), widget->size()};
    }

    // Every option caption beside its grown circle, every label's in its box.
    static void ExpectCaptionsFit(const MainWindow& window, int percent) {
        for (int i = 0; i < kMeanKindCount; ++i) {
            const QRadioButton* option = window.option1(i);
            EXPECT_GE(test::CaptionRoom(option), 0)
                << percent << "% " << option->text().toStdString();
        }
        for (int i = 0; i < WindowModel::kLabelCount; ++i) {
            const QLabel* label = window.label(i);
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
                << percent << "% " << label->text().toStdString();
        }
    }
};

TEST_F(WindowZoomTest, StepsScaleTheWholeWindowAndCtrl0BringsBackTheNormalOne) {
    WindowWithForm window;
    Show(window);
    const QImage normal = window.grab().toImage();
    const int normalScrollBar = window.text1(kReportBox)->verticalScrollBar()->width();
    struct Step {
        Qt::Key key;
        int percent;
        QSize size;
        // The twips at the scale's DPI, edges rounded.
        QRect values;
        QRect lastOption;
        QRect calculate;
    };
    const Step steps[] = {
        {Qt::Key_Equal,
         125,
         {649, 548},
         {280, 200, 83, 100},
         {20, 320, 141, 25},
         {330, 320, 111, 31}},
        {Qt::Key_Plus,
         150,
         {779, 657},
         {336, 240, 100, 120},
         {24, 384, 170, 30},
         {396, 384, 134, 38}},
        {Qt::Key_Equal,
         175,
         {908, 767},
         {392, 280, 117, 140},
         {28, 448, 198, 35},
         {462, 448, 156, 44}},
        {Qt::Key_Plus,
         200,
         {1038, 876},
         {448, 320, 133, 160},
         {32, 512, 226, 40},
         {528, 512, 178, 50}},
        {Qt::Key_Equal,
         250,
         {1298, 1095},
         {560, 400, 167, 200},
         {40, 640, 283, 50},
         {660, 640, 223, 63}},
        {Qt::Key_Plus,
         300,
         {1557, 1314},
         {672, 480, 200, 240},
         {48, 768, 339, 60},
         {792, 768, 267, 75}},
        {Qt::Key_Equal,
         300,
         {1557, 1314},
         {672, 480, 200, 240},
         {48, 768, 339, 60},
         {792, 768, 267, 75}},
        {Qt::Key_Minus,
         250,
         {1298, 1095},
         {560, 400, 167, 200},
         {40, 640, 283, 50},
         {660, 640, 223, 63}},
    };
    for (const Step& step : steps) {
        Press(step.key);
        const double factor = step.percent / 100.0;
        EXPECT_EQ(window.size(), step.size) << step.percent;
        EXPECT_EQ(window.minimumSize(), window.maximumSize()) << step.percent;
        EXPECT_EQ(InWindow(window, window.spis(kValuesList)), step.values) << step.percent;
        EXPECT_EQ(InWindow(window, window.option1(5)), step.lastOption) << step.percent;
        EXPECT_EQ(InWindow(window, window.command1(kCalculateCommand)), step.calculate)
            << step.percent;
        // 12 and 9.75 points are 16 and 13 pixels; fonts come in whole pixels.
        EXPECT_EQ(QFontInfo(window.text1(kReportBox)->font()).pixelSize(),
                  std::lround(16 * factor));
        EXPECT_EQ(QFontInfo(window.label(2)->font()).pixelSize(), std::lround(13 * factor));
        EXPECT_EQ(window.text1(kReportBox)->verticalScrollBar()->width(),
                  std::lround(normalScrollBar * factor))
            << step.percent;
        EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()));
        ExpectCaptionsFit(window, step.percent);
    }
    Press(Qt::Key_0);
    EXPECT_EQ(window.size(), QSize(519, 438));
    EXPECT_TRUE(window.grab().toImage() == normal) << "the window differs from the normal one";
}

TEST_F(WindowZoomTest, TheScaleIsWrittenAtOnceAndReadAtTheNextStart) {
    {
        WindowWithForm window;
        Show(window);
        Press(Qt::Key_Equal);
        Press(Qt::Key_Equal);
        QFile stored(QSettings().fileName());
        ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
        EXPECT_TRUE(stored.readAll().contains("zoom=150"));
    }
    const WindowWithForm next;
    EXPECT_EQ(next.size(), QSize(779, 657));
    // A new user, or settings that make no sense, get the normal size.
    for (const char* stored : {"", "abc", "130", "-125", "1000"}) {
        QSettings().setValue(kZoomKey, QString::fromLatin1(stored));
        const WindowWithForm window;
        EXPECT_EQ(window.size(), QSize(519, 438)) << '"' << stored << '"';
    }
}

// 150 % is 657 pixels high, more than the netbook's 600.
TEST_F(WindowZoomTest, ARememberedScaleIsCappedOnASmallerScreen) {
    QSettings().setValue(kZoomKey, 300);
    QScreen* netbook = nullptr;
    for (QScreen* screen : QGuiApplication::screens()) {
        netbook = screen->name() == QStringLiteral("netbook") ? screen : netbook;
    }
    ASSERT_NE(netbook, nullptr) << "run this beside a second, small screen";
    WindowWithForm window;
    window.setScreen(netbook);
    window.move(netbook->geometry().topLeft());  // a window goes to the screen it stands on
    Show(window);
    EXPECT_EQ(window.size(), QSize(649, 548));
    EXPECT_TRUE(netbook->availableGeometry().contains(window.frameGeometry()));
    EXPECT_FALSE(window.zoom().zoomIn()->isEnabled());
    Press(Qt::Key_Plus);
    EXPECT_EQ(window.size(), QSize(649, 548));
    // The screen's limit is not the user's choice.
    EXPECT_EQ(QSettings().value(kZoomKey).toInt(), 300);
}

// The picture window follows the main window's zoom, and its keys work there
// too: its font and its size grow by the same step.
TEST_F(WindowZoomTest, ThePictureWindowFollowsTheZoom) {
    WindowWithForm window;
    Show(window);
    QTest::keyClick(&window, Qt::Key_F4);
    PictureWindow* picture = window.pictureWindow();
    ASSERT_NE(picture, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(picture));
    const QSize normalSize = picture->size();
    const double normalFont = QFontInfo(picture->view()->font()).pixelSize();
    QTest::keyClick(picture, Qt::Key_Equal, Qt::ControlModifier);
    QTest::keyClick(picture, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(window.zoom().percent(), 150);
    EXPECT_NEAR(QFontInfo(picture->view()->font()).pixelSize(), normalFont * 1.5, 1.0);
    EXPECT_NEAR(QFontInfo(picture->table()->font()).pixelSize(), normalFont * 1.5, 1.0);
    // Grown by the zoom as far as the screen has room.
    const QRect area = picture->screen()->availableGeometry();
    const int frameWidth = picture->frameGeometry().width() - picture->width();
    EXPECT_NEAR(picture->width(),
                std::min(normalSize.width() * 1.5, double(area.width() - frameWidth)), 1.0);
    for (int step = 0; step < 8; ++step) {
        QTest::keyClick(picture, Qt::Key_Equal, Qt::ControlModifier);
        EXPECT_TRUE(area.contains(picture->frameGeometry())) << window.zoom().percent() << "%";
    }
    QTest::keyClick(picture, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(picture->size(), normalSize);
}

// F1's window and the dialogs take the zoom's font; F1's is a window of its own, which the
// window manager does not keep above the main one.
TEST_F(WindowZoomTest, TheKeysWindowFollowsTheZoom) {
    WindowWithForm window;
    Show(window);
    const int normalFont = QFontInfo(QApplication::font()).pixelSize();
    Press(Qt::Key_Equal);
    Press(Qt::Key_Equal);
    ASSERT_EQ(window.zoom().percent(), 150);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    KeysWindow* keys = window.keysWindow();
    ASSERT_NE(keys, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(keys));
    EXPECT_EQ(keys->parentWidget(), nullptr);
    EXPECT_EQ(keys->windowHandle()->transientParent(), nullptr);
    EXPECT_NEAR(QFontInfo(keys->font()).pixelSize(), normalFont * 1.5, 1.0);
    // So do the message boxes and file dialogs, as they are shown.
    QMessageBox box(QMessageBox::Information, QStringLiteral("Средна стойност"),
                    QStringLiteral("Съобщение"), QMessageBox::Ok, &window);
    box.ensurePolished();
    EXPECT_NEAR(QFontInfo(box.font()).pixelSize(), normalFont * 1.5, 1.0);
    const QFileDialog files(&window);
    EXPECT_NEAR(QFontInfo(files.font()).pixelSize(), normalFont * 1.5, 1.0);
    Show(window);
    QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(QFontInfo(keys->font()).pixelSize(), normalFont);
}

}  // namespace
}  // namespace sredna
