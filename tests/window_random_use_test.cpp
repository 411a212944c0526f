// Thousands of seeded random user events on the whole window, checking after
// each one that the window stays consistent and its memory stays flat.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <fstream>
#include <random>

#include "tests/list_rows.h"
#include "tests/qt_warnings.h"
#include "tests/window_with_form.h"

namespace sredna {
namespace {

// From Linux's /proc; elsewhere -1, and the memory bound goes unchecked.
long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

bool AddressSanitizerBuild() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}

const std::string kOneValueLine =
    "Въведена е само една стойност, а за средна стойност са нужни поне две!\r\n";
const std::vector<std::string> kReportStarts = {"Изчислявам средна аритметична стойност: \r\n",
                                                "Изчислявам средна квадратична стойност: \r\n",
                                                "Изчислявам средна хармонична стойност:\r\n",
                                                "Изчислявам средна геометрична стойност: \r\n",
                                                "Изчислявам средна пpетеглена стойност:\r\n",
                                                "Изчислявам медиана на въведените данни:\r\n",
                                                "Няма въведени стойности!\r\n",
                                                kOneValueLine};

class RandomUse {
public:
    explicit RandomUse(unsigned seed) : engine_(seed) {
        window_.show();
        window_.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window_));
        geometry_ = window_.geometry();
        intro_ = model().Intro().Text();
    }

    // One random event, then every check. Returns false on the first failure.
    bool Step() {
        switch (Pick(11)) {
            case 0:
            case 1:
                ClickCommand();
                break;
            case 2:
                QTest::mouseClick(window_.option1(Pick(kMeanKindCount)), Qt::LeftButton);
                break;
            case 3:
            case 4:
                ClickRow();
                break;
            case 5:
                Key(Pick(3) == 0 ? Qt::Key_Backtab : Qt::Key_Tab);
                break;
            case 6:
                Key(Pick(2) == 0 ? Qt::Key_Return : Qt::Key_Escape);
                break;
            case 7:
                Type();
                break;
            case 8:
                Erase();
                break;
            default:
                EditList();
                break;
        }
        // Between a user's events the event loop turns, but quick keys and
        // clicks may come in one burst.
        if (Pick(2) == 0) {
            QApplication::processEvents();
        }
        return Check();
    }

