#pragma once

#include <array>
#include <string_view>

#include "core/model/joined_text.h"
#include "core/model/product.h"

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
// The frame's own text, which stays whatever the program is named.
inline constexpr std::string_view kFrameCaption = "Средна стойност";
// Label1 by index; element 4 is Etiket(4).
inline constexpr std::array<std::string_view, 6> kLabelCaptions = {
    "Математика - средна стойност", "Брой ел.", "Стойности", "медиана", "т", "Интервал"};

// The window's caption is the program's name, three spaces and a title;
// screen readers get the title alone. The installers find a running copy by
// the caption, so it comes from the top CMakeLists.txt with the other names.
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

// The classroom zoom of the whole window.
inline constexpr std::string_view kZoomIn = "Увеличи";
inline constexpr std::string_view kZoomOut = "Намали";
inline constexpr std::string_view kZoomNormal = "Нормален размер";

// Tooltips and accessible descriptions: how to edit each list.
inline constexpr std::string_view kValuesHelp =
    "Двоен щрак или F2 – промяна на стойност; Insert – нова стойност; Delete – изтриване "
    "на стойността и теглото й; Ctrl+C – копиране на всички; Ctrl+V – поставяне на числа "
    "в края; десен бутон – меню.";
inline constexpr std::string_view kWeightsHelp =
    "Теглата са цели числа от 1 до 32767, а сборът им е най-много 32767. Двоен щрак или "
    "F2 – промяна на тегло; Delete – изтриване на стойността и теглото й; Ctrl+C – "
    "копиране на всички; Ctrl+V – поставяне на тегла от избраното място надолу; десен "
    "бутон – меню.";

// Refusals of an entry, one line in the report box. A refused text is
// quoted between kOpenQuote and kCloseQuote, shortened with kEllipsis.
inline constexpr std::string_view kOpenQuote = "„";
inline constexpr std::string_view kCloseQuote = "“";
inline constexpr std::string_view kEllipsis = "…";
// "… не е число: …, както в „1,5E-05“." with the settings' separator.
inline constexpr std::string_view kNotANumber =
    " не е число: пишат се цифри и по желание знак, една десетична запетая или точка и "
    "степенен показател, както в „1";
inline constexpr std::string_view kNotANumberEnd = "5E-05“.";
inline constexpr std::string_view kTooManyDigits = " има повече от 15 значещи цифри.";
inline constexpr std::string_view kTooManyDecimals =
    " има повече от 15 цифри след десетичния знак.";
inline constexpr std::string_view kOutOfRange =
    " е извън допустимия обхват: по абсолютна стойност числото трябва да е по-малко от 10^15.";
inline constexpr std::string_view kNotAWeight = " не е тегло: теглото е цяло число от 1 до 32767.";
// "„1,000“ може да е число с отделени хиляди или десетична дроб: пишете
// десетичния знак като „.“, а хилядите – без разделител." with the settings'
// separator.
inline constexpr std::string_view kMayBeThousands =
    " може да е число с отделени хиляди или десетична дроб: пишете десетичния знак като „";
inline constexpr std::string_view kMayBeThousandsEnd = "“, а хилядите – без разделител.";
// A pasted line whose plain spaces may group thousands.
inline constexpr std::string_view kSpacesMayGroup =
    " може да е едно число с хиляди или няколко числа: пишете по едно число на ред или ги "
    "разделяйте с „;“, а хилядите – без интервал.";
// "Списъкът побира най-много 32767 стойности: в него има C, а поставяните са
// повече от R."; when it is already full, kListFull.
inline constexpr std::string_view kTooManyValues =
    "Списъкът побира най-много 32767 стойности: в него има ";
inline constexpr std::string_view kTooManyValuesPasted = ", а поставяните са повече от ";
inline constexpr std::string_view kListFull =
    "Списъкът побира най-много 32767 стойности и е пълен.";
// "Теглата за поставяне са повече от редовете от позиция P надолу (R)."
inline constexpr std::string_view kTooManyWeights =
    "Теглата за поставяне са повече от редовете от позиция ";
inline constexpr std::string_view kTooManyWeightsRows = " надолу (";
// "Сборът на всички тегла ще стане N, а може да е най-много 32767." and, when
// values are added, what their weights are.
inline constexpr std::string_view kWeightsTotal = "Сборът на всички тегла ще стане ";
inline constexpr std::string_view kWeightsTotalLimit = ", а може да е най-много 32767.";
inline constexpr std::string_view kWeightsTotalOfNewValues =
    ", а може да е най-много 32767 (всяка нова стойност е с тегло 1).";
inline constexpr std::string_view kNothingToPaste = "В буфера за обмен няма числа за поставяне.";

// Numbers files. A refusal says first that the file was not opened, then
// why, with its first bad row where there is one: "Файлът „оценки.csv“ не е
// отворен: в ред 4 „x“ не е тегло: …".
inline constexpr std::string_view kFile = "Файлът ";
inline constexpr std::string_view kFileNotOpened = " не е отворен: ";
inline constexpr std::string_view kFileRow = "в ред ";
inline constexpr std::string_view kFileTooLarge =
    "по-голям е от 4 мегабайта, а файл с числа е много по-малък.";
