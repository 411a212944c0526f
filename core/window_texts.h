#pragma once

#include <array>
#include <string_view>

#include "core/product.h"

// Every text the window shows, in one place: captions, names for screen
// readers, the editing menu and help, and the lines that refuse an entry.
// The reports' own lines stay with the calculations that write them, and the
// introduction with its box. Every character belongs to Windows code page
// 1251, as the program's texts always have.
namespace sredna::texts {

// The kinds of mean, by option index. "пpетеглена" is written with a Latin
// "p" as its second letter, as it always has been in this program.
inline constexpr std::array<std::string_view, 6> kOptionCaptions = {
    "аритметична", "квадратична", "хармонична", "геометрична", "пpетеглена", "медиана"};
// A screen reader spells out a word that mixes scripts letter by letter, so
// the weighted option is named with a Cyrillic "р".
inline constexpr std::string_view kWeightedAccessibleName = "претеглена";

inline constexpr std::array<std::string_view, 3> kCommandCaptions = {"Чисти", "Случайни",
                                                                     "Изчисли"};
inline constexpr std::string_view kFrameCaption = "Средна стойност";
// Label1 by index; element 4 is Etiket(4).
inline constexpr std::array<std::string_view, 6> kLabelCaptions = {
    "Математика - средна стойност", "Брой ел.", "Стойности", "медиана", "т", "Интервал"};

// The window's caption is the publisher's address, three spaces and a title;
// screen readers get the title alone. The installers find a running copy by
// the caption, so it comes from the top CMakeLists.txt with the other names.
// There is no publisher site yet.
inline constexpr std::string_view kWindowCaption = product::kWindowCaption;
inline constexpr std::string_view kCaptionText = product::kCaptionTitle;

// The introduction box and the report box, for screen readers.
inline constexpr std::array<std::string_view, 2> kTextBoxNames = {"Въведение", "Резултат"};

// The editing menu of the values and weights lists.
inline constexpr std::string_view kAddValue = "Добави стойност";
inline constexpr std::string_view kEdit = "Промени";
inline constexpr std::string_view kDelete = "Изтрий";
inline constexpr std::string_view kCopyAll = "Копирай всички";
inline constexpr std::string_view kPaste = "Постави";

// Tooltips and accessible descriptions: how to edit each list.
inline constexpr std::string_view kValuesHelp =
    "Двоен щрак или F2 – промяна на стойност; Insert – нова стойност; Delete – изтриване "
    "на стойността и теглото й; Ctrl+C – копиране на всички; Ctrl+V – поставяне на числа "
    "в края; десен бутон – меню.";
inline constexpr std::string_view kWeightsHelp =
    "Теглата са цели числа от 1 до 32767. Двоен щрак или F2 – промяна на тегло; Delete – "
    "изтриване на стойността и теглото й; Ctrl+C – копиране на всички; Ctrl+V – поставяне "
    "на тегла от избраното място надолу; десен бутон – меню.";

// Refusals of an entry, one line in the report box. A refused text is
// quoted between kOpenQuote and kCloseQuote, shortened with kEllipsis.
inline constexpr std::string_view kOpenQuote = "„";
inline constexpr std::string_view kCloseQuote = "“";
inline constexpr std::string_view kEllipsis = "…";
inline constexpr std::string_view kNotANumber =
    " не е число: пишат се цифри, по желание знак и най-много една десетична запетая или "
    "точка.";
inline constexpr std::string_view kTooManyDigits = " има повече от 15 значещи цифри.";
inline constexpr std::string_view kTooManyDecimals =
    " има повече от 15 цифри след десетичния знак.";
inline constexpr std::string_view kOutOfRange =
    " е извън допустимия обхват: по абсолютна стойност числото трябва да е по-малко от 10^15.";
inline constexpr std::string_view kNotAWeight = " не е тегло: теглото е цяло число от 1 до 32767.";
// "Списъкът побира най-много 32767 стойности, а с поставяните (N) ще станат M."
inline constexpr std::string_view kTooManyValues =
    "Списъкът побира най-много 32767 стойности, а с поставяните (";
inline constexpr std::string_view kTooManyValuesThen = ") ще станат ";
// "Броят на теглата за поставяне (N) е по-голям от броя на редовете от
// позиция P надолу (R)."
inline constexpr std::string_view kTooManyWeights = "Броят на теглата за поставяне (";
inline constexpr std::string_view kTooManyWeightsFrom =
    ") е по-голям от броя на редовете от позиция ";
inline constexpr std::string_view kTooManyWeightsRows = " надолу (";
inline constexpr std::string_view kNothingToPaste = "В буфера за обмен няма числа за поставяне.";

}  // namespace sredna::texts