private:
    const WindowModel& model() const { return window_.form().Model(); }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

    void ClickCommand() {
        QTest::mouseClick(window_.command1(Pick(WindowModel::kCommandCount)), Qt::LeftButton);
        reportTyped_ = false;
        listEdited_ = false;
    }

    void ClickRow() {
        QListView* list = window_.spis(Pick(WindowModel::kListCount));
        if (!list->isVisible() || test::RowCount(list) == 0) {
            return;
        }
        const QModelIndex item = test::Row(list, Pick(test::RowCount(list)));
        list->scrollTo(item);
        const Qt::KeyboardModifiers modifiers = Pick(4) == 0 ? Qt::ControlModifier : Qt::NoModifier;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualRect(item).center());
    }

    void Key(Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &window_, key);
        NoteEdit(focus);
    }

    QPlainTextEdit* AnyTextBox() { return window_.text1(Pick(WindowModel::kTextCount)); }

    const QString& AnyPiece() {
        static const QStringList kPieces = {"7",   "12", "-3", "0", "1e999",
                                            "абв", "x",  " ",  "…", "9.5"};
        return kPieces.at(Pick(static_cast<int>(kPieces.size())));
    }

    // Into an item's editor, when one has the focus, or else a text box.
    void Type() {
        QWidget* target = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (target == nullptr) {
            target = AnyTextBox();
            target->setFocus();
        }
        // QTest maps only ASCII to keys; other letters go in as typed text.
        for (QChar c : AnyPiece()) {
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        NoteEdit(target);
    }

    // A key of the values or weights list: Insert, F2, Delete, copy or a
    // paste of a few numbers.
    void EditList() {
        QListView* list = window_.spis(Pick(2) == 0 ? kValuesList : kWeightsList);
        if (!list->isVisible()) {
            return;
        }
        list->setFocus();
        static const std::vector<QKeyCombination> kKeys = {
            Qt::Key_Insert, Qt::Key_F2, Qt::Key_Delete, Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_V};
        const QKeyCombination keys = kKeys.at(static_cast<std::size_t>(Pick(5)));
        if (keys == (Qt::CTRL | Qt::Key_V)) {
            QGuiApplication::clipboard()->setText(AnyPiece() + QStringLiteral("\n") + AnyPiece());
        }
        QTest::keyClick(list, keys.key(), keys.keyboardModifiers());
        listEdited_ = true;
    }

    void Erase() {
        QPlainTextEdit* box = AnyTextBox();
        box->setFocus();
        for (int i = Pick(4); i >= 0; --i) {
            QTest::keyClick(box, Pick(2) == 0 ? Qt::Key_Backspace : Qt::Key_Delete);
        }
        NoteEdit(box);
    }

    // Edits by the user are the only way these boxes may change otherwise.
    void NoteEdit(QWidget* widget) {
        if (widget == window_.text1(kReportBox)) {
            reportTyped_ = true;
        }
        if (widget == window_.text1(kIntroBox)) {
            intro_ = model().Intro().Text();
        }
    }

    bool Check() {
        const ListBox& values = model().Values();
        const ListBox& weights = model().Weights();
        EXPECT_EQ(values.Count(), weights.Count());
        // One row more while Insert's row is being typed.
        const int shown = test::RowCount(window_.spis(kValuesList));
        EXPECT_TRUE(shown == values.Count() ||
                    (shown == values.Count() + 1 && EditorOpenIn(kValuesList)))
            << shown << " rows for " << values.Count() << " values";
        if (values.Selected() >= 0 || weights.Selected() >= 0) {
            EXPECT_EQ(values.Selected(), weights.Selected());
        }
        for (int index : {kCountList, kRangeList}) {
            EXPECT_GE(model().ListAt(index).Selected(), 0) << index;
            EXPECT_EQ(test::SelectedRows(window_.spis(index)).size(), 1) << index;
        }
        EXPECT_EQ(model().Intro().Text(), intro_);
        if (!reportTyped_) {
            const std::string& report = model().Report().Text();
            bool known = report.empty() || (listEdited_ && IsOneLine(report));
            for (const std::string& start : kReportStarts) {
                known = known || report.rfind(start, 0) == 0;
            }
            EXPECT_TRUE(known) << report;
        }
        EXPECT_EQ(window_.geometry(), geometry_);
        EXPECT_EQ(test::QtWarnings::OfLostEditors().join('\n').toStdString(), "");
        return !testing::Test::HasFailure();
    }

    // A refusal of an edit.
    static bool IsOneLine(const std::string& text) {
        return text.ends_with("\r\n") && text.find("\r\n") == text.size() - 2;
    }

    bool EditorOpenIn(int index) const {
        const QWidget* focus = QApplication::focusWidget();
        return qobject_cast<const QLineEdit*>(focus) != nullptr &&
               window_.spis(index)->isAncestorOf(focus);
    }

    WindowWithForm window_;
    std::mt19937 engine_;
    QRect geometry_;
    std::string intro_;
    bool reportTyped_ = false;
    bool listEdited_ = false;
};

TEST(WindowRandomUseTest, TwentyThousandEventsKeepTheWindowConsistent) {
    const test::QtWarnings warnings;
    RandomUse use(20261208);
    long afterThousand = 0;
    for (int event = 1; event <= 20000; ++event) {
        ASSERT_TRUE(use.Step()) << "after event " << event;
        if (event == 1000) {
            afterThousand = ResidentKilobytes();
        }
    }
    if (afterThousand < 0) {
        std::cout << "resident memory: not measured on this system\n";
        return;
    }
    const long growth = ResidentKilobytes() - afterThousand;
    std::cout << "resident memory growth from event 1000 to 20000: " << growth << " kB\n";
    if (!AddressSanitizerBuild()) {  // the sanitizer's quarantine holds freed memory
        EXPECT_LE(growth, 5 * 1024);
    }
}

}  // namespace
}  // namespace sredna
