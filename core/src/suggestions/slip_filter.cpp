#include "slip_filter.h"

#include <vekkiro/item_catalogue.h>

#include <optional>

namespace vekkiro::suggestions {

namespace {

bool isSlip(Match match) noexcept {
    return match == Match::SlipEqual || match == Match::SlipContains;
}

} // namespace

void SlipFilter::apply(Candidates& candidates, const TextSoFar&) noexcept {
    // The bin of every name ranked above any slip, if they share one.
    const std::optional<Category> nearerBin = oneBinOf(candidates.all(), [](const Candidate& c) {
        return isBetter(c.found.match, Match::SlipEqual);
    });
    if (!nearerBin)
        return;
    candidates.removeIf([&](const Candidate& candidate) {
        return isSlip(candidate.found.match) && binOf(candidate) != *nearerBin;
    });
}

} // namespace vekkiro::suggestions
