#include "core/model/window_model.h"

#include <gtest/gtest.h>

namespace sredna {
namespace {

TEST(WindowModelTest, StartsWithItsInitialContents) {
    WindowModel model("intro\r\n");
    EXPECT_EQ(model.Spis(kCountList).Items(),
              (std::vector<std::string>{"5", "10", "15", "20", "25"}));
    EXPECT_EQ(model.Spis(kValuesList).Items(), std::vector<std::string>(5, "123"));
    EXPECT_EQ(model.Spis(kRangeList).Items(),
              (std::vector<std::string>{"10", "20", "50", "100", "200", "500", "1000"}));
    EXPECT_EQ(model.Spis(kWeightsList).Items(), std::vector<std::string>(5, "5"));
    EXPECT_EQ(model.Spis(kMedianList).Count(), 0);
    EXPECT_TRUE(model.Spis(kMedianList).Sorted());
    EXPECT_FALSE(model.Spis(kWeightsList).Sorted());
    EXPECT_FALSE(model.Spis(kWeightsList).Visible());
    EXPECT_FALSE(model.Spis(kMedianList).Visible());
    for (int i = 0; i < WindowModel::kListCount; ++i) {
        EXPECT_EQ(model.Spis(i).Selected(), -1) << i;
    }
    EXPECT_EQ(model.Text1(kIntroBox).Text(), "intro\r\n");
    EXPECT_EQ(model.Text1(kReportBox).Text(), "");
    EXPECT_FALSE(model.Option1().Kind().has_value());
    EXPECT_EQ(model.StoredMean(), 0.0);
}

// What the user typed is read back when needed: an append goes after it, a
// new text replaces it.
TEST(WindowModelTest, TextEditedInTheViewIsReadBackWhenNeeded) {
    WindowModel model;
    TextBox& box = model.Text1(kReportBox);
    std::string view = "typed";
    int reads = 0;
    box.AttachView([&] {
        ++reads;
        return view;
    });
    box.EditedInView();
    EXPECT_EQ(reads, 0);
    box.Append("+");
    EXPECT_EQ(box.Text(), "typed+");
    view = "typed again";
    box.EditedInView();
    box.SetText("report");
    EXPECT_EQ(box.Text(), "report");
    EXPECT_EQ(reads, 1);
}

TEST(WindowModelTest, CaptionsAreExact) {
    WindowModel model;
    EXPECT_EQ(model.Option1().Caption(4), "п\x70етеглена");  // a Latin p
    EXPECT_EQ(model.Option1().Caption(0), "аритметична");
    EXPECT_EQ(model.Option1().Caption(5), "медиана");
    EXPECT_EQ(model.Command1(kClearCommand), "Чисти");
    EXPECT_EQ(model.Command1(kRandomCommand), "Случайни");
    EXPECT_EQ(model.Command1(kCalculateCommand), "Изчисли");
    EXPECT_EQ(model.Frame1(), "Средна стойност");
    EXPECT_EQ(model.Label1(0).Caption(), "Математика - средна стойност");
    EXPECT_EQ(model.Label1(1).Caption(), "Брой ел.");
    EXPECT_EQ(model.Label1(2).Caption(), "Стойности");
    EXPECT_EQ(model.Label1(3).Caption(), "медиана");
    EXPECT_EQ(model.Label1(5).Caption(), "Интервал");
    EXPECT_EQ(model.Etiket(4).Caption(), "т");
    EXPECT_FALSE(model.Label1(3).Visible());
    EXPECT_FALSE(model.Etiket(4).Visible());
}

TEST(WindowModelTest, LabelArraysHaveOnlyTheirElements) {
    WindowModel model;
    EXPECT_THROW(model.Label1(4), std::out_of_range);
    EXPECT_THROW(model.Label1(6), std::out_of_range);
    EXPECT_THROW(model.Etiket(0), std::out_of_range);
    EXPECT_NO_THROW(model.Etiket(4));
}

TEST(WindowModelTest, OptionButtonsFormOneGroup) {
    WindowModel model;
    std::vector<int> clicks;
    model.Hub().SetOptionClickHandler([&](int index) { clicks.push_back(index); });
    model.Option1().Select(2);
    model.Option1().Select(4);
    model.Option1().Select(4);
    model.Option1().Select(9);
    EXPECT_FALSE(model.Option1().Value(2));
    EXPECT_TRUE(model.Option1().Value(4));
    EXPECT_EQ(model.Option1().Kind(), MeanKind::Weighted);
    EXPECT_EQ(clicks, (std::vector<int>{2, 4}));
}

}  // namespace
}  // namespace sredna
