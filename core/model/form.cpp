#include "core/model/form.h"

#include "core/means/calculate.h"
#include "core/means/report.h"
#include "core/numbers/arithmetic_fault.h"
#include "core/numbers/numbers.h"
#include "core/sample/sample.h"

namespace sredna {

Form::Form(std::string introText, char decimalSeparator, std::size_t historyCap)
    : model_(std::move(introText)),
      separator_(decimalSeparator),
      entry_(model_, separator_),
      history_(model_, historyCap) {
    model_.Hub().SetListClickHandler([this](int index) { Spis_Click(index); });
    model_.Hub().SetOptionClickHandler([this](int index) { Option1_Click(index); });
}

void Form::Form_Load() {
    random_.Randomize();
    model_.Spis(kCountList).SetSelected(0);
    model_.Spis(kRangeList).SetSelected(0);
    model_.Option1().Select(static_cast<int>(MeanKind::Arithmetic));
}

void Form::Command1_Click(int index) {
    const ListBox& counts = model_.Spis(kCountList);
    const ListBox& ranges = model_.Spis(kRangeList);
    try {
        // Read for every button, as the handler always has; only the random
        // command uses them.
        const std::string countText = counts.Item(counts.Selected());
        const std::int16_t bound = ToInt16(Val(ranges.Item(ranges.Selected())));
        switch (index) {
            case kClearCommand:
                model_.Text1(kReportBox).SetText({});
                model_.Spis(kValuesList).Clear();
                model_.Spis(kWeightsList).Clear();
                break;
            case kRandomCommand:
                GenerateSample(model_, random_, countText, bound, separator_);
                break;
            case kCalculateCommand:
                sredna::Calculate(model_, separator_);
                report_ =
                    ReportStamp{.kind = model_.Option1().Kind().value_or(MeanKind::Arithmetic),
                                .values = model_.Spis(kValuesList).Revision(),
                                .weights = model_.Spis(kWeightsList).Revision(),
                                .report = model_.Text1(kReportBox).Revision()};
                break;
            default:
                break;
        }
    } catch (const ArithmeticFault& fault) {
        model_.Text1(kReportBox).SetText(std::string(fault.what()) + std::string(kCrLf));
    }
    if (index == kClearCommand || index == kRandomCommand) {
        history_.CloseStep(ListHistory::StepKind::Fresh);
    }
}

std::optional<MeanKind> Form::ReportKind() const {
    if (!report_ || report_->report != model_.Text1(kReportBox).Revision()) {
        return std::nullopt;
    }
    return report_->kind;
}

bool Form::ReportMatchesLists() const {
    return ReportKind() &&
           report_->kind == model_.Option1().Kind().value_or(MeanKind::Arithmetic) &&
           report_->values == model_.Spis(kValuesList).Revision() &&
           report_->weights == model_.Spis(kWeightsList).Revision();
}

void Form::Spis_Click(int index) {
    ListBox& values = model_.Spis(kValuesList);
    ListBox& weights = model_.Spis(kWeightsList);
    if (index == kValuesList) {
        weights.SetSelected(values.Selected());
    } else if (index == kWeightsList) {
        values.SetSelected(weights.Selected());
    }
}

void Form::Option1_Click(int index) {
    const bool weighted = index == static_cast<int>(MeanKind::Weighted);
    const bool median = index == static_cast<int>(MeanKind::Median);
    model_.Spis(kWeightsList).SetVisible(weighted);
    model_.Etiket(4).SetVisible(weighted);
    model_.Spis(kMedianList).SetVisible(median);
    model_.Label1(3).SetVisible(median);
}

void Form::EndAction() {
    history_.CloseStep(ListHistory::StepKind::ByHand);
}

void Form::Undo() {
    EndAction();
    history_.Undo();
}

void Form::Redo() {
    EndAction();
    history_.Redo();
}

void Form::BeginMove() {
    EndAction();
    history_.BeginGesture();
}

bool Form::MoveValue(int position, std::string_view text) {
    ListBox& values = model_.Spis(kValuesList);
    if (position < 0 || position >= values.Count()) {
        return false;
    }
    values.SetSelected(position);
    const bool moved = entry_.EditValue(position, text);
    EndAction();
    return moved;
}

void Form::EndMove() {
    history_.CommitGesture();
}

void Form::CancelMove() {
    history_.CancelGesture();
}

bool Form::OpenNumbers(std::string_view bytes, std::string_view fileName) {
    EndAction();
    if (!entry_.OpenNumbers(bytes, fileName)) {
        return false;
    }
    history_.CloseStep(ListHistory::StepKind::Fresh);
    history_.MarkClean();
    return true;
}

bool Form::HasUnsavedNumbers() const {
    return history_.HoldsUnsavedWork() && model_.Spis(kValuesList).Count() > 0;
}

}  // namespace sredna
