#include "editing/picklists.h"

#include "app/collectionfiles.h"
#include "platform/convert.h"
#include "platform/error.h"
#include "platform/fieldtext.h"

#include <initializer_list>
#include <utility>

namespace bw {

namespace {

void fill(IComboBox& list, std::initializer_list<const char*> entries)
{
    for (const char* e : entries)
        list.addItem(e);
    list.setItemIndex(0);
}

IComboBox* listOfKind(MainState& st, int kind)
{
    switch (kind) {
    case 1:
        return st.ui.mfglist;
    case 2:
        return st.ui.genlist;
    case 3:
        return st.ui.condlist1;
    case 4:
        return st.ui.condlist2;
    case 5:
        return st.ui.condlist3;
    default:
        return nullptr;
    }
}

void pickListKeyUp(MainState& st, int kind, int key)
{
    if (key != 13)
        return;
    IComboBox& list = *listOfKind(st, kind);
    // The widget's gate has already kept "|" and line breaks out; this keeps
    // a1.pvd whole whatever the control.
    const std::string typed = asFieldText(list.text());
    // The typed text goes and the list shows the entry it holds, so the
    // record stores what the window shows.
    const auto showSelection = [&list] { list.setItemIndex(list.itemIndex()); };
    const std::string wanted = upperAZ(typed);
    for (int i = 0; i < list.count(); ++i) {
        if (upperAZ(list.item(i)) == wanted) {
            showSelection();
            st.sys.boxes->show(MsgKind::Information,
                               "Duplication! There is already an entry of " + typed + ".", MsgButtons::Ok);
            return;
        }
    }
    if (st.unreadFiles.count("a1.pvd")) {
        // Its position would mean another entry once a1.pvd reads again.
        showSelection();
        st.sys.boxes->show(MsgKind::Warning,
                           "No entry can be added while a1.pvd, which holds the added entries, cannot be "
                           "read. Close the program, make the file readable and start it again.",
                           MsgButtons::Ok);
        return;
    }
    if (st.sys.boxes->show(MsgKind::Information, "Would you like to add " + typed + " to the list?",
                           MsgButtons::YesNo) != Answer::Yes) {
        showSelection();
        return;
    }
    try {
        confirmOverwrite(st, {"a1.pvd"});
    } catch (const Declined&) {
        showSelection();
        throw;
    }
    // The entry joins the list only once a1.pvd holds it: a position stored
    // for an entry the file lacks would lose its grade at the next start.
    StringList next = st.EntryList;
    next.add(std::to_string(kind) + "|" + typed);
    try {
        saveDataFile(st, next, "a1.pvd");
    } catch (...) {
        showSelection();
        throw;
    }
    st.EntryList = std::move(next);
    list.addItem(typed);
    list.setItemIndex(list.count() - 1);
}

} // namespace

void fillBuiltInEntries(MainState& st)
{
    fill(*st.ui.condlist1,
         {"Mint in Package", "Mint", "Near Mint", "Excellent", "Very Good", "Less than very good"});
    fill(*st.ui.condlist2, {"Mint in Protector", "Mint", "Creased", "Missing", "N/A"});
    fill(*st.ui.condlist3, {"Black/White", "Red/White", "Canadian", "Missing", "N/A"});
    fill(*st.ui.mfglist,
         {"Ty", "Coca-Cola", "Puffins", "Nintendo", "Disney", "Ty (McDonald's Teenie)", "Promotional"});
    fill(*st.ui.genlist, {"1 (doesn't open)", "2 (opens/skinny TY)", "3 (opens/fat TY)", "4 (opens/poem)",
                          "5 (longhand b-day)", "N/A"});
}

void appendUserEntries(MainState& st)
{
    for (const auto& line : st.EntryList.lines()) {
        int kind = 0;
        // A kind that is not a whole number (hand-edited file) places nothing;
        // the line stays in EntryList and is written back unchanged.
        if (!tryStrToInt(splitField(line, 0), kind))
            continue;
        if (IComboBox* list = listOfKind(st, kind))
            list->addItem(splitField(line, 1));
    }
}

void mfglistKeyUp(MainState& st, int key)
{
    pickListKeyUp(st, 1, key);
}
void genlistKeyUp(MainState& st, int key)
{
    pickListKeyUp(st, 2, key);
}
void condlist1KeyUp(MainState& st, int key)
{
    pickListKeyUp(st, 3, key);
}
void condlist2KeyUp(MainState& st, int key)
{
    pickListKeyUp(st, 4, key);
}
void condlist3KeyUp(MainState& st, int key)
{
    pickListKeyUp(st, 5, key);
}

} // namespace bw
