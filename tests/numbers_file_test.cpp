// The numbers file: what spreadsheets and people write is split into the
// right cells, whatever the encoding and separator, and reads the same on
// every machine; what is not a numbers file is named with its first bad row.
#include "core/files/numbers_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/files/text_encoding.h"
#include "core/model/form.h"
#include "core/model/window_model.h"
#include "core/model/window_texts.h"
#include "tests/test_support.h"

namespace sredna {
namespace {

using numbers_file::Problem;
using numbers_file::Table;

// A row as "value" or "value|weight".
std::vector<std::string> Rows(const Table& table) {
    std::vector<std::string> rows;
    for (const Table::Row& row : table.rows) {
        rows.push_back(row.value + (row.weight ? "|" + *row.weight : ""));
    }
    return rows;
}

std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

struct FileCase {
    const char* name;
    std::string bytes;
    char decimalSeparator;
    std::vector<std::string> rows{};  // when read
    std::optional<Problem::Kind> problem{};
    int row = 0;
    int cell = 0;

    friend void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<FileCase> FileCases() {
    using Kind = Problem::Kind;
    return {
        {"written_by_the_program",
         "\xEF\xBB\xBFСтойност;Тегло\r\n2,5;3\r\n-1;1\r\n",
         ',',
         {"2,5|3", "-1|1"}},
        {"comma_separated_in_a_point_locale",
         "Стойност,Тегло\n2.5,3\n7,1\n",
         '.',
         {"2.5|3", "7|1"}},
        {"comma_is_decimal_in_a_comma_locale", "1,5\n2,25\n", ',', {"1,5", "2,25"}},
        {"tab_separated_no_header", "1\t2\r\n3\t4\r\n", '.', {"1|2", "3|4"}},
        {"one_column_blank_lines_and_trailing_cells",
         "\r\n5;\r\n\r\n6;;\r\n;\r\n",
         ',',
         {"5", "6"}},
        {"quoted_cells_hold_the_separator",
         "\"1,5\";\"2\"\r\n\"3,\"\"5\";1\r\n",
         ',',
         {"1,5|2", "3,\"5|1"}},
        {"grouped_thousands_kept_as_they_stand", "\"12 345,5\";2\n", ',', {"12 345,5|2"}},
        {"utf16_little_endian", Utf16(u"Стойност\tТегло\r\n4\t2\r\n", false), ',', {"4|2"}},
        {"utf16_big_endian", Utf16(u"4;2\r\n", true), '.', {"4|2"}},
        {"windows_1251_header",
         "\xD1\xF2\xEE\xE9\xED\xEE\xF1\xF2;\xD2\xE5\xE3\xEB\xEE\n9;1\n",
         ',',
         {"9|1"}},
        {"header_only_is_empty", "Стойност;Тегло\r\n", ',', {}, Kind::Empty},
        {"one_column_header_keeps_decimal_commas", "Стойност\n1,5\n2,5\n", '.', {"1,5", "2,5"}},
        {"header_with_a_comma_in_a_name", "Стойност;Тегло, бр.\n1,5;2\n", '.', {"1,5|2"}},
        {"signed_row_reads_two_ways", "1.5,2\n\n-3,5\n", '.', {}, Kind::TwoReadings, 3},
        {"headerless_one_way", "1.5,2\n-3,5.5\n", '.', {"1.5|2", "-3|5.5"}},
        {"nothing_at_all", "\r\n \r\n", ',', {}, Kind::Empty},
        {"binary", std::string("PK\x03\x04\x00\x01", 6), '.', {}, Kind::NotText},
        {"broken_utf16", std::string("\xFF\xFE\x00\xD8", 4), '.', {}, Kind::NotText},
        {"third_column", "1;2\r\n3;4;;x\r\n", ',', {}, Kind::TooManyColumns, 2, 4},
        {"missing_weight", "1;2\r\n\r\n3;\r\n", ',', {}, Kind::MissingWeight, 3, 2},
        {"line_break_in_a_cell_counts_rows",
         "\"a\nb\";x\n1;2\n3\n",
         ',',
         {},
         Kind::MissingWeight,
         4,
         2},
        {"too_large", std::string(numbers_file::kMaxBytes + 1, '1'), '.', {}, Kind::TooLarge},
    };
}

class NumbersFileTest : public testing::TestWithParam<FileCase> {};

TEST_P(NumbersFileTest, SplitsIntoRowsOrNamesTheProblem) {
    const FileCase& c = GetParam();
    const auto read = numbers_file::ReadTable(c.bytes, c.decimalSeparator);
    if (!c.problem) {
        ASSERT_TRUE(std::holds_alternative<Table>(read));
        EXPECT_EQ(Rows(std::get<Table>(read)), c.rows);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<Problem>(read));
    const auto& problem = std::get<Problem>(read);
    EXPECT_EQ(problem.kind, *c.problem);
    EXPECT_EQ(problem.row, c.row);
    EXPECT_EQ(problem.cell, c.cell);
}

INSTANTIATE_TEST_SUITE_P(Files, NumbersFileTest, testing::ValuesIn(FileCases()),
                         [](const testing::TestParamInfo<FileCase>& row) {
                             return row.param.name;
                         });

TEST(NumbersFileTest, MoreThan32767RowsAreRefusedAtTheFirstRowPast) {
    std::string text = "Стойност\n";
    for (int i = 0; i <= ListBox::kMaxItems; ++i) {
        text += "1\n";
    }
    const auto read = numbers_file::ReadTable(text, '.');
    ASSERT_TRUE(std::holds_alternative<Problem>(read));
    EXPECT_EQ(std::get<Problem>(read).kind, Problem::Kind::TooManyRows);
    EXPECT_EQ(std::get<Problem>(read).row, ListBox::kMaxItems + 2);
}

// What the program writes, it reads back the same, with either separator.
TEST(NumbersFileTest, WritesWhatSpreadsheetsReadAndReadsItBack) {
    for (const char separator : {'.', ','}) {
        WindowModel model;
        test::Fill(model.Values(), {test::WithSeparator("2.5", separator), "-7", "1E-05"});
        test::Fill(model.Weights(), {"3", "1", "32767"});
        const std::string text = numbers_file::Write(model.Values(), model.Weights(), separator);
        // "|" stands for the list separator: ";" where the decimal one is ",".
        std::string expected = "\xEF\xBB\xBFСтойност|Тегло\r\n2.5|3\r\n-7|1\r\n1E-05|32767\r\n";
        std::replace(expected.begin(), expected.end(), '|', separator == ',' ? ';' : ',');
        EXPECT_EQ(text, test::WithSeparator(expected, separator));
        // On either machine, with the decimal sign it was written with.
        for (const char machine : {'.', ','}) {
            const auto read = numbers_file::ReadTable(text, machine);
            ASSERT_TRUE(std::holds_alternative<Table>(read));
            EXPECT_EQ(Rows(std::get<Table>(read)),
                      (std::vector<std::string>{test::WithSeparator("2.5", separator) + "|3",
                                                "-7|1", "1E-05|32767"}));
            EXPECT_EQ(std::get<Table>(read).decimalSeparator, separator);
        }
    }
}

TEST(TextEncodingTest, TellsValidUtf8FromWindows1251) {
    EXPECT_TRUE(text_encoding::IsValidUtf8("Тегло 1"));
    for (const char* invalid : {"\xD2\xE5\xE3\xEB\xEE", "\xC0\x80", "\xED\xA0\x80", "\xE2\x82"}) {
        EXPECT_FALSE(text_encoding::IsValidUtf8(invalid)) << invalid;
    }
}

struct OpenCase {
    const char* name;
    std::string bytes;
    std::string separators;  // the machines' decimal signs it is opened with
    // Afterwards, as a "." machine writes them, with weights; or none.
    std::vector<std::string> values{};
    std::vector<std::string> weights{};
    // The one line the report box holds afterwards: how the file was read,
    // or why nothing changed.
    std::string report{};

