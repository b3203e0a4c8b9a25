#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <tuple>

#include "editing/validation.h"
#include "tests/harness.h"

namespace bw {
namespace {

struct ComponentCase {
    const char* text;
    DatePart part;
    DateOrder order;
    const char* expected;
};

class DateComponentTest : public ::testing::TestWithParam<ComponentCase> {};

TEST_P(DateComponentTest, CutsThePartByTheOrder)
{
    const auto& c = GetParam();
    EXPECT_EQ(dateComponent(c.text, c.part, c.order), c.expected);
}

constexpr auto M = DatePart::Month, D = DatePart::Day, Y = DatePart::Year;
constexpr auto US = DateOrder::MonthFirst, EU = DateOrder::DayFirst;

INSTANTIATE_TEST_SUITE_P(
    Cases, DateComponentTest,
    ::testing::Values(ComponentCase{"12251998", M, US, "12"}, ComponentCase{"12251998", D, US, "25"},
                      ComponentCase{"12251998", Y, US, "1998"}, ComponentCase{"25121998", M, EU, "12"},
                      ComponentCase{"25121998", D, EU, "25"}, ComponentCase{"25121998", Y, EU, "1998"},
                      // A short text: parts end at the first missing position.
                      ComponentCase{"122519", Y, US, "19"}, ComponentCase{"1225", Y, US, ""},
                      ComponentCase{"123", D, US, "3"}, ComponentCase{"1", M, EU, ""},
                      ComponentCase{"", D, EU, ""}, ComponentCase{"1 25 9", Y, US, " 9"}));

// A date given as day, month and year, written as its edit holds it.
struct Date {
    int day, month, year;
};

std::string dateText(const Date& d, DateOrder order)
{
    char buf[16];
    if (order == DateOrder::MonthFirst)
        std::snprintf(buf, sizeof buf, "%02d%02d%04d", d.month, d.day, d.year);
    else
        std::snprintf(buf, sizeof buf, "%02d%02d%04d", d.day, d.month, d.year);
    return buf;
}

constexpr Date NoDate{-1, -1, -1};

struct DatesCase {
    const char* what;
    Date birthday, retired, purchase, sale;
    int expected;
};

void PrintTo(const DatesCase& c, std::ostream* os)
{
    *os << c.what;
}

class CheckDatesTest : public ::testing::TestWithParam<std::tuple<DatesCase, DateOrder>> {
protected:
    test::Harness h;
    void put(test::FakeEdit& edit, const Date& d, DateOrder order)
    {
        edit.value = d.year < 0 ? std::string() : dateText(d, order);
    }
};

TEST_P(CheckDatesTest, ReportsTheFirstPairOutOfOrder)
{
    const auto& [c, order] = GetParam();
    h.st.dateOrder = order;
    put(h.bdayedit, c.birthday, order);
    put(h.rdayedit, c.retired, order);
    put(h.pdayedit, c.purchase, order);
    put(h.sdayedit, c.sale, order);
    EXPECT_EQ(checkDates(h.st), c.expected) << c.what;
}

constexpr Date Xmas98{25, 12, 1998};

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckDatesTest,
    ::testing::Combine(
        ::testing::Values(
            DatesCase{"nothing", NoDate, NoDate, NoDate, NoDate, 0},
            DatesCase{"retired earlier month", Xmas98, {1, 1, 1998}, NoDate, NoDate, 8},
            DatesCase{"retired earlier day", Xmas98, {24, 12, 1998}, NoDate, NoDate, 8},
            DatesCase{"retired earlier year", Xmas98, {31, 12, 1997}, NoDate, NoDate, 8},
            DatesCase{"retired same day", Xmas98, Xmas98, NoDate, NoDate, 0},
            DatesCase{"retired later year, earlier month", Xmas98, {1, 1, 1999}, NoDate, NoDate, 0},
            DatesCase{"sold earlier", NoDate, NoDate, Xmas98, {1, 12, 1998}, 9},
            DatesCase{"sold later", NoDate, NoDate, Xmas98, {26, 12, 1998}, 0},
            DatesCase{"sold same day", NoDate, NoDate, Xmas98, Xmas98, 0},
            DatesCase{"no birthday", NoDate, {1, 1, 1990}, NoDate, NoDate, 0},
            DatesCase{"no purchase", NoDate, NoDate, NoDate, {1, 1, 1990}, 0},
            DatesCase{"no birthday, sold earlier", NoDate, {1, 1, 1990}, Xmas98, {1, 1, 1998}, 9},
            DatesCase{"retired year 0 skips the sale", Xmas98, {1, 1, 0}, Xmas98, {1, 1, 1998}, 0},
            DatesCase{"sold year 0", NoDate, NoDate, Xmas98, {1, 1, 0}, 0},
            DatesCase{"both wrong", Xmas98, {1, 1, 1998}, Xmas98, {1, 1, 1998}, 8}),
        ::testing::Values(DateOrder::MonthFirst, DateOrder::DayFirst)));

// The same digits read as different dates under the two orders.
TEST(CheckDates, SameDigitsUnderBothOrders)
{
    for (DateOrder order : {DateOrder::MonthFirst, DateOrder::DayFirst}) {
        test::Harness h;
        h.st.dateOrder = order;
        h.pdayedit.value = "25121998";
        h.sdayedit.value = "01121998";
        EXPECT_EQ(checkDates(h.st), 9);
    }
    // Month first reads 12/25 and 25/12: no range test on the month.
    test::Harness h;
    h.st.dateOrder = DateOrder::MonthFirst;
    h.pdayedit.value = "12251998";
    h.sdayedit.value = "25121998";
    EXPECT_EQ(checkDates(h.st), 0);
    h.st.dateOrder = DateOrder::DayFirst;
    EXPECT_EQ(checkDates(h.st), 9);
}

struct PartlyTypedCase {
    const char* birthday;
    const char* retired;
    const char* purchase;
    const char* sale;
    const char* badPart; // nullptr: no error
};

class PartlyTypedTest : public ::testing::TestWithParam<PartlyTypedCase> {};

TEST_P(PartlyTypedTest, APartThatIsNoNumberRaisesTheIntegerError)
{
    const auto& c = GetParam();
    test::Harness h;
    h.bdayedit.value = c.birthday;
    h.rdayedit.value = c.retired;
    h.pdayedit.value = c.purchase;
    h.sdayedit.value = c.sale;
    if (!c.badPart) {
        EXPECT_NO_THROW(checkDates(h.st));
        return;
    }
    try {
        checkDates(h.st);
        ADD_FAILURE() << "no error";
    } catch (const PlatformError& e) {
        EXPECT_EQ(std::string(e.what()), std::string("'") + c.badPart + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PartlyTypedTest,
                         ::testing::Values(PartlyTypedCase{"12251998", "0101", "", "", ""}, // year missing
                                           PartlyTypedCase{"1 251998", "01011999", "", "",
                                                           "1 "}, // blank after a digit
                                           PartlyTypedCase{"12251998", "01011 99", "", "", "1 99"},
                                           // The earlier date's parts are read first, the month first.
                                           PartlyTypedCase{"122519 8", "0 011999", "", "", "19 8"},
                                           PartlyTypedCase{"1 2 1998", "0101", "", "", "1 "},
                                           // Leading blanks are skipped.
                                           PartlyTypedCase{" 2 51998", "01011999", "", "", nullptr},
                                           // Only pairs with both dates typed are read.
                                           PartlyTypedCase{"", "01", "0101", "", nullptr},
                                           PartlyTypedCase{"12251998", "01010000", "1", "2", nullptr},
                                           PartlyTypedCase{"12251998", "12261998", "03041999", "0304", ""}));

struct MoneyCase {
    const char* before;
    const char* after;
};

class MoneyTextTest : public ::testing::TestWithParam<MoneyCase> {};

TEST_P(MoneyTextTest, CleansTheText)
{
    EXPECT_EQ(normalizeMoneyText(GetParam().before), GetParam().after) << '"' << GetParam().before << '"';
}

INSTANTIATE_TEST_SUITE_P(Cases, MoneyTextTest,
                         ::testing::Values(MoneyCase{"", ""}, MoneyCase{"12", "12"},
                                           MoneyCase{"12.50", "12.50"}, MoneyCase{"12.5", ""},
                                           MoneyCase{"12.505", ""}, MoneyCase{"12.", ""},
                                           MoneyCase{"1.2.3", ""}, MoneyCase{"1,50", ""}, MoneyCase{"-3", ""},
                                           MoneyCase{"$5", ""}, MoneyCase{" 5", ""}, MoneyCase{"5 ", ""},
                                           MoneyCase{".5", "0.5"}, MoneyCase{".50", "0.50"},
                                           MoneyCase{".", "0."}, MoneyCase{"0.5", ""},
                                           MoneyCase{"0.00", "0.00"}, MoneyCase{"buyedit", ""},
                                           MoneyCase{"123456.78", "123456.78"}, MoneyCase{"1234567890", ""},
                                           MoneyCase{"1234567.890", ""}, MoneyCase{"........5", ""},
                                           MoneyCase{".12345678", "0.12345678"}));

TEST(MoneyFields, AllThreeFieldsAreCleanedInPlace)
{
    test::Harness h;
    h.buyedit.value = "12.5";
    h.valedit.value = ".50";
    h.selledit.value = "12.50";
    normalizeMoneyFields(h.st);
    EXPECT_EQ(h.buyedit.value, "");
    EXPECT_EQ(h.valedit.value, "0.50");
    EXPECT_EQ(h.selledit.value, "12.50");
}

} // namespace
} // namespace bw
