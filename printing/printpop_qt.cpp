#include "printing/printpop_qt.h"

#include <QMenu>

#include "printing/csvexport.h"
#include "printing/printmenu.h"

namespace bw {

void fillPrintMenu(QMenu* menu, const std::array<MenuHandler*, 6>& printHandlers,
                   const std::function<void(const MenuHandler&)>& run)
{
    struct Item {
        const char* name;
        const char* caption;
    };
    static constexpr Item printItems[] = {
        {"printthis", "Print Data and Picture"},   {"printall", "Print All Beanies"},
        {"printretired", "Print Retired Beanies"}, {"printcurrent", "Print Current Beanies"},
        {"printsold", "Print Sold Beanies"},       {"printunsold", "Print Unsold Beanies"}};
    struct PdfItem {
        Item item;
        void (*handler)(MainState&);
    };
    static constexpr PdfItem pdfItems[] = {
        {{"pdfthis", "Save Data and Picture as PDF..."}, pdfthisClick},
        {{"pdfall", "Save All Beanies as PDF..."}, pdfallClick},
        {{"pdfretired", "Save Retired Beanies as PDF..."}, pdfretiredClick},
        {{"pdfcurrent", "Save Current Beanies as PDF..."}, pdfcurrentClick},
        {{"pdfsold", "Save Sold Beanies as PDF..."}, pdfsoldClick},
        {{"pdfunsold", "Save Unsold Beanies as PDF..."}, pdfunsoldClick}};

    const auto add = [&](const Item& item, std::function<void()> chosen) {
        QAction* action = menu->addAction(QString::fromLatin1(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        QObject::connect(action, &QAction::triggered, menu, std::move(chosen));
    };
    for (std::size_t i = 0; i < printHandlers.size(); ++i) {
        MenuHandler* handler = printHandlers[i];
        add(printItems[i], [run, handler] { run(*handler); });
    }
    menu->addSeparator();
    for (const PdfItem& pdf : pdfItems) {
        auto* handler = pdf.handler;
        add(pdf.item, [run, handler] { run(handler); });
    }
    menu->addSeparator();
    add({"exportcsv", "Export Collection as CSV..."}, [run] { run(exportcsvClick); });
}

} // namespace bw