    friend void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<OpenCase> OpenCases() {
    const std::string notOpened = "Файлът „оценки.csv“ не е отворен: ";
    const std::string oneSign = ": пишете всички числа с един и същ десетичен знак.";
    return {
        {"grouped_thousands_and_decimal_commas",
         "Стойност;Тегло\r\n\"12\xC2\xA0"
         "345,5\";2\r\n-0,50;1\r\n",
         ".,",
         {"12345.5", "-0.5"},
         {"2", "1"},
         "Прочетени са 2 стойности и тегла от файла „оценки.csv“ (разделител „;“, десетичен "
         "знак „,“)."},
        // As a "." machine saves them, with "1.234" no thousand on a "," one.
        {"saved_with_decimal_points",
         "\xEF\xBB\xBFСтойност,Тегло\r\n5,2\r\n6.5,1\r\n1.234,3\r\n",
         ".,",
         {"5", "6.5", "1.234"},
         {"2", "1", "3"},
         "Прочетени са 3 стойности и тегла от файла „оценки.csv“ (разделител „,“, десетичен "
         "знак „.“)."},
        {"saved_with_decimal_commas",
         "\xEF\xBB\xBFСтойност;Тегло\r\n1,5;2\r\n1,234;1\r\n",
         ".,",
         {"1.5", "1.234"},
         {"2", "1"},
         "Прочетени са 2 стойности и тегла от файла „оценки.csv“ (разделител „;“, десетичен "
         "знак „,“)."},
        {"one_value_and_a_tab",
         "Стойност\tТегло\n7\t2\n",
         ".",
         {"7"},
         {"2"},
         "Прочетена е 1 стойност и теглото й от файла „оценки.csv“ (разделител „табулация“, "
         "десетичен знак „.“)."},
        {"one_column_without_decimals",
         "Стойност;Тегло\n7\n8\n",
         ",",
         {"7", "8"},
         {"1", "1"},
         "Прочетени са 2 стойности от файла „оценки.csv“ (един стълб, десетичен знак „,“)."},
        {"point_locale_one_column",
         "2.50\n1e-5\n",
         ".",
         {"2.5", "1E-05"},
         {"1", "1"},
         "Прочетени са 2 стойности от файла „оценки.csv“ (един стълб, десетичен знак „.“)."},
        {"a_decimal_column_on_a_point_machine",
         "1,5\n2,5\n",
         ".",
         {},
         {},
         notOpened +
             "в ред 1 „1,5“ може да е стойност 1 с тегло 5 или числото 1,5. Добавете най-горе "
             "ред със заглавия („Стойност“ за един стълб или „Стойност,Тегло“ за стойности с "
             "тегла) или разделяйте клетките с „;“."},
        {"header_only",
         "Стойност;Тегло\r\n",
         ".,",
         {},
         {},
         notOpened + "празен е – в него няма числа."},
        {"not_a_number",
         "Стойност\n5\nпет\n",
         ".,",
         {},
         {},
         notOpened + "в ред 3 „пет“" + std::string(texts::kNotANumber) + "?" +
             std::string(texts::kNotANumberEnd)},
        {"text_in_a_weight_cell",
         "1;2\r\n3;x\r\n",
         ".,",
         {},
         {},
         notOpened + "в ред 2 „x“ не е тегло: теглото е цяло число от 1 до 32767."},
        {"a_thousand_with_the_other_separator",
         "1.000\n",
         ",",
         {},
         {},
         notOpened + "в ред 1 „1.000“ може да е число с отделени хиляди или десетична дроб: "
                     "пишете десетичния знак като „,“, а хилядите – без разделител."},
        {"both_signs_in_two_rows",
         "Стойност;Тегло\r\n1,5;1\r\n2;1\r\n2.5;1\r\n",
         ".,",
         {},
         {},
         notOpened + "в ред 4 десетичният знак е „.“, а в ред 2 е „,“" + oneSign},
        {"both_signs_in_one_row",
         "Стойност;Тегло\n2;1\n1.234,5;1\n",
         ".,",
         {},
         {},
         notOpened + "в ред 3 има и „.“, и „,“" + oneSign},
        {"missing_weight",
         "1;2\r\n3\r\n",
         ".,",
         {},
         {},
         notOpened + "в ред 2 липсва теглото на стойността."},
        {"missing_value",
         "Стойност;Тегло\n5;1\n;2\n",
         ".,",
         {},
         {},
         notOpened + "в ред 3 има тегло, но липсва стойността."},
        {"third_column",
         "1;2\n3;4;;x\n",
         ".,",
         {},
         {},
         notOpened + "в ред 2 има нещо в клетка 4, а числата са в една колона (стойностите) или "
                     "в две (стойностите и теглата им)."},
        {"weights_total_past_its_count",
         "1;32000\n2;700\n3;68\n",
         ".,",
         {},
         {},
         notOpened + "в ред 3 сборът на теглата дотук е 32768, а може да е най-много 32767."},
        {"binary",
         std::string("\x89PNG\r\n\x1A\n\0\0", 10),
         ".,",
         {},
         {},
         notOpened + "не е текстов файл."},
        // Never Windows-1251, which would show the mark as "п»ї".
        {"broken_utf8_after_the_mark",
         "\xEF\xBB\xBFСтойност\n\xD2\xE5\n",
         ".,",
         {},
         {},
         notOpened + "текстът в него е повреден: започва като текст в Юникод, но по-нататък има "
                     "байтове, които не са знаци."},
        {"too_large",
         std::string(numbers_file::kMaxBytes + 1, '1'),
         ".",
         {},
         {},
         notOpened + "по-голям е от 4 мегабайта, а файл с числа е много по-малък."},
        {"empty", "", ".,", {}, {}, notOpened + "празен е – в него няма числа."},
    };
}

class OpenNumbersTest : public testing::TestWithParam<OpenCase> {};

// A good file replaces both lists and says how it was read; a bad one
// changes nothing and says why, naming the file and its row.
TEST_P(OpenNumbersTest, ReplacesTheListsOrChangesNothing) {
    const OpenCase& c = GetParam();
    for (const char separator : c.separators) {
        SCOPED_TRACE(separator);
        Form form("", separator);
        WindowModel& model = form.Model();
        const auto valuesBefore = model.Values().Items();
        const bool opened = form.Entry().OpenNumbers(c.bytes, "оценки.csv");
        EXPECT_EQ(opened, !c.values.empty());
        std::vector<std::string> values;
        for (const std::string& value : c.values) {
            values.push_back(test::WithSeparator(value, separator));
        }
        EXPECT_EQ(model.Values().Items(), opened ? values : valuesBefore);
        EXPECT_EQ(model.Weights().Items(), opened ? c.weights : std::vector<std::string>(5, "5"));
        // "?" stands for the machine's sign, which a file without decimals
        // takes.
        std::string report = c.report;
        std::replace(report.begin(), report.end(), '?', separator);
        EXPECT_EQ(model.Report().Text(), report + "\r\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Files, OpenNumbersTest, testing::ValuesIn(OpenCases()),
                         [](const testing::TestParamInfo<OpenCase>& row) {
                             return row.param.name;
                         });

}  // namespace
}  // namespace sredna
