#include "core/picture/strip_labels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <utility>

namespace sredna {

namespace {

bool Overlap(const StripLabel& a, const StripLabel& b, double gap) {
    return a.left < b.left + b.width + gap && b.left < a.left + a.width + gap;
}

// Whether a leader line at x runs through the label; ticks at one place
// (closer than a sixteenth of the gap) share their leader.
bool Crosses(const StripLabel& label, double x, double gap) {
    const double near = gap / 16;
    return std::abs(x - label.x) > near && x > label.left - near &&
           x < label.left + label.width + near;
}

// How strictly a label is placed: with every leader clear, those of the
// labels still to come too; with the leaders of the placed labels clear; or
// only clear of the other labels.
enum class Care { Leaders, PlacedLeaders, Labels };

bool Fits(const StripLabel& label, const std::vector<StripLabel>& placed,
          const std::vector<double>& toCome, double gap, Care care) {
    if (care == Care::Leaders && std::any_of(toCome.begin(), toCome.end(),
                                             [&](double x) { return Crosses(label, x, gap); })) {
        return false;
    }
    return std::none_of(placed.begin(), placed.end(), [&](const StripLabel& other) {
        if (other.level == label.level) {
            return Overlap(label, other, gap);
        }
        if (care == Care::Labels) {
            return false;
        }
        return other.level > label.level ? Crosses(label, other.x, gap)
                                         : Crosses(other, label.x, gap);
    });
}

struct Placement {
    std::vector<StripLabel> labels;
    int crossings = 0;  // labels whose leader could not keep clear
    int levels = 0;
};

// Each label in turn, on the highest level with room: centred on its tick,
// else starting or ending at it, kept between left and right.
Placement PlaceInOrder(const std::vector<StripLabel>& labels, const std::vector<std::size_t>& order,
                       double left, double right, double gap) {
    Placement placement;
    placement.labels = labels;
    std::vector<StripLabel> placed;
    for (std::size_t n = 0; n < order.size(); ++n) {
        StripLabel& label = placement.labels[order[n]];
        std::vector<double> toCome;
        for (std::size_t m = n + 1; m < order.size(); ++m) {
            toCome.push_back(labels[order[m]].x);
        }
        const std::array<double, 3> starts = {label.x - label.width / 2, label.x,
                                              label.x - label.width};
        bool done = false;
        for (const Care care : {Care::Leaders, Care::PlacedLeaders, Care::Labels}) {
            for (int level = 0; !done && level <= static_cast<int>(placed.size()); ++level) {
                for (const double start : starts) {
                    label.level = level;
                    label.left = std::max(left, std::min(start, right - label.width));
                    if (Fits(label, placed, toCome, gap, care)) {
                        done = true;
                        break;
                    }
                }
            }
            if (done) {
                placement.crossings += care == Care::Labels ? 1 : 0;
                break;
            }
        }
        placement.levels = std::max(placement.levels, label.level + 1);
        placed.push_back(label);
    }
    return placement;
}

}  // namespace

void PlaceStripLabels(std::vector<StripLabel>& labels, double left, double right, double gap) {
    // From the left, the first label may cover the ticks of those beside it
    // where it meets the edge; from the right, the last: whichever order
    // leaves fewer leaders crossing, then fewer levels.
    std::vector<std::size_t> order(labels.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return labels[a].x < labels[b].x; });
    const Placement forward = PlaceInOrder(labels, order, left, right, gap);
    std::reverse(order.begin(), order.end());
    const Placement backward = PlaceInOrder(labels, order, left, right, gap);
    const bool back = std::pair(backward.crossings, backward.levels) <
                      std::pair(forward.crossings, forward.levels);
    labels = back ? backward.labels : forward.labels;
}

}  // namespace sredna
