#include "store/record.h"

#include <ctime>

namespace bw {

std::string splitField(const std::string& line, int field)
{
    if (field < 0 || field >= MaxFields)
        return {};
    std::size_t start = 0;
    for (int k = 0; k < field; ++k) {
        const auto bar = line.find('|', start);
        if (bar == std::string::npos)
            return {};
        start = bar + 1;
    }
    const auto end = line.find('|', start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string getField(const StringList& list, int line, int field)
{
    return splitField(list.at(line), field);
}

bool lineHasKey(const std::string& line, const std::string& key)
{
    return line.size() >= key.size() && line.compare(0, key.size(), key) == 0 &&
           (line.size() == key.size() || line[key.size()] == '|');
}

std::string newRecordLine(const std::string& key)
{
    return key + "||||||||||0|0|0|0|0|0|";
}

KeyGenerator::KeyGenerator() : engine_(static_cast<unsigned>(std::time(nullptr))) {}

std::string KeyGenerator::drawKey()
{
    std::string key(8, 'A');
    for (char& c : key) {
        c = static_cast<char>('A' + engine_() % 26);
        if (engine_() % 10 < 5)
            c = static_cast<char>(c + 32);
    }
    return key;
}

std::string KeyGenerator::makeRecordKey(const StringList& records)
{
    for (;;) {
        std::string key = drawKey();
        bool used = false;
        for (const auto& line : records.lines())
            if (lineHasKey(line, key)) {
                used = true;
                break;
            }
        if (!used)
            return key;
    }
}

} // namespace bw
