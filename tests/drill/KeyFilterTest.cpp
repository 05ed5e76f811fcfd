#include <gtest/gtest.h>

#include <string>

#include "designs/Texts.h"
#include "drill/KeyFilter.h"

namespace {

TEST(KeyFilter, DigitsBackspaceAndEnterPass) {
    for (int16_t code = '0'; code <= '9'; ++code) {
        SCOPED_TRACE(testing::Message() << "code " << code);
        EXPECT_TRUE(keyAccepted(code));
    }
    EXPECT_TRUE(keyAccepted(kKeyBackspace));
    EXPECT_TRUE(keyAccepted(kKeyEnter));
}

TEST(KeyFilter, EverythingElseIsRefused) {
    struct Case {
        const char* name;
        int16_t code;
    };
    const Case cases[] = {
        {"A", 'A'},
        {"z", 'z'},
        {"blank", 32},
        {"minus", '-'},
        {"plus", '+'},
        {"point", '.'},
        {"comma", ','},
        {"slash before 0", '/'},
        {"colon after 9", ':'},
        {"Escape", 27},
        {"Ctrl+V", 22},
        {"Tab", 9},
        {"line feed", kKeyLineFeed},
        {"NUL", 0},
        {"DEL", kKeyDelete},
        {"Latin-1 letter", 0xE9},
        {"minus one", -1},
        {"most negative", -32768},
        {"largest", 32767},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(keyAccepted(c.code));
    }
}

TEST(KeyFilter, RefusalText) {
    EXPECT_EQ(std::string(design::texts::kNotANumberMessage), "YOU MUST USE A NUMBER");
}

}  // namespace
