#pragma once

// Every stage of the suggestions, role by role, in the order a keystroke passes them: the
// readers in the order they read (a reader may read what those before it found), the name
// matchers best first (the first that matches a name gives its match), the list filters in the
// order they apply. A new stage is its file pair and a line here.

#include "character_matcher.h"
#include "described_pinyin_matcher.h"
#include "description_reader.h"
#include "english_reader.h"
#include "kind_filter.h"
#include "list_filter.h"
#include "mixed_language_reader.h"
#include "name_matcher.h"
#include "other_word_reader.h"
#include "pinyin_matcher.h"
#include "pinyin_typo_matcher.h"
#include "question_reader.h"
#include "reader.h"
#include "shape_matcher.h"
#include "slip_filter.h"
#include "sound_matcher.h"
#include "state_filter.h"

#include <tuple>

namespace vekkiro::suggestions {

using Readers = std::tuple<DescriptionReader, QuestionReader, OtherWordReader, MixedLanguageReader,
                           EnglishReader>;

using NameMatchers = std::tuple<CharacterMatcher, SoundMatcher, ShapeMatcher, PinyinMatcher,
                                PinyinTypoMatcher, DescribedPinyinMatcher>;

using ListFilters = std::tuple<SlipFilter, KindFilter, StateFilter>;

namespace stage_checks {

template <typename... Rs> constexpr bool allReaders(std::tuple<Rs...>*) noexcept {
    return (Reader<Rs> && ...);
}
template <typename... Fs> constexpr bool allFilters(std::tuple<Fs...>*) noexcept {
    return (ListFilter<Fs> && ...);
}
template <typename... Ms> constexpr bool inRankedOrder(std::tuple<Ms...>*) noexcept {
    constexpr std::size_t count = sizeof...(Ms);
    return (NameMatcher<Ms> && ...) && [] {
        if constexpr (count < 2) {
            return true;
        } else {
            return []<std::size_t... I>(std::index_sequence<I...>) {
                using All = std::tuple<Ms...>;
                return (rankedBefore<std::tuple_element_t<I, All>,
                                     std::tuple_element_t<I + 1, All>>() &&
                        ...);
            }
            (std::make_index_sequence<count - 1>{});
        }
    }();
}

} // namespace stage_checks

static_assert(stage_checks::allReaders(static_cast<Readers*>(nullptr)), "each reader is a Reader");
static_assert(stage_checks::allFilters(static_cast<ListFilters*>(nullptr)),
              "each list filter is a ListFilter");
static_assert(stage_checks::inRankedOrder(static_cast<NameMatchers*>(nullptr)),
              "the name matchers are name matchers, each answering only kinds ranked above the "
              "next one's, so that the first match is the best");

} // namespace vekkiro::suggestions
