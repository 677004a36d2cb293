#include "pinyin_typo_matcher.h"

#include "hanzi_tables.h"
#include "units.h"

#include <vekkiro/slips.h>

#include <array>

namespace vekkiro::suggestions {

namespace {

// A start of a name is read as mistyped from this many letters on, and initials from the second
// many: shorter, a slip in them makes them the start or the initials of too many names.
constexpr std::size_t shortestMistypedStart = 6;
constexpr std::size_t shortestMistypedInitials = 5;

} // namespace

const NameSpellings& NameSpellings::get() noexcept {
    static const NameSpellings spellings;
    return spellings;
}

NameSpellings::NameSpellings() {
    std::string initials;
    std::vector<std::size_t> initialStarts;
    for (int position = ItemCatalogue::firstPosition; position <= ItemCatalogue::size; ++position) {
        const Name name(position);
        m_whole.push_back(m_letters.size());
        initialStarts.push_back(initials.size());
        for (std::size_t at = 0; at < name.size(); ++at) {
            const char16_t unit = name[at];
            if (isLetterOrDigit(unit)) {
                m_letters += static_cast<char>(unit);
                initials += static_cast<char>(unit);
            } else if (const auto syllables = name.syllables(at); !syllables.empty()) {
                const std::string_view syllable = detail::hanziTables.syllables[syllables[0]];
                m_letters += syllable;
                initials += syllable.front();
            }
        }
    }
    m_whole.push_back(m_letters.size());
    initialStarts.push_back(initials.size());
    // The initials after the whole spellings, in one string.
    for (std::size_t& start : initialStarts)
        start += m_letters.size();
    m_letters += initials;
    m_initials = std::move(initialStarts);
}

std::string_view NameSpellings::whole(int position) const noexcept {
    const auto at = static_cast<std::size_t>(position - 1);
    return {m_letters.data() + m_whole[at], m_whole[at + 1] - m_whole[at]};
}

std::string_view NameSpellings::initials(int position) const noexcept {
    const auto at = static_cast<std::size_t>(position - 1);
    return std::string_view(m_letters).substr(m_initials[at], m_initials[at + 1] - m_initials[at]);
}

PinyinTypoMatcher::PinyinTypoMatcher(const TypedText& text) noexcept
    : m_spellings(NameSpellings::get()) {
    if (!text.spellable() || text.size() < shortestMistypedText)
        return;
    for (std::size_t at = 0; at < text.size(); ++at)
        m_letters[at] = static_cast<char>(text[at]);
    m_size = text.size();
    // A text that reads as pinyin as it is was typed as meant: it is no start of a name.
    m_mayBeAStart = m_size >= shortestMistypedStart && !text.readsAsPinyin();
}

bool PinyinTypoMatcher::match(const Name&, int position, Found& found) const noexcept {
    return answer(mistyped(position), found);
}

std::optional<Match> PinyinTypoMatcher::mistyped(int position) const noexcept {
    if (m_size == 0)
        return std::nullopt;
    const std::string_view typed(m_letters.data(), m_size);
    // Asked of every name at every keystroke: what cannot be one slip away is passed over by its
    // length or its first letters before any comparing.
    const auto mayStartAlike = [&](std::string_view meant) {
        return meant.size() >= 2 && (meant[0] == typed[0] || meant[0] == typed[1] ||
                                     meant[1] == typed[0] || areNeighbourKeys(typed[0], meant[0]));
    };
    const auto nearInLength = [&](std::string_view meant) {
        return meant.size() + 1 >= m_size && meant.size() <= m_size + 1;
    };
    const std::string_view whole = m_spellings.whole(position);
    if (mayStartAlike(whole)) {
        if (nearInLength(whole) && isOneSlip(typed, whole))
            return Match::PinyinTypoEqual;
        if (m_mayBeAStart && whole.size() + 1 >= m_size && isOneSlip(typed, whole, true))
            return Match::PinyinTypoStartsWith;
    }
    if (const std::string_view initials = m_spellings.initials(position);
        m_size >= shortestMistypedInitials && nearInLength(initials) && mayStartAlike(initials) &&
        isOneSlip(typed, initials))
        return Match::InitialsTypo;
    return std::nullopt;
}

} // namespace vekkiro::suggestions
