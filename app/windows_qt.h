#pragma once
// The secondary windows, each shown modally over the main window.
#include "platform/dialogs.h"
#include "platform/windows.h"

class QWidget;

namespace bw {

class QtSecondaryWindows : public ISecondaryWindows {
public:
    QtSecondaryWindows(QWidget* owner, IMessageBoxes& boxes) : owner_(owner), boxes_(boxes) {}
    void showDidYouKnow(const Path& appDir) override;
    void showFinances(const std::array<float, 12>& figures) override;
    void showSearch(std::string& searchText, int& searchKind) override;
    void showCloseup(const Bitmap* picture) override;

private:
    QWidget* owner_;
    IMessageBoxes& boxes_;
};

} // namespace bw
