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
// Under the report, where the picture window is open but no longer shows
// what the report says.
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
