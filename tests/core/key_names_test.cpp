// Key names shown for bindings and used when typing a name.
#include <gtest/gtest.h>

#include "core/key_names.h"

TEST(KeyNames, RowsOfTheKeyboard) {
    EXPECT_EQ(KeyNames(2), "1");
    EXPECT_EQ(KeyNames(10), "9");
    EXPECT_EQ(KeyNames(11), "0");
    EXPECT_EQ(KeyNames(16), "Q");
    EXPECT_EQ(KeyNames(25), "P");
    EXPECT_EQ(KeyNames(30), "A");
    EXPECT_EQ(KeyNames(38), "L");
    EXPECT_EQ(KeyNames(44), "Z");
    EXPECT_EQ(KeyNames(50), "M");
    EXPECT_EQ(KeyNames(59), "F1");
    EXPECT_EQ(KeyNames(68), "F10");
}

TEST(KeyNames, NamedKeysAndGaps) {
    EXPECT_EQ(KeyNames(1), "ESCAPE");
    EXPECT_EQ(KeyNames(14), "BACKSPACE");
    EXPECT_EQ(KeyNames(29), "L CTRL");
    EXPECT_EQ(KeyNames(54), "R SHIFT");
    EXPECT_EQ(KeyNames(57), "SPACE");
    EXPECT_EQ(KeyNames(88), "F12");
    EXPECT_EQ(KeyNames(157), "R CTRL");
    EXPECT_EQ(KeyNames(184), "R ALT");
    EXPECT_EQ(KeyNames(200), "UP");
    EXPECT_EQ(KeyNames(208), "DOWN");
    // Codes without a name: Enter, the gaps between rows, out of range.
    EXPECT_EQ(KeyNames(28), "");
    EXPECT_EQ(KeyNames(39), "");
    EXPECT_EQ(KeyNames(51), "");
    EXPECT_EQ(KeyNames(0), "");
    EXPECT_EQ(KeyNames(255), "");
    EXPECT_EQ(KeyNames(-3), "");
}
