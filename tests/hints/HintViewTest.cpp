#include <gtest/gtest.h>

#include "HintSession.h"

namespace {

TEST(HintView, NothingIsTouchedAfterTheWindowUnloads) {
    FakeHintLabels labels;
    applyPress({CloseWindow{}, CaptionWrite{HintLabel::lblAnswer, 0, "9"}, ZerosVisibility{true}},
               labels);
    EXPECT_TRUE(labels.closed);
    EXPECT_EQ(labels.answer[0], "");
    EXPECT_FALSE(labels.zerosVisible);
}

TEST(HintView, TheRemainderCopiesTheDifferenceCaptionOfItsColumn) {
    FakeHintLabels labels;
    labels.subtract = {"1", "2", "3", "4", "5", "6"};
    applyPress({RemainderCopy{4}}, labels);
    EXPECT_EQ(labels.remainder, "5");
}

}  // namespace
