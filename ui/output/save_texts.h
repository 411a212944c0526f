#pragma once

#include <string_view>

// What saving any file may have to ask or say, after the kind of file's own
// "… не е запазен във файла „…“: ". Every character belongs to Windows code
// page 1251.
namespace sredna::texts {

// A name whose ending the program did not add to is the user's own; one it
// did may name a file already there.
inline constexpr std::string_view kReplaceFile = "Файлът „%1“ вече съществува. Да бъде ли заменен?";

inline constexpr std::string_view kCannotCreate =
    "в тази папка не може да се създаде файл. Изберете папка, в която имате право да "
    "записвате.";
inline constexpr std::string_view kCannotWrite =
    "записът не завърши – може би дискът е пълен. Под това име не е записано нищо ново.";

}  // namespace sredna::texts
