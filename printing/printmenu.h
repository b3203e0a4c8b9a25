#pragma once
#include "app/mainstate.h"

namespace bw {

void printthisClick(MainState& st);
void printallClick(MainState& st);
void printretiredClick(MainState& st);
void printcurrentClick(MainState& st);
void printsoldClick(MainState& st);
void printunsoldClick(MainState& st);

} // namespace bw
