#pragma once

#include <string_view>

#include "core/model/joined_text.h"
#include "core/model/product.h"

// The texts of the picture window and of the button that opens it. The
// picture's own labels are in picture_texts.h. Every character belongs to
// Windows code page 1251.
namespace sredna::texts {

// The button right of "Чисти": its tooltip, its name and its description for
// screen readers.
inline constexpr std::string_view kPictureButtonTip = "Графика (F4)";
inline constexpr std::string_view kPictureButtonName = "Графика";
inline constexpr std::string_view kPictureButtonHelp =
    "Отваря графиката на стойностите и средните им в отделен прозорец (F4).";

// The window, and the picture in it for screen readers.
inline constexpr std::string_view kPictureWindowTitleStart = "Графика – ";
inline constexpr std::string_view kPictureWindowTitle =
    kJoined<kPictureWindowTitleStart, product::kName>;
inline constexpr std::string_view kPictureName = "Графика на стойностите";

// Its two tabs, the plot and the table of the values (Ctrl+Tab between them);
// the table's name for screen readers.
inline constexpr std::string_view kPlotTab = "Графика";
inline constexpr std::string_view kTableTab = "Таблица";
inline constexpr std::string_view kTableName = "Таблица на стойностите";

// Its commands, in its right-click menu with their keys.
inline constexpr std::string_view kCopyPicture = "Копирай като изображение";
inline constexpr std::string_view kSavePicture = "Запази графиката…";
inline constexpr std::string_view kGuessMean = "Познай средната";

// The save dialog: its filters and the name it offers.
inline constexpr std::string_view kPngFilter = "Изображение PNG (*.png)";
inline constexpr std::string_view kPdfFilter = "Документ PDF (*.pdf)";
inline constexpr std::string_view kPictureFileName = "графика";

// Why the picture was not saved: "Графиката не е запазена във файла „…“: …"
inline constexpr std::string_view kNotSaved = "Графиката не е запазена във файла „%1“: ";
}  // namespace sredna::texts
