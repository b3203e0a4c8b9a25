#include "editing/addfind.h"

namespace bw {

void addNewRecord(MainState&) {}
void addbuttonClick(MainState&) {}
void nameeditKeyUp(MainState&, int) {}

} // namespace bw
