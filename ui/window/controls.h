#pragma once

#include <array>
#include <cstddef>

#include "core/model/window_model.h"
#include "ui/window/list_adapter.h"

class QGroupBox;
class QLabel;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace sredna {

// The window's widgets, each at the index of the model's control it shows.
// The window creates them; the parts that edit and refresh them read them
// from here.
struct Controls {
    std::array<QListView*, WindowModel::kListCount> spis{};
    // Each list's rows, read from the model's list box.
    std::array<ListAdapter*, WindowModel::kListCount> rows{};
    std::array<QPlainTextEdit*, WindowModel::kTextCount> text1{};
    std::array<QRadioButton*, kMeanKindCount> option1{};
    std::array<QPushButton*, WindowModel::kCommandCount> command1{};
    // The labels by index: the title, then those of the counts, the values, the
    // median work, the weights and the ranges.
    std::array<QLabel*, WindowModel::kLabelCount> labels{};
    QGroupBox* frame1 = nullptr;

    QListView* list(int index) const { return spis.at(static_cast<std::size_t>(index)); }
    ListAdapter* listRows(int index) const { return rows.at(static_cast<std::size_t>(index)); }
    QPlainTextEdit* text(int index) const { return text1.at(static_cast<std::size_t>(index)); }
    QRadioButton* option(int index) const { return option1.at(static_cast<std::size_t>(index)); }
    QPushButton* command(int index) const { return command1.at(static_cast<std::size_t>(index)); }
    QLabel* label(int index) const { return labels.at(static_cast<std::size_t>(index)); }
};

}  // namespace sredna
