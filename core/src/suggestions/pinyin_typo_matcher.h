#pragma once

// A name's pinyin typed with a slip of the fingers ("suliaopnig", "kouzhaoo", "yikaguan").

#include "catalogue_names.h"
#include "match_order.h"
#include "name_matcher.h"
#include "typed_text.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vekkiro::suggestions {

// Every name spelled in its characters' commonest readings, whole and in initials, made once:
// a slip is looked for in what people most likely meant to type.
class NameSpellings {
public:
    [[nodiscard]] static const NameSpellings& get() noexcept;

    [[nodiscard]] std::string_view whole(int position) const noexcept;
    [[nodiscard]] std::string_view initials(int position) const noexcept;

private:
    NameSpellings();

    std::string m_letters;
    std::vector<std::size_t> m_whole;    // where each position's spelling starts; one past too
    std::vector<std::size_t> m_initials; // likewise, its initials
};

// A text of letters only, at least shortestMistypedText of them, read as pinyin typed with one
// slip of the fingers: a name's whole pinyin, its start or its initials. Read once for all the
// names.
class PinyinTypoMatcher {
public:
    static constexpr std::array kinds = {Match::PinyinTypoEqual, Match::PinyinTypoStartsWith,
                                         Match::InitialsTypo};

    explicit PinyinTypoMatcher(const TypedText& text) noexcept;

    /// How the name's pinyin is mistyped in the text, if it is.
    [[nodiscard]] bool match(const Name& name, int position, Found& found) const noexcept;

private:
    [[nodiscard]] std::optional<Match> mistyped(int position) const noexcept;

    const NameSpellings& m_spellings;
    std::array<char, longestSuggestionText> m_letters{};
    std::size_t m_size = 0; // 0: the text is not read so
    bool m_mayBeAStart = false;
};

} // namespace vekkiro::suggestions
