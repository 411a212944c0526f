// The pupil's own numbers in the window, headless, through real key and
// mouse events and the real clipboard; run once with each decimal separator.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdlib>
#include <string_view>

#include "core/model/window_texts.h"
#include "tests/list_rows.h"
#include "tests/qt_warnings.h"
#include "tests/window_with_form.h"

namespace sredna {
namespace {

class WindowEntryTest : public testing::Test {
protected:
    WindowWithForm window;
    QListView* values = window.spis(kValuesList);
    QListView* weights = window.spis(kWeightsList);

    WindowEntryTest() {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    const WindowModel& model() const { return window.form().Model(); }
    std::vector<std::string> modelItems(int index) const { return model().ListAt(index).Items(); }

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    void clickRow(QListView* list, int row) {
        const QModelIndex item = test::Row(list, row);
        ASSERT_TRUE(item.isValid());
        list->scrollTo(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
    }

    void key(QListView* list, int key, Qt::KeyboardModifiers modifiers = {}) {
        list->setFocus();
        QTest::keyClick(list, static_cast<Qt::Key>(key), modifiers);
    }

    // Types into the item editor that has the focus, over its text, and
    // ends with Enter or Escape. The editor commits after Enter once the
    // event loop turns, as it does between a user's keystrokes.
    static void typeInEditor(const QString& text, Qt::Key end = Qt::Key_Return) {
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr) << "no item editor is open";
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, end);
        QApplication::processEvents();
    }

    QStringList shown(QListView* list) const {
        QStringList texts;
        for (int row = 0; row < test::RowCount(list); ++row) {
            texts.append(test::RowText(list, row));
        }
        return texts;
    }

    std::string report() const { return model().Report().Text(); }

    // The separator of this run's regional settings, and a text with it.
    static char separator() {
        const char* lang = std::getenv("LANG");
        return lang != nullptr && std::string_view(lang).starts_with("bg") ? ',' : '.';
    }
    static std::string local(std::string text) {
        for (char& c : text) {
            c = c == '.' ? separator() : c;
        }
        return text;
    }

    // A thousand, or one, written with the other decimal separator.
    static std::string otherThousand() { return separator() == '.' ? "1,000" : "1.000"; }

    // Right-clicks a point of a list and returns the menu that opened.
    QMenu* openMenu(QListView* list, QPoint at) {
        list->setFocus();
        QTest::mouseClick(window.windowHandle(), Qt::RightButton, {},
                          list->viewport()->mapTo(&window, at));
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    static QAction* menuItem(QMenu* menu, std::string_view text) {
        for (QAction* action : menu->actions()) {
            if (action->text() == QString::fromUtf8(text.data(), qsizetype(text.size()))) {
                return action;
            }
        }
        return nullptr;
    }
};

TEST_F(WindowEntryTest, F2AndInsertTypeValuesWithEitherSeparator) {
    clickRow(values, 1);
    key(values, Qt::Key_F2);
    typeInEditor(QStringLiteral(" 2.50"));
    key(values, Qt::Key_F2);  // the item selected is still the edited one
    typeInEditor(QStringLiteral("-0,5"));
    clickRow(values, 2);
    key(values, Qt::Key_F2);
    typeInEditor(QStringLiteral("7"), Qt::Key_Escape);
    key(values, Qt::Key_Insert);
    typeInEditor(QStringLiteral("1000,25"));
    key(values, Qt::Key_Insert);
    typeInEditor(QString());  // committed empty: nothing added
    key(values, Qt::Key_Insert);
    typeInEditor(QStringLiteral("9"), Qt::Key_Escape);
    const std::vector<std::string> expected = {"123", local("-0.5"), "123",
                                               "123", "123",         local("1000.25")};
    EXPECT_EQ(modelItems(kValuesList), expected);
    EXPECT_EQ(modelItems(kWeightsList), (std::vector<std::string>{"5", "5", "5", "5", "5", "1"}));
    EXPECT_EQ(shown(values).size(), 6);
    EXPECT_EQ(shown(values).at(5).toStdString(), local("1000.25"));
    EXPECT_EQ(report(), "");

    click(window.command1(kCalculateCommand));
    EXPECT_NE(report().find(local("Обща сума 1491.75 брой елементи: 6")), std::string::npos)
        << report();
}

TEST_F(WindowEntryTest, DoubleClickEditsAWeight) {
    click(window.option1(static_cast<int>(MeanKind::Weighted)));
    // A double-click is a click followed by the double-click event.
    clickRow(weights, 3);
    QTest::mouseDClick(weights->viewport(), Qt::LeftButton, {}, test::RowRect(weights, 3).center());
    typeInEditor(QStringLiteral("12"));
    EXPECT_EQ(modelItems(kWeightsList), (std::vector<std::string>{"5", "5", "5", "12", "5"}));
    EXPECT_EQ(test::RowText(weights, 3), QStringLiteral("12"));
}

TEST_F(WindowEntryTest, DeleteTakesTheWeightAlongAndSelectsTheNext) {
    click(window.option1(static_cast<int>(MeanKind::Weighted)));
    clickRow(values, 1);
    key(weights, Qt::Key_F2);
    typeInEditor(QStringLiteral("2"));
    clickRow(values, 1);
    key(values, Qt::Key_Delete);
    EXPECT_EQ(modelItems(kWeightsList), (std::vector<std::string>{"5", "5", "5", "5"}));
    EXPECT_EQ(test::CurrentRow(values), 1);
    EXPECT_EQ(test::CurrentRow(weights), 1);
    clickRow(weights, 3);
    key(weights, Qt::Key_Delete);
    EXPECT_EQ(model().Values().Count(), 3);
    EXPECT_EQ(test::RowCount(values), 3);
    EXPECT_EQ(test::RowCount(weights), 3);
    EXPECT_EQ(model().Values().Selected(), 2);
    EXPECT_EQ(test::CurrentRow(weights), 2);
}

TEST_F(WindowEntryTest, CopyAndPasteGoThroughTheClipboard) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    key(values, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("123\n123\n123\n123\n123"));

