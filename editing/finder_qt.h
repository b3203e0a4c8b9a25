#pragma once
// The "SEARCH" window: a name or a style number, and which of the two to
// look for.
#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace bw {

// "SEARCH", modal over owner; OK sets searchText and searchKind.
void showSearchWindow(QWidget* owner, std::string& searchText, int& searchKind);

class Tfinder : public QDialog {
    Q_OBJECT

public:
    // OK writes into searchText and searchKind; Cancel and closing leave them.
    Tfinder(QWidget* owner, std::string& searchText, int& searchKind);

private:
    void BitBtn1Click();
    void BitBtn2Click();

    std::string& searchText_;
    int& searchKind_;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QRadioButton* searchname;
    QRadioButton* searchstyle;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};

} // namespace bw
