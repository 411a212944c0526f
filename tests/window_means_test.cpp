// Means that have no meaning for the numbers given, in the window: pasted
// with the real clipboard, calculated by a click, in either separator.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdlib>
#include <string_view>

#include "tests/window_with_form.h"

namespace sredna {
namespace {

// The separator of this run's regional settings, in place of every ".".
std::string Local(std::string text) {
    const char* lang = std::getenv("LANG");
    const char separator = lang != nullptr && std::string_view(lang).starts_with("bg") ? ',' : '.';
    for (char& c : text) {
        c = c == '.' ? separator : c;
    }
    return text;
}

struct RefusalCase {
    const char* name;
    MeanKind kind;
    const char* pasted;  // one value a line, "." for the separator
    const char* report;  // "." for the separator
};

const RefusalCase kRefusals[] = {
    {"one_value", MeanKind::Median, "2.5",
     "Въведена е само една стойност, а за средна стойност са нужни поне две!\r\n"},
    {"harmonic_zero", MeanKind::Harmonic, "4\n0\n-1",
     "Изчислявам средна хармонична стойност:\r\n"
     "към натрупаната сума 0 добавям 1 /4\r\n"
     "към натрупаната сума 0.25Между въведените стойности не трябва да има 0!\r\n"},
    {"harmonic_negative", MeanKind::Harmonic, "-0.5\n2",
     "Изчислявам средна хармонична стойност:\r\n"
     "към натрупаната сума 0Между въведените стойности не трябва да има отрицателни числа!\r\n"},
    {"geometric_zero", MeanKind::Geometric, "0\n3",
     "Изчислявам средна геометрична стойност: \r\n"
     "към натрупаното произведение 0Между въведените стойности не трябва да има 0!\r\n"},
    {"geometric_negative", MeanKind::Geometric, "2.5\n-3",
     "Изчислявам средна геометрична стойност: \r\n"
     "към натрупаното произведение 0 добавям log (2.5)\r\n"
     "към натрупаното произведение 0.916290731874155Между въведените стойности не трябва да "
     "има отрицателни числа!\r\n"},
};

TEST(WindowMeansTest, RefusalsEndTheReportAndKeepTheStoredMean) {
    WindowWithForm window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const WindowModel& model = window.form().Model();
    QListView* values = window.spis(kValuesList);
    QTest::mouseClick(window.command1(kCalculateCommand), Qt::LeftButton);
    ASSERT_EQ(model.StoredMean(), 123);
    for (const RefusalCase& c : kRefusals) {
        QTest::mouseClick(window.command1(kClearCommand), Qt::LeftButton);
        QGuiApplication::clipboard()->setText(QString::fromStdString(Local(c.pasted)));
        values->setFocus();
        QTest::keyClick(values, Qt::Key_V, Qt::ControlModifier);
        QTest::mouseClick(window.option1(static_cast<int>(c.kind)), Qt::LeftButton);
        QTest::mouseClick(window.command1(kCalculateCommand), Qt::LeftButton);
        EXPECT_EQ(model.Report().Text(), Local(c.report)) << c.name;
        EXPECT_EQ(model.StoredMean(), 123) << c.name;
    }
}

}  // namespace
}  // namespace sredna
