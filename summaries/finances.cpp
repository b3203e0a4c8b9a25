#include "summaries/finances.h"

#include <limits>

#include "platform/convert.h"
#include "store/record.h"

namespace bw {

namespace {
// Lowest figures start here; one that never moves means "none" and shows 0.
constexpr float NoLowest = 10000.0f;

// False for an empty field, which takes no part in any figure.
bool readMoney(const std::string& line, int field, float& value)
{
    const std::string text = splitField(line, field);
    if (text.empty())
        return false;
    const double v = strToFloat(text);
    // Out of float range (only from a hand-edited file): infinity, as the FPU
    // gives, rather than an undefined conversion.
    constexpr double Max = std::numeric_limits<float>::max();
    constexpr float Inf = std::numeric_limits<float>::infinity();
    value = v > Max ? Inf : v < -Max ? -Inf : static_cast<float>(v);
    return true;
}
} // namespace

FinanceFigures computeFinances(const StringList& records)
{
    float leastPaid = NoLowest, mostPaid = 0, totalPaid = 0;
    float leastSold = NoLowest, mostSold = 0, totalSold = 0;
    float lowestMarket = NoLowest, highestMarket = 0, totalMarket = 0, currentValue = 0;
    int soldCount = 0;

    for (int i = 0; i < records.count(); ++i) {
        const std::string& line = records.at(i);
        float p = 0, s = 0, m = 0;
        if (readMoney(line, FPurchasePrice, p)) {
            totalPaid += p;
            if (p > mostPaid)
                mostPaid = p;
            if (p < leastPaid && p != 0)
                leastPaid = p;
        }
        if (readMoney(line, FSellPrice, s)) {
            totalSold += s;
            if (s > mostSold)
                mostSold = s;
            if (s < leastSold && s != 0)
                leastSold = s;
            if (s > 0)
                ++soldCount;
        }
        if (readMoney(line, FMarketValue, m)) {
            // An empty selling price left s at 0: not sold.
            if (s == 0)
                currentValue += m;
            totalMarket += m;
            if (m > highestMarket)
                highestMarket = m;
            // Unlike the prices, a market value of 0 is a real lowest.
            if (m < lowestMarket)
                lowestMarket = m;
        }
    }

    for (float* lowest : {&leastPaid, &leastSold, &lowestMarket})
        if (*lowest == NoLowest)
            *lowest = 0;

    // Every record counts for the paid and market averages, only the sold
    // ones for the selling average. The guards keep the divisors above 0.
    const float n = static_cast<float>(records.count());
    const float averagePaid = totalPaid > 0 ? totalPaid / n : 0.0f;
    const float averageSold = totalSold > 0 ? totalSold / static_cast<float>(soldCount) : 0.0f;
    const float averageMarket = totalMarket > 0 ? totalMarket / n : 0.0f;

    return {leastPaid, averagePaid, mostPaid,     totalPaid,     leastSold,     averageSold,
            mostSold,  totalSold,   lowestMarket, averageMarket, highestMarket, currentValue};
}

std::array<std::string, FinanceFigureCount> financeTexts(const FinanceFigures& figures)
{
    std::array<std::string, FinanceFigureCount> texts;
    for (std::size_t i = 0; i < figures.size(); ++i)
        texts[i] = formatFixed2(static_cast<double>(figures[i]));
    return texts;
}

void treasurebuttonClick(MainState& st)
{
    st.sys.windows->showFinances(computeFinances(st.RecordList));
}

} // namespace bw
