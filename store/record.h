#pragma once
// The record line, the note line and the entry line: fields split at "|".
#include <random>
#include <string>

#include "platform/stringlist.h"

namespace bw {

// The sixteen fields of a record line, field 0 first.
enum RecordField : int {
    FKey = 0,
    FName,
    FStyle,
    FBirthday,
    FRetired,
    FPurchaseDate,
    FSellDate,
    FPurchasePrice,
    FSellPrice,
    FMarketValue,
    FManufacturer,
    FGeneration,
    FGeneralCondition,
    FHangTagCondition,
    FTushTagCondition,
    FPicture,
    RecordFieldCount
};

// A line is read as at most 30 fields; later fields are unreachable.
constexpr int MaxFields = 30;

// Field `field` of one line: the text between the field-th and the next "|";
// empty when the line has fewer fields. A trailing "|" adds no field.
std::string splitField(const std::string& line, int field);

// Field of line `line` of `list`; an index outside the list raises
// "List index out of bounds (%d)".
std::string getField(const StringList& list, int line, int field);

// True when field 0 of the line equals key exactly.
bool lineHasKey(const std::string& line, const std::string& key);

// The line of a new, blank record.
std::string newRecordLine(const std::string& key);

// Makes 8-letter record keys. Seeded once from the clock; draws again while
// the key is already used by a record, so keys stay unique in RecordList.
class KeyGenerator {
public:
    KeyGenerator();
    explicit KeyGenerator(unsigned seed) : engine_(seed) {}
    std::string makeRecordKey(const StringList& records);
    std::string drawKey();

private:
    std::minstd_rand engine_;
};

} // namespace bw
