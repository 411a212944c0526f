// Keeping the work in the window, headless, through real keys, clicks and
// dialogs: undo and redo, numbers files, the question before closing, and
// the keys window; run once with each decimal separator.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>
#include <string>
#include <tuple>

#include "core/model/window_texts.h"
#include "tests/list_rows.h"
#include "tests/modal_dialogs.h"
#include "tests/window_with_form.h"
#include "ui/text/model_text.h"
#include "ui/window/command_keys.h"
#include "ui/window/keys_window.h"

namespace sredna {
namespace {

// The file dialogs start in the user's folders, and Qt keeps their state
// there, in a place it finds once a run: the tests' user has a home of its
// own for the whole run, gone at its end.
QString TestHome() {
    static const struct Home {
        QTemporaryDir dir;
        QByteArray previous = qgetenv("HOME");
        Home() { qputenv("HOME", dir.path().toLocal8Bit()); }
        ~Home() { qputenv("HOME", previous); }
        Home(const Home&) = delete;
        Home& operator=(const Home&) = delete;
    } home;
    return home.dir.path();
}

class WindowFilesTest : public testing::Test {
public:
    QString home = TestHome();
    QTemporaryDir folder;
    WindowWithForm window;
    QListView* values = window.spis(kValuesList);

    WindowFilesTest() { show(); }

