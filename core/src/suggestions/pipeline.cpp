#include "pipeline.h"

#include "catalogue_names.h"
#include "reading_matcher.h"

#include <optional>
#include <utility>

namespace vekkiro::suggestions {

namespace {

template <typename... Rs>
void readAll(TextSoFar& text, Readings& readings, std::tuple<Rs...>*) noexcept {
    (Rs::read(text, readings.template of<Rs>()), ...);
}

// The name matchers, made once for the text; the first of them that matches a name, in order.
template <typename... Ms> class Matchers {
public:
    explicit Matchers(const TypedText& text) noexcept
        : m_matchers(Ms(text)...) {}

    /// Whether one matches, and the first one's match in `found`.
    [[nodiscard]] bool firstMatch(const Name& name, int position, Found& found) const noexcept {
        return std::apply(
            [&](const auto&... matchers) { return (matchers.match(name, position, found) || ...); },
            m_matchers);
    }

private:
    std::tuple<Ms...> m_matchers;
};

template <typename... Ms> Matchers<Ms...> matchersFor(const TypedText& text, std::tuple<Ms...>*) {
    return Matchers<Ms...>(text);
}

template <typename... Fs>
void filterAll(Candidates& candidates, const TextSoFar& text, std::tuple<Fs...>*) noexcept {
    (Fs::apply(candidates, text), ...);
}

} // namespace

ReadText::ReadText(std::u16string_view text) noexcept
    : typed(text)
    , soFar{this->typed, {}, {}, {}, {}} {
    if (this->typed.size() == 0)
        return;
    readAll(soFar, readings, static_cast<Readers*>(nullptr));
}

void matchNames(const ReadText& text, Candidates& candidates) noexcept {
    ReadingMatches throughReadings;
    text.readings.forEach([&](const Reading& reading, std::uint8_t number) {
        throughReadings.match(reading, number);
    });
    const auto matchers = matchersFor(text.typed, static_cast<NameMatchers*>(nullptr));
    for (int position = ItemCatalogue::firstPosition; position < ItemCatalogue::sentinelPosition;
         ++position) {
        const Name name(position);
        Found best{};
        const bool matched = matchers.firstMatch(name, position, best);
        const std::optional<Found>& other = throughReadings.of(position);
        if (other && (!matched || isBetter(*other, best)))
            candidates.add(static_cast<std::uint16_t>(position), *other);
        else if (matched)
            candidates.add(static_cast<std::uint16_t>(position), best);
    }
}

void filterNames(const ReadText& text, Candidates& candidates) noexcept {
    filterAll(candidates, text.soFar, static_cast<ListFilters*>(nullptr));
}

} // namespace vekkiro::suggestions
