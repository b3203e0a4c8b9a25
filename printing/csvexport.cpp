#include "printing/csvexport.h"

#include <unordered_map>

#include "editing/validation.h"
#include "pictures/pictureref.h"
#include "platform/ansi.h"
#include "platform/atomicfile.h"
#include "printing/layout.h"

namespace bw {

std::string csvRow(const std::vector<std::string>& fields)
{
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            row += ',';
        const std::string& f = fields[i];
        if (f.find_first_of(",\"\r\n") == std::string::npos) {
            row += f;
            continue;
        }
        row += '"';
        for (char c : f) {
            if (c == '"')
                row += '"';
            row += c;
        }
        row += '"';
    }
    row += "\r\n";
    return row;
}

std::string isoDate(const std::string& date, DateOrder order)
{
    if (date.size() != 8 || date.find_first_not_of("0123456789") != std::string::npos)
        return {};
    const std::string monthText = dateComponent(date, DatePart::Month, order);
    const std::string dayText = dateComponent(date, DatePart::Day, order);
    const std::string yearText = dateComponent(date, DatePart::Year, order);
    const int month = std::stoi(monthText), day = std::stoi(dayText), year = std::stoi(yearText);
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > days[month - 1] + (month == 2 && leap))
        return {};
    return yearText + "-" + monthText + "-" + dayText;
}

std::string collectionCsv(const MainState& st)
{
    // One pass over the notes, not one per record.
    std::unordered_map<std::string, std::string> notes;
    for (const std::string& line : st.NoteList.lines()) {
        std::string& joined = notes[splitField(line, 0)];
        if (!joined.empty())
            joined += '\n';
        joined += ansiToUtf8(splitField(line, 1));
    }
    std::string out =
        csvRow({"Name", "Style", "Birthday", "Retired", "Purchase Date", "Selling Date", "Purchase Price",
                "Selling Price", "Market Value", "Manufacturer", "Generation", "General Condition",
                "Hang Tag Condition", "Tush Tag Condition", "Picture", "Notes"});
    for (const std::string& line : st.RecordList.lines()) {
        const auto text = [&](RecordField f) { return ansiToUtf8(splitField(line, f)); };
        const auto date = [&](RecordField f) { return isoDate(splitField(line, f), st.dateOrder); };
        const auto pick = [&](const IComboBox* list, RecordField f) {
            return ansiToUtf8(pickListText(*list, splitField(line, f)));
        };
        // Where the picture is, readable outside the program folder; the
        // path's own bytes, which are not Windows-1252 text.
        const auto picture = [&] {
            const std::string field = splitField(line, FPicture);
            if (isForeignPictureField(field))
                return ansiToUtf8(field);
            const Path path = picturePathFromField(field, st.appDir);
            return path.empty() ? ansiToUtf8(field) : path.native();
        };
        const auto found = notes.find(splitField(line, FKey));
        out += csvRow({text(FName), text(FStyle), date(FBirthday), date(FRetired), date(FPurchaseDate),
                       date(FSellDate), text(FPurchasePrice), text(FSellPrice), text(FMarketValue),
                       pick(st.ui.mfglist, FManufacturer), pick(st.ui.genlist, FGeneration),
                       pick(st.ui.condlist1, FGeneralCondition), pick(st.ui.condlist2, FHangTagCondition),
                       pick(st.ui.condlist3, FTushTagCondition), picture(),
                       found == notes.end() ? "" : found->second});
    }
    return out;
}

void exportcsvClick(MainState& st)
{
    // Composed first: a bad field stops the export before anything is asked.
    const std::string csv = collectionCsv(st);
    const auto path = st.sys.savefile->execute("Export Collection as CSV", "Beanies.csv", "CSV File (*.csv)");
    if (path)
        writeFileAtomically(*path, csv);
}

} // namespace bw
