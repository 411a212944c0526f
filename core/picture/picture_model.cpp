#include "core/picture/picture_model.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "core/model/window_texts.h"
#include "core/numbers/arithmetic_fault.h"
#include "core/numbers/numbers.h"
#include "core/picture/picture_numbers.h"
#include "core/picture/picture_texts.h"

namespace sredna {

namespace {

std::size_t Index(MeanKind kind) {
    return static_cast<std::size_t>(kind);
}

// The option caption's Latin "p" would have a screen reader spell the word
// out letter by letter, and a search miss it: the picture writes the
// Cyrillic one everywhere.
std::string_view Name(MeanKind kind) {
    return kind == MeanKind::Weighted ? texts::kWeightedAccessibleName
                                      : texts::kOptionCaptions.at(Index(kind));
}

std::string_view ReasonText(NoMeanReason reason) {
    return texts::kNoMeanReasons.at(static_cast<std::size_t>(reason));
}

// Whether the values hold a 0 and negative values both: then the harmonic
// and geometric means say so, whichever of the two their calculation met
// first.
bool ZeroAndNegative(const DotStacks& stacks) {
    const auto& values = stacks.Values();
    return !values.empty() && values.front().value < 0 && stacks.Find(0) >= 0;
}

std::string WhyText(NoMeanReason reason, bool zeroAndNegative) {
    const bool either = reason == NoMeanReason::ZeroValue || reason == NoMeanReason::NegativeValue;
    return std::string(either && zeroAndNegative ? texts::kZeroAndNegative : ReasonText(reason));
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
            counted.push_back({ItemValue(values.Item(p)), count, p});
        }
    } catch (const ArithmeticFault&) {
        counted.clear();
    }
    return counted;
}

NumberLine LineFor(const std::vector<CountedValue>& counted, const PictureGeometry& geometry,
                   char separator, const std::optional<LineReach>& reach) {
    if (counted.empty()) {
        return {};
    }
    const auto [smallest, largest] = std::minmax_element(
        counted.begin(), counted.end(),
        [](const CountedValue& a, const CountedValue& b) { return a.value < b.value; });
    const double low = reach ? std::min(smallest->value, reach->low) : smallest->value;
    const double high = reach ? std::max(largest->value, reach->high) : largest->value;
    return {low, high, geometry.columns, geometry.maxTicks, separator};
}

// A mean from the calculation that writes its report, into a report that
// writes nothing and a work list of the picture's own.
class SilentCalculation {
public:
    MeanOutcome Of(MeanKind kind, const ListBox& values, const ListBox& weights) {
        return CalculateMean(kind, values, weights, workList_, silent_);
    }

private:
    EventHub hub_;
    ListBox workList_{kMedianList, hub_, {}, ListStyle{false, true, false}};
    Report silent_;
};

// The six means.
std::array<MeanOutcome, kMeanKindCount> Outcomes(const ListBox& values, const ListBox& weights) {
    SilentCalculation calculation;
    std::array<MeanOutcome, kMeanKindCount> outcomes;
    for (int k = 0; k < kMeanKindCount; ++k) {
        outcomes.at(static_cast<std::size_t>(k)) =
            calculation.Of(static_cast<MeanKind>(k), values, weights);
    }
    return outcomes;
}

// "хармонична ≈ 2,3885"
std::string Labelled(MeanKind kind, double mean, char separator) {
    return std::string(Name(kind)) + std::string(texts::kNameBeforeNumber) +
           RelationText(mean, separator);
}

Centre CentreOf(MeanKind kind, const MeanOutcome& outcome, const NumberLine& line, char separator) {
    Centre centre;
    centre.reason = outcome.reason;
    centre.label = Name(kind);
    if (outcome.mean) {
        centre.value = outcome.mean;
        centre.position = line.Position(*outcome.mean);
        centre.label = Labelled(kind, *outcome.mean, separator);
    } else {
        centre.label += texts::kReasonAfterName;
        centre.label += ReasonText(outcome.reason);
    }
    return centre;
}

// Centres this close on the line, a fraction of it narrower than a pen, and
// written with one number, stand at one place.
constexpr double kOnePlace = 0.002;

