#pragma once

// Matching a name by the pinyin of a description or a question typed in words apart.

#include "catalogue_names.h"
#include "match_order.h"
#include "name_matcher.h"
#include "typed_text.h"

#include <array>
#include <cstddef>
#include <optional>

namespace vekkiro::suggestions {

// Pinyin of a description or a question, its syllables typed as words ("guoqi de yaopin",
// "xiangjiaopi shi shenme laji"), read as a description or a question in characters is: the
// words without the grammar ones ("guoqiyaopin": 过期药品), and the noun after the last de or le
// ("yaopin"), each spelled as the pinyin matcher spells, in whole syllables. Pinyin and a
// description at once, so ranked below both.
class DescribedPinyinMatcher {
public:
    static constexpr std::array kinds = {Match::DescribedPinyinEqual,
                                         Match::DescribedPinyinStartsWith,
                                         Match::DescribedPinyinContains};

    explicit DescribedPinyinMatcher(const TypedText& text) noexcept;
    [[nodiscard]] bool match(const Name& name, int /*position*/, Found& found) const noexcept {
        // Asked of every name: most texts are no description in pinyin.
        return m_count > 0 && answer(matchReadings(name), found);
    }

    /// The texts read, for a test: the words without grammar, then the noun.
    [[nodiscard]] std::size_t size() const noexcept { return m_count; }
    [[nodiscard]] const TypedText& operator[](std::size_t at) const noexcept {
        return m_readings[at];
    }

private:
    [[nodiscard]] std::optional<Found> matchReadings(const Name& name) const noexcept;

    std::array<TypedText, 2> m_readings{TypedText({}), TypedText({})};
    std::size_t m_count = 0;
};

} // namespace vekkiro::suggestions