    clipboard->setText(QStringLiteral("1\t2,5\r\n-3;4.75"));
    key(values, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(test::RowCount(values), 9);
    EXPECT_EQ(test::RowText(values, 6).toStdString(), local("2.5"));
    EXPECT_EQ(model().Weights().Count(), 9);

    click(window.option1(static_cast<int>(MeanKind::Weighted)));
    clickRow(weights, 6);
    clipboard->setText(QStringLiteral("2 3 4"));
    key(weights, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(modelItems(kWeightsList),
              (std::vector<std::string>{"5", "5", "5", "5", "5", "1", "2", "3", "4"}));
    key(weights, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("5\n5\n5\n5\n5\n1\n2\n3\n4"));
    EXPECT_EQ(report(), "");
}

// Every kind of bad input: nothing changes in either list, and the report
// box says why in one line.
TEST_F(WindowEntryTest, BadInputChangesNothingAndSaysWhy) {
    click(window.option1(static_cast<int>(MeanKind::Weighted)));
    const auto valuesBefore = modelItems(kValuesList);
    const auto weightsBefore = modelItems(kWeightsList);
    QClipboard* clipboard = QGuiApplication::clipboard();
    struct Bad {
        std::function<void()> input;
        std::string line;
    };
    const std::vector<Bad> cases = {
        {[&] {
             clickRow(values, 0);
             key(values, Qt::Key_F2);
             typeInEditor(QStringLiteral("12a"));
         },
         "„12a“ не е число: пишат се цифри и по желание знак, една десетична запетая или точка и "
         "степенен показател, както в „1" +
             std::string(1, separator()) + "5E-05“."},
        {[&] {
             key(values, Qt::Key_Insert);
             typeInEditor(QStringLiteral("1234567890123,456"));
         },
         "„1234567890123,456“" + std::string(texts::kTooManyDigits)},
        {[&] {
             clipboard->setText(QStringLiteral("1\n2\n-1000000000000000"));
             key(values, Qt::Key_V, Qt::ControlModifier);
         },
         "„-1000000000000000“" + std::string(texts::kOutOfRange)},
        {[&] {
             clickRow(weights, 2);
             key(weights, Qt::Key_F2);
             typeInEditor(QStringLiteral("0"));
         },
         "„0“" + std::string(texts::kNotAWeight)},
        {[&] {
             clickRow(weights, 3);
             clipboard->setText(QStringLiteral("1 2 3"));
             key(weights, Qt::Key_V, Qt::ControlModifier);
         },
         "Теглата за поставяне са повече от редовете от позиция 4 надолу (2)."},
        {[&] {
             clipboard->setText(QString(QStringLiteral("1\n")).repeated(ListBox::kMaxItems - 4));
             key(values, Qt::Key_V, Qt::ControlModifier);
         },
         "Списъкът побира най-много 32767 стойности: в него има 5, а поставяните са повече "
         "от 32762."},
        // Spaces that may group thousands, and the other separator where it
        // may: "1,000" with "." as the decimal separator, "1.000" with ",".
        {[&] {
             clipboard->setText(QStringLiteral("7\n1 000"));
             key(values, Qt::Key_V, Qt::ControlModifier);
         },
         "„1 000“" + std::string(texts::kSpacesMayGroup)},
        {[&] {
             clipboard->setText(QStringLiteral("100 200 300"));
             key(values, Qt::Key_V, Qt::ControlModifier);
         },
         "„100 200 300“" + std::string(texts::kSpacesMayGroup)},
        {[&] {
             clickRow(values, 0);
             key(values, Qt::Key_F2);
             typeInEditor(QString::fromStdString(otherThousand()));
         },
         "„" + otherThousand() + "“" + std::string(texts::kMayBeThousands) + separator() +
             std::string(texts::kMayBeThousandsEnd)},
    };
    for (const Bad& bad : cases) {
        bad.input();
        EXPECT_EQ(report(), bad.line + "\r\n");
        EXPECT_EQ(window.text1(kReportBox)->toPlainText().toStdString(), bad.line + "\n");
        EXPECT_EQ(modelItems(kValuesList), valuesBefore) << bad.line;
        EXPECT_EQ(modelItems(kWeightsList), weightsBefore) << bad.line;
        EXPECT_EQ(shown(values), QStringList(5, QStringLiteral("123"))) << bad.line;
        EXPECT_EQ(shown(weights), QStringList(5, QStringLiteral("5"))) << bad.line;
    }
    EXPECT_TRUE(window.isVisible());
}

// No-break spaces group thousands, pasted or typed; plain spaces separate
// numbers that could not be one.
TEST_F(WindowEntryTest, NoBreakSpacesGroupThousands) {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(local("12\u00A0345.5\r\n1\u202F000")));
    key(values, Qt::Key_V, Qt::ControlModifier);
    key(values, Qt::Key_Insert);
    typeInEditor(QStringLiteral("-2\u00A0500"));
    QGuiApplication::clipboard()->setText(QStringLiteral("5 6 4 3 6"));
    key(values, Qt::Key_V, Qt::ControlModifier);
    const std::vector<std::string> expected = {
        "123", "123", "123", "123", "123", local("12345.5"), "1000", "-2500",
        "5",   "6",   "4",   "3",   "6"};
    EXPECT_EQ(modelItems(kValuesList), expected);
    EXPECT_EQ(shown(values).size(), 13);
    EXPECT_EQ(report(), "");
}

// Every weight counts, a new value's 1 too: the total may reach 32767, not
// pass it.
TEST_F(WindowEntryTest, TheWeightsTotalStaysWithinItsCount) {
    click(window.option1(static_cast<int>(MeanKind::Weighted)));
    clickRow(weights, 0);
    key(weights, Qt::Key_F2);
    typeInEditor(QStringLiteral("32748"));
    EXPECT_EQ(report(), "Сборът на всички тегла ще стане 32768, а може да е най-много 32767.\r\n");
    EXPECT_EQ(modelItems(kWeightsList)[0], "5");
    key(weights, Qt::Key_F2);
    typeInEditor(QStringLiteral("32747"));
    EXPECT_EQ(test::RowText(weights, 0), QStringLiteral("32747"));
    key(values, Qt::Key_Insert);
    typeInEditor(QStringLiteral("1"));
    EXPECT_EQ(report(),
              "Сборът на всички тегла ще стане 32768, а може да е най-много 32767 (всяка нова "
              "стойност е с тегло 1).\r\n");
    EXPECT_EQ(test::RowCount(values), 5);
    EXPECT_EQ(modelItems(kWeightsList), (std::vector<std::string>{"32747", "5", "5", "5", "5"}));
}

TEST_F(WindowEntryTest, TheMenuOffersTheActionsWithTheirKeys) {
    QGuiApplication::clipboard()->setText(QStringLiteral("1"));
    QMenu* menu = openMenu(values, test::RowRect(values, 2).center());
    ASSERT_NE(menu, nullptr);
    const std::vector<std::pair<std::string_view, QKeySequence>> items = {
        {texts::kAddValue, QKeySequence(Qt::Key_Insert)},
        {texts::kEdit, QKeySequence(Qt::Key_F2)},
        {texts::kDelete, QKeySequence(QKeySequence::Delete)},
        {texts::kCopyAll, QKeySequence(QKeySequence::Copy)},
        {texts::kPaste, QKeySequence(QKeySequence::Paste)}};
    for (const auto& [text, keys] : items) {
        QAction* action = menuItem(menu, text);
        ASSERT_NE(action, nullptr) << text;
        EXPECT_EQ(action->shortcut(), keys) << text;
        EXPECT_TRUE(action->isEnabled()) << text;
    }
    QAction* remove = menuItem(menu, texts::kDelete);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(remove).center());
    EXPECT_EQ(model().Values().Count(), 4);
    EXPECT_EQ(model().Values().Selected(), 2);

