#pragma once

// A keystroke through the stages: the text read once, then into its other readings; every name
// matched against the text and the readings; the list filtered; the best in order.

#include "candidates.h"
#include "ranking.h"
#include "reader.h"
#include "stages.h"
#include "typed_text.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <tuple>
#include <type_traits>

namespace vekkiro::suggestions {

// A reading list for each of a tuple's readers, and where a reader's stands.
template <typename> struct ReadingListsOf;
template <typename... Rs> struct ReadingListsOf<std::tuple<Rs...>> {
    using type = std::tuple<ReadingList<Rs::budget>...>;
    template <typename R> static constexpr std::size_t placeOf() noexcept {
        std::size_t place = 0;
        const bool found = ((std::is_same_v<R, Rs> || (++place, false)) || ...);
        return found ? place : sizeof...(Rs);
    }
};

// The readings of a text, a list for each reader, in the order of Readers.
class Readings {
public:
    template <typename R> [[nodiscard]] auto& of() noexcept {
        return std::get<Lists::template placeOf<R>()>(m_lists);
    }
    template <typename R> [[nodiscard]] const auto& of() const noexcept {
        return std::get<Lists::template placeOf<R>()>(m_lists);
    }
    /// Calls `each(reading, number)` for every reading, reader by reader.
    template <typename Each> void forEach(Each each) const noexcept {
        std::apply(
            [&](const auto&... lists) {
                const auto readingsOf = [&](const auto& list) {
                    for (std::size_t at = 0; at < list.size(); ++at)
                        each(list.all()[at], static_cast<std::uint8_t>(at));
                };
                (readingsOf(lists), ...);
            },
            m_lists);
    }

private:
    using Lists = ReadingListsOf<Readers>;
    typename Lists::type m_lists;
};

// A text as every stage reads it: the text as typed, what the readers found of it and their
// readings.
struct ReadText {
    explicit ReadText(std::u16string_view text) noexcept;
    ReadText(const ReadText&) = delete;
    ReadText& operator=(const ReadText&) = delete;

    TypedText typed;
    TextSoFar soFar;
    Readings readings;
};

// Every name that the text or one of its readings matches, with its best match, in catalogue
// order.
void matchNames(const ReadText& text, Candidates& candidates) noexcept;

// The list filters, in order.
void filterNames(const ReadText& text, Candidates& candidates) noexcept;

// Calls `count(n)` with how many names are suggested for a typed text, at most `limit`, then
// `take(candidate, text)` for each, best first; as though the catalogue lacked the name at
// `leftOut`, where that is not 0.
template <typename Count, typename Take>
void forEachSuggestion(std::u16string_view typed, std::size_t limit, Count count, Take take,
                       std::uint16_t leftOut = 0) {
    const ReadText text(typed);
    if (limit == 0 || text.typed.size() == 0)
        return;
    Candidates candidates(leftOut);
    matchNames(text, candidates);
    filterNames(text, candidates);
    const Ranking ranking(candidates.all(), limit);
    count(ranking.best().size());
    for (const std::uint16_t place : ranking.best())
        take(candidates.all()[place], text);
}

} // namespace vekkiro::suggestions
