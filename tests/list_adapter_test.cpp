#include "ui/window/list_adapter.h"

#include <gtest/gtest.h>
#include <QAbstractItemModelTester>

#include <functional>
#include <string>
#include <vector>

#include "tests/qt_warnings.h"

namespace sredna {
namespace {

// One action's changes reach the views as one splice, which Qt's own model
// checker finds consistent with what the adapter reads before and after it,
// and leave the views' rows those of the list (and the extra row, while it
// stays).
TEST(ListAdapterTest, AnActionReachesTheViewsAsOneSplice) {
    struct Case {
        const char* name;
        int items;
        std::function<void(ListBox&, ListAdapter&)> action;
        std::string heard;  // what the views heard, in order
        bool extraStays = false;
    };
    const std::vector<Case> cases = {
        {"append", 3, [](ListBox& l, ListAdapter&) { l.AddItem("n"); }, "inserted"},
        {"paste of the most", 0,
         [](ListBox& l, ListAdapter&) {
             for (int i = 0; i < ListBox::kMaxItems; ++i) {
                 l.AddItem(std::to_string(i));
             }
         },
         "inserted"},
        {"two appends", 10,
         [](ListBox& l, ListAdapter&) {
             l.AddItem("n");
             l.AddItem("m");
         },
         "inserted"},
        {"edit", 3, [](ListBox& l, ListAdapter&) { l.SetItem(1, "e"); }, "changed"},
        {"removed and put back", 10,
         [](ListBox& l, ListAdapter&) {
             l.RemoveItem(5);
             l.ReplaceRange(5, 0, {"x"});
         },
         "changed"},
        {"remove in the middle", 10, [](ListBox& l, ListAdapter&) { l.RemoveItem(4); }, "removed"},
        {"clear", 3, [](ListBox& l, ListAdapter&) { l.Clear(); }, "removed"},
        {"new numbers for old", 4,
         [](ListBox& l, ListAdapter&) {
             l.Clear();
             for (const char* item : {"p", "q", "r", "s", "t"}) {
                 l.AddItem(item);
             }
         },
         "reset"},
        {"extra row taken", 3,
         [](ListBox& l, ListAdapter& a) {
             a.addExtraRow();
             l.AddItem("n");
             a.keepExtraRow();
         },
         "inserted changed"},
        {"extra row dropped", 3,
         [](ListBox& l, ListAdapter& a) {
             a.addExtraRow();
             l.SetItem(0, "e");
             a.dropExtraRow();
         },
         "inserted removed changed"},
        {"extra row stays", 3,
         [](ListBox& l, ListAdapter& a) {
             a.addExtraRow();
             l.RemoveItem(0);
         },
         "inserted removed", true},
    };
    for (const Case& test : cases) {
        const test::QtWarnings warnings;
        EventHub hub;
        std::vector<std::string> items;
        items.reserve(static_cast<std::size_t>(test.items));
        for (int i = 0; i < test.items; ++i) {
            items.emplace_back(1, static_cast<char>('a' + i));
        }
        ListBox list(1, hub, items);
        ListAdapter adapter(list, 1, hub, nullptr);
        const QAbstractItemModelTester checker(
            &adapter, QAbstractItemModelTester::FailureReportingMode::Warning);
        std::string heard;
        auto note = [&heard](const char* what) {
            heard += heard.empty() ? what : std::string(" ") + what;
        };
        QObject::connect(&adapter, &QAbstractItemModel::rowsInserted, [&] { note("inserted"); });
        QObject::connect(&adapter, &QAbstractItemModel::rowsRemoved, [&] { note("removed"); });
        QObject::connect(&adapter, &QAbstractItemModel::dataChanged, [&] { note("changed"); });
        QObject::connect(&adapter, &QAbstractItemModel::modelReset, [&] { note("reset"); });

        test.action(list, adapter);
        adapter.endAction();

        EXPECT_EQ(heard, test.heard) << test.name;
        QStringList rows;
        for (int row = 0; row < adapter.rowCount(); ++row) {
            rows.append(adapter.index(row).data().toString());
        }
        QStringList expected;
        for (const std::string& item : list.Items()) {
            expected.append(QString::fromStdString(item));
        }
        if (test.extraStays) {
            expected.append(QString());
        }
        EXPECT_EQ(rows, expected) << test.name;
        EXPECT_TRUE(test::QtWarnings::All().isEmpty())
            << test.name << ": " << test::QtWarnings::All().join(u'\n').toStdString();
    }
}

}  // namespace
}  // namespace sredna
