#include "app/windows_qt.h"

#include "editing/finder_qt.h"
#include "pictures/upclose_qt.h"
#include "summaries/didyano_qt.h"
#include "summaries/finform_qt.h"

namespace bw {

void QtSecondaryWindows::showDidYouKnow(const Path& appDir)
{
    showDidYouKnowWindow(owner_, appDir, boxes_);
}

void QtSecondaryWindows::showFinances(const std::array<float, 12>& figures)
{
    showFinancesWindow(owner_, figures);
}

void QtSecondaryWindows::showSearch(std::string& searchText, int& searchKind)
{
    showSearchWindow(owner_, searchText, searchKind);
}

void QtSecondaryWindows::showCloseup(const Bitmap* picture)
{
    showCloseupWindow(owner_, picture);
}

} // namespace bw
