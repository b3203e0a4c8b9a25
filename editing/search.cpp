#include "editing/search.h"

#include "platform/convert.h"

namespace bw {

namespace {

int findRecord(const StringList& records, int kind, const std::string& text)
{
    const std::string wanted = upperAZ(text);
    if (kind == 1 && wanted.empty())
        return -1;
    for (int i = 0; i < records.count(); ++i) {
        if (kind == 1) {
            if (upperAZ(splitField(records.at(i), FName)).find(wanted) != std::string::npos)
                return i;
        } else if (upperAZ(splitField(records.at(i), FStyle)) == wanted) {
            return i;
        }
    }
    return -1;
}

} // namespace

void searchbuttonClick(MainState& st)
{
    st.searchText.clear();
    st.searchKind = 0;
    st.sys.windows->showSearch(st.searchText, st.searchKind);
    st.ui.recordslide->setFocus();
    if (st.searchKind != 1 && st.searchKind != 2)
        return;
    const int found = findRecord(st.RecordList, st.searchKind, st.searchText);
    if (found < 0) {
        st.sys.boxes->show(MsgKind::Information, "Sorry, " + st.searchText + " wasn't found.",
                           MsgButtons::Ok);
        return;
    }
    // An ordinary move: navigation stores the record left and shows this one.
    st.ui.recordslide->setPosition(found);
}

} // namespace bw
