// The window, headless, through real mouse and key events.
#include <gtest/gtest.h>
#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdlib>
#include <string_view>
#include <utility>

#include "tests/list_rows.h"
#include "tests/window_with_form.h"
#include "ui/text/text_lines.h"
#include "ui/window/intro_text.h"

namespace sredna {
namespace {

class WindowTest : public testing::Test {
protected:
    WindowWithForm window;

    WindowTest() {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    const WindowModel& model() const { return window.form().Model(); }

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    void clickRow(QListView* list, int row, Qt::KeyboardModifiers modifiers = {}) {
        const QModelIndex item = test::Row(list, row);
        ASSERT_TRUE(item.isValid());
        list->scrollTo(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualRect(item).center());
    }

    QString report() const { return window.text1(kReportBox)->toPlainText(); }

    // The separator the regional settings of this run call for, from the
    // environment ctest gives it (Bulgarian or C).
    static char ExpectedSeparator() {
        const char* lang = std::getenv("LANG");
        return lang != nullptr && std::string_view(lang).starts_with("bg") ? ',' : '.';
    }
};

TEST_F(WindowTest, CalculatingAtStartShowsTheArithmeticReport) {
    click(window.command1(kCalculateCommand));
    const std::string expected =
        "Изчислявам средна аритметична стойност: \r\n"
        "към натрупаната сума 0 добавям 123\r\n"
        "към натрупаната сума 123 добавям 123\r\n"
        "към натрупаната сума 246 добавям 123\r\n"
        "към натрупаната сума 369 добавям 123\r\n"
        "към натрупаната сума 492 добавям 123\r\n"
        "Обща сума 615 брой елементи: 5\r\n"
        "средна аритметична = 615 / 5 = 123\r\n"
        "Минимално отклонение от изчислената средна стойност = 0 при стойност 123\r\n"
        "Максималмо отклонение от изчислената средна стойност = 0 при стойност 123\r\n";
    EXPECT_EQ(model().Report().Text(), expected);
    EXPECT_EQ(report(), text_lines::ToWidget(expected));
}

TEST_F(WindowTest, FractionsUseTheRegionalSeparator) {
    window.form().Random().Seed(7);  // a sample whose quadratic mean is fractional
    click(window.option1(static_cast<int>(MeanKind::Quadratic)));
    click(window.command1(kRandomCommand));
    click(window.command1(kCalculateCommand));
    const QString mean = report().section(QStringLiteral(") = "), 1).section('\n', 0, 0);
    const QRegularExpression fraction(QStringLiteral("^\\d+\\%1\\d+$").arg(ExpectedSeparator()));
    EXPECT_TRUE(fraction.match(mean).hasMatch()) << mean.toStdString();
}

TEST_F(WindowTest, RandomDrawsTheSelectedCountUpToTheSelectedBound) {
    clickRow(window.spis(kCountList), 4);  // 25
    clickRow(window.spis(kRangeList), 6);  // 1000
    click(window.command1(kCalculateCommand));
    click(window.command1(kRandomCommand));
    EXPECT_EQ(report(), QString());
    QListView* values = window.spis(kValuesList);
    ASSERT_EQ(test::RowCount(values), 25);
    ASSERT_EQ(model().Weights().Count(), 25);
    for (int row = 0; row < test::RowCount(values); ++row) {
        bool ok = false;
        const int value = test::RowText(values, row).toInt(&ok);
        EXPECT_TRUE(ok && value >= 1 && value <= 1000) << value;
    }
}

// A plain Qt list lets Ctrl+click and Ctrl+Space take the selection away;
// these two lists must always name a count and a bound.
TEST_F(WindowTest, CountAndRangeListsKeepTheirSelection) {
    for (int index : {kCountList, kRangeList}) {
        QListView* list = window.spis(index);
        auto expectRowOneSelected = [&](const char* after) {
            EXPECT_EQ(model().ListAt(index).Selected(), 1) << index << after;
            EXPECT_EQ(test::SelectedRows(list), QModelIndexList{test::Row(list, 1)})
                << index << after;
        };
        clickRow(list, 1);
        clickRow(list, 1, Qt::ControlModifier);
        expectRowOneSelected(" after Ctrl+click");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
        expectRowOneSelected(" after Ctrl+Space");
    }
    click(window.command1(kRandomCommand));
    QListView* values = window.spis(kValuesList);
    ASSERT_EQ(test::RowCount(values), 10);
    for (int row = 0; row < test::RowCount(values); ++row) {
        EXPECT_LE(test::RowText(values, row).toInt(), 20);
    }
}

TEST_F(WindowTest, ClickingAValueSelectsItsWeightAndBack) {
    click(window.option1(static_cast<int>(MeanKind::Weighted)));
    clickRow(window.spis(kValuesList), 2);
    EXPECT_EQ(test::CurrentRow(window.spis(kWeightsList)), 2);
    EXPECT_EQ(model().Weights().Selected(), 2);
    clickRow(window.spis(kWeightsList), 4);
    EXPECT_EQ(test::CurrentRow(window.spis(kValuesList)), 4);
    EXPECT_EQ(model().Values().Selected(), 4);
}

TEST_F(WindowTest, KindsShowTheirHiddenListsAndHeaders) {
    QListView* weights = window.spis(kWeightsList);
    QListView* median = window.spis(kMedianList);
    QLabel* weightsHeader = window.label(4);
    QLabel* medianHeader = window.label(3);
    EXPECT_FALSE(weights->isVisible() || median->isVisible() || weightsHeader->isVisible() ||
                 medianHeader->isVisible());
    click(window.option1(static_cast<int>(MeanKind::Weighted)));
    EXPECT_TRUE(weights->isVisible() && weightsHeader->isVisible());
    EXPECT_FALSE(median->isVisible() || medianHeader->isVisible());
    click(window.option1(static_cast<int>(MeanKind::Median)));
    click(window.command1(kCalculateCommand));
    EXPECT_TRUE(median->isVisible() && medianHeader->isVisible());
    EXPECT_FALSE(weights->isVisible() || weightsHeader->isVisible());
    EXPECT_EQ(test::RowCount(median), 5);  // every value, repeats included
    EXPECT_EQ(test::RowText(median, 4), QStringLiteral("123"));
    click(window.option1(static_cast<int>(MeanKind::Geometric)));
    EXPECT_FALSE(median->isVisible() || weights->isVisible());
}

TEST_F(WindowTest, ClearEmptiesReportAndLists) {
    clickRow(window.spis(kCountList), 1);
    click(window.command1(kCalculateCommand));
    click(window.command1(kClearCommand));
    EXPECT_EQ(report(), QString());
    EXPECT_EQ(test::RowCount(window.spis(kValuesList)), 0);
    EXPECT_EQ(model().Weights().Count(), 0);
    EXPECT_EQ(test::CurrentRow(window.spis(kCountList)), 1);
    click(window.command1(kCalculateCommand));
    EXPECT_EQ(model().Report().Text(), "Няма въведени стойности!\r\n");
}

TEST_F(WindowTest, TypedTextFlowsIntoTheModel) {
    QPlainTextEdit* box = window.text1(kReportBox);
    box->setFocus();
    QTest::keyClicks(box, "ab");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "c");
    EXPECT_EQ(model().Report().Text(), "ab\r\nc");
    click(window.command1(kCalculateCommand));
    EXPECT_TRUE(report().startsWith(QStringLiteral("Изчислявам средна аритметична")));
}

TEST_F(WindowTest, IntroductionOpensAtTheTopAndNoCommandTouchesIt) {
    QPlainTextEdit* intro = window.text1(kIntroBox);
    const QString expected = text_lines::ToWidget(std::string(introText()));
    EXPECT_EQ(intro->toPlainText(), expected);
    EXPECT_EQ(intro->verticalScrollBar()->value(), 0);
    EXPECT_EQ(intro->textCursor().position(), 0);
    for (int index : {kCalculateCommand, kRandomCommand, kClearCommand, kCalculateCommand}) {
        click(window.command1(index));
    }
    EXPECT_EQ(intro->toPlainText(), expected);
    EXPECT_EQ(model().Intro().Text(), introText());
}

TEST_F(WindowTest, EnterAndEscapePressNoButton) {
    for (int index : {kCalculateCommand, kRandomCommand, kClearCommand}) {
        QPushButton* button = window.command1(index);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
        QTest::keyClick(button, Qt::Key_Escape);
    }
    EXPECT_EQ(report(), QString());
    EXPECT_EQ(test::RowCount(window.spis(kValuesList)), 5);
    EXPECT_TRUE(window.isVisible());
}

// Closing the window while an item's editor is open: the widgets outlive
// the parts that edit and show the model, and must not reach them (the
// sanitizer build catches it).
TEST(WindowClosingTest, WithAnItemEditorOpenReachesNothingGone) {
    for (Qt::Key key : {Qt::Key_Insert, Qt::Key_F2}) {
        WindowWithForm window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QListView* values = window.spis(kValuesList);
        values->setFocus();
        values->setCurrentIndex(test::Row(values, 1));
        QTest::keyClick(values, key);
        ASSERT_NE(QApplication::focusWidget(), values) << key;
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
    }
}

TEST_F(WindowTest, TabVisitsTheControlsInOrder) {
    EXPECT_EQ(QApplication::focusWidget(), window.spis(kCountList));
    const std::vector<QWidget*> order = {
        window.spis(kValuesList), window.text1(kIntroBox), window.spis(kRangeList),
        window.command1(0),       window.command1(1),      window.text1(kReportBox),
        window.command1(2),       window.option1(0),       window.spis(kCountList)};
    for (QWidget* expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected)
            << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className()
                                            : "none");
    }
}

