// How the window looks: size, places, captions, colours, fonts, names.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include "tests/caption_room.h"
#include "tests/window_with_form.h"

namespace sredna {
namespace {

class WindowLayoutTest : public testing::Test {
protected:
    WindowWithForm window;

    WindowLayoutTest() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Positions below are for 96 DPI, 15 twips a pixel.
    static bool At96Dpi() { return QGuiApplication::primaryScreen()->logicalDotsPerInch() == 96.0; }

    QRect InWindow(const QWidget* widget) const {
        return {widget->mapTo(&window, QPoint(0, 0)), widget->size()};
    }

    static QColor Background(const QWidget* widget) {
        return widget->palette().color(QPalette::Window);
    }
};

TEST_F(WindowLayoutTest, ClientAreaIsFixedAt7785By6570Twips) {
    ASSERT_TRUE(At96Dpi());
    EXPECT_EQ(window.size(), QSize(519, 438));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    window.resize(800, 600);
    EXPECT_EQ(window.size(), QSize(519, 438));
}

TEST_F(WindowLayoutTest, ControlsStandWhereTheTwipsSay) {
    ASSERT_TRUE(At96Dpi());
    struct Place {
        const char* name;
        QWidget* widget;
        QRect pixels;  // twips / 15
    };
    const Place places[] = {
        {"Spis(0)", window.spis(0), {152, 160, 57, 80}},
        {"Spis(1)", window.spis(1), {224, 160, 67, 80}},  // 1000 twips: edges rounded
        {"Spis(2)", window.spis(2), {392, 160, 65, 80}},
        {"Spis(3)", window.spis(3), {304, 160, 57, 80}},
        {"Spis(4)", window.spis(4), {320, 160, 57, 80}},
        {"Text1(0)", window.text1(0), {8, 288, 497, 137}},
        {"Text1(1)", window.text1(1), {8, 24, 497, 105}},
        {"Command1(0)", window.command1(0), {368, 256, 89, 25}},
        {"Command1(1)", window.command1(1), {152, 256, 89, 25}},
        {"Command1(2)", window.command1(2), {264, 256, 89, 25}},
        {"Label1(0)", window.label(0), {72, 0, 369, 25}},
        {"Label1(2)", window.label(2), {224, 144, 67, 17}},
        {"Etiket(4)", window.label(4), {304, 144, 17, 17}},
        {"Frame1", window.frame1(), {8, 136, 129, 145}},
        {"Option1(0)", window.option1(0), {16, 156, 113, 20}},
        {"Option1(5)", window.option1(5), {16, 256, 113, 20}},
        {"picture button", window.pictureButton(), {464, 256, 41, 25}},
    };
    for (const Place& place : places) {
        EXPECT_EQ(InWindow(place.widget), place.pixels) << place.name;
    }
    EXPECT_EQ(window.option1(3)->parentWidget(), window.frame1());
}

TEST_F(WindowLayoutTest, CaptionIsTheNameThenTheTitle) {
    // "[*]" is where Qt shows the "*" of unsaved numbers, and nothing else.
    EXPECT_EQ(window.windowTitle(),
              QStringLiteral("Средна стойност   Средна аритметична, геометрична, квадратична , "
                             "хармонична[*]"));
    EXPECT_EQ(window.windowIcon().actualSize(QSize(32, 32)), QSize(32, 32));
}

// Whatever the program is called, the user's settings stay where earlier
// versions kept them, and desktops still tie the window to its menu entry.
TEST(ProgramIds, StayThoseOfEarlierVersions) {
    EXPECT_TRUE(QSettings().fileName().endsWith(QStringLiteral("/example.org/sredna.ini")))
        << QSettings().fileName().toStdString();
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.example.sredna"));
}

TEST_F(WindowLayoutTest, ColoursAreTheWindowsOwn) {
    const QColor window_colour(192, 192, 255);
    const QColor option(128, 128, 255);
    const QColor label(255, 192, 128);
    EXPECT_EQ(Background(&window), window_colour);
    EXPECT_EQ(Background(window.frame1()), window_colour);
    for (int i = 0; i < kMeanKindCount; ++i) {
        EXPECT_EQ(Background(window.option1(i)), option) << i;
        EXPECT_TRUE(window.option1(i)->autoFillBackground());
    }
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Background(window.label(i)), label) << i;
        EXPECT_TRUE(window.label(i)->autoFillBackground());
        EXPECT_TRUE(window.label(i)->alignment() & Qt::AlignHCenter);
    }
}

