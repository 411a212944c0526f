#pragma once

#include <string_view>

// The report on paper and in a file: its commands, its header, and what is
// said about it. Every character belongs to Windows code page 1251.
namespace sredna::texts {

inline constexpr std::string_view kPrint = "Печат…";
inline constexpr std::string_view kSaveReport = "Запази отчета…";

// The header above the report: the program's name, then these.
inline constexpr std::string_view kReportKind = "Вид на средната: ";
inline constexpr std::string_view kReportDate = "Дата: ";
// For the pupil to fill in on the page handed in.
inline constexpr std::string_view kNameLine = "Име: ____________________  Клас: ______";
// The numbers of the report, "Стойности (4): 2; 4; 4; 10", as the lists
// write them; the weights only for the weighted mean.
inline constexpr std::string_view kValuesLine = "Стойности (%1): ";
inline constexpr std::string_view kWeightsLine = "Тегла (%1): ";
inline constexpr std::string_view kNumbersJoin = "; ";
// At the foot of every page.
inline constexpr std::string_view kPageNumber = "стр. %1 от %2";
// Under the picture: the kind's name, with a Cyrillic "р" in "претеглена",
// and how many values it shows.
inline constexpr std::string_view kPictureCaption = "Графика: %1, %2 стойности";
inline constexpr std::string_view kPictureCaptionOne = "Графика: %1, 1 стойност";
// Under the report, where the lists or the kind have changed since the
// calculation: the numbers, and the picture when its window is open, no
// longer show what the report says.
inline constexpr std::string_view kNumbersLeftOut =
    "Стойностите са пропуснати: числата или видът на средната са променени след изчислението.";
inline constexpr std::string_view kNumbersAndPictureLeftOut =
    "Стойностите и графиката са пропуснати: числата или видът на средната са променени след "
    "изчислението.";
// Where the report box holds no calculation, but the picture window is open.
inline constexpr std::string_view kPictureLeftOut =
    "Графиката е пропусната: числата или видът на средната са променени след изчислението.";

// The save dialog: its filters (with the picture's PDF filter) and the name
// it offers.
inline constexpr std::string_view kTextFilter = "Текст (*.txt)";
inline constexpr std::string_view kReportFileName = "отчет";

// "Отчетът не е запазен във файла „…“: " and why.
inline constexpr std::string_view kReportNotSaved = "Отчетът не е запазен във файла „%1“: ";
inline constexpr std::string_view kNotPrinted =
    "Отчетът не е отпечатан: принтерът не можа да започне печата.";

}  // namespace sredna::texts
