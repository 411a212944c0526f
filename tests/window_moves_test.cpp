// Moving values in the picture window through real keys and mouse drags:
// the step rule, the keys that select, move and delete, the selection the
// plot shares with the values list, one undo step per drag or held key,
// the report following, and why a move is refused; guessing the mean.
#include <gtest/gtest.h>
#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include <cmath>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/picture/value_step.h"
#include "tests/list_rows.h"
#include "tests/test_support.h"
#include "tests/window_with_form.h"
#include "ui/picture/picture_painter.h"
#include "ui/picture/picture_view.h"

namespace sredna {
namespace {

// The text with this run's decimal separator for ".".
QString Local(const char* text) {
    const char* lang = std::getenv("LANG");
    const bool comma = lang != nullptr && std::string_view(lang).starts_with("bg");
    return QString::fromStdString(test::WithSeparator(text, comma ? ',' : '.'));
}

class WindowMovesTest : public testing::Test {
protected:
    WindowWithForm window;
    PictureView* view = nullptr;

    // The values pasted into the emptied list, and the picture open on them
    // with the keyboard focus.
    void open(const char* values) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(window.command1(kClearCommand), Qt::LeftButton);
        QGuiApplication::clipboard()->setText(Local(values));
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(list(), Qt::Key_F4);
        ASSERT_NE(window.pictureWindow(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.pictureWindow()));
        view = window.pictureWindow()->view();
        ASSERT_TRUE(view->hasFocus());
    }

    QListView* list() const { return window.spis(kValuesList); }
    QStringList values() const {
        QStringList texts;
        for (int row = 0; row < test::RowCount(list()); ++row) {
            texts << test::RowText(list(), row);
        }
        return texts;
    }
    double number(int row) const { return QString(values().at(row)).replace(',', '.').toDouble(); }
    int selected() const { return window.form().Model().Values().Selected(); }
    std::size_t undoSteps() const { return window.form().History().UndoSteps(); }
    QString report() const { return window.text1(kReportBox)->toPlainText(); }
    QString status() const { return window.pictureWindow()->status()->text(); }

    void keys(const std::vector<QKeyCombination>& pressed) {
        for (const QKeyCombination key : pressed) {
            QTest::keyClick(view, key.key(), key.keyboardModifiers());
        }
    }