inline constexpr std::string_view kFileNotText = "не е текстов файл.";
inline constexpr std::string_view kFileBrokenUtf8 =
    "текстът в него е повреден: започва като текст в Юникод, но по-нататък има байтове, "
    "които не са знаци.";
inline constexpr std::string_view kFileEmpty = "празен е – в него няма числа.";
// "в ред R е стойност номер 32768, а …"
inline constexpr std::string_view kFileTooManyRows =
    " е стойност номер 32768, а списъкът побира най-много 32767 стойности.";
// "в ред R има нещо в клетка C, а …"
inline constexpr std::string_view kFileTooManyColumns = " има нещо в клетка ";
inline constexpr std::string_view kFileTooManyColumnsEnd =
    ", а числата са в една колона (стойностите) или в две (стойностите и теглата им).";
inline constexpr std::string_view kFileMissingWeight = " липсва теглото на стойността.";
inline constexpr std::string_view kFileMissingValue = " има тегло, но липсва стойността.";
// "в ред R сборът на теглата дотук е N, а може да е най-много 32767."
inline constexpr std::string_view kFileWeightsTotal = " сборът на теглата дотук е ";
// "в ред R десетичният знак е „.“, а в ред F е „,“: пишете …", or within one
// row "в ред R има и „.“, и „,“: пишете …".
inline constexpr std::string_view kFileOtherSign = " десетичният знак е „";
inline constexpr std::string_view kFileOtherSignFirstRow = "“, а в ред ";
inline constexpr std::string_view kFileOtherSignFirst = " е „";
inline constexpr std::string_view kFileBothSigns = " има и „.“, и „,“";
inline constexpr std::string_view kFileOneSign =
    ": пишете всички числа с един и същ десетичен знак.";
// "в ред R „5,2“ може да е стойност 5 с тегло 2 или числото 5,2. Добавете …"
inline constexpr std::string_view kFileTwoReadings = " може да е стойност ";
inline constexpr std::string_view kFileTwoReadingsWeight = " с тегло ";
inline constexpr std::string_view kFileTwoReadingsNumber = " или числото ";
inline constexpr std::string_view kFileTwoReadingsEnd =
    ". Добавете най-горе ред със заглавия („Стойност“ за един стълб или „Стойност,Тегло“ "
    "за стойности с тегла) или разделяйте клетките с „;“.";
// "Прочетени са N стойности и тегла от файла „…“ (разделител „;“, десетичен
// знак „,“)." or "Прочетена е 1 стойност от файла „…“ (един стълб, десетичен
// знак „,“)."
inline constexpr std::string_view kFileReadOne = "Прочетена е 1 стойност";
inline constexpr std::string_view kFileReadOneWeight = " и теглото й";
inline constexpr std::string_view kFileRead = "Прочетени са ";
inline constexpr std::string_view kFileReadValues = " стойности";
inline constexpr std::string_view kFileReadWeights = " и тегла";
inline constexpr std::string_view kFileReadFrom = " от файла ";
inline constexpr std::string_view kFileReadSeparator = " (разделител „";
inline constexpr std::string_view kFileReadTab = "табулация";
inline constexpr std::string_view kFileReadSeparatorEnd = "“";
inline constexpr std::string_view kFileReadOneColumn = " (един стълб";
inline constexpr std::string_view kFileReadDecimal = ", десетичен знак „";
inline constexpr std::string_view kFileReadEnd = "“).";

// The window's commands on the values and weights lists, each with its keys,
// as the keys window lists them and the window binds them: alternatives are
// separated by ", ".
inline constexpr std::string_view kOpenNumbers = "Отвори числа от файл…";
inline constexpr std::string_view kOpenNumbersKeys = "Ctrl+O";
inline constexpr std::string_view kSaveNumbers = "Запази числата във файл…";
inline constexpr std::string_view kSaveNumbersKeys = "Ctrl+S";
inline constexpr std::string_view kUndo = "Отмени";
inline constexpr std::string_view kUndoKeys = "Ctrl+Z";
inline constexpr std::string_view kRedo = "Върни";
inline constexpr std::string_view kRedoKeys = "Ctrl+Y, Ctrl+Shift+Z";
inline constexpr std::string_view kKeysWindowKeys = "F1";
inline constexpr std::string_view kPrintKeys = "Ctrl+P";
inline constexpr std::string_view kSaveReportKeys = "Ctrl+Shift+S";

// The file dialogs of numbers files.
inline constexpr std::string_view kOpenNumbersTitle = "Отвори числа от файл";
inline constexpr std::string_view kSaveNumbersTitle = "Запази числата във файл";
inline constexpr std::string_view kNumbersFilter = "Числа (*.csv)";
inline constexpr std::string_view kAllFilesFilter = "Всички файлове (*)";
inline constexpr std::string_view kNumbersSuffix = "csv";