// Qt's own texts are Bulgarian too, whatever the system's language.
TEST_F(WindowTest, ReportBoxMenuIsBulgarian) {
    QStringList actions;
    // The menu runs its own event loop: read it from there, then close it.
    QTimer::singleShot(0, [&actions] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* action : menu->actions()) {
                actions << action->text().remove('&').section('\t', 0, 0);
            }
            menu->close();
        }
    });
    QWidget* box = window.text1(kReportBox)->viewport();
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {},
                      box->mapTo(&window, box->rect().center()));
    EXPECT_TRUE(QTest::qWaitFor([&actions] { return !actions.isEmpty(); }));
    EXPECT_TRUE(actions.contains(QStringLiteral("Копиране"))) << actions.join('|').toStdString();
}

// The sizes title bars, task bars and switchers draw, at up to twice the
// normal density; larger ones come from the installed icons. Each size
// asked for is drawn from the nearest image, never scaled up.
TEST_F(WindowTest, IconComesInTheSizesOfTitleAndTaskBars) {
    const QIcon icon = window.windowIcon();
    EXPECT_EQ(icon.availableSizes(),
              (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
    for (const auto& [asked, drawn] :
         {std::pair{16, 16}, {20, 20}, {32, 32}, {64, 64}, {256, 64}}) {
        const QSize size(asked, asked);
        EXPECT_EQ(icon.actualSize(size), QSize(drawn, drawn)) << asked;
        const QImage image = icon.pixmap(size).toImage();
        EXPECT_EQ(image.size(), QSize(drawn, drawn)) << asked;
        EXPECT_EQ(qAlpha(image.pixel(drawn / 2, drawn / 2)), 255) << asked;
    }
}

}  // namespace
}  // namespace sredna
