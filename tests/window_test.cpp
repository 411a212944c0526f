// The window, headless, through real mouse and key events.
#include <gtest/gtest.h>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <cstdlib>

#include "core/numbers.h"
#include "ui/intro_text.h"
#include "ui/main_window.h"
#include "ui/text_lines.h"

namespace sredna {
namespace {

class WindowTest : public testing::Test {
protected:
    MainWindow window;

    WindowTest() {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    const WindowModel& model() const { return window.form().Model(); }

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    void clickRow(QListWidget* list, int row) {
        QListWidgetItem* item = list->item(row);
        ASSERT_NE(item, nullptr);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }

    QString report() const { return window.text1(kReportBox)->toPlainText(); }

    // The separator this run's regional settings give the reports.
    static char Separator() {
        return QLocale::system().decimalPoint() == QStringLiteral(",") ? ',' : '.';
    }
};

TEST_F(WindowTest, FollowsTheRegionalSettingsOfTheRun) {
    const char* lang = std::getenv("LANG");
    if (lang != nullptr && std::string(lang).rfind("bg_BG", 0) == 0) {
        EXPECT_EQ(Separator(), ',');
    } else if (lang != nullptr && std::string(lang) == "C") {
        EXPECT_EQ(Separator(), '.');
    }
}

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
    EXPECT_EQ(model().Text1(kReportBox).Text(), expected);
    EXPECT_EQ(report(), text_lines::ToWidget(expected));
}

TEST_F(WindowTest, FractionsUseTheRegionalSeparator) {
    click(window.option1(static_cast<int>(MeanKind::Quadratic)));
    click(window.command1(kClearCommand));
    // Values come only from the random command; pick a sample whose
    // quadratic mean is fractional, which almost every sample is.
    click(window.command1(kRandomCommand));
    click(window.command1(kCalculateCommand));
    const std::string text = model().Text1(kReportBox).Text();
    const std::string mean = GeneralNumberText(model().StoredMean, Separator());
    EXPECT_NE(text.find(") = " + mean + "\r\n"), std::string::npos) << text;
    const char other = Separator() == ',' ? '.' : ',';
    if (mean.find(Separator()) != std::string::npos) {
        EXPECT_EQ(text.find(std::string("5") + other), std::string::npos);
    }
}

TEST_F(WindowTest, RandomDrawsTheSelectedCountUpToTheSelectedBound) {
    clickRow(window.spis(kCountList), 4);  // 25
    clickRow(window.spis(kRangeList), 6);  // 1000
    click(window.command1(kCalculateCommand));
    click(window.command1(kRandomCommand));
    EXPECT_EQ(report(), QString());
    QListWidget* values = window.spis(kValuesList);
    ASSERT_EQ(values->count(), 25);
    ASSERT_EQ(model().Spis(kWeightsList).Count(), 25);
    for (int row = 0; row < values->count(); ++row) {
        bool ok = false;
        const int value = values->item(row)->text().toInt(&ok);
        EXPECT_TRUE(ok && value >= 1 && value <= 1000) << value;
    }
}

TEST_F(WindowTest, ClickingAValueSelectsItsWeightAndBack) {
    click(window.option1(static_cast<int>(MeanKind::Weighted)));
    clickRow(window.spis(kValuesList), 2);
    EXPECT_EQ(window.spis(kWeightsList)->currentRow(), 2);
    EXPECT_EQ(model().Spis(kWeightsList).Selected(), 2);
    clickRow(window.spis(kWeightsList), 4);
    EXPECT_EQ(window.spis(kValuesList)->currentRow(), 4);
    EXPECT_EQ(model().Spis(kValuesList).Selected(), 4);
}

TEST_F(WindowTest, KindsShowTheirHiddenListsAndHeaders) {
    QListWidget* weights = window.spis(kWeightsList);
    QListWidget* median = window.spis(kMedianList);
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
    EXPECT_EQ(median->count(), 1);
    EXPECT_EQ(median->item(0)->text(), QStringLiteral("123"));
    click(window.option1(static_cast<int>(MeanKind::Geometric)));
    EXPECT_FALSE(median->isVisible() || weights->isVisible());
}

TEST_F(WindowTest, ClearEmptiesReportAndLists) {
    clickRow(window.spis(kCountList), 1);
    click(window.command1(kCalculateCommand));
    click(window.command1(kClearCommand));
    EXPECT_EQ(report(), QString());
    EXPECT_EQ(window.spis(kValuesList)->count(), 0);
    EXPECT_EQ(model().Spis(kWeightsList).Count(), 0);
    EXPECT_EQ(window.spis(kCountList)->currentRow(), 1);
    click(window.command1(kCalculateCommand));
    EXPECT_EQ(model().Text1(kReportBox).Text(), "Няма въведени стойности!\r\n");
}

TEST_F(WindowTest, TypedTextFlowsIntoTheModel) {
    QPlainTextEdit* box = window.text1(kReportBox);
    box->setFocus();
    QTest::keyClicks(box, "ab");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "c");
    EXPECT_EQ(model().Text1(kReportBox).Text(), "ab\r\nc");
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
    EXPECT_EQ(model().Text1(kIntroBox).Text(), introText());
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
    EXPECT_EQ(window.spis(kValuesList)->count(), 5);
    EXPECT_TRUE(window.isVisible());
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

}  // namespace
}  // namespace sredna
