// Thousands of seeded random user events on the whole window, checking after
// each one that the window stays consistent and its memory stays flat.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <fstream>
#include <random>

#include "ui/main_window.h"

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

const std::vector<std::string> kReportStarts = {"Изчислявам средна аритметична стойност: \r\n",
                                                "Изчислявам средна квадратична стойност: \r\n",
                                                "Изчислявам средна хармонична стойност:\r\n",
                                                "Изчислявам средна геометрична стойност: \r\n",
                                                "Изчислявам средна пpетеглена стойност:\r\n",
                                                "Изчислявам медиана на въведените данни:\r\n",
                                                "Няма въведени стойности!\r\n"};

class RandomUse {
public:
    explicit RandomUse(unsigned seed) : engine_(seed) {
        window_.show();
        window_.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window_));
        geometry_ = window_.geometry();
        intro_ = model().Text1(kIntroBox).Text();
    }

    // One random event, then every check. Returns false on the first failure.
    bool Step() {
        switch (Pick(9)) {
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
            default:
                Erase();
                break;
        }
        return Check();
    }

private:
    const WindowModel& model() const { return window_.form().Model(); }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

    void ClickCommand() {
        QTest::mouseClick(window_.command1(Pick(WindowModel::kCommandCount)), Qt::LeftButton);
        reportTyped_ = false;
    }

    void ClickRow() {
        QListWidget* list = window_.spis(Pick(WindowModel::kListCount));
        if (!list->isVisible() || list->count() == 0) {
            return;
        }
        QListWidgetItem* item = list->item(Pick(list->count()));
        list->scrollToItem(item);
        const Qt::KeyboardModifiers modifiers = Pick(4) == 0 ? Qt::ControlModifier : Qt::NoModifier;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualItemRect(item).center());
    }

    void Key(Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &window_, key);
        NoteEdit(focus);
    }

    QPlainTextEdit* AnyTextBox() { return window_.text1(Pick(WindowModel::kTextCount)); }

    void Type() {
        static const QStringList kPieces = {"7",   "12", "-3", "0", "1e999",
                                            "абв", "x",  " ",  "…", "9.5"};
        QPlainTextEdit* box = AnyTextBox();
        box->setFocus();
        // QTest maps only ASCII to keys; other letters go in as typed text.
        for (QChar c : kPieces.at(Pick(static_cast<int>(kPieces.size())))) {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        NoteEdit(box);
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
            intro_ = model().Text1(kIntroBox).Text();
        }
    }

    bool Check() {
        const ListBox& values = model().Spis(kValuesList);
        const ListBox& weights = model().Spis(kWeightsList);
        EXPECT_EQ(values.Count(), weights.Count());
        EXPECT_EQ(window_.spis(kValuesList)->count(), values.Count());
        if (values.Selected() >= 0 || weights.Selected() >= 0) {
            EXPECT_EQ(values.Selected(), weights.Selected());
        }
        for (int index : {kCountList, kRangeList}) {
            EXPECT_GE(model().Spis(index).Selected(), 0) << index;
            EXPECT_EQ(window_.spis(index)->selectedItems().size(), 1) << index;
        }
        EXPECT_EQ(model().Text1(kIntroBox).Text(), intro_);
        if (!reportTyped_) {
            const std::string& report = model().Text1(kReportBox).Text();
            bool known = report.empty();
            for (const std::string& start : kReportStarts) {
                known = known || report.rfind(start, 0) == 0;
            }
            EXPECT_TRUE(known) << report;
        }
        EXPECT_EQ(window_.geometry(), geometry_);
        return !testing::Test::HasFailure();
    }

    MainWindow window_;
    std::mt19937 engine_;
    QRect geometry_;
    std::string intro_;
    bool reportTyped_ = false;
};

TEST(WindowRandomUseTest, TwentyThousandEventsKeepTheWindowConsistent) {
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
