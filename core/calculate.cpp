#include "core/calculate.h"

#include <cmath>

#include "core/arithmetic_fault.h"
#include "core/mean_branches.h"
#include "core/report.h"

namespace sredna {

namespace {

std::optional<double> RunBranch(MeanKind kind, WindowModel& model, Report& report) {
    const ListBox& values = model.Spis(kValuesList);
    switch (kind) {
        case MeanKind::Arithmetic:
            return branches::Arithmetic(values, report);
        case MeanKind::Quadratic:
            return branches::Quadratic(values, report);
        case MeanKind::Harmonic:
            return branches::Harmonic(values, report);
        case MeanKind::Geometric:
            return branches::Geometric(values, report);
        case MeanKind::Weighted:
            return branches::Weighted(values, model.Spis(kWeightsList), report);
        case MeanKind::Median:
            // Sorts plain whole numbers as texts, any other values by number.
            return branches::Median(values, model.Spis(kMedianList), report);
    }
    return std::nullopt;
}

// Ends the report with the fault on a line of its own, so the steps that led
// to it stay readable.
void ReportFault(TextBox& box, const ArithmeticFault& fault) {
    const std::string& text = box.Text();
    if (!text.empty() && !text.ends_with(kCrLf)) {
        box.Append(kCrLf);
    }
    box.Append(fault.what());
    box.Append(kCrLf);
}

}  // namespace

void Calculate(WindowModel& model, char decimalSeparator) {
    // No selected button takes the arithmetic branch.
    MeanKind kind = model.Option1().Kind().value_or(MeanKind::Arithmetic);
    TextBox& box = model.Text1(kReportBox);
    if (model.Spis(kValuesList).Count() < 2) {
        box.SetText("Няма въведени стойности!\r\n");
        return;
    }
    Report report(box, decimalSeparator);
    const double previousMean = model.StoredMean;
    try {
        if (std::optional<double> mean = RunBranch(kind, model, report)) {
            model.StoredMean = *mean;
            ShowDeviations(model, decimalSeparator);
        }
    } catch (const ArithmeticFault& fault) {
        model.StoredMean = previousMean;
        ReportFault(box, fault);
    }
}

void ShowDeviations(WindowModel& model, char decimalSeparator) {
    const ListBox& values = model.Spis(kValuesList);
    if (values.Count() == 0) {
        return;
    }
    auto deviation = [&](int p) {
        return Checked(std::abs(ItemValue(values.Item(p)) - model.StoredMean));
    };
    double minDeviation = deviation(0);
    double maxDeviation = minDeviation;
    int minPosition = 0;
    int maxPosition = 0;
    for (int p = 0; p < values.Count(); ++p) {
        double d = deviation(p);
        if (minDeviation > d) {
            minDeviation = d;
            minPosition = p;
        }
        if (d > maxDeviation) {
            maxDeviation = d;
            maxPosition = p;
        }
    }
    Report report(model.Text1(kReportBox), decimalSeparator);
    report.Append("Минимално отклонение от изчислената средна стойност = ", minDeviation,
                  " при стойност ", values.Item(minPosition), kCrLf);
    // "Максималмо" is spelled so on purpose: it is what the program has
    // always written.
    report.Append("Максималмо отклонение от изчислената средна стойност = ", maxDeviation,
                  " при стойност ", values.Item(maxPosition), kCrLf);
}

}  // namespace sredna
