#pragma once
// The financial summary window.
#include <QDialog>
#include <array>

#include "summaries/finances.h"

class QLabel;

namespace bw {

class Tfinform : public QDialog {
public:
    Tfinform(QWidget* owner, const FinanceFigures& figures);

    // Puts each figure as "%4.2f" into its value label, Label13 to Label24.
    void FormActivate();
    void BitBtn1Click();

private:
    FinanceFigures figures_;
    std::array<QLabel*, FinanceFigureCount> values_{};
};

// The backdrop the rows sit on: a ledger page with a chest and coins.
QPixmap drawFinancesBackdrop();

// "A brief look at finances -- ", modal over owner.
void showFinancesWindow(QWidget* owner, const std::array<float, 12>& figures);

} // namespace bw
