#pragma once
#include "app/mainstate.h"

namespace bw {

constexpr int KeyReturn = 13;

void addNewRecord(MainState& st);
void addbuttonClick(MainState& st);
void nameeditKeyUp(MainState& st, int key);

} // namespace bw
