#pragma once
#include "app/mainstate.h"

namespace bw {

// The six printouts, on the default printer.
void printthisClick(MainState& st);
void printallClick(MainState& st);
void printretiredClick(MainState& st);
void printcurrentClick(MainState& st);
void printsoldClick(MainState& st);
void printunsoldClick(MainState& st);

// The same six, saved as a PDF file the user names.
void pdfthisClick(MainState& st);
void pdfallClick(MainState& st);
void pdfretiredClick(MainState& st);
void pdfcurrentClick(MainState& st);
void pdfsoldClick(MainState& st);
void pdfunsoldClick(MainState& st);

} // namespace bw
