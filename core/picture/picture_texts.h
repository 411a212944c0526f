#pragma once

#include <array>
#include <string_view>

// The picture's own texts: labels, reasons, legends and the description for
// screen readers. The kinds' names are those screen readers are given in
// window_texts.h. Every character belongs to Windows code page 1251, but for
// the signs "≈" and "×", which only the picture writes.
namespace sredna::texts {

// "аритметична = 5"; "хармонична ≈ 2,3885", where five digits shorten it.
inline constexpr std::string_view kEquals = " = ";
inline constexpr std::string_view kEqualsSign = "= ";
inline constexpr std::string_view kApproxSign = "≈ ";
inline constexpr std::string_view kNameBeforeNumber = " ";

// Why a centre has no value, by NoMeanReason (None has no text), after its
// name and kReasonAfterName: "геометрична: има отрицателни стойности".
inline constexpr std::array<std::string_view, 6> kNoMeanReasons = {"",
                                                                   "няма въведени стойности",
                                                                   "нужни са поне две стойности",
                                                                   "има стойност 0",
                                                                   "има отрицателни стойности",
                                                                   "аритметична грешка"};
inline constexpr std::string_view kReasonAfterName = ": ";
// Kinds that share a reason go on one line under the strip: "хармонична,
// геометрична: не се изчисляват – има стойност 0".
inline constexpr std::string_view kNameSeparator = ", ";
inline constexpr std::string_view kNotComputedOne = ": не се изчислява – ";
inline constexpr std::string_view kNotComputedMany = ": не се изчисляват – ";
inline constexpr std::string_view kZeroAndNegative = "има стойност 0 и отрицателни стойности";
inline constexpr std::string_view kTooFewForAll =
    "Средните не се изчисляват: нужни са поне две стойности.";
inline constexpr std::string_view kMedianIgnoresWeights = "Медианата не отчита теглата.";

// The legend of a dot: "= 1 стойност", "= 10 стойности".
inline constexpr std::string_view kDotLegend = "= ";
inline constexpr std::string_view kValueSingular = " стойност";
inline constexpr std::string_view kValuePlural = " стойности";

inline constexpr std::string_view kNearestLegend = "най-близка до средната";
inline constexpr std::string_view kFarthestLegend = "най-далечна от средната";
inline constexpr std::string_view kBothLegend = "най-близка и най-далечна";
// Where the distances of every value cannot lie apart.
inline constexpr std::string_view kFewSegmentsLegend =
    "разстояния само на най-близките и най-далечните стойности";

// The balance line: "Сбор на разстоянията до средната: отляво 5, отдясно
// 5", for the weighted kind "Сбор на тегло × разстояние: …"; for the median
// the values on either side in their order, "по 1 стойност от всяка страна".
inline constexpr std::string_view kDistanceSums = "Сбор на разстоянията до средната: ";
inline constexpr std::string_view kWeightedSums = "Сбор на тегло × разстояние: ";
inline constexpr std::string_view kLeftSum = "отляво ";
inline constexpr std::string_view kRightSum = ", отдясно ";
inline constexpr std::string_view kEachSide = "по ";
inline constexpr std::string_view kBothSides = " от всяка страна";

// The description for screen readers, one paragraph: "Точкова диаграма на 3
// стойности; най-малка 2, най-голяма 9. Избрана: аритметична = 5. Другите:
// квадратична = 5,8; медиана = 4. Без стойност: … Най-близка до средната: 4;
// най-далечна: 9. Сбор на разстоянията до средната: отляво 5, отдясно 5."
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
inline constexpr std::string_view kDescriptionNearestMany = " Най-близки до средната: ";
inline constexpr std::string_view kDescriptionFarthestMany = "; най-далечни: ";
inline constexpr std::string_view kDescriptionValueSeparator = ", ";
inline constexpr std::string_view kDescriptionSums = " ";
inline constexpr std::string_view kDescriptionSides = " Медианата има ";
inline constexpr std::string_view kSentenceEnd = ".";
inline constexpr std::string_view kSentenceGap = " ";

// The line under the plot when a value cannot move where it was sent: "Стойността
// не се премества: ще има повече от 15 значещи цифри."
inline constexpr std::string_view kMoveRefused = "Стойността не се премества: ";
inline constexpr std::string_view kMoveTooManyDigits = "ще има повече от 15 значещи цифри.";
inline constexpr std::string_view kMoveOutOfRange =
    "по абсолютна стойност числото трябва да е по-малко от 10^15.";
inline constexpr std::string_view kMoveNoNumber = "там няма число, което може да се въведе.";

// Guessing the mean before it is shown. The answer: "Предположение: 5;
// аритметична ≈ 4,3667; разлика ≈ 0,63333"; where the selected mean has no
// value: "Няма какво да се познае: геометрична не се изчислява – има
// отрицателни стойности."
inline constexpr std::string_view kGuessAnswer = "Предположение: ";
inline constexpr std::string_view kGuessSeparator = "; ";
inline constexpr std::string_view kGuessDifference = "разлика";
inline constexpr std::string_view kGuessRefused = "Няма какво да се познае: ";
inline constexpr std::string_view kGuessNotComputed = " не се изчислява – ";
// The guess marker's label: "предположение 4,3".
inline constexpr std::string_view kGuessMark = "предположение ";
// While guessing the description says where the guess stands instead of
// the means: "… най-голяма 9. Предположение: 5."
inline constexpr std::string_view kGuessDescription = " Предположение: ";

// The plot's accessible name, for the selected value: "стойност 4, номер 3
// от 30, разстояние до средната ≈ 0,36667"; while guessing "…, номер 3 от
// 30, предположение 5".
inline constexpr std::string_view kNameValue = "стойност ";
inline constexpr std::string_view kNameRank = ", номер ";
inline constexpr std::string_view kNameOf = " от ";
inline constexpr std::string_view kNameDistance = ", разстояние до средната ";
inline constexpr std::string_view kNameGuess = ", предположение ";
inline constexpr std::string_view kNameNoValues = "няма стойности";

// The table of the values, sorted by value.
inline constexpr std::array<std::string_view, 3> kTableHeaders = {"Стойност", "Тегло",
                                                                  "Разстояние до средната"};

}  // namespace sredna::texts
