#pragma once
// The collection as a UTF-8 CSV file (RFC 4180): one header row, then one row
// per record in the order of RecordList.
#include <string>
#include <vector>

#include "app/mainstate.h"

namespace bw {

// One row: fields joined by ",", ended by CR LF. A field holding a comma, a
// quote, CR or LF is quoted, its quotes doubled.
std::string csvRow(const std::vector<std::string>& fields);

// "yyyy-mm-dd" of a stored date text read in `order`; "" unless it is eight
// digits naming a real day.
std::string isoDate(const std::string& date, DateOrder order);

// The whole file. The five pick-list fields are written as their entries'
// texts; the notes of a record, in their order, joined by line feeds.
std::string collectionCsv(const MainState& st);

// "Export Collection as CSV...": asks for a file name and writes the file
// whole, or leaves any file there untouched.
void exportcsvClick(MainState& st);

} // namespace bw
