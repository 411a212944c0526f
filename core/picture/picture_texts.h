#pragma once

#include <array>
#include <string_view>

// The picture's own texts: labels, reasons, legends and the description for
// screen readers. The kinds' names are the option captions of
// window_texts.h. Every character belongs to Windows code page 1251.
namespace sredna::texts {

// "аритметична = 5"
inline constexpr std::string_view kEquals = " = ";

// Why a centre has no value, by NoMeanReason (None has no text), after its
// name and kReasonAfterName: "геометрична: има отрицателни стойности".
inline constexpr std::array<std::string_view, 6> kNoMeanReasons = {"",
                                                                   "няма въведени стойности",
                                                                   "нужни са поне две стойности",
                                                                   "има стойност 0",
                                                                   "има отрицателни стойности",
                                                                   "аритметична грешка"};
inline constexpr std::string_view kReasonAfterName = ": ";
// Kinds that share a reason go on one line: "хармонична, геометрична: …".
inline constexpr std::string_view kNameSeparator = ", ";

// The legend of a dot: "= 1 стойност", "= 10 стойности".
inline constexpr std::string_view kDotLegend = "= ";
inline constexpr std::string_view kValueSingular = " стойност";
inline constexpr std::string_view kValuePlural = " стойности";

inline constexpr std::string_view kNearestLegend = "най-близка до средната";
inline constexpr std::string_view kFarthestLegend = "най-далечна от средната";

// The balance line: "отляво 5, отдясно 5"; for the median the distinct
// values on either side, "по 1 стойност от двете страни".
inline constexpr std::string_view kLeftSum = "отляво ";
inline constexpr std::string_view kRightSum = ", отдясно ";
inline constexpr std::string_view kEachSide = "по ";
inline constexpr std::string_view kBothSides = " от двете страни";

// The description for screen readers, one paragraph: "Точкова диаграма на 3
// стойности; най-малка 2, най-голяма 9. Избрана: аритметична = 5. Другите:
// квадратична = 5,8; медиана = 4. Без стойност: … Най-близка до средната: 4;
// най-далечна: 9. Сборове на разстоянията до средната: отляво 5, отдясно 5."
inline constexpr std::string_view kDescriptionCount = "Точкова диаграма на ";
inline constexpr std::string_view kDescriptionSmallest = "; най-малка ";
inline constexpr std::string_view kDescriptionLargest = ", най-голяма ";
inline constexpr std::string_view kDescriptionSelected = " Избрана: ";
inline constexpr std::string_view kDescriptionNoValue = ", без стойност – ";
inline constexpr std::string_view kDescriptionOthers = " Другите: ";
inline constexpr std::string_view kDescriptionMissing = " Без стойност: ";
inline constexpr std::string_view kDescriptionReason = " – ";
inline constexpr std::string_view kDescriptionListSeparator = "; ";
inline constexpr std::string_view kDescriptionNearest = " Най-близка до средната: ";
inline constexpr std::string_view kDescriptionFarthest = "; най-далечна: ";
inline constexpr std::string_view kDescriptionSums = " Сборове на разстоянията до средната: ";
inline constexpr std::string_view kDescriptionSides = " Различни стойности около медианата: ";
inline constexpr std::string_view kSentenceEnd = ".";

}  // namespace sredna::texts
