// Calculate over arbitrary item texts, of every kind and with both
// separators. Nothing escapes it; the report starts with the kind's header
// (or refuses a list of fewer than two values); the stored mean changes only
// when a mean was reported, and then lies where a mean of its kind must.
// The picture of the same lists escapes nothing, changes nothing, has a mean
// exactly when the report does, the same one, and a sane layout.
//
// Input: byte 0 the kind, as a digit ("6" selects none: the arithmetic
// mean); byte 1 "," for that separator, anything else for "."; then the
// values, one per line ("\n"), a "|", and the weights the same way.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/means/calculate.h"
#include "core/model/window_model.h"
#include "core/numbers/arithmetic_fault.h"
#include "core/numbers/numbers.h"
#include "core/picture/picture_model.h"
#include "fuzz/fuzz_check.h"

namespace {

using sredna::ArithmeticFault;
using sredna::ListBox;
using sredna::MeanKind;
using sredna::WindowModel;
using sredna::fuzz::Quoted;
using sredna::fuzz::Shown;

// Enough for the median's work list to fill more than one of the core's blocks.
constexpr std::size_t kMaxItems = 1024;
constexpr double kPreviousMean = -7.25;

constexpr std::string_view kNoValues = "Няма въведени стойности!\r\n";
constexpr std::string_view kOneValue =
    "Въведена е само една стойност, а за средна стойност са нужни поне две!\r\n";
constexpr std::string_view kZeroRefusal = "Между въведените стойности не трябва да има 0!";
constexpr std::string_view kNegativeRefusal =
    "Между въведените стойности не трябва да има отрицателни числа!";
constexpr std::string_view kRunningSum = "към натрупаната сума ";
constexpr std::string_view kRunningProduct = "към натрупаното произведение ";
constexpr std::string_view kNearest = "Минимално отклонение от изчислената средна стойност = ";
constexpr std::string_view kFarthest = "Максималмо отклонение от изчислената средна стойност = ";
constexpr std::array<std::string_view, 6> kHeaders = {
    "Изчислявам средна аритметична стойност: \r\n", "Изчислявам средна квадратична стойност: \r\n",
    "Изчислявам средна хармонична стойност:\r\n",   "Изчислявам средна геометрична стойност: \r\n",
    "Изчислявам средна пpетеглена стойност:\r\n",   "Изчислявам медиана на въведените данни:\r\n",
};

// The line before the report's last line break, and the one before that.
// Item texts never hold a line break, so echoing one cannot fake a line.
std::string_view Line(std::string_view report, int fromEnd) {
    report.remove_suffix(2);
    for (; fromEnd > 0; --fromEnd) {
        const std::size_t end = report.rfind("\r\n");
        report = end == std::string_view::npos ? std::string_view() : report.substr(0, end);
    }
    const std::size_t start = report.rfind("\r\n");
    return start == std::string_view::npos ? report : report.substr(start + 2);
}

void Fill(ListBox& list, std::string_view part) {
    list.Clear();
    while (!part.empty() && static_cast<std::size_t>(list.Count()) < kMaxItems) {
        const std::size_t end = std::min(part.find('\n'), part.size());
        list.AddItem(std::string(part.substr(0, end)));
        part.remove_prefix(std::min(end + 1, part.size()));
    }
}

// Where a mean of this kind must lie, with room for rounding, when the
// values allow a bound at all.
struct Bounds {
    double low;
    double high;
};

std::optional<Bounds> MeanBounds(MeanKind kind, const std::vector<double>& values) {
    auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    const double low = *lowest;
    const double high = *highest;
    const double largest = std::max(std::abs(low), std::abs(high));
    switch (kind) {
        case MeanKind::Arithmetic: {
            const double slack = 1e-12 * largest;
            return Bounds{low - slack, high + slack};
        }
        case MeanKind::Quadratic: {
            double smallest = largest;
            for (double v : values) {
                smallest = std::min(smallest, std::abs(v));
            }
            // Squares of values below 1e-154 underflow towards zero.
            const double slack = 1e-12 * largest + 1e-150;
            return Bounds{smallest - slack, largest + slack};
        }
        case MeanKind::Harmonic:
        case MeanKind::Geometric: {
            const double slack = 1e-9 * high + 1e-300;
            return Bounds{low - slack, high + slack};
        }
        default:
            return std::nullopt;  // weights may be negative or fractional
    }
}

bool Within(double position) {
    return position >= -0.01 && position <= 1.01;
}

void CheckLayout(const sredna::Picture& picture, int stackHeight, const std::string& subject) {
    for (const sredna::Tick& tick : picture.line.Ticks()) {
        FUZZ_CHECK(Within(tick.position), "tick at " + Shown(tick.position) + "; " + subject);
    }
    FUZZ_CHECK(picture.line.Ticks().size() <= 101, subject);
    const auto& columns = picture.stacks.Columns();
    for (const sredna::StackedValue& v : picture.stacks.Values()) {
        FUZZ_CHECK(v.column >= 0 && static_cast<std::size_t>(v.column) < columns.size(), subject);
        const sredna::DotColumn& column = columns[static_cast<std::size_t>(v.column)];
        FUZZ_CHECK(Within(column.position) && column.dots >= 1 && column.dots <= stackHeight &&
                       v.topRow >= 1 && v.topRow <= column.dots,
                   "a dot out of place; " + subject);
    }
    for (const auto* named : {&picture.nearest, &picture.farthest}) {
        for (const sredna::NamedValue& value : *named) {
            FUZZ_CHECK(value.value >= 0 &&
                           static_cast<std::size_t>(value.value) < picture.stacks.Values().size(),
                       "a named value without dots; " + subject);
        }
    }
    for (const sredna::DeviationSegment& segment : picture.deviations) {
        FUZZ_CHECK(
            segment.from ==
                columns
                    .at(static_cast<std::size_t>(
                        picture.stacks.Values().at(static_cast<std::size_t>(segment.value)).column))
                    .position,
            "a segment away from its dot; " + subject);
    }
    FUZZ_CHECK(!picture.description.empty(), subject);
}

// The picture's mean is the report's: the stored one, or the median's last
// line.
void CheckPicture(const WindowModel& model, MeanKind kind, char separator,
                  const std::string& subject) {
    const std::vector<std::string> workList = model.MedianWork().Items();
    constexpr sredna::PictureGeometry kGeometry{37, 9, 8};
    sredna::Picture picture;
    try {
        picture = sredna::BuildPicture(model.Values(), model.Weights(), kind, separator, kGeometry);
    } catch (const std::exception& e) {
        FUZZ_CHECK(false, std::string("BuildPicture let out: ") + e.what());
    }
    FUZZ_CHECK(model.MedianWork().Items() == workList,
               "the picture changed the work list; " + subject);
    CheckLayout(picture, kGeometry.stackHeight, subject);
    const std::string& report = model.Report().Text();
    const sredna::Centre& selected = picture.Selected();
    if (kind == MeanKind::Median) {
        const std::string_view last = report.size() > 2 ? Line(report, 0) : std::string_view();
        const bool reported = last.starts_with("медиана = ");
        FUZZ_CHECK(selected.value.has_value() == reported, subject);
        // The label may be shortened for a pupil: the value itself is the
        // report's, to the last digit.
        FUZZ_CHECK(!reported || sredna::GeneralNumberText(*selected.value, separator) ==
                                    last.substr(last.find(" = ") + 3),
                   "the picture's median is " + selected.label + "; " + subject);
        return;
    }
    const bool reported = report.size() > 2 && Line(report, 0).starts_with(kFarthest);
    FUZZ_CHECK(selected.value.has_value() == reported,
               "mean in the picture, not in the report, "
               "or the other way round; " +
                   subject);
    FUZZ_CHECK(!reported || *selected.value == model.StoredMean(),
               "the picture's mean " + Shown(selected.value.value_or(0)) + "; " + subject);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2 || size > 4096) {
        return 0;
    }
    const unsigned kindByte = static_cast<std::uint8_t>(data[0] - '0') % 7;
    const char separator = data[1] == ',' ? ',' : '.';
    const std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::size_t bar = std::min(rest.find('|'), rest.size());

