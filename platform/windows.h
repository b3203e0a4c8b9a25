#pragma once
// The secondary windows, each made fresh, shown modally and destroyed when it
// closes. Their own behaviour (which fact, which figures, the search answer)
// is logic that the window calls.
#include <array>
#include <string>

#include "platform/bitmap.h"
#include "platform/path.h"

namespace bw {

class ISecondaryWindows {
public:
    virtual ~ISecondaryWindows() = default;
    // "Amazing Info!": picks a fact from a2.pvd in appDir on activation.
    virtual void showDidYouKnow(const Path& appDir) = 0;
    // "A brief look at finances -- ": the twelve figures in table order.
    virtual void showFinances(const std::array<float, 12>& figures) = 0;
    // "SEARCH": OK sets searchText and searchKind (1 name, 2 style); Cancel or
    // closing leaves them as they are.
    virtual void showSearch(std::string& searchText, int& searchKind) = 0;
    // "Here I am, up close and personal...": a copy of the picture (may be null).
    virtual void showCloseup(const Bitmap* picture) = 0;
};

} // namespace bw
