#include "ui/window/intro_text.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kLineCount = 57;
constexpr char32_t kEllipsis = U'\u2026';

// Splits on CR LF; the text must end with CR LF, so the remainder after the
// last separator is expected to be empty and is not returned as a line.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t pos = text.find("\r\n"); pos != std::string_view::npos;
         pos = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, pos - start));
        start = pos + 2;
    }
    if (start != text.size()) {
        lines.push_back(text.substr(start));  // unterminated tail: a defect
    }
    return lines;
}

// Strict UTF-8 decoder; nullopt on any malformed, overlong or surrogate sequence.
std::optional<std::u32string> decodeUtf8(std::string_view s) {
    std::u32string out;
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        std::size_t extra = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (b0 < 0x80) {
            cp = b0;
        } else if ((b0 & 0xE0) == 0xC0) {
            extra = 1;
            cp = b0 & 0x1F;
            min = 0x80;
        } else if ((b0 & 0xF0) == 0xE0) {
            extra = 2;
            cp = b0 & 0x0F;
            min = 0x800;
        } else if ((b0 & 0xF8) == 0xF0) {
            extra = 3;
            cp = b0 & 0x07;
            min = 0x10000;
        } else {
            return std::nullopt;
        }
        if (s.size() - i <= extra) {
            return std::nullopt;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if ((b & 0xC0) != 0x80) {
                return std::nullopt;
            }
            cp = (cp << 6) | (b & 0x3F);
        }
        if (extra > 0 && cp < min) {
            return std::nullopt;
        }
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return std::nullopt;
        }
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

bool isCyrillic(char32_t c) {
    return (c >= U'\u0410' && c <= U'\u044F') || c == U'\u0401' || c == U'\u0451';
}

bool isLatin(char32_t c) {
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

// Characters the text may use: all of them exist in cp1251, the font's code page.
bool isAllowedInsideLine(char32_t c) {
    return (c >= 0x20 && c <= 0x7E) || isCyrillic(c) || c == kEllipsis;
}

std::vector<std::string_view> introLines() {
    return splitLines(sredna::introText());
}

TEST(IntroText, HasFiftySevenLinesEachEndingWithCrLf) {
    const std::string_view text = sredna::introText();
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");

    const auto lines = introLines();
    EXPECT_EQ(lines.size(), kLineCount);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string_view::npos)
            << "bare CR or LF in line " << i + 1;
    }
}

TEST(IntroText, QuotedLinesAreExact) {
    struct Case {
        std::size_t line;
        std::string_view text;
    };
    const Case cases[] = {
        {1, "Да се реализира проект, представящ междупредметни връзки Математика и Информатика"},
        {2, "Тема на проекта: Математика - средна стойност."},
        {4, " - средна аритметична стойност или само средна стойност"},
        {7, "Ss = (A1 + a2 +A3 +\u2026 + An)/N"},
        {8, " - средна квадратична стойност"},
        {10, "Sk = sqrt((a1^2 +a2^2 +\u2026..+an^2)/ N)"},
        {11, " - средна хармонична стойност "},
        {13, "Sh = N/(1/a1 + 1/a2 + \u2026.+ 1/an)"},
        {15, " - средна геометрична стойност"},
        {17, "Sg = (a1*a2*\u2026an)^(1/n)"},
        {20, " - средна претеглена стойност"},
        {24, "Sp = (p1*A1 + p2*A2 + pm*Am)/N, където N=p1+p2+\u2026pm. "},
        {47, "Пропорционално нарастване"},
    };
    const auto lines = introLines();
    ASSERT_EQ(lines.size(), kLineCount);
    for (const Case& c : cases) {
        EXPECT_EQ(lines[c.line - 1], c.text) << "line " << c.line;
    }
}

TEST(IntroText, EmptyLinesAreExactlyTheSeparators) {
    const std::set<std::size_t> empty = {
        29, 30, 31, 32, 33, 34, 35, 36,  // between the first half and the background reading
        38, 40, 42, 43, 44, 46, 48, 50, 52, 54, 55, 56,
    };
    const auto lines = introLines();
    ASSERT_EQ(lines.size(), kLineCount);
    for (std::size_t n = 1; n <= kLineCount; ++n) {
        EXPECT_EQ(lines[n - 1].empty(), empty.count(n) == 1) << "line " << n;
    }
}

