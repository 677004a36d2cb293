#include "character_matcher.h"

#include <algorithm>
#include <span>

namespace vekkiro::suggestions {

namespace {

// A name read from its `start`-th unit on and round to the one before: its two parts swapped.
class Rotated {
public:
    Rotated(const Name& name, std::size_t start) noexcept
        : m_name(name)
        , m_start(start) {}
    [[nodiscard]] std::size_t size() const noexcept { return m_name.size(); }
    [[nodiscard]] char16_t compared(std::size_t at) const noexcept {
        return m_name.compared((m_start + at) % m_name.size());
    }

private:
    const Name& m_name;
    std::size_t m_start;
};

// Where `part` stands in `whole` unit for unit under `same`, first place first.
template <typename Whole, typename Part, typename Same>
std::optional<std::size_t> find(const Whole& whole, const Part& part, Same same) noexcept {
    if (part.size() > whole.size())
        return std::nullopt;
    for (std::size_t at = 0; at + part.size() <= whole.size(); ++at) {
        std::size_t i = 0;
        while (i < part.size() && same(at + i, i))
            ++i;
        if (i == part.size())
            return at;
    }
    return std::nullopt;
}

// Whether `whole` holds `part`'s units in order, gaps allowed.
template <typename Whole, typename Part>
bool holdsInOrder(const Whole& whole, const Part& part) noexcept {
    std::size_t i = 0;
    for (std::size_t at = 0; at < whole.size() && i < part.size(); ++at)
        if (whole.compared(at) == part.compared(i))
            ++i;
    return i == part.size();
}

} // namespace

bool byCharacters(const Name& name, const Characters& text, std::uint8_t searches,
                  Found& found) noexcept {
    const auto same = [&](std::size_t inName, std::size_t inText) {
        return name.compared(inName) == text.compared(inText);
    };
    if ((searches & SearchTextInName) != 0 && name.filter().mayHoldAll(text.filter()))
        if (const auto at = find(name, text, same)) {
            found = Found{atPlace(*at, text.size(), name.size(), Match::Equal, Match::StartsWith,
                                  Match::Contains)};
            return true;
        }

    const std::size_t n = name.size();
    const std::size_t t = text.size();
    if ((searches & SearchNameInText) != 0 && t > n && (n >= 2 || t <= 2) &&
        text.filter().mayHoldAll(name.filter())) {
        const auto inText = [&](std::size_t atText, std::size_t atName) {
            return same(atName, atText);
        };
        if (find(text, name, inText)) {
            // A name the text ends with is what the text is about: 纽扣电池 is a battery.
            std::size_t i = 0;
            while (i < n && same(i, t - n + i))
                ++i;
            found = Found{Match::NameInText, i != n};
            return true;
        }
    }

    // In order with gaps, or swapped, while the shorter is at least half the longer: beyond
    // that, a text shares too little with a name to mean it.
    const std::size_t shorter = std::min(n, t);
    if ((searches & SearchInOrder) == 0 || shorter < 2 || 2 * shorter < std::max(n, t))
        return false;
    if (t > n ? !text.filter().mayHoldAll(name.filter()) : !name.filter().mayHoldAll(text.filter()))
        return false;
    for (std::size_t start = 0; start < n; ++start) {
        const Rotated rotated(name, start);
        if (t >= n ? holdsInOrder(text, rotated) : holdsInOrder(rotated, text)) {
            found = Found{Match::InOrder};
            return true;
        }
    }
    return false;
}

bool CharacterMatcher::match(const Name& name, int, Found& found) const noexcept {
    return byCharacters(name, m_text, SearchEverything, found);
}

} // namespace vekkiro::suggestions
