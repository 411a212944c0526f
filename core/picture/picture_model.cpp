#include "core/picture/picture_model.h"

#include <algorithm>
#include <cmath>

#include "core/model/window_texts.h"
#include "core/numbers/arithmetic_fault.h"
#include "core/numbers/numbers.h"
#include "core/picture/picture_texts.h"

namespace sredna {

namespace {

std::size_t Index(MeanKind kind) {
    return static_cast<std::size_t>(kind);
}

std::string_view Name(MeanKind kind) {
    return texts::kOptionCaptions.at(Index(kind));
}

// A screen reader spells out the caption with its Latin "p" letter by letter.
std::string_view SpokenName(MeanKind kind) {
    return kind == MeanKind::Weighted ? texts::kWeightedAccessibleName : Name(kind);
}

std::string_view ReasonText(NoMeanReason reason) {
    return texts::kNoMeanReasons.at(static_cast<std::size_t>(reason));
}

// "1 стойност", "2 стойности"
std::string CountOfValues(double count) {
    return GeneralNumberText(count, '.') +
           std::string(count == 1 ? texts::kValueSingular : texts::kValuePlural);
}

// Each value, counted once or, for the weighted kind, as often as its
// weight. A text beyond a double leaves no dots: every mean refuses it too.
std::vector<CountedValue> CountedValues(const ListBox& values, const ListBox& weights,
                                        MeanKind kind) {
    std::vector<CountedValue> counted;
    counted.reserve(static_cast<std::size_t>(values.Count()));
    try {
        for (int p = 0; p < values.Count(); ++p) {
            double count = 1;
            if (kind == MeanKind::Weighted) {
                count = p < weights.Count() ? ItemValue(weights.Item(p)) : 0;
            }
            counted.push_back({ItemValue(values.Item(p)), count});
        }
    } catch (const ArithmeticFault&) {
        counted.clear();
    }
    return counted;
}

NumberLine LineFor(const std::vector<CountedValue>& counted, const PictureGeometry& geometry,
                   char separator) {
    if (counted.empty()) {
        return {};
    }
    const auto [smallest, largest] = std::minmax_element(
        counted.begin(), counted.end(),
        [](const CountedValue& a, const CountedValue& b) { return a.value < b.value; });
    return {smallest->value, largest->value, geometry.columns, geometry.maxTicks, separator};
}

// The six means, each from the calculation that writes its report, into a
// report that writes nothing and a work list of the picture's own.
std::array<MeanOutcome, kMeanKindCount> Outcomes(const ListBox& values, const ListBox& weights) {
    EventHub hub;
    ListBox workList(kMedianList, hub, {}, ListStyle{false, true, false});
    Report silent;
    std::array<MeanOutcome, kMeanKindCount> outcomes;
    for (int k = 0; k < kMeanKindCount; ++k) {
        outcomes.at(static_cast<std::size_t>(k)) =
            CalculateMean(static_cast<MeanKind>(k), values, weights, workList, silent);
    }
    return outcomes;
}

Centre CentreOf(MeanKind kind, const MeanOutcome& outcome, const NumberLine& line, char separator) {
    Centre centre;
    centre.reason = outcome.reason;
    centre.label = Name(kind);
    if (outcome.mean) {
        centre.value = outcome.mean;
        centre.position = line.Position(*outcome.mean);
        centre.label += texts::kEquals;
        centre.label += GeneralNumberText(*outcome.mean, separator);
    } else {
        centre.label += texts::kReasonAfterName;
        centre.label += ReasonText(outcome.reason);
    }
    return centre;
}

// The kinds without a value (but one left out), grouped by reason in the
// order the reasons first come: "хармонична, геометрична".
struct ReasonGroup {
    NoMeanReason reason = NoMeanReason::None;
    std::string names;
    int kinds = 0;
};

std::vector<ReasonGroup> GroupByReason(const std::array<Centre, kMeanKindCount>& centres,
                                       std::string_view (*nameOf)(MeanKind),
                                       std::optional<MeanKind> leftOut) {
    std::vector<ReasonGroup> groups;
    for (std::size_t k = 0; k < centres.size(); ++k) {
        const auto kind = static_cast<MeanKind>(k);
        const Centre& centre = centres.at(k);
        if (centre.value || kind == leftOut) {
            continue;
        }
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const ReasonGroup& g) { return g.reason == centre.reason; });
        if (group == groups.end()) {
            group = groups.insert(groups.end(), ReasonGroup{centre.reason, {}, 0});
        }
        if (group->kinds++ > 0) {
            group->names += texts::kNameSeparator;
        }
        group->names += nameOf(kind);
    }
    return groups;
}

// One line per reason; a reason every kind shares (too few values) alone.
std::vector<std::string> ReasonLines(const std::array<Centre, kMeanKindCount>& centres) {
    std::vector<std::string> lines;
    for (const ReasonGroup& group : GroupByReason(centres, Name, std::nullopt)) {
        const std::string why(ReasonText(group.reason));
        lines.push_back(group.kinds == kMeanKindCount
                            ? why
                            : group.names + std::string(texts::kReasonAfterName) + why);
    }
    return lines;
}

std::optional<NamedValue> Named(const ListBox& values, const DotStacks& stacks, int position) {
    const std::string& text = values.Item(position);
    return NamedValue{stacks.Find(ItemValue(text)), text};
}

