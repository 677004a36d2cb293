// Counts every allocation the program makes, so a lookup that allocates (a copy of the text,
// a materialised list of names) cannot slip in unnoticed.
#include "allocation_counter.h"

#include <vekkiro/classification.h>
#include <vekkiro/suggestions.h>

#include <gtest/gtest.h>
#include <string>

namespace {

using vekkiro::testing::allocationCount;
TEST(LookupAllocations, AFoundNameASentinelAndAMissAllocateNothing) {
    const std::u16string longText(100000, u'池');
    const std::u16string texts[] = {u"鲜花", u"电池", u"更多", u"", u"不存在的东西", longText};
    // Sanity check that the counter sees allocations at all. The pointer is volatile because an
    // optimiser may drop a new/delete pair whose pointer goes nowhere, and then nothing counts.
    const long before = allocationCount();
    int* volatile probe = new int(7);
    delete probe;
    ASSERT_EQ(allocationCount(), before + 1);

    for (const auto& text : texts) {
        const long start = allocationCount();
        const auto outcome = vekkiro::classifyItem(text);
        const auto picture = vekkiro::pictureForOutcome(outcome);
        EXPECT_EQ(allocationCount(), start) << "text of length " << text.size();
        (void)picture;
    }
}

// Prepared, the suggestions' tables are all made: the first lists of every kind allocate only
// themselves, and the tables are not made again in a keystroke.
TEST(SuggestionAllocations, OncePreparedAListAllocatesOnlyItself) {
    vekkiro::prepareSuggestions();
    for (const std::u16string text : {u"电池", u"dianchi", u"suliaopnig", u"batery", u"milk盒",
                                      u"外卖塑料怎么扔", u"红酒瓶子"}) {
        const long start = allocationCount();
        const auto list = vekkiro::suggest(text, 8);
        EXPECT_EQ(allocationCount(), start + (list.empty() ? 0 : 1)) << text.size();
    }
}

} // namespace
