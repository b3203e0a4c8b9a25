#pragma once
// The twelve money figures over the stored collection.
#include <array>
#include <string>

#include "app/mainstate.h"

namespace bw {

// Positions in the figures, in the order the window shows them.
enum FinanceFigure : int {
    LeastPaid = 0,
    AveragePaid,
    MostPaid,
    TotalPaid,
    LeastSold,
    AverageSold,
    MostSold,
    TotalSold,
    LowestMarket,
    AverageMarket,
    HighestMarket,
    CurrentValue,
    FinanceFigureCount
};

using FinanceFigures = std::array<float, FinanceFigureCount>;

// Reads purchase, selling and market fields of every line. Sums are kept in
// 32-bit floats, so a long sum rounds after every addition. A non-empty field
// that is not a number raises "'%s' is not a valid floating point value".
FinanceFigures computeFinances(const StringList& records);

// Each figure as "%4.2f", in the same order.
std::array<std::string, FinanceFigureCount> financeTexts(const FinanceFigures& figures);

// The treasure chest: the figures of RecordList as stored (what is on screen
// but not yet stored does not count), then the window.
void treasurebuttonClick(MainState& st);

} // namespace bw