// The distances on either side, each times its count (the weight, for the
// weighted kind); for the median the distinct values on either side.
std::string Balance(const DotStacks& stacks, MeanKind kind, double mean, char separator) {
    const bool median = kind == MeanKind::Median;
    double left = 0;
    double right = 0;
    for (const StackedValue& v : stacks.Values()) {
        if (v.value < mean) {
            left += median ? 1 : (mean - v.value) * v.count;
        } else if (v.value > mean) {
            right += median ? 1 : (v.value - mean) * v.count;
        }
    }
    if (median) {
        if (left == right) {
            return std::string(texts::kEachSide) + CountOfValues(left) +
                   std::string(texts::kBothSides);
        }
        return std::string(texts::kLeftSum) + CountOfValues(left) + std::string(texts::kRightSum) +
               CountOfValues(right);
    }
    // Ten digits: the two sums agree, and their rounding noise stays unseen.
    return std::string(texts::kLeftSum) + RoundedNumberText(left, 10, separator) +
           std::string(texts::kRightSum) + RoundedNumberText(right, 10, separator);
}

void ShowSelected(Picture& picture, const ListBox& values, const MeanOutcome& outcome,
                  char separator) {
    if (!outcome.mean) {
        return;
    }
    const double mean = *outcome.mean;
    const double to = picture.line.Position(mean);
    picture.deviations.reserve(picture.stacks.Values().size());
    for (const StackedValue& v : picture.stacks.Values()) {
        picture.deviations.push_back({picture.line.Position(v.value), to, v.topRow});
    }
    if (outcome.deviations) {
        picture.nearest = Named(values, picture.stacks, outcome.deviations->nearestPosition);
        picture.farthest = Named(values, picture.stacks, outcome.deviations->farthestPosition);
    }
    try {
        picture.balance = Balance(picture.stacks, picture.kind, mean, separator);
    } catch (const ArithmeticFault&) {
        picture.balance.clear();  // sums beyond a double: no balance to show
    }
}

// "Точкова диаграма на 3 стойности; най-малка 2, най-голяма 9."
std::string DescribeValues(const Picture& picture, char separator) {
    std::string text(texts::kDescriptionCount);
    text += CountOfValues(picture.valueCount);
    const auto& stacked = picture.stacks.Values();
    if (!stacked.empty()) {
        text += texts::kDescriptionSmallest;
        text += GeneralNumberText(stacked.front().value, separator);
        text += texts::kDescriptionLargest;
        text += GeneralNumberText(stacked.back().value, separator);
    }
    return text + std::string(texts::kSentenceEnd);
}

// The selected centre, then the others with a value, then those without.
std::string DescribeCentres(const Picture& picture, char separator) {
    const Centre& selected = picture.Selected();
    std::string text(texts::kDescriptionSelected);
    text += SpokenName(picture.kind);
    text += selected.value ? texts::kEquals : texts::kDescriptionNoValue;
    text += selected.value ? GeneralNumberText(*selected.value, separator)
                           : std::string(ReasonText(selected.reason));
    text += texts::kSentenceEnd;
    std::string others;
    for (std::size_t k = 0; k < picture.centres.size(); ++k) {
        const Centre& centre = picture.centres.at(k);
        if (k != Index(picture.kind) && centre.value) {
            others += others.empty() ? "" : texts::kDescriptionListSeparator;
            others += SpokenName(static_cast<MeanKind>(k));
            others += texts::kEquals;
            others += GeneralNumberText(*centre.value, separator);
        }
    }
    if (!others.empty()) {
        text += texts::kDescriptionOthers;
        text += others + std::string(texts::kSentenceEnd);
    }
    std::string missing;
    for (const ReasonGroup& group : GroupByReason(picture.centres, SpokenName, picture.kind)) {
        missing += missing.empty() ? "" : texts::kDescriptionListSeparator;
        missing += group.names + std::string(texts::kDescriptionReason);
        missing += ReasonText(group.reason);
    }
    if (!missing.empty()) {
        text += texts::kDescriptionMissing;
        text += missing + std::string(texts::kSentenceEnd);
    }
    return text;
}

std::string Description(const Picture& picture, char separator) {
    std::string text = DescribeValues(picture, separator) + DescribeCentres(picture, separator);
    if (picture.nearest && picture.farthest) {
        text += texts::kDescriptionNearest;
        text += picture.nearest->text;
        text += texts::kDescriptionFarthest;
        text += picture.farthest->text;
        text += texts::kSentenceEnd;
    }
    if (!picture.balance.empty()) {
        text +=
            picture.kind == MeanKind::Median ? texts::kDescriptionSides : texts::kDescriptionSums;
        text += picture.balance + std::string(texts::kSentenceEnd);
    }
    return text;
}

}  // namespace

Picture BuildPicture(const ListBox& values, const ListBox& weights, MeanKind kind, char separator,
                     const PictureGeometry& geometry) {
    Picture picture;
    picture.valueCount = values.Count();
    picture.kind = kind;
    picture.balancePoint = kind == MeanKind::Arithmetic || kind == MeanKind::Weighted;
    std::vector<CountedValue> counted = CountedValues(values, weights, kind);
    picture.line = LineFor(counted, geometry, separator);
    picture.stacks = DotStacks(std::move(counted), picture.line, geometry.stackHeight);
    picture.dotLegend =
        std::string(texts::kDotLegend) + CountOfValues(picture.stacks.ValuesPerDot());

    const std::array<MeanOutcome, kMeanKindCount> outcomes = Outcomes(values, weights);
    for (std::size_t k = 0; k < outcomes.size(); ++k) {
        picture.centres.at(k) =
            CentreOf(static_cast<MeanKind>(k), outcomes.at(k), picture.line, separator);
    }
    picture.reasons = ReasonLines(picture.centres);
    ShowSelected(picture, values, outcomes.at(Index(kind)), separator);
    picture.description = Description(picture, separator);
    return picture;
}

}  // namespace sredna
