#include <gtest/gtest.h>

#include "drill/SetUpCheck.h"

namespace {

TEST(SetUpCheck, BothLengthsChosenAndTheDividendNotShorter) {
    struct Case {
        int16_t outside, inside;
        bool chosen;
    };
    for (const Case c : {Case{.outside = 0, .inside = 0, .chosen = false},
                         Case{.outside = 1, .inside = 0, .chosen = false},
                         Case{.outside = 0, .inside = 2, .chosen = false},
                         Case{.outside = 3, .inside = 2, .chosen = false},
                         Case{.outside = 1, .inside = 2, .chosen = true},
                         Case{.outside = 2, .inside = 2, .chosen = true},
                         Case{.outside = 3, .inside = 3, .chosen = true},
                         Case{.outside = 3, .inside = 6, .chosen = true}}) {
        SCOPED_TRACE(testing::Message() << c.outside << " into " << c.inside);
        EXPECT_EQ(lengthsChosen(c.outside, c.inside), c.chosen);
    }
}

}  // namespace
