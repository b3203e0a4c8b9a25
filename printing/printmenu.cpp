#include "printing/printmenu.h"

namespace bw {

void printthisClick(MainState&) {}
void printallClick(MainState&) {}
void printretiredClick(MainState&) {}
void printcurrentClick(MainState&) {}
void printsoldClick(MainState&) {}
void printunsoldClick(MainState&) {}

} // namespace bw
