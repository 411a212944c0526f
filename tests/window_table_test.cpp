// The picture window's table of the values and what a screen reader hears of
// the plot, through real events.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "tests/list_rows.h"
#include "tests/test_support.h"
#include "tests/window_with_form.h"
#include "ui/picture/picture_view.h"

namespace sredna {
namespace {

class WindowTableTest : public testing::Test {
protected:
    WindowWithForm window;
    PictureWindow* picture = nullptr;

    WindowTableTest() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void SetUp() override {
        QTest::mouseClick(window.pictureButton(), Qt::LeftButton);
        picture = window.pictureWindow();
        ASSERT_TRUE(picture != nullptr && QTest::qWaitForWindowActive(picture));
    }

    void activate(QWidget* widget) {
        widget->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(widget));
    }

    void paste(const char* lines) {
        activate(&window);
        QTest::mouseClick(window.command1(kClearCommand), Qt::LeftButton);
        QGuiApplication::clipboard()->setText(QString::fromStdString(local(lines)));
        QListView* values = window.spis(kValuesList);
        values->setFocus();
        QTest::keyClick(values, Qt::Key_V, Qt::ControlModifier);
    }

    // The table as it reads, row by row, the cells joined by "|".
    std::vector<std::string> rows() const {
        const QAbstractItemModel* table = picture->table()->model();
        std::vector<std::string> read;
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column) {
                cells << table->index(row, column).data().toString();
            }
            read.push_back(cells.join(QLatin1Char('|')).toStdString());
        }
        return read;
    }

    QAccessibleInterface* chart() const {
        return QAccessible::queryAccessibleInterface(picture->view());
    }

    // The text with this run's decimal separator between digits for ".".
    static std::string local(const char* text) {
        const char* lang = std::getenv("LANG");
        const bool comma = lang != nullptr && std::string_view(lang).starts_with("bg");
        return test::WithSeparator(text, comma ? ',' : '.');
    }
    static std::vector<std::string> local(std::initializer_list<const char*> texts) {
        std::vector<std::string> localised;
        for (const char* text : texts) {
            localised.push_back(local(text));
        }
        return localised;
    }
};

// Sorted by value, equal values in list order (told apart by their weights);
// the distances follow the kind, a paste and its undo.
TEST_F(WindowTableTest, RowsFollowTheListsTheKindAndUndo) {
    paste("3\n1\n3\n2");
    QTest::mouseClick(window.option1(static_cast<int>(MeanKind::Weighted)), Qt::LeftButton);
    QListView* weights = window.spis(kWeightsList);
    QTest::mouseClick(weights->viewport(), Qt::LeftButton, {}, test::RowRect(weights, 0).center());
    QGuiApplication::clipboard()->setText(QStringLiteral("5 6 7 8"));
    QTest::keyClick(weights, Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(window.option1(static_cast<int>(MeanKind::Arithmetic)), Qt::LeftButton);
    const QAbstractItemModel* table = picture->table()->model();
    ASSERT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->headerData(2, Qt::Horizontal).toString(),
              QStringLiteral("Разстояние до средната"));
    EXPECT_EQ(table->headerData(3, Qt::Vertical).toInt(), 4);  // the rank
    const std::vector<std::string> arithmetic =
        local({"1|6|1.25", "2|8|0.25", "3|5|0.75", "3|7|0.75"});
    EXPECT_EQ(rows(), arithmetic);
    EXPECT_EQ(
        table->index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
        Qt::AlignRight);
    EXPECT_FALSE(table->flags(table->index(0, 0)) & Qt::ItemIsEditable);

    QTest::mouseClick(window.option1(static_cast<int>(MeanKind::Median)), Qt::LeftButton);
    EXPECT_EQ(rows(), local({"1|6|1.5", "2|8|0.5", "3|5|0.5", "3|7|0.5"}));
    QTest::mouseClick(window.option1(static_cast<int>(MeanKind::Arithmetic)), Qt::LeftButton);

    paste("-4\n4");
    EXPECT_EQ(rows(), local({"-4|1|4", "4|1|4"}));
    activate(&window);
    QTest::keyClick(window.spis(kValuesList), Qt::Key_Z, Qt::ControlModifier);  // the paste
    QTest::keyClick(window.spis(kValuesList), Qt::Key_Z, Qt::ControlModifier);  // the clearing
    EXPECT_EQ(rows(), arithmetic);

    // Closed, the table waits; shown again, it follows.
    picture->close();
    paste("5\n-5");
    QTest::keyClick(window.spis(kValuesList), Qt::Key_F4);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(picture));
    EXPECT_EQ(rows(), local({"-5|1|5", "5|1|5"}));
}

// From the plot and from the table, and back.
TEST_F(WindowTableTest, CtrlTabTurnsTheTabsWithTheFocus) {
    QTabWidget* tabs = picture->tabs();
    struct Turn {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QWidget* focused;
    };
    const Turn turns[] = {
        {Qt::Key_Tab, Qt::ControlModifier, picture->table()},
        {Qt::Key_Tab, Qt::ControlModifier, picture->view()},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, picture->table()},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, picture->view()}};
    picture->view()->setFocus();
    for (const Turn& turn : turns) {
        QTest::keyClick(QApplication::focusWidget(), turn.key, turn.modifiers);
        EXPECT_EQ(tabs->currentWidget(), turn.focused);
        EXPECT_EQ(QApplication::focusWidget(), turn.focused);
    }
}

// The plot is a chart named after the value selected in the main window; a
// refusal stays in its description until the next announcement. (The
// offscreen platform has no accessibility bridge to hear the change events:
// scripts/atspi-check.py listens for them.)
TEST_F(WindowTableTest, TheChartNamesTheSelectedValue) {
    paste("3\n1\n3\n2");
    ASSERT_EQ(chart()->role(), QAccessible::Chart);
    EXPECT_EQ(chart()->text(QAccessible::Name), QStringLiteral("Графика на стойностите"));
    EXPECT_TRUE(picture->view()->focusPolicy() & Qt::TabFocus);

    QListView* values = window.spis(kValuesList);
    QTest::mouseClick(values->viewport(), Qt::LeftButton, {}, test::RowRect(values, 2).center());
    EXPECT_EQ(chart()->text(QAccessible::Name).toStdString(),
              local("стойност 3, номер 4 от 4, разстояние до средната 0.75"));

    const QString refusal = QStringLiteral("Стойността не се премества.");
    picture->view()->announce(refusal);
    EXPECT_TRUE(chart()
                    ->text(QAccessible::Description)
                    .toStdString()
                    .starts_with(local("Точкова диаграма на 4 стойности; най-малка 1")));
    EXPECT_TRUE(chart()->text(QAccessible::Description).endsWith(QLatin1Char(' ') + refusal));
    picture->view()->announce();
    EXPECT_FALSE(chart()->text(QAccessible::Description).contains(refusal));
}

}  // namespace
}  // namespace sredna