std::vector<StripEntry> StripEntries(const std::array<Centre, kMeanKindCount>& centres,
                                     MeanKind selected, char separator) {
    std::vector<std::size_t> kinds;
    for (std::size_t k = 0; k < centres.size(); ++k) {
        if (k != Index(selected) && centres.at(k).value) {
            kinds.push_back(k);
        }
    }
    std::stable_sort(kinds.begin(), kinds.end(), [&](std::size_t a, std::size_t b) {
        return centres.at(a).position < centres.at(b).position;
    });
    // Each entry's label holds its number ("= 123") until the names go
    // before it.
    std::vector<StripEntry> entries;
    std::vector<std::vector<std::size_t>> members;
    for (const std::size_t k : kinds) {
        const Centre& centre = centres.at(k);
        std::string relation = RelationText(*centre.value, separator);
        const bool joins = !entries.empty() && relation == entries.back().label &&
                           centre.position - entries.back().ticks.back() < kOnePlace;
        if (!joins) {
            entries.push_back({{}, std::move(relation)});
            members.emplace_back();
        }
        entries.back().ticks.push_back(centre.position);
        members.back().push_back(k);
    }
    // The names in the order of the kinds, as everywhere else.
    for (std::size_t e = 0; e < entries.size(); ++e) {
        std::sort(members[e].begin(), members[e].end());
        std::string names;
        for (const std::size_t k : members[e]) {
            names += names.empty() ? "" : texts::kNameSeparator;
            names += Name(static_cast<MeanKind>(k));
        }
        entries[e].label = names + std::string(texts::kNameBeforeNumber) + entries[e].label;
    }
    return entries;
}

// The kinds without a value (but one left out), grouped by reason in the
// order the reasons first come: "хармонична, геометрична".
struct ReasonGroup {
    NoMeanReason reason = NoMeanReason::None;
    std::string names;
    int kinds = 0;
};

std::vector<ReasonGroup> GroupByReason(const std::array<Centre, kMeanKindCount>& centres,
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
        group->names += Name(kind);
    }
    return groups;
}

// One line per reason: "хармонична, геометрична: не се изчисляват – има
// стойност 0"; a reason every kind shares alone.
std::vector<std::string> ReasonLines(const std::array<Centre, kMeanKindCount>& centres,
                                     bool zeroAndNegative) {
    std::vector<std::string> lines;
    for (const ReasonGroup& group : GroupByReason(centres, std::nullopt)) {
        const std::string why = WhyText(group.reason, zeroAndNegative);
        if (group.kinds == kMeanKindCount) {
            lines.emplace_back(group.reason == NoMeanReason::OneValue ? texts::kTooFewForAll : why);
        } else {
            std::string line = group.names;
            line += group.kinds == 1 ? texts::kNotComputedOne : texts::kNotComputedMany;
            lines.push_back(line + why);
        }
    }
    return lines;
}

// Whether a weight other than 1 is given, which the median leaves aside.
bool WeightsMatter(const ListBox& values, const ListBox& weights) {
    try {
        for (int p = 0; p < values.Count() && p < weights.Count(); ++p) {
            if (ItemValue(weights.Item(p)) != 1) {
                return true;
            }
        }
    } catch (const ArithmeticFault&) {
        return true;  // a weight beyond a double is not 1 either
    }
    return false;
}

// The values at the nearest and at the farthest distance from the mean,
// compared at 12 digits so that rounding noise splits no tie.
std::pair<std::vector<int>, std::vector<int>> Extremes(const DotStacks& stacks, double mean) {
    std::vector<double> distances(stacks.Values().size());
    std::transform(
        stacks.Values().begin(), stacks.Values().end(), distances.begin(),
        [&](const StackedValue& v) { return RoundedToDigits(std::abs(v.value - mean), 12); });
    std::pair<std::vector<int>, std::vector<int>> found;
    if (distances.empty()) {
        return found;
    }
    const auto [nearest, farthest] = std::minmax_element(distances.begin(), distances.end());
    for (std::size_t i = 0; i < distances.size(); ++i) {
        if (distances[i] == *nearest) {
            found.first.push_back(static_cast<int>(i));
        }
        if (distances[i] == *farthest) {
            found.second.push_back(static_cast<int>(i));
        }
    }
    return found;
}