TEST(IntroText, LinesThatIntroduceWhatFollowsKeepTheirPunctuation) {
    struct Case {
        std::size_t line;
        char last;
    };
    const Case cases[] = {{3, ':'}, {12, ':'}, {14, '!'}};
    const auto lines = introLines();
    ASSERT_EQ(lines.size(), kLineCount);
    for (const Case& c : cases) {
        ASSERT_FALSE(lines[c.line - 1].empty()) << "line " << c.line;
        EXPECT_EQ(lines[c.line - 1].back(), c.last) << "line " << c.line;
    }
}

TEST(IntroText, EveryCharacterFitsCodePage1251) {
    const auto lines = introLines();
    ASSERT_EQ(lines.size(), kLineCount);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto decoded = decodeUtf8(lines[i]);
        ASSERT_TRUE(decoded.has_value()) << "malformed UTF-8 in line " << i + 1;
        for (std::size_t k = 0; k < decoded->size(); ++k) {
            EXPECT_TRUE(isAllowedInsideLine((*decoded)[k]))
                << "line " << i + 1 << ", char " << k + 1 << ": U+" << std::hex
                << static_cast<unsigned long>((*decoded)[k]);
        }
    }
}

// A Latin look-alike inside a Bulgarian word renders the same but breaks
// searching and copying; such a word must be entirely one script.
TEST(IntroText, NoWordMixesLatinAndCyrillicLetters) {
    const auto lines = introLines();
    ASSERT_EQ(lines.size(), kLineCount);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto decoded = decodeUtf8(lines[i]);
        ASSERT_TRUE(decoded.has_value()) << "line " << i + 1;
        bool latin = false;
        bool cyrillic = false;
        for (char32_t c : *decoded + U' ') {
            if (isLatin(c)) {
                latin = true;
            } else if (isCyrillic(c)) {
                cyrillic = true;
            } else {
                EXPECT_FALSE(latin && cyrillic) << "mixed-script word in line " << i + 1;
                latin = cyrillic = false;
            }
        }
    }
}

TEST(IntroText, EllipsisOnlyInFormulaLinesAndNeverAsThreeFullStops) {
    const std::set<std::size_t> formulas = {7, 10, 13, 17, 24};
    const auto lines = introLines();
    ASSERT_EQ(lines.size(), kLineCount);
    for (std::size_t n = 1; n <= kLineCount; ++n) {
        const auto decoded = decodeUtf8(lines[n - 1]);
        ASSERT_TRUE(decoded.has_value()) << "line " << n;
        const bool hasEllipsis = decoded->find(kEllipsis) != std::u32string::npos;
        EXPECT_EQ(hasEllipsis, formulas.count(n) == 1) << "line " << n;
        if (formulas.count(n) == 1) {
            EXPECT_EQ(lines[n - 1].find("..."), std::string_view::npos) << "line " << n;
        }
    }
}

// The checks above lean on these helpers; make sure they can actually fail.
TEST(IntroTextHelpers, SplitAndDecodeRejectWhatTheyShould) {
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n").size(), 3u);
    EXPECT_EQ(splitLines("a\r\nb").back(), "b");  // unterminated tail is kept, so the count is off

    struct Bad {
        const char* name;
        std::string_view bytes;
    };
    const Bad bad[] = {
        {"lone continuation byte", "\x80"},
        {"truncated two-byte sequence", "\xD0"},
        {"truncated three-byte sequence", "\xE2\x80"},
        {"overlong slash", "\xC0\xAF"},
        {"surrogate", "\xED\xA0\x80"},
        {"invalid lead byte", "\xFF"},
    };
    for (const Bad& b : bad) {
        EXPECT_FALSE(decodeUtf8(b.bytes).has_value()) << b.name;
    }

    const auto ok = decodeUtf8("Aя\u2026");
    ASSERT_TRUE(ok.has_value());
    EXPECT_EQ(*ok, U"Aя\u2026");
    EXPECT_FALSE(isAllowedInsideLine(U'\t'));
    EXPECT_FALSE(isAllowedInsideLine(U'\u045D'));  // "ѝ" is everyday Bulgarian, yet not in cp1251
}

}  // namespace