    WindowModel model;
    ListBox& values = model.Values();
    ListBox& weights = model.Weights();
    Fill(values, rest.substr(0, bar));
    Fill(weights, rest.substr(std::min(bar + 1, rest.size())));
    model.Kinds().Select(static_cast<int>(kindByte));  // 6 selects nothing
    const MeanKind kind = kindByte < 6 ? static_cast<MeanKind>(kindByte) : MeanKind::Arithmetic;
    model.SetStoredMean(kPreviousMean);
    const std::vector<std::string> valuesBefore = values.Items();
    const std::vector<std::string> weightsBefore = weights.Items();

    try {
        sredna::Calculate(model, separator);
    } catch (const std::exception& e) {
        FUZZ_CHECK(false, std::string("Calculate let out: ") + e.what());
    } catch (...) {
        FUZZ_CHECK(false, "Calculate let out an exception of unknown type");
    }

    const std::string& report = model.Report().Text();
    const std::string subject = Quoted(report) + " for kind " + std::to_string(kindByte);
    FUZZ_CHECK(values.Items() == valuesBefore && weights.Items() == weightsBefore,
               "Calculate changed the data; " + subject);
    FUZZ_CHECK(report.ends_with("\r\n"), "the report ends mid-line: " + subject);
    CheckPicture(model, kind, separator, subject);
    if (valuesBefore.size() < 2) {
        FUZZ_CHECK(report == (valuesBefore.empty() ? kNoValues : kOneValue), subject);
        FUZZ_CHECK(model.StoredMean() == kPreviousMean, subject);
        return 0;
    }
    FUZZ_CHECK(report.starts_with(kHeaders[static_cast<std::size_t>(kind)]),
               "the report does not start with its header: " + subject);

