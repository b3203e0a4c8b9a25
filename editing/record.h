#pragma once
// Moving the shown record between RecordList, NoteList and the window.
#include "app/mainstate.h"

namespace bw {

void showCurrentRecord(MainState& st);
bool isRecordModified(const MainState& st);
void storeCurrentRecord(MainState& st);
void writeBackNotes(MainState& st);
// The memo's change handler.
void memoChange(MainState& st);

} // namespace bw