std::vector<NamedValue> Named(const ListBox& values, const DotStacks& stacks,
                              const std::vector<int>& indices) {
    std::vector<NamedValue> named;
    for (const int i : indices) {
        const StackedValue& v = stacks.Values().at(static_cast<std::size_t>(i));
        named.push_back({i, values.Item(v.position)});
    }
    return named;
}

// Segments on one side of the mean that share a row split its height: a
// dot's height holds this many apart.
constexpr std::size_t kSegmentsPerRow = 4;

// A segment from each of the kept values' stacks to the mean, each apart
// from those on its side; false where a row would hold too many.
bool LaySegments(Picture& picture, double mean, const std::vector<bool>& kept) {
    const double to = picture.line.Position(mean);
    const std::vector<StackedValue>& values = picture.stacks.Values();
    const std::vector<DotColumn>& columns = picture.stacks.Columns();
    picture.deviations.clear();
    std::map<std::pair<bool, int>, std::vector<std::size_t>> rows;  // by side and row
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double from = columns.at(static_cast<std::size_t>(values[i].column)).position;
        if (!kept[i] || values[i].value == mean || from == to) {
            continue;
        }
        rows[{from < to, values[i].topRow}].push_back(picture.deviations.size());
        picture.deviations.push_back({from, to, 0, static_cast<int>(i)});
    }
    bool fits = true;
    for (const auto& [key, segments] : rows) {
        fits = fits && segments.size() <= kSegmentsPerRow;
        const auto lanes = static_cast<double>(segments.size());
        for (std::size_t lane = 0; lane < segments.size(); ++lane) {
            picture.deviations[segments[lane]].height =
                key.second - 1 + (static_cast<double>(lane) + 0.5) / lanes;
        }
    }
    return fits;
}

// The distances on either side, each times its count (the weight, for the
// weighted kind); for the median the values on either side in their order.
std::string Balance(const DotStacks& stacks, MeanKind kind, double mean, int valueCount,
                    char separator) {
    if (kind == MeanKind::Median) {
        const int each = valueCount % 2 == 1 ? (valueCount - 1) / 2 : valueCount / 2;
        return std::string(texts::kEachSide) + CountOfValues(each) + std::string(texts::kBothSides);
    }
    double left = 0;
    double right = 0;
    for (const StackedValue& v : stacks.Values()) {
        if (v.value < mean) {
            left += (mean - v.value) * v.count;
        } else if (v.value > mean) {
            right += (v.value - mean) * v.count;
        }
    }
    // Ten digits first: the two sums agree, and their rounding noise does
    // not turn an exact sum into an approximate one.
    constexpr int kSumDigits = 10;
    return std::string(kind == MeanKind::Weighted ? texts::kWeightedSums : texts::kDistanceSums) +
           std::string(texts::kLeftSum) +
           ApproximateText(RoundedToDigits(Checked(left), kSumDigits), separator) +
           std::string(texts::kRightSum) +
           ApproximateText(RoundedToDigits(Checked(right), kSumDigits), separator);
}

