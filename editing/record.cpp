#include "editing/record.h"

namespace bw {

void showCurrentRecord(MainState&) {}
bool isRecordModified(const MainState&) { return false; }
void storeCurrentRecord(MainState&) {}
void writeBackNotes(MainState&) {}
void memoChange(MainState&) {}

} // namespace bw
