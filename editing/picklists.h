#pragma once
// The five pick lists: built-in entries, the user's entries from a1.pvd, and
// adding an entry by typing it and pressing Enter.
#include "app/mainstate.h"

namespace bw {

// Built-in entries into the five lists, each then on its first entry.
void fillBuiltInEntries(MainState& st);
// EntryList's lines of kinds 1 to 5 appended to their lists.
void appendUserEntries(MainState& st);

void mfglistKeyUp(MainState& st, int key);
void genlistKeyUp(MainState& st, int key);
void condlist1KeyUp(MainState& st, int key);
void condlist2KeyUp(MainState& st, int key);
void condlist3KeyUp(MainState& st, int key);

} // namespace bw
