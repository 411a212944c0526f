#pragma once

#include <string_view>

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
inline constexpr std::string_view kPictureWindowTitle = "Графика – Средна стойност";
inline constexpr std::string_view kPictureName = "Графика на стойностите";

// Its commands, in its right-click menu with their keys.
inline constexpr std::string_view kCopyPicture = "Копирай като изображение";
inline constexpr std::string_view kSavePicture = "Запази като…";

// The save dialog: its filters and the name it offers.
inline constexpr std::string_view kPngFilter = "Изображение PNG (*.png)";
inline constexpr std::string_view kPdfFilter = "Документ PDF (*.pdf)";
inline constexpr std::string_view kPictureFileName = "графика";

// A name whose ending the program did not add to is the user's own; one it
// did may name a file already there.
inline constexpr std::string_view kReplaceFile = "Файлът „%1“ вече съществува. Да бъде ли заменен?";

// Why the picture was not saved: "Графиката не е запазена във файла „…“: …"
inline constexpr std::string_view kNotSaved = "Графиката не е запазена във файла „%1“: ";
inline constexpr std::string_view kCannotCreate =
    "в тази папка не може да се създаде файл. Изберете папка, в която имате право да "
    "записвате.";
inline constexpr std::string_view kCannotWrite =
    "записът не завърши – може би дискът е пълен. Под това име не е записано нищо ново.";

}  // namespace sredna::texts