    // Where the line shows a value, and a point on that value's dots.
    double xOf(double value) const {
        const QRectF area(view->rect());
        const PictureLook look{view->shownFont(), view->palette()};
        const Picture& picture = view->picture();
        const double at0 = PositionAt(*view, area, picture, look, 0);
        const double at1 = PositionAt(*view, area, picture, look, 1);
        return (picture.line.Position(value) - at0) / (at1 - at0);
    }
    QPoint dotOf(double value) const {
        const QRectF area(view->rect());
        const PictureLook look{view->shownFont(), view->palette()};
        const double x = xOf(value);
        for (int y = view->height() - 1; y >= 0; --y) {
            if (ColumnAt(*view, area, view->picture(), look, QPointF(x, y)) >= 0) {
                return {static_cast<int>(std::lround(x)), y - 1};
            }
        }
        ADD_FAILURE() << "no dot of " << value;
        return {};
    }
};

struct KeyCase {
    const char* values;
    std::vector<QKeyCombination> keys;
    const char* moved;  // the selected value after the keys
};

// Whole numbers move by 1, otherwise by the most decimals any value has; the
// step stays while the value moves (3.3 still moves by 0.01).
TEST_F(WindowMovesTest, KeysMoveTheSelectedValueByItsStep) {
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const KeyCase cases[] = {
        {"4\n7", {Qt::Key_Home, Qt::SHIFT | Qt::Key_Right}, "5"},
        {"4\n7", {Qt::Key_End, ctrlShift | Qt::Key_Left}, "-3"},
        {"4\n2.5", {Qt::Key_Home, Qt::SHIFT | Qt::Key_Right}, "2.6"},
        {"4\n2.5", {Qt::Key_End, Qt::SHIFT | Qt::Key_Left}, "3.9"},
        {"4\n2.5", {Qt::Key_Home, ctrlShift | Qt::Key_Left}, "1.5"},
        {"3.25\n1",
         {Qt::Key_End, Qt::SHIFT | Qt::Key_Right, Qt::SHIFT | Qt::Key_Right,
          Qt::SHIFT | Qt::Key_Right, Qt::SHIFT | Qt::Key_Right, Qt::SHIFT | Qt::Key_Right,
          Qt::SHIFT | Qt::Key_Right},
         "3.31"},
    };
    for (const KeyCase& c : cases) {
        open(c.values);
        keys(c.keys);
        ASSERT_GE(selected(), 0) << c.values;
        EXPECT_EQ(values().at(selected()), Local(c.moved)) << c.values;
    }
}

TEST_F(WindowMovesTest, PageKeysMoveByATenthOfTheLine) {
    open("3\n1");
    const double span = view->picture().line.High() - view->picture().line.Low();
    const char separator = Local(".").front().toLatin1();
    keys({Qt::Key_End, Qt::Key_PageUp});
    EXPECT_EQ(values().at(0).toStdString(), ValueStep(0).ByTenth(3, span, 1, separator).text);
    EXPECT_GT(values().at(0).toInt(), 3);
    keys({Qt::Key_PageDown});
    EXPECT_EQ(values().at(0), QStringLiteral("3"));
}

// Equal values in list order; Home the first smallest, End the last
// largest; Delete selects the next by value, or the previous at the end.
TEST_F(WindowMovesTest, ArrowsHomeEndAndDeleteWalkByValue) {
    open("5\n3\n5\n1");
    const std::pair<Qt::Key, int> walk[] = {
        {Qt::Key_Home, 3},  {Qt::Key_Right, 1}, {Qt::Key_Right, 0}, {Qt::Key_Right, 2},
        {Qt::Key_Right, 2}, {Qt::Key_Left, 0},  {Qt::Key_End, 2}};
    for (const auto& [key, row] : walk) {
        QTest::keyClick(view, key);
        EXPECT_EQ(selected(), row) << key;
        EXPECT_EQ(test::CurrentRow(list()), row) << key;  // the list shows the same
    }
    keys({Qt::Key_Home, Qt::Key_Right, Qt::Key_Delete});  // 3 goes, the first 5 follows
    EXPECT_EQ(values(), (QStringList{"5", "5", "1"}));
    EXPECT_EQ(selected(), 0);
    keys({Qt::Key_End, Qt::Key_Delete});  // the last 5 goes, the first 5 before it
    EXPECT_EQ(values(), (QStringList{"5", "1"}));
    EXPECT_EQ(selected(), 0);
}

// A row clicked in the values list is the plot's selection: its ring moves,
// and the keys move that value.
TEST_F(WindowMovesTest, TheValuesListAndThePlotShareTheSelection) {
    open("2\n8");
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, test::RowRect(list(), 0).center());
    const QImage first = view->grab().toImage();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, test::RowRect(list(), 1).center());
    EXPECT_NE(view->grab().toImage(), first);
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(values(), (QStringList{"2", "9"}));
}