// The faces are checked on the painted pixels, not on a property.
TEST_F(WindowLayoutTest, CommandFacesArePaintedFlatInTheirColours) {
    const std::pair<QPushButton*, QColor> buttons[] = {
        {window.command1(0), {255, 0, 0}},
        {window.command1(1), {128, 128, 255}},
        {window.command1(2), {128, 255, 128}},
        {window.pictureButton(), {192, 192, 255}},  // the window's own
    };
    for (const auto& [button, face] : buttons) {
        const QImage image = button->grab().toImage();
        // Inside the 2-pixel edge, clear of the caption.
        for (QPoint point : {QPoint(3, 3), QPoint(image.width() - 4, image.height() - 4),
                             QPoint(3, image.height() / 2)}) {
            EXPECT_EQ(image.pixelColor(point), face) << button->accessibleName().toStdString()
                                                     << " at " << point.x() << "," << point.y();
        }
    }
}

// The captions are fitted to Times New Roman's metrics, so the font in use,
// not just the one asked for, must have them.
TEST_F(WindowLayoutTest, FontsHaveTimesMetricsAtTwoSizes) {
    const QStringList timesMetric = {"Times New Roman", "Liberation Serif", "Tinos", "Nimbus Roman",
                                     "Times"};
    struct Use {
        const char* name;
        const QWidget* widget;
        double points;
    };
    const Use uses[] = {
        {"window", &window, 12.0},
        {"Label1(0)", window.label(0), 12.0},
        {"Label1(1)", window.label(1), 12.0},
        {"Label1(2)", window.label(2), 9.75},
        {"Label1(3)", window.label(3), 9.75},
        {"Etiket(4)", window.label(4), 9.75},
        {"Label1(5)", window.label(5), 9.75},
        {"Option1(0)", window.option1(0), 12.0},
        {"Spis(1)", window.spis(1), 12.0},
        {"Text1(1)", window.text1(1), 12.0},
        {"Command1(2)", window.command1(2), 12.0},
    };
    for (const Use& use : uses) {
        const QFontInfo resolved(use.widget->font());
        EXPECT_TRUE(timesMetric.contains(resolved.family()))
            << use.name << ": " << resolved.family().toStdString();
        EXPECT_EQ(resolved.pointSizeF(), use.points) << use.name;
        EXPECT_EQ(resolved.weight(), QFont::Normal) << use.name;
        EXPECT_FALSE(resolved.italic()) << use.name;
    }
}

// Every caption fits its control's width; a wider font cuts words short.
TEST_F(WindowLayoutTest, CaptionsFitTheirControls) {
    auto room = [](const QWidget* widget, const QString& text) {
        return widget->width() - widget->fontMetrics().horizontalAdvance(text);
    };
    for (int i = 0; i < 6; ++i) {
        const QLabel* label = window.label(i);
        EXPECT_GE(
            label->contentsRect().width() - label->fontMetrics().horizontalAdvance(label->text()),
            0)
            << label->text().toStdString();
    }
    for (int i = 0; i < kMeanKindCount; ++i) {
        const QRadioButton* option = window.option1(i);
        EXPECT_GE(test::CaptionRoom(option), 0) << option->text().toStdString();
    }
    for (int i = 0; i < WindowModel::kCommandCount; ++i) {
        EXPECT_GE(room(window.command1(i), window.command1(i)->text()), 4) << i;
    }
    EXPECT_GE(room(window.frame1(), window.frame1()->title()), 12);
}