    click(window.command1(kClearCommand));
    QGuiApplication::clipboard()->clear();
    menu = openMenu(values, QPoint(5, 5));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menuItem(menu, texts::kAddValue)->isEnabled());
    for (std::string_view text : {texts::kEdit, texts::kDelete, texts::kCopyAll, texts::kPaste}) {
        EXPECT_FALSE(menuItem(menu, text)->isEnabled()) << text;
    }
    QTest::mouseClick(menu, Qt::LeftButton, {},
                      menu->actionGeometry(menuItem(menu, texts::kAddValue)).center());
    typeInEditor(QStringLiteral("4"));
    EXPECT_EQ(modelItems(kValuesList), std::vector<std::string>{"4"});
    EXPECT_EQ(modelItems(kWeightsList), std::vector<std::string>{"1"});
}

TEST_F(WindowEntryTest, ListsSayHowToEdit) {
    EXPECT_EQ(values->toolTip().toStdString(), texts::kValuesHelp);
    EXPECT_EQ(values->accessibleDescription().toStdString(), texts::kValuesHelp);
    EXPECT_EQ(weights->toolTip().toStdString(), texts::kWeightsHelp);
    EXPECT_EQ(weights->accessibleDescription().toStdString(), texts::kWeightsHelp);
}

TEST_F(WindowEntryTest, RandomReplacesAndClearEmptiesTypedValues) {
    key(values, Qt::Key_Insert);
    typeInEditor(QStringLiteral("2,5"));
    click(window.command1(kRandomCommand));
    ASSERT_EQ(test::RowCount(values), 5);
    EXPECT_EQ(model().Weights().Count(), 5);
    for (int row = 0; row < test::RowCount(values); ++row) {
        bool whole = false;
        static_cast<void>(test::RowText(values, row).toInt(&whole));
        EXPECT_TRUE(whole) << test::RowText(values, row).toStdString();
    }
    click(window.command1(kClearCommand));
    EXPECT_EQ(test::RowCount(values), 0);
    EXPECT_EQ(model().Weights().Count(), 0);
    key(values, Qt::Key_Insert);
    typeInEditor(QStringLiteral("3"));
    EXPECT_EQ(modelItems(kValuesList), std::vector<std::string>{"3"});
}

// Typed values of both signs reach the faults the random ones never do; the
// window stays usable and the next calculation is normal.
TEST_F(WindowEntryTest, FaultsOfTypedValuesLeaveTheWindowUsable) {
    click(window.command1(kClearCommand));
    QGuiApplication::clipboard()->setText(QStringLiteral("0,5 -0.5"));
    key(values, Qt::Key_V, Qt::ControlModifier);
    click(window.option1(static_cast<int>(MeanKind::Harmonic)));
    click(window.command1(kCalculateCommand));
    const std::string negative =
        "Между въведените стойности не трябва да има отрицателни числа!\r\n";
    EXPECT_TRUE(report().ends_with(negative)) << report();
    click(window.option1(static_cast<int>(MeanKind::Geometric)));
    click(window.command1(kCalculateCommand));
    EXPECT_TRUE(report().ends_with(negative)) << report();
    click(window.option1(static_cast<int>(MeanKind::Arithmetic)));
    click(window.command1(kCalculateCommand));
    EXPECT_NE(report().find("средна аритметична = 0 / 2 = 0\r\n"), std::string::npos) << report();
    click(window.option1(static_cast<int>(MeanKind::Median)));
    click(window.command1(kCalculateCommand));
    EXPECT_TRUE(report().ends_with("медиана = 0\r\n")) << report();
    EXPECT_EQ(shown(window.spis(kMedianList)).join('|').toStdString(), local("-0.5| 0.5"));
}

// A new value refused, left blank or abandoned leaves the keyboard on the
// values list, on the row that was selected, and the list never loses track
// of the row's editor.
TEST_F(WindowEntryTest, InsertThatAddsNothingKeepsTheFocusOnTheList) {
    const test::QtWarnings warnings;
    const std::string intro = model().Intro().Text();
    for (const auto& [typed, end] : {std::pair{"abc", Qt::Key_Return},
                                     {"", Qt::Key_Return},
                                     {"abc", Qt::Key_Tab},
                                     {"7", Qt::Key_Escape}}) {
        clickRow(values, 2);
        key(values, Qt::Key_Insert);
        typeInEditor(QString::fromUtf8(typed), end);
        EXPECT_EQ(QApplication::focusWidget(), values) << typed << " " << end;
        EXPECT_EQ(shown(values), QStringList(5, QStringLiteral("123"))) << typed << " " << end;
        // The next key goes wherever the focus is.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_EQ(model().Values().Selected(), 3) << typed << " " << end;
    }
    EXPECT_EQ(model().Intro().Text(), intro);
    EXPECT_EQ(warnings.OfLostEditors().join('\n').toStdString(), "");
}

}  // namespace
}  // namespace sredna