// A drag is one undo step, snapped to the step; one let go where it began,
// or cancelled with Escape, is none.
TEST_F(WindowMovesTest, ADragIsOneStepAndEscapePutsTheValueBack) {
    open("2\n8\n5");
    const std::size_t before = undoSteps();
    const QPoint from = dotOf(2);
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    EXPECT_EQ(selected(), 0);
    QTest::mouseMove(view, QPoint(static_cast<int>(xOf(3.2)), from.y()));
    QTest::mouseMove(view, QPoint(static_cast<int>(xOf(4.1)), from.y()));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(static_cast<int>(xOf(4.1)), from.y()));
    EXPECT_EQ(values().at(0), QStringLiteral("4"));
    EXPECT_EQ(undoSteps(), before + 1);
    // The table, left behind during the drag, follows as it ends.
    EXPECT_EQ(window.pictureWindow()->table()->model()->index(0, 0).data().toString(),
              QStringLiteral("4"));

    const QPoint moved = dotOf(4);
    QTest::mousePress(view, Qt::LeftButton, {}, moved);
    QTest::mouseMove(view, QPoint(static_cast<int>(xOf(7)), moved.y()));
    EXPECT_EQ(values().at(0), QStringLiteral("7"));
    QTest::keyClick(view, Qt::Key_Escape);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(static_cast<int>(xOf(7)), moved.y()));
    EXPECT_EQ(values().at(0), QStringLiteral("4"));
    EXPECT_EQ(undoSteps(), before + 1);

    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(values().at(0), QStringLiteral("2"));
    QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(values().at(0), QStringLiteral("4"));
}

// Past the line's end the line reaches out, further with every move; let
// go, it fits the data again.
TEST_F(WindowMovesTest, ADragPastTheEndPullsTheLineOut) {
    open("2\n8\n5");
    const double high = view->picture().line.High();
    const QPoint from = dotOf(8);
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    QTest::mouseMove(view, QPoint(view->width() + 40, from.y()));
    const double first = number(1);
    QTest::mouseMove(view, QPoint(view->width() + 120, from.y()));
    const double further = number(1);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(view->width() + 120, from.y()));
    EXPECT_GT(first, high);
    EXPECT_GT(further, first);
    EXPECT_LT(view->picture().line.High(), further * 1.2);
    EXPECT_GT(view->picture().line.High(), further);
}

// A key held down moving one value is one step; each press another.
TEST_F(WindowMovesTest, AHeldKeyIsOneStepAndEachPressOneMore) {
    open("1\n4");
    keys({Qt::Key_Home});
    const std::size_t before = undoSteps();
    for (const bool repeat : {false, true, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::ShiftModifier, QString(), repeat);
        QApplication::sendEvent(view, &press);
    }
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::ShiftModifier);
    QApplication::sendEvent(view, &release);
    EXPECT_EQ(values().at(0), QStringLiteral("5"));
    EXPECT_EQ(undoSteps(), before + 1);
    keys({Qt::SHIFT | Qt::Key_Left, Qt::SHIFT | Qt::Key_Left});
    EXPECT_EQ(undoSteps(), before + 3);
}

// Once the keys stop, the report is the one "Изчисли" writes, after a move
// and after an undo in the picture; after a drag, as it is let go.
TEST_F(WindowMovesTest, TheReportFollowsMovesAndUndo) {
    open("1\n4");
    // A click on a dot only selects it: nothing to report.
    const QString untouched = report();
    QTest::mouseClick(view, Qt::LeftButton, {}, dotOf(4));
    QTest::qWait(400);
    EXPECT_EQ(report(), untouched);
    QTest::mouseClick(window.command1(kCalculateCommand), Qt::LeftButton);
    const QString original = report();
    keys({Qt::Key_Home, Qt::SHIFT | Qt::Key_Right});
    QTRY_VERIFY(report() != original);
    const QString afterMove = report();
    QTest::mouseClick(window.command1(kCalculateCommand), Qt::LeftButton);
    EXPECT_EQ(report(), afterMove);
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE(report(), original);
    const QPoint from = dotOf(1);
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    QTest::mouseMove(view, QPoint(static_cast<int>(xOf(2)), from.y()));
    EXPECT_EQ(report(), original);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(static_cast<int>(xOf(2)), from.y()));
    EXPECT_EQ(values().at(0), QStringLiteral("2"));
    EXPECT_EQ(report(), afterMove);
}

// A move beyond what may be typed does nothing and says why, until the
// next move that does something.
TEST_F(WindowMovesTest, ARefusedMoveSaysWhyUnderThePlot) {
    open("999999999999999\n1");
    keys({Qt::Key_End, Qt::SHIFT | Qt::Key_Right});
    EXPECT_EQ(values().at(0), QStringLiteral("999999999999999"));
    EXPECT_EQ(status(), QStringLiteral("Стойността не се премества: по абсолютна стойност числото "
                                       "трябва да е по-малко от 10^15."));
    keys({Qt::SHIFT | Qt::Key_Left});
    EXPECT_EQ(values().at(0), QStringLiteral("999999999999998"));
    EXPECT_TRUE(status().isEmpty());
}

