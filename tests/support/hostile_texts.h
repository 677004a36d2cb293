#pragma once

// Texts nobody types on purpose but a paste can deliver, for every test of what the program does
// with a text: none may do more than miss.
#include <string>
#include <vector>

namespace vekkiro::testing {

struct HostileText {
    const char* label; ///< letters, digits and underscores: a test row's name
    std::u16string text;
};

inline const std::vector<HostileText>& hostileTexts() {
    static const std::vector<HostileText> texts = {
        {"embedded_nul", std::u16string(u"电\0池", 3)},
        {"trailing_nul", std::u16string(u"电池\0", 3)},
        {"leading_nul", std::u16string(u"\0电池", 3)},
        {"only_nul", std::u16string(1, u'\0')},
        {"lone_high_surrogate", std::u16string(1, char16_t{0xD800})},
        {"lone_low_surrogate_after_a_name", std::u16string(u"电池") + char16_t{0xDC00}},
        {"emoji", u"🔋电池"},
        {"control_characters", u"\t\r\x1b"},
        {"tab_inside", u"电\t池"},
        {"newline_inside", u"电\n池"},
        {"carriage_return_and_newline_after", u"电池\r\n"},
        {"zero_width_space", u"电\u200b池"},
        {"zero_width_joiner", u"电池\u200d"},
        {"right_to_left_mark", u"\u200f电池"},
        {"max_code_unit", std::u16string(2, char16_t{0xFFFF})},
        {"fourteen_units_not_listed", std::u16string(14, u'带')},
        {"forty_thousand_units", std::u16string(40000, u'池')},
    };
    return texts;
}

} // namespace vekkiro::testing
