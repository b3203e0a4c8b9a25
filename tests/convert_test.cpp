#include <gtest/gtest.h>

#include <clocale>

#include "platform/convert.h"
#include "platform/error.h"

namespace bw {
namespace {

struct IntCase {
    const char* text;
    bool ok;
    int value;
};

class StrToIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(StrToIntTest, Converts)
{
    const auto& c = GetParam();
    if (c.ok) {
        EXPECT_EQ(strToInt(c.text), c.value) << c.text;
    } else {
        try {
            strToInt(c.text);
            ADD_FAILURE() << c.text;
        } catch (const PlatformError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + c.text + "' is not a valid integer value");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StrToIntTest,
                         ::testing::Values(IntCase{"0", true, 0}, IntCase{"12", true, 12},
                                           IntCase{"-1", true, -1}, IntCase{"+7", true, 7},
                                           IntCase{"  19", true, 19}, IntCase{"", false, 0},
                                           IntCase{" ", false, 0}, IntCase{"1 ", false, 0},
                                           IntCase{"1a", false, 0}, IntCase{"-", false, 0},
                                           IntCase{"99999999999", false, 0}));

struct FloatCase {
    const char* text;
    bool ok;
    double value;
};

class StrToFloatTest : public ::testing::TestWithParam<FloatCase> {};

TEST_P(StrToFloatTest, ConvertsWithAPointWhateverTheLocale)
{
    // A locale with a decimal comma must not change how money reads.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    const auto& c = GetParam();
    double v = 0;
    EXPECT_EQ(tryStrToFloat(c.text, v), c.ok) << c.text;
    if (c.ok) {
        EXPECT_DOUBLE_EQ(v, c.value) << c.text;
    }
    std::setlocale(LC_ALL, "C");
}

INSTANTIATE_TEST_SUITE_P(Cases, StrToFloatTest,
                         ::testing::Values(FloatCase{"12.50", true, 12.5}, FloatCase{"0.00", true, 0},
                                           FloatCase{"7", true, 7}, FloatCase{".5", true, 0.5},
                                           FloatCase{"0.", true, 0}, FloatCase{"-3", true, -3},
                                           FloatCase{" 4 ", true, 4}, FloatCase{"", false, 0},
                                           FloatCase{"1,50", false, 0}, FloatCase{"abc", false, 0},
                                           FloatCase{"inf", false, 0}, FloatCase{"nan", false, 0},
                                           FloatCase{".", false, 0}));

TEST(Convert, FloatErrorCarriesTheText)
{
    try {
        strToFloat("");
        FAIL();
    } catch (const PlatformError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
    }
}

TEST(Convert, Fixed2)
{
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_EQ(formatFixed2(0), "0.00");
    EXPECT_EQ(formatFixed2(1234.5), "1234.50");
    EXPECT_EQ(formatFixed2(static_cast<double>(0.125f)), "0.12");
    std::setlocale(LC_ALL, "C");
}

TEST(Convert, UpperCasesOnlyAToZ)
{
    EXPECT_EQ(upperAZ("bear \xe9 x1"), "BEAR \xe9 X1");
}

} // namespace
} // namespace bw
