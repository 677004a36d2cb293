#include "forgiving_pinyin.h"

#include "hanzi_tables.h"

#include <algorithm>

namespace vekkiro::suggestions {

namespace {

// A part of a syllable as typed, and its other form under the forgiven pairs, if it has one.
struct Forms {
    std::string_view own;
    std::string_view other;
    bool hasOther = false;
};

// The syllable's initial as far as a forgiven pair goes: the longest side of a pair it starts
// with (zh rather than z), and the other side.
Forms initialOf(std::string_view syllable) noexcept {
    Forms initial;
    for (const ForgivenPair& pair : forgivenPairs) {
        if (pair.part != SyllablePart::Initial)
            continue;
        for (const auto& [side, otherSide] :
             {std::pair(pair.one, pair.other), std::pair(pair.other, pair.one)})
            if (syllable.starts_with(side) && side.size() > initial.own.size())
                initial = Forms{side, otherSide, true};
    }
    return initial;
}

// The final, the rest of a syllable after its initial, as far as a forgiven pair goes: the
// side of a pair it ends with, and the other side.
Forms finalOf(std::string_view rest) noexcept {
    for (const ForgivenPair& pair : forgivenPairs) {
        if (pair.part != SyllablePart::Final)
            continue;
        if (rest.ends_with(pair.other))
            return Forms{pair.other, pair.one, true};
        if (rest.ends_with(pair.one))
            return Forms{pair.one, pair.other, true};
    }
    return Forms{};
}

// Calls `take` with each other form of a syllable.
template <typename Take> void forEachOtherForm(std::string_view syllable, Take take) {
    const Forms initial = initialOf(syllable);
    const std::string_view rest = syllable.substr(initial.own.size());
    const Forms final = finalOf(rest);
    const std::string_view body = rest.substr(0, rest.size() - final.own.size());
    const std::array<std::string_view, 2> initials = {initial.own, initial.other};
    const std::array<std::string_view, 2> finals = {final.own, final.other};
    const std::size_t initialCount = initial.hasOther ? 2 : 1;
    const std::size_t finalCount = final.hasOther ? 2 : 1;
    for (std::size_t i = 0; i < initialCount; ++i) {
        for (std::size_t f = 0; f < finalCount; ++f) {
            if (i == 0 && f == 0)
                continue;
            std::array<char, longestSyllable + 2> form{};
            std::size_t length = 0;
            for (const std::string_view piece : {initials[i], body, finals[f]})
                for (const char letter : piece)
                    if (length < form.size())
                        form[length++] = letter;
            take(std::string_view(form.data(), length));
        }
    }
}

} // namespace

const ForgivingForms& ForgivingForms::get() {
    static const ForgivingForms forms;
    return forms;
}

ForgivingForms::ForgivingForms()
    : m_forms(detail::hanziTables.syllables.size()) {
    for (std::size_t id = 0; id < m_forms.size(); ++id) {
        std::size_t count = 0;
        forEachOtherForm(detail::hanziTables.syllables[id], [&](std::string_view form) {
            if (count < m_forms[id].size()) {
                Form& made = m_forms[id][count++];
                made.length = std::min(form.size(), made.letters.size());
                std::copy_n(form.begin(), made.length, made.letters.begin());
            }
        });
    }
}

} // namespace vekkiro::suggestions