    void show() {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // The lists as the model holds them, with the selection, and as shown.
    struct Lists {
        std::vector<std::string> values;
        std::vector<std::string> weights;
        int selected;
        bool operator==(const Lists&) const = default;
    };
    Lists lists() const {
        const WindowModel& model = window.form().Model();
        EXPECT_EQ(test::RowCount(values), model.Values().Count());
        const QModelIndexList shown = test::SelectedRows(values);
        EXPECT_EQ(shown.isEmpty() ? -1 : shown.first().row(), model.Values().Selected());
        return {model.Values().Items(), model.Weights().Items(), model.Values().Selected()};
    }
    std::string report() const { return window.form().Model().Report().Text(); }
    // The decimal sign of this run's regional settings.
    static char Separator() { return QLocale::system().decimalPoint() == u',' ? ',' : '.'; }

    void key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = {}) {
        if (!window.isActiveWindow()) {
            show();  // after a dialog
        }
        widget->setFocus();
        QTest::keyClick(widget, static_cast<Qt::Key>(key), modifiers);
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void deleteThird() {
        QTest::mouseClick(values->viewport(), Qt::LeftButton, {},
                          test::RowRect(values, 2).center());
        key(values, Qt::Key_Delete);
    }

    // Types into the focused item editor and presses Enter.
    static void typeInEditor(const QString& text) {
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(qobject_cast<QLineEdit*>(editor), nullptr) << "no item editor is open";
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    // Types a file's path into the next file dialog and presses Enter.
    static test::ModalAnswer<QFileDialog> chooseFile(const QString& path) {
        return test::ModalAnswer<QFileDialog>(
            [path](QFileDialog* dialog) { test::TypeFileName(dialog, path); }, "the file dialog");
    }
    // Presses the button of the next message box that reads `text`, after
    // noting its buttons. Every one is titled with the program's name.
    static test::ModalAnswer<QMessageBox> pressAnswer(std::string_view text,
                                                      QStringList* buttons = nullptr) {
        return test::ModalAnswer<QMessageBox>(
            [text, buttons](QMessageBox* box) {
                EXPECT_EQ(box->windowTitle(), QStringLiteral("Средна стойност"));
                for (QAbstractButton* button : box->buttons()) {
                    if (buttons != nullptr) {
                        buttons->append(button->text());
                    }
                    if (button->text() == FromModel(text)) {
                        button->click();
                    }
                }
            },
            "the question");
    }
    void openFile(const QString& file) {
        const auto answer = chooseFile(file);
        key(values, Qt::Key_O, Qt::ControlModifier);
    }
    void saveFile(const QString& file) {
        const auto answer = chooseFile(file);
        key(values, Qt::Key_S, Qt::ControlModifier);
    }
};

struct UndoCase {
    const char* name;
    std::function<void(WindowFilesTest&)> change;
};

class WindowUndoTest : public WindowFilesTest, public testing::WithParamInterface<UndoCase> {};

// Each change, taken back with Ctrl+Z and made again with either redo key:
// the values, the weights and the selection as they were, the report box as
// the change left it.
TEST_P(WindowUndoTest, EachChangeIsOneStep) {
    QTest::mouseClick(values->viewport(), Qt::LeftButton, {}, test::RowRect(values, 2).center());
    const Lists before = lists();
    GetParam().change(*this);
    const Lists after = lists();
    const std::string changedReport = report();
    ASSERT_NE(after, before);
    for (const Qt::KeyboardModifiers redo :
         {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
        key(values, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(lists(), before);
        key(values, redo == Qt::ControlModifier ? Qt::Key_Y : Qt::Key_Z, redo);
        EXPECT_EQ(lists(), after);
    }
    EXPECT_EQ(report(), changedReport);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, WindowUndoTest,
    testing::Values(
        UndoCase{"typed_edit",
                 [](WindowFilesTest& w) {
                     w.key(w.values, Qt::Key_F2);
                     WindowFilesTest::typeInEditor(QStringLiteral("1.5"));
                 }},
        UndoCase{"insert",
                 [](WindowFilesTest& w) {
                     w.key(w.values, Qt::Key_Insert);
                     WindowFilesTest::typeInEditor(QStringLiteral("8"));
                 }},
        UndoCase{"delete", [](WindowFilesTest& w) { w.key(w.values, Qt::Key_Delete); }},
        UndoCase{"paste",
                 [](WindowFilesTest& w) {
                     QGuiApplication::clipboard()->setText(QStringLiteral("4\n5\n6"));
                     w.key(w.values, Qt::Key_V, Qt::ControlModifier);
                 }},
        UndoCase{"open_file",
                 [](WindowFilesTest& w) {
                     QFile file(w.path(QStringLiteral("a.csv")));
                     ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                     file.write("7\r\n9\r\n");
                     file.close();
                     w.openFile(file.fileName());
                 }},
        UndoCase{"random", [](WindowFilesTest& w) { w.click(w.window.command1(kRandomCommand)); }},
        UndoCase{"clear", [](WindowFilesTest& w) { w.click(w.window.command1(kClearCommand)); }}),
    [](const testing::TestParamInfo<UndoCase>& row) { return row.param.name; });

// The text boxes keep their own undo, with every undo and redo key, and
// leave the lists alone.
TEST_F(WindowFilesTest, UndoKeysInATextBoxUndoItsText) {
    deleteThird();
    const Lists deleted = lists();
    QPlainTextEdit* box = window.text1(kReportBox);
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("abc"));
    for (const auto& [keyCode, modifiers, text] :
         {std::tuple{Qt::Key_Z, Qt::KeyboardModifiers(Qt::ControlModifier), ""},
          std::tuple{Qt::Key_Y, Qt::KeyboardModifiers(Qt::ControlModifier), "abc"},
          std::tuple{Qt::Key_Z, Qt::KeyboardModifiers(Qt::ControlModifier), ""},
          std::tuple{Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "abc"}}) {
        key(box, keyCode, modifiers);
        EXPECT_EQ(box->toPlainText(), QString::fromUtf8(text));
        EXPECT_EQ(lists(), deleted);
    }
}

// Saved through the dialog, with ".csv" added to a name without one, and
// opened again; a bad file changes nothing and says where it is wrong.
TEST_F(WindowFilesTest, NumbersSavedOpenAgainAndABadFileChangesNothing) {
    deleteThird();
    const Lists saved = lists();
    saveFile(path(QStringLiteral("числа")));
    QFile file(path(QStringLiteral("числа.csv")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), window.form().NumbersFileText());

    click(window.command1(kRandomCommand));  // a sample: no question before opening
    openFile(file.fileName());
    EXPECT_EQ(lists().values, saved.values);
    EXPECT_EQ(lists().weights, saved.weights);
    EXPECT_EQ(report(), Separator() == ','
                            ? "Прочетени са 4 стойности и тегла от файла „числа.csv“ (разделител "
                              "„;“, десетичен знак „,“).\r\n"
                            : "Прочетени са 4 стойности и тегла от файла „числа.csv“ (разделител "
                              "„,“, десетичен знак „.“).\r\n");

    QFile bad(path(QStringLiteral("лош.csv")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("1\r\nx\r\n");
    bad.close();
    const Lists before = lists();
    openFile(bad.fileName());
    EXPECT_EQ(lists(), before);
    EXPECT_EQ(report(), "Файлът „лош.csv“ не е отворен: в ред 2 „x“" +
                            std::string(texts::kNotANumber) + Separator() +
                            std::string(texts::kNotANumberEnd) + "\r\n");
}

// The numbers 5; 6.5; 4; 3 with weights 2, 1, 3, 1 as each locale's window
// saves them: each run checks its own, and opens both with the same numbers.
TEST_F(WindowFilesTest, NumbersSavedInEitherLocaleOpenTheSame) {
    const std::string pointFile = "\xEF\xBB\xBFСтойност,Тегло\r\n5,2\r\n6.5,1\r\n4,3\r\n3,1\r\n";
    const std::string commaFile = "\xEF\xBB\xBFСтойност;Тегло\r\n5;2\r\n6,5;1\r\n4;3\r\n3;1\r\n";
    const char sign = Separator();
    const Lists numbers{{"5", std::string("6") + sign + "5", "4", "3"}, {"2", "1", "3", "1"}, -1};
    for (const auto& [name, bytes, read] :
         {std::tuple{"точка.csv", pointFile, "(разделител „,“, десетичен знак „.“)"},
          std::tuple{"запетая.csv", commaFile, "(разделител „;“, десетичен знак „,“)"}}) {
        QFile file(path(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();
        openFile(file.fileName());
        EXPECT_EQ(lists(), numbers) << name;
        EXPECT_EQ(report(), "Прочетени са 4 стойности и тегла от файла „" + std::string(name) +
                                "“ " + read + ".\r\n");
    }
    saveFile(path(QStringLiteral("запазени")));
    QFile saved(path(QStringLiteral("запазени.csv")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(), sign == ',' ? commaFile : pointFile);
}

// A device typed as the file is refused before it is read: a pipe would
// never end.
TEST_F(WindowFilesTest, OnlyRegularFilesAreOpened) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "no device files";
#else
    const Lists before = lists();
    QString said;
    {
        const auto file = chooseFile(QStringLiteral("/dev/null"));
        const test::ModalAnswer<QMessageBox> refusal([&said](QMessageBox* box) {
            said = box->text();
            box->accept();
        });
        key(values, Qt::Key_O, Qt::ControlModifier);
    }
    EXPECT_EQ(said.toStdString(),
              "Файлът „null“ не е отворен: това е папка или устройство, а не обикновен файл.");
    EXPECT_EQ(lists(), before);
#endif
}

// Closing after a change by hand asks, with Bulgarian answers: "Отказ"
// keeps the window, "Запази" saves before it closes, "Не запазвай" closes.
TEST_F(WindowFilesTest, ClosingAsksBeforeLosingChangesByHand) {
    deleteThird();
    QStringList buttons;
    {
        const auto cancel = pressAnswer(texts::kCancelAnswer, &buttons);
        EXPECT_FALSE(window.close());
    }
    buttons.sort();
    QStringList expected = {FromModel(texts::kSaveAnswer), FromModel(texts::kDiscardAnswer),
                            FromModel(texts::kCancelAnswer)};
    expected.sort();
    EXPECT_EQ(buttons, expected);
    EXPECT_TRUE(window.isVisible());

    {
        const auto save = pressAnswer(texts::kSaveAnswer);
        const auto file = chooseFile(path(QStringLiteral("преди.csv")));
        EXPECT_TRUE(window.close());
    }
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("преди.csv"))));

    show();
    deleteThird();
    const auto discard = pressAnswer(texts::kDiscardAnswer);
    EXPECT_TRUE(window.close());
}

// Every file dialog starts in the folder the last one ended in, this run or
// the next: a pupil finds the numbers beside the report saved from them.
TEST_F(WindowFilesTest, EveryDialogStartsInTheLastFolder) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("клас")));
    saveFile(path(QStringLiteral("клас/числа")));
    QString started;
    {
        const test::ModalAnswer<QFileDialog> look([&started](QFileDialog* dialog) {
            started = dialog->directory().absolutePath();
            dialog->reject();
        });
        key(values, Qt::Key_O, Qt::ControlModifier);
    }
    EXPECT_EQ(started, path(QStringLiteral("клас")));
    EXPECT_EQ(QSettings().value(QStringLiteral("files/lastFolder")).toString(), started);
}

// An answer whose question never comes fails the test: a close that asked
// nothing cannot pass for one that asked.
TEST_F(WindowFilesTest, AnAnswerToAQuestionThatNeverCameFails) {
    testing::TestPartResultArray failures;
    {
        const testing::ScopedFakeTestPartResultReporter reporter(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        const auto discard = pressAnswer(texts::kDiscardAnswer);
        EXPECT_TRUE(window.close());  // nothing changed by hand: no question
    }
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(std::string_view(failures.GetTestPartResult(0).message()).ends_with("never came"))
        << failures.GetTestPartResult(0).message();
}

// "*" ends the caption exactly when closing would ask: after a change by
// hand, not once it is undone, saved or replaced by a sample, nor after an
// edit that changes nothing.
TEST_F(WindowFilesTest, TheCaptionMarksNumbersNotSaved) {
    const auto ctrl = [this](int keyCode) { key(values, keyCode, Qt::ControlModifier); };
    struct Step {
        const char* name;
        std::function<void()> act;
        bool unsaved;
    };
    const std::vector<Step> steps = {
        {"start", [] {}, false},
        {"delete", [&] { deleteThird(); }, true},
        {"undo", [&] { ctrl(Qt::Key_Z); }, false},
        {"redo", [&] { ctrl(Qt::Key_Y); }, true},
        {"random", [&] { click(window.command1(kRandomCommand)); }, false},
        {"undo_random", [&] { ctrl(Qt::Key_Z); }, true},
        {"save", [&] { saveFile(path(QStringLiteral("a.csv"))); }, false},
        {"same_value_typed",
         [&] {
             QTest::mouseClick(values->viewport(), Qt::LeftButton, {},
                               test::RowRect(values, 0).center());
             key(values, Qt::Key_F2);
             typeInEditor(FromModel(window.form().Model().Values().Item(0)) + QStringLiteral(".0"));
         },
         false},
    };
    for (const Step& step : steps) {
        step.act();
        if (!window.isActiveWindow()) {
            show();
        }
        EXPECT_EQ(window.form().HasUnsavedNumbers(), step.unsaved) << step.name;
        EXPECT_EQ(window.isWindowModified(), step.unsaved) << step.name;
        EXPECT_EQ(window.windowHandle()->title().endsWith(u'*'), step.unsaved) << step.name;
    }
}

// A value still in an item's editor as the window closes is committed first:
// one the list refuses keeps the window open, the editor with it, and says
// why; one it takes is the user's work to ask about.
TEST_F(WindowFilesTest, ClosingCommitsTheValueBeingTyped) {
    QTest::mouseClick(values->viewport(), Qt::LeftButton, {}, test::RowRect(values, 0).center());
    key(values, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr) << "no item editor is open";
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("x"));
    {
        const test::NoQuestion none;
        EXPECT_FALSE(window.close());
    }
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(values->indexWidget(test::Row(values, 0)), editor);
    EXPECT_EQ(report(), "„x“" + std::string(texts::kNotANumber) + Separator() +
                            std::string(texts::kNotANumberEnd) + "\r\n");
    EXPECT_FALSE(window.form().HasUnsavedNumbers());

    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("7"));
    {
        const auto cancel = pressAnswer(texts::kCancelAnswer);
        EXPECT_FALSE(window.close());
    }
    EXPECT_EQ(window.form().Model().Values().Item(0), "7");
    EXPECT_EQ(values->indexWidget(test::Row(values, 0)), nullptr);
    EXPECT_TRUE(window.isWindowModified());
    const auto discard = pressAnswer(texts::kDiscardAnswer);
    EXPECT_TRUE(window.close());
}

// F1 opens the keys window, which names every key the window binds.
TEST_F(WindowFilesTest, F1ListsEveryKeyOfTheWindow) {
    key(values, Qt::Key_F1);
    KeysWindow* keys = window.keysWindow();
    ASSERT_NE(keys, nullptr);
    EXPECT_TRUE(keys->isVisible());
    EXPECT_EQ(keys->windowTitle(), QStringLiteral("Клавиши – Средна стойност"));
    QList<QKeySequence> listed;
    for (const texts::KeyHelp& help : texts::kMainKeys) {
        listed += KeySequences(help.keys);
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        for (const QKeySequence& shortcut : action->shortcuts()) {
            EXPECT_TRUE(listed.contains(shortcut)) << shortcut.toString().toStdString();
        }
    }
}

}  // namespace
}  // namespace sredna
