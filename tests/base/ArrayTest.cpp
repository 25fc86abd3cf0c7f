#include "base/Array.h"

#include <gtest/gtest.h>

#include <string>

TEST(ArrayTest, GrowsKeepingElementsAndAnIndexOutsideRaisesNamingTheCaller) {
    Array<int> values;
    for (int i = 0; i < 1000; ++i) values.push_back(i * 3);
    ASSERT_EQ(values.size(), 1000u);
    EXPECT_EQ(values[999], 2997);
    values.resize(3);
    const int line = __LINE__ + 2;
    try {
        values[3] = 1;
        FAIL() << "no error raised";
    } catch (const IndexError& e) {
        EXPECT_NE(std::string(e.what()).find("ArrayTest.cpp:" + std::to_string(line)), std::string::npos) << e.what();
    }
    EXPECT_THROW(values[-1], IndexError);
    EXPECT_EQ(values, (Array<int>{0, 3, 6}));  // the failed writes changed nothing
}