// P, here as the key a Bulgarian layout gives: nothing on screen, in the
// table or to a screen reader gives the mean away until Enter; then the
// answer is under the plot and in the description. Latin P leaves.
TEST_F(WindowMovesTest, AGuessHidesTheMeanUntilEnter) {
    open("4\n4.1\n5");
    const QString before = report();
    // З, where a Bulgarian layout has P.
    QTest::sendKeyEvent(QTest::Click, view, static_cast<Qt::Key>(0x0417), QStringLiteral("з"),
                        Qt::NoModifier);
    ASSERT_TRUE(view->guessing());
    const auto hidden = [this](const char* when) {
        const Picture& shown = view->picture();
        for (const Centre& centre : shown.centres) {
            EXPECT_FALSE(centre.value) << when;
        }
        EXPECT_TRUE(shown.strip.empty() && shown.deviations.empty() && shown.nearest.empty() &&
                    shown.farthest.empty() && shown.balance.empty())
            << when;
        EXPECT_TRUE(shown.guess) << when;
        EXPECT_EQ(window.pictureWindow()->table()->model()->columnCount(), 2) << when;
        QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(view);
        EXPECT_FALSE(chart->text(QAccessible::Name).contains(QStringLiteral("разстояние"))) << when;
        EXPECT_FALSE(chart->text(QAccessible::Description).contains(QStringLiteral("аритметична")))
            << when;
    };
    hidden("started");
    keys({Qt::Key_Home, Qt::Key_Delete});  // the values change: still hidden, no report
    hidden("a value deleted");
    QTest::qWait(400);
    EXPECT_EQ(report(), before);
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(static_cast<int>(xOf(5)), 10));
    EXPECT_EQ(view->hiddenGuess(), 5.0);
    keys({Qt::SHIFT | Qt::Key_Right, Qt::SHIFT | Qt::Key_Left});
    EXPECT_EQ(view->hiddenGuess(), 5.0);

    QTest::keyClick(view, Qt::Key_Return);
    const QString answer = Local("Предположение: 5; аритметична ≈ 4.3667; разлика ≈ 0.63333");
    EXPECT_EQ(status(), answer);
    EXPECT_TRUE(view->picture().Selected().value);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(view)
                    ->text(QAccessible::Description)
                    .endsWith(answer + QLatin1Char('.')));
    EXPECT_EQ(window.pictureWindow()->table()->model()->columnCount(), 3);
    EXPECT_NE(report(), before);  // what changed while guessing is written now
    // The answer follows the lists, changed in the main window: 4,1 and 5.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, test::RowRect(list(), 0).center());
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(status().toStdString(),
              Local("Предположение: 5; аритметична = 4.55; разлика = 0.45").toStdString());

    window.pictureWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.pictureWindow()));
    QTest::keyClick(view, Qt::Key_P);
    EXPECT_FALSE(view->guessing());
    EXPECT_FALSE(view->picture().guess);
    EXPECT_TRUE(status().isEmpty());
}

// Where the selected mean has no value, P says why and starts no guess.
TEST_F(WindowMovesTest, NoGuessWhereTheMeanHasNoValue) {
    open("-1\n2");
    QTest::mouseClick(window.option1(static_cast<int>(MeanKind::Geometric)), Qt::LeftButton);
    window.pictureWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.pictureWindow()));
    QTest::keyClick(view, Qt::Key_P);
    EXPECT_FALSE(view->guessing());
    EXPECT_EQ(status(), QStringLiteral("Няма какво да се познае: геометрична не се изчислява – има "
                                       "отрицателни стойности."));
}

}  // namespace
}  // namespace sredna