// Messages about numbers files, titled with the program's name. The name of
// the file goes between the two parts.
inline constexpr std::string_view kMessageTitle = product::kName;
inline constexpr std::string_view kCannotRead = "Файлът „";
inline constexpr std::string_view kCannotReadEnd =
    "“ не е отворен: не може да се прочете. Проверете дали още съществува и дали имате "
    "право да го четете.";
// A folder, a device or a pipe typed as the file: never waited on.
inline constexpr std::string_view kNotARegularFileEnd =
    "“ не е отворен: това е папка или устройство, а не обикновен файл.";
// Why the numbers were not saved: "Числата не са запазени във файла „…“: …".
inline constexpr std::string_view kNumbersNotSaved = "Числата не са запазени във файла „%1“: ";
inline constexpr std::string_view kMessageOk = "Добре";
// Asked before the lists' numbers would be lost.
inline constexpr std::string_view kUnsavedQuestion =
    "Стойностите и теглата са променени след последното запазване. Да се запазят ли?";
inline constexpr std::string_view kSaveAnswer = "Запази";
inline constexpr std::string_view kDiscardAnswer = "Не запазвай";
inline constexpr std::string_view kCancelAnswer = "Отказ";

// The keys window (F1): every key of the program and what it does, in the
// main window and in the picture window.
struct KeyHelp {
    std::string_view keys;
    std::string_view does;
};
inline constexpr std::string_view kKeysTitleStart = "Клавиши – ";
inline constexpr std::string_view kKeysTitle = kJoined<kKeysTitleStart, product::kName>;
inline constexpr std::string_view kCloseKeys = "Затвори";
inline constexpr std::string_view kMainWindowKeys = "В главния прозорец";
inline constexpr std::array kMainKeys = {
    KeyHelp{kKeysWindowKeys, "Този списък на клавишите."},
    KeyHelp{kOpenNumbersKeys, "Отваря файл с числа на мястото на стойностите и теглата."},
    KeyHelp{kSaveNumbersKeys, "Запазва стойностите и теглата във файл с числа."},
    KeyHelp{kUndoKeys, "Отменя последната промяна на стойностите или теглата."},
    KeyHelp{kRedoKeys, "Връща отменената промяна."},
    KeyHelp{"F2", "Променя избраната стойност или тегло (също двоен щрак)."},
    KeyHelp{"Enter, Esc", "Приема или отказва въведеното число."},
    KeyHelp{"Insert", "Добавя нова стойност в края на списъка."},
    KeyHelp{"Delete", "Изтрива избраната стойност и теглото й."},
    KeyHelp{"Ctrl+C", "Копира всички стойности или всички тегла."},
    KeyHelp{"Ctrl+V",
            "Поставя числа: стойности в края на списъка, тегла от избраното място "
            "надолу."},
    KeyHelp{"F4", "Отваря графиката на стойностите."},
    KeyHelp{kPrintKeys, "Печата отчета (и графиката, ако е отворена)."},
    KeyHelp{kSaveReportKeys, "Запазва отчета като PDF или като текст."},
    KeyHelp{"Ctrl+=, Ctrl++", "Увеличава прозореца."},
    KeyHelp{"Ctrl+-", "Намалява прозореца."},
    KeyHelp{"Ctrl+0", "Връща нормалния размер на прозореца."},
};
inline constexpr std::string_view kPictureWindowKeys = "В прозореца „Графика“";
inline constexpr std::array kPictureKeys = {
    KeyHelp{"Ctrl+C", "Копира графиката като изображение."},
    KeyHelp{"Ctrl+S", "Запазва графиката като PNG или PDF."},
    KeyHelp{"Стрелки, Home, End",
            "Избират предишната или следващата стойност, най-малката или най-голямата."},
    KeyHelp{"Shift+стрелка", "Премества избраната стойност с една стъпка, с Ctrl – с десет."},
    KeyHelp{"Page Up, Page Down", "Премества избраната стойност с една десета от оста."},
    KeyHelp{"Delete", "Изтрива избраната стойност и теглото й."},
    KeyHelp{"Ctrl+Z, Ctrl+Y", "Отменя и връща промените на стойностите."},
    KeyHelp{"Esc", "Връща влачената с мишката стойност на мястото й."},
    KeyHelp{"Ctrl+Tab", "Превключва между графиката и таблицата на стойностите."},
    KeyHelp{"P",
            "Започва познаване на средната: Shift+стрелка и щракване местят "
            "предположението. P или Esc спира познаването."},
    KeyHelp{"Enter", "Показва средната и колко е далеч предположението от нея."},
};
inline constexpr std::string_view kKeysNote =
    "В текстовите полета Ctrl+Z, Ctrl+Y и Ctrl+Shift+Z отменят и връщат промени на текста, "
    "не на списъците.";

}  // namespace sredna::texts
