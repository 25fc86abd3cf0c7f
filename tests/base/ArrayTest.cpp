#include "base/Array.h"

#include <gtest/gtest.h>

#include <string>

TEST(ArrayTest, GrowsAndKeepsElements) {
    Array<int> values;
    EXPECT_EQ(values.size(), 0u);
    for (int i = 0; i < 1000; ++i) values.push_back(i * 3);
    ASSERT_EQ(values.size(), 1000u);
    EXPECT_EQ(values[999], 2997);
    values.resize(10);
    EXPECT_EQ(values.size(), 10u);
    EXPECT_EQ(values[9], 27);
    values.release();
    EXPECT_EQ(values.capacity(), 0u);
}

TEST(ArrayTest, SubscriptOutsideRaisesIndexErrorNamingTheCaller) {
    Array<int> values(3, 7);
    const int line = __LINE__ + 2;
    try {
        values[3] = 1;
        FAIL() << "no error raised";
    } catch (const IndexError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("index 3 outside an array of 3"), std::string::npos) << message;
        EXPECT_NE(message.find("ArrayTest.cpp:" + std::to_string(line)), std::string::npos) << message;
    }
    EXPECT_THROW(values[-1], IndexError);
    EXPECT_THROW(std::as_const(values)[100u], IndexError);
    // The failed writes changed nothing.
    EXPECT_EQ(values, (Array<int>{7, 7, 7}));
}

TEST(ArrayTest, ErrorsShareTheBaseFailureType) {
    try {
        checkThat(1 + 1 == 3, "arithmetic");
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("assertion failed: arithmetic at tests/base/ArrayTest.cpp:"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_NO_THROW(checkThat(true, "truth"));
}
