#pragma once

// Pinyin as an input method that forgives what people mishear reads it: the sounds it takes for
// each other, as one table, and every syllable's other forms, worked out from it once.

#include "units.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vekkiro::suggestions {

enum class SyllablePart : std::uint8_t { Initial, Final };

// Two sounds a forgiving input method takes for each other, both ways, at a syllable's start
// (its initial) or at its end (its nasal final).
struct ForgivenPair {
    SyllablePart part;
    std::string_view one;
    std::string_view other;
};

inline constexpr std::array forgivenPairs = {
    ForgivenPair{SyllablePart::Initial, "z", "zh"}, ForgivenPair{SyllablePart::Initial, "c", "ch"},
    ForgivenPair{SyllablePart::Initial, "s", "sh"}, ForgivenPair{SyllablePart::Initial, "n", "l"},
    ForgivenPair{SyllablePart::Initial, "f", "h"},  ForgivenPair{SyllablePart::Final, "an", "ang"},
    ForgivenPair{SyllablePart::Final, "en", "eng"}, ForgivenPair{SyllablePart::Final, "in", "ing"},
};

// The letter a forgiving input method hears for the first letter of a syllable, besides itself:
// n and l, f and h (z, c and s stand for zh, ch and sh already). The letter itself if none.
// Asked for every character of every name: looked up in a table the pairs make at compile time.
inline constexpr std::array<char, 128> forgivingPartners = [] {
    std::array<char, 128> partners{};
    for (std::size_t letter = 0; letter < partners.size(); ++letter)
        partners[letter] = static_cast<char>(letter);
    for (const ForgivenPair& pair : forgivenPairs) {
        if (pair.part != SyllablePart::Initial || pair.one.size() != 1 || pair.other.size() != 1)
            continue;
        partners[static_cast<unsigned char>(pair.one.front())] = pair.other.front();
        partners[static_cast<unsigned char>(pair.other.front())] = pair.one.front();
    }
    return partners;
}();

constexpr char forgivingPartner(char letter) noexcept {
    const auto index = static_cast<unsigned char>(letter);
    return index < forgivingPartners.size() ? forgivingPartners[index] : letter;
}
static_assert(forgivingPartner('n') == 'l' && forgivingPartner('h') == 'f' &&
              forgivingPartner('z') == 'z');

// Every syllable's other forms as a forgiving input method hears them (zhi: zi; lan: nan, lang,
// nang), by syllable number in the Unihan tables, made once.
class ForgivingForms {
public:
    [[nodiscard]] static const ForgivingForms& get();

    template <typename Take> void forEach(std::uint16_t syllable, Take take) const {
        for (const Form& form : m_forms[syllable])
            if (form.length > 0)
                take(std::string_view(form.letters.data(), form.length));
    }

private:
    struct Form {
        std::array<char, longestSyllable + 2> letters{};
        std::size_t length = 0;
    };

    ForgivingForms();

    // Of an initial and a final that each may have another form, every mix but their own.
    std::vector<std::array<Form, 3>> m_forms;
};

} // namespace vekkiro::suggestions