    // A report ends with a fault line, the refusal of a value not above 0
    // (harmonic and geometric, on the running line), or the two deviation
    // lines; only these store a mean.
    const std::string_view last = Line(report, 0);
    const bool fault = last.starts_with(ArithmeticFault::kPrefix);
    const bool positiveOnly = kind == MeanKind::Harmonic || kind == MeanKind::Geometric;
    const bool refused = positiveOnly &&
                         (last.starts_with(kRunningSum) || last.starts_with(kRunningProduct)) &&
                         (last.ends_with(kZeroRefusal) || last.ends_with(kNegativeRefusal));
    if (fault || refused || kind == MeanKind::Median) {
        FUZZ_CHECK(model.StoredMean() == kPreviousMean,
                   "the stored mean became " + Shown(model.StoredMean()) + "; " + subject);
        return 0;
    }
    FUZZ_CHECK(last.starts_with(kFarthest) && Line(report, 1).starts_with(kNearest),
               "the report ends neither with a fault, a refusal nor the deviations: " + subject);
    FUZZ_CHECK(std::isfinite(model.StoredMean()), subject);

    // Every value was read on the way to the mean (either separator), so all
    // of them read.
    std::vector<double> numbers;
    numbers.reserve(valuesBefore.size());
    for (const std::string& item : valuesBefore) {
        numbers.push_back(sredna::ItemValue(item));
    }
    FUZZ_CHECK(!positiveOnly || *std::min_element(numbers.begin(), numbers.end()) > 0,
               "a mean of values not all above 0: " + subject);
    if (const std::optional<Bounds> bounds = MeanBounds(kind, numbers)) {
        FUZZ_CHECK(model.StoredMean() >= bounds->low && model.StoredMean() <= bounds->high,
                   "mean " + Shown(model.StoredMean()) + " outside " + Shown(bounds->low) + " .. " +
                       Shown(bounds->high) + "; " + subject);
    }
    return 0;
}
