#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "summaries/finances.h"
#include "tests/harness.h"

namespace bw {
namespace {

// A record line with the three money fields (7, 8, 9) as given.
std::string rec(const std::string& paid, const std::string& sold = "", const std::string& market = "")
{
    return "AbcDefGh|Bear|4001|||||" + paid + "|" + sold + "|" + market + "|0|0|0|0|0|0";
}

using Texts = std::array<std::string, FinanceFigureCount>;

struct FinCase {
    const char* name;
    std::vector<std::string> lines;
    // leastPaid, averagePaid, mostPaid, totalPaid, leastSold, averageSold,
    // mostSold, totalSold, lowestMarket, averageMarket, highestMarket,
    // currentValue
    Texts expected;
};

class FinFigures : public ::testing::TestWithParam<FinCase> {};

TEST_P(FinFigures, AsShown)
{
    StringList records;
    for (const auto& l : GetParam().lines)
        records.add(l);
    EXPECT_EQ(financeTexts(computeFinances(records)), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, FinFigures,
    ::testing::Values(
        FinCase{"EmptyCollection", {},
                {"0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
        // The paid and market averages divide by every record.
        FinCase{"EmptyPriceStillCountsInTheDivisor", {rec("10.00"), rec("")},
                {"10.00", "5.00", "10.00", "10.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
        FinCase{"ShortLineCountsInTheDivisor", {rec("8.00"), "AbcDefGh|Bear"},
                {"8.00", "4.00", "8.00", "8.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
        FinCase{"ZeroPriceIsNeverTheLeast", {rec("0.00"), rec("4.00")},
                {"4.00", "2.00", "4.00", "4.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
        FinCase{"ZeroMarketValueIsTheLowest", {rec("", "", "0.00"), rec("", "", "8.00")},
                {"0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "4.00", "8.00", "8.00"}},
        // Only the records sold above 0 divide the selling total.
        FinCase{"SellingAverageDividesBySoldRecords",
                {rec("", "20.00"), rec("", ""), rec("", "0.00"), rec("", "10.00")},
                {"0.00", "0.00", "0.00", "0.00", "10.00", "15.00", "20.00", "30.00", "0.00", "0.00", "0.00", "0.00"}},
        // Empty or 0.00 selling price: unsold, its market value counts.
        FinCase{"CurrentValueCountsOnlyUnsold",
                {rec("", "", "5.00"), rec("", "0.00", "7.00"), rec("", "3.00", "11.00"), rec("", "", "")},
                {"0.00", "0.00", "0.00", "0.00", "3.00", "3.00", "3.00", "3.00", "5.00", "5.75", "11.00", "12.00"}},
        FinCase{"PricesOfTenThousandOrMoreAreNeverTheLeast", {rec("10000"), rec("12000.50")},
                {"0.00", "11000.25", "12000.50", "22000.50", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
        FinCase{"SinglePriceOf15000", {rec("15000")},
                {"0.00", "15000.00", "15000.00", "15000.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
        // A lowest still at exactly 10000 shows 0, the market's included.
        FinCase{"ExactlyTenThousandShowsAsNoLowest", {rec("10000.00", "10000.00", "10000.00")},
                {"0.00", "10000.00", "10000.00", "10000.00", "0.00", "10000.00", "10000.00", "10000.00",
                 "0.00", "10000.00", "10000.00", "0.00"}},
        FinCase{"JustBelowTenThousandIsALowest", {rec("9999.99", "9999.99", "9999.99")},
                {"9999.99", "9999.99", "9999.99", "9999.99", "9999.99", "9999.99", "9999.99", "9999.99",
                 "9999.99", "9999.99", "9999.99", "0.00"}},
        // Exact decimal arithmetic would give 139999.86.
        FinCase{"SumsRoundToFloatAfterEachAddition", std::vector<std::string>(14, rec("9999.99")),
                {"9999.99", "9999.99", "9999.99", "139999.88", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
        FinCase{"MixedCollection",
                {rec("5.00", "", "12.00"), rec("7.60", "15.00", "15.00"), rec("0.00", "0.00", "3.25"),
                 rec("250.00", "300.00", "280.00")},
                {"5.00", "65.65", "250.00", "262.60", "15.00", "157.50", "300.00", "315.00",
                 "3.25", "77.56", "280.00", "15.25"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(FinFigures, NotANumberRaisesTheFloatError)
{
    StringList records;
    records.add(rec("4.00"));
    records.add(rec("", "", "12,50"));
    try {
        computeFinances(records);
        FAIL() << "no error";
    } catch (const PlatformError& e) {
        EXPECT_STREQ(e.what(), "'12,50' is not a valid floating point value");
    }
}

TEST(FinTreasure, CountsTheStoredRecordsNotTheWindow)
{
    test::Harness h;
    h.st.RecordList.add(rec("5.00", "", "9.00"));
    h.st.RecordList.add(rec("3.00", "4.00", "6.00"));
    h.buyedit.value = "99.00"; // typed, not yet stored
    h.run([&] { treasurebuttonClick(h.st); });
    EXPECT_EQ(h.windows.shown, std::vector<std::string>{"finform"});
    EXPECT_EQ(financeTexts(h.windows.figures), (Texts{"3.00", "4.00", "5.00", "8.00", "4.00", "4.00", "4.00",
                                                      "4.00", "6.00", "7.50", "9.00", "9.00"}));
    EXPECT_TRUE(h.boxes.shown.empty());
}

TEST(FinTreasure, BadFieldShowsTheErrorAndNoWindow)
{
    test::Harness h;
    h.st.RecordList.add(rec("abc"));
    h.run([&] { treasurebuttonClick(h.st); });
    EXPECT_TRUE(h.windows.shown.empty());
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].kind, MsgKind::Error);
    EXPECT_EQ(h.boxes.shown[0].text, "'abc' is not a valid floating point value");
}

} // namespace
} // namespace bw
