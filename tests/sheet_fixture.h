#pragma once
// One record with every field filled, each pick list on a different entry,
// and the fifteen lines its record sheet prints (month-first dates).
#include <array>

namespace bw::test {

inline constexpr const char* bongoRecord =
    "k1|Bongo|4040|08021995|01011999|03121998|12311999|5.00|12.50|20.00|5|1|2|3|1||";

inline constexpr std::array<const char*, 15> bongoSheetLines = {"Name: Bongo",
                                                                "Style: 4040",
                                                                "Birthday: 08/02/1995",
                                                                "Retired: 01/01/1999",
                                                                "Manufacturer: Ty (McDonald's Teenie)",
                                                                "Generation: 2 (opens/skinny TY)",
                                                                "General Condition: Near Mint",
                                                                "Hang Tag Condition: Missing",
                                                                "Tush Tag Condition: Red/White",
                                                                "FINANCIAL DATA:",
                                                                "Purchase Price: 5.00",
                                                                "Purchase Date: 03/12/1998",
                                                                "Selling Price: 12.50",
                                                                "Selling Date: 12/31/1999",
                                                                "Market Value: 20.00"};

} // namespace bw::test
