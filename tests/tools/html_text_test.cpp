#include "html_text.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct Conversion {
    const char* label;
    std::u16string text;
    std::string html;
};

class EscapedHtml : public testing::TestWithParam<Conversion> {};

TEST_P(EscapedHtml, GivesValidUtf8WithMarkupCharactersEscaped) {
    EXPECT_EQ(vekkiro::escapedHtml(GetParam().text), GetParam().html);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EscapedHtml,
    testing::Values(Conversion{"empty", u"", ""},
                    Conversion{"ascii_and_cjk", u"PH试纸", "PH\xe8\xaf\x95\xe7\xba\xb8"},
                    Conversion{"markup", u"<b>&\"'", "&lt;b&gt;&amp;&quot;&#39;"},
                    Conversion{"two_byte_utf8", u"é", "\xc3\xa9"},
                    Conversion{"surrogate_pair", u"🔋", "\xf0\x9f\x94\x8b"},
                    Conversion{"lone_high_surrogate_at_end",
                               std::u16string(u"a") + char16_t{0xD83D}, "a\xef\xbf\xbd"},
                    Conversion{"lone_low_surrogate", std::u16string(1, char16_t{0xDC00}) + u"b",
                               "\xef\xbf\xbd"
                               "b"},
                    Conversion{"high_surrogate_then_non_surrogate",
                               std::u16string(1, char16_t{0xD800}) + u"<", "\xef\xbf\xbd&lt;"},
                    Conversion{"nul_kept", std::u16string(1, u'\0'), std::string(1, '\0')}),
    [](const auto& row) { return std::string(row.param.label); });

} // namespace
