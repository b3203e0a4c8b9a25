#include "editing/finder_qt.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "app/artwork_qt.h"
#include "platform/centre_qt.h"
#include "platform/controls_qt.h"
#include "platform/style_qt.h"
#include "platform/text_qt.h"

namespace bw {

void showSearchWindow(QWidget* owner, std::string& searchText, int& searchKind)
{
    Tfinder finder(owner, searchText, searchKind);
    finder.exec();
}

Tfinder::Tfinder(QWidget* owner, std::string& searchText, int& searchKind)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      searchText_(searchText), searchKind_(searchKind)
{
    useOwnLook(this);
    setObjectName(QStringLiteral("finder"));
    setWindowTitle(QStringLiteral("SEARCH"));
    setFixedSize(318, 118);

    // The captions stand left of their buttons.
    searchname = new QRadioButton(QStringLiteral("Name:"), this);
    searchname->setObjectName(QStringLiteral("searchname"));
    searchname->setLayoutDirection(Qt::RightToLeft);
    searchname->setGeometry(10, 16, 100, 21);
    searchname->setChecked(true);
    searchstyle = new QRadioButton(QStringLiteral("Style Number:"), this);
    searchstyle->setObjectName(QStringLiteral("searchstyle"));
    searchstyle->setLayoutDirection(Qt::RightToLeft);
    searchstyle->setGeometry(10, 46, 100, 21);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(118, 16, 186, 21);
    refuseFieldChars(Edit1);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(118, 46, 90, 21);
    refuseFieldChars(Edit2);

    BitBtn1 = new QPushButton(QIcon(okGlyph()), QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(70, 80, 82, 26);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QIcon(cancelGlyph()), QStringLiteral("Cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(166, 80, 82, 26);

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, searchname);
    setTabOrder(searchname, searchstyle);
    setTabOrder(searchstyle, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    Edit1->setFocus(Qt::OtherFocusReason);

    connect(BitBtn1, &QPushButton::clicked, this, &Tfinder::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &Tfinder::BitBtn2Click);

    centreOnScreen(this, owner, size());
}

void Tfinder::BitBtn1Click()
{
    // The radio buttons alone decide which box is read.
    if (searchname->isChecked()) {
        searchText_ = toAnsi(Edit1->text());
        searchKind_ = 1;
    } else {
        searchText_ = toAnsi(Edit2->text());
        searchKind_ = 2;
    }
    accept();
}

void Tfinder::BitBtn2Click()
{
    reject();
}

} // namespace bw