TEST_F(WindowLayoutTest, CaptionsAndAccessibleNamesAreBulgarian) {
    const QString commands[] = {"Чисти", "Случайни", "Изчисли"};
    for (int i = 0; i < WindowModel::kCommandCount; ++i) {
        EXPECT_EQ(window.command1(i)->text(), commands[i]);
        EXPECT_EQ(window.command1(i)->accessibleName(), commands[i]);
        EXPECT_FALSE(window.command1(i)->isDefault() || window.command1(i)->autoDefault());
    }
    const QString lists[] = {"Брой ел.", "Стойности", "Интервал", "т", "медиана"};
    for (int i = 0; i < WindowModel::kListCount; ++i) {
        EXPECT_EQ(window.spis(i)->accessibleName(), lists[i]) << i;
    }
    EXPECT_EQ(window.option1(4)->text(), QString::fromUtf8("п\x70етеглена"));
    EXPECT_EQ(window.option1(4)->accessibleName(), QStringLiteral("претеглена"));
    EXPECT_EQ(window.frame1()->title(), QStringLiteral("Средна стойност"));
    const QPushButton* picture = window.pictureButton();
    EXPECT_EQ(picture->toolTip(), QStringLiteral("Графика (F4)"));
    EXPECT_EQ(picture->accessibleName(), QStringLiteral("Графика"));
    EXPECT_TRUE(picture->accessibleDescription().contains(QStringLiteral("F4")));
    for (int i = 0; i < WindowModel::kTextCount; ++i) {
        EXPECT_FALSE(window.text1(i)->accessibleName().isEmpty());
        EXPECT_FALSE(window.text1(i)->isReadOnly());
        EXPECT_EQ(window.text1(i)->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        EXPECT_EQ(window.text1(i)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
}

// A screen reader spells out a name that mixes scripts letter by letter.
TEST_F(WindowLayoutTest, EveryAccessibleNameIsInOneScript) {
    std::vector<QAccessibleInterface*> pending = {QAccessible::queryAccessibleInterface(&window)};
    int named = 0;
    while (!pending.empty()) {
        QAccessibleInterface* node = pending.back();
        pending.pop_back();
        const QString name = node->text(QAccessible::Name);
        bool cyrillic = false;
        bool latin = false;
        for (QChar c : name) {
            cyrillic = cyrillic || c.script() == QChar::Script_Cyrillic;
            latin = latin || c.script() == QChar::Script_Latin;
        }
        EXPECT_FALSE(cyrillic && latin) << name.toStdString();
        named += name.isEmpty() ? 0 : 1;
        for (int i = 0; i < node->childCount(); ++i) {
            pending.push_back(node->child(i));
        }
    }
    EXPECT_GE(named, 20);
}

// Painted flat in the window's colour, with the border's top line running
// through the caption, as a platform frame is drawn.
TEST_F(WindowLayoutTest, FrameIsFlatWithItsCaptionOnTheBorder) {
    const QImage image = window.frame1()->grab().toImage();
    const QColor face(192, 192, 255);
    // Right of the option buttons, and below the caption, inside the border.
    for (QPoint point : {QPoint(image.width() - 5, image.height() / 2),
                         QPoint(image.width() / 2, image.height() - 5)}) {
        EXPECT_EQ(image.pixelColor(point), face) << point.x() << "," << point.y();
    }
    // The top line: the first row, left of the caption, that is not the face.
    const int x = 3;
    int line = 0;
    while (line < image.height() && image.pixelColor(x, line) == face) {
        ++line;
    }
    // The caption's ink, left of the middle, lies both above and below it.
    bool inkAbove = false;
    bool inkBelow = false;
    for (int y = 0; y < image.height() / 4; ++y) {
        for (int cx = 8; cx < image.width() / 2; ++cx) {
            if (image.pixelColor(cx, y).lightness() < 80) {
                inkAbove = inkAbove || y < line;
                inkBelow = inkBelow || y > line;
            }
        }
    }
    EXPECT_TRUE(inkAbove && inkBelow) << "border line at " << line;
}

}  // namespace
}  // namespace sredna