void ShowSelected(Picture& picture, const ListBox& values, const MeanOutcome& outcome,
                  char separator) {
    if (!outcome.mean) {
        return;
    }
    const double mean = *outcome.mean;
    const auto [nearest, farthest] = Extremes(picture.stacks, mean);
    if (outcome.deviations) {  // the median names none
        picture.nearest = Named(values, picture.stacks, nearest);
        picture.farthest = Named(values, picture.stacks, farthest);
    }
    const std::size_t count = picture.stacks.Values().size();
    if (!LaySegments(picture, mean, std::vector<bool>(count, true))) {
        std::vector<bool> extreme(count, false);
        for (const std::vector<int>* indices : {&nearest, &farthest}) {
            for (const int i : *indices) {
                extreme[static_cast<std::size_t>(i)] = true;
            }
        }
        LaySegments(picture, mean, extreme);
        picture.fewSegments = true;
    }
    try {
        picture.balance =
            Balance(picture.stacks, picture.kind, mean, picture.valueCount, separator);
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
    const bool zeroAndNegative = ZeroAndNegative(picture.stacks);
    std::string text(texts::kDescriptionSelected);
    text += selected.value
                ? Labelled(picture.kind, *selected.value, separator)
                : std::string(Name(picture.kind)) + std::string(texts::kDescriptionNoValue) +
                      WhyText(selected.reason, zeroAndNegative);
    text += texts::kSentenceEnd;
    std::string others;
    for (std::size_t k = 0; k < picture.centres.size(); ++k) {
        const Centre& centre = picture.centres.at(k);
        if (k != Index(picture.kind) && centre.value) {
            others += others.empty() ? "" : texts::kDescriptionListSeparator;
            others += Labelled(static_cast<MeanKind>(k), *centre.value, separator);
        }
    }
    if (!others.empty()) {
        text += texts::kDescriptionOthers;
        text += others + std::string(texts::kSentenceEnd);
    }
    std::string missing;
    for (const ReasonGroup& group : GroupByReason(picture.centres, picture.kind)) {
        missing += missing.empty() ? "" : texts::kDescriptionListSeparator;
        missing += group.names + std::string(texts::kDescriptionReason);
        missing += WhyText(group.reason, zeroAndNegative);
    }
    if (!missing.empty()) {
        text += texts::kDescriptionMissing;
        text += missing + std::string(texts::kSentenceEnd);
    }
    return text;
}

// "1, 4"
std::string Texts(const std::vector<NamedValue>& named) {
    std::string text;
    for (const NamedValue& value : named) {
        text += text.empty() ? "" : texts::kDescriptionValueSeparator;
        text += value.text;
    }
    return text;
}

std::string Description(const Picture& picture, char separator) {
    std::string text = DescribeValues(picture, separator) + DescribeCentres(picture, separator);
    if (!picture.nearest.empty() && !picture.farthest.empty()) {
        text += picture.nearest.size() == 1 ? texts::kDescriptionNearest
                                            : texts::kDescriptionNearestMany;
        text += Texts(picture.nearest);
        text += picture.farthest.size() == 1 ? texts::kDescriptionFarthest
                                             : texts::kDescriptionFarthestMany;
        text += Texts(picture.farthest);
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
                     const PictureGeometry& geometry, const std::optional<LineReach>& reach) {
    Picture picture;
    picture.valueCount = values.Count();
    picture.kind = kind;
    picture.balancePoint = kind == MeanKind::Arithmetic || kind == MeanKind::Weighted;
    std::vector<CountedValue> counted = CountedValues(values, weights, kind);
    picture.line = LineFor(counted, geometry, separator, reach);
    picture.stacks =
        DotStacks(std::move(counted), picture.line, geometry.columns, geometry.stackHeight);
    picture.dotLegend =
        std::string(texts::kDotLegend) + CountOfValues(picture.stacks.ValuesPerDot());

    const std::array<MeanOutcome, kMeanKindCount> outcomes = Outcomes(values, weights);
    for (std::size_t k = 0; k < outcomes.size(); ++k) {
        picture.centres.at(k) =
            CentreOf(static_cast<MeanKind>(k), outcomes.at(k), picture.line, separator);
    }
    picture.strip = StripEntries(picture.centres, kind, separator);
    picture.reasons = ReasonLines(picture.centres, ZeroAndNegative(picture.stacks));
    // Where the weights are in view the median says it leaves them aside.
    const bool weightsShown = kind == MeanKind::Median || kind == MeanKind::Weighted;
    const bool weightsLeft = weightsShown && picture.centres.at(Index(MeanKind::Median)).value &&
                             WeightsMatter(values, weights);
    if (weightsLeft) {
        picture.reasons.emplace_back(texts::kMedianIgnoresWeights);
    }
    ShowSelected(picture, values, outcomes.at(Index(kind)), separator);
    picture.description = Description(picture, separator);
    if (weightsLeft) {
        picture.description += texts::kSentenceGap;
        picture.description += texts::kMedianIgnoresWeights;
    }
    return picture;
}

std::optional<double> SelectedMean(const ListBox& values, const ListBox& weights, MeanKind kind) {
    return SilentCalculation().Of(kind, values, weights).mean;
}

std::string_view KindName(MeanKind kind) {
    return Name(kind);
}

std::string ValuesSentence(const Picture& picture, char separator) {
    return DescribeValues(picture, separator);
}

}  // namespace sredna
