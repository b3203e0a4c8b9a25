#include <gtest/gtest.h>

#include <cstdio>

#include "editing/picklists.h"
#include "platform/atomicfile.h"
#include "printing/csvexport.h"
#include "tests/harness.h"

namespace bw {
namespace {

// An RFC 4180 reader, strict: a quote inside an unquoted field or a stray
// character after a closing quote fails the test.
std::vector<std::vector<std::string>> readCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '"') {
            ++i;
            while (true) {
                EXPECT_LT(i, text.size()) << "unclosed quote";
                if (i >= text.size())
                    return rows;
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
        } else {
            while (i < text.size() && text[i] != ',' && text[i] != '\r') {
                EXPECT_NE(text[i], '"') << "quote in an unquoted field";
                EXPECT_NE(text[i], '\n') << "bare line feed";
                field += text[i++];
            }
        }
        row.push_back(std::move(field));
        field.clear();
        if (i < text.size() && text[i] == ',') {
            ++i;
            continue;
        }
        EXPECT_EQ(text.substr(i, 2), "\r\n") << "row not ended by CR LF at " << i;
        i += 2;
        rows.push_back(std::move(row));
        row.clear();
    }
    return rows;
}

TEST(Csv, QuotesOnlyWhatNeedsIt)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"a", "", "b c"}, "a,,b c\r\n"},
        {{"x,y"}, "\"x,y\"\r\n"},
        {{"say \"hi\""}, "\"say \"\"hi\"\"\"\r\n"},
        {{"one\ntwo", "cr\r"}, "\"one\ntwo\",\"cr\r\"\r\n"},
        {{""}, "\r\n"},
    };
    for (const auto& [fields, row] : cases) {
        EXPECT_EQ(csvRow(fields), row);
        if (fields.size() > 1 || !fields[0].empty()) {
            EXPECT_EQ(readCsv(row), std::vector<std::vector<std::string>>{fields});
        }
    }
}

TEST(Csv, IsoDates)
{
    const std::tuple<const char*, DateOrder, const char*> cases[] = {
        {"03121998", DateOrder::MonthFirst, "1998-03-12"},
        {"03121998", DateOrder::DayFirst, "1998-12-03"},
        {"02292000", DateOrder::MonthFirst, "2000-02-29"},
        {"02291900", DateOrder::MonthFirst, ""},
        {"13011999", DateOrder::MonthFirst, ""},
        {"31041999", DateOrder::DayFirst, ""},
        {"1231", DateOrder::MonthFirst, ""},
        {"", DateOrder::MonthFirst, ""},
        {"12 31999", DateOrder::MonthFirst, ""},
        {"00001999", DateOrder::MonthFirst, ""},
        {"01010000", DateOrder::MonthFirst, ""},
        {"123119999", DateOrder::MonthFirst, ""},
    };
    for (const auto& [stored, order, iso] : cases)
        EXPECT_EQ(isoDate(stored, order), iso) << stored;
}

class CsvExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        fillBuiltInEntries(h.st);
        h.st.RecordList.add(
            "k1|Caf\xe9, \"the\" Bear|4041|08021995|01011999|03121998|12311999|5.00|12.50|20.00|"
            "5|1|2|3|1|/pics/caf\xe9.jpg|");
        h.st.RecordList.add("k2|Plain|4040||13011999||||||0|0|0|0|0||");
        h.st.NoteList.add("k1|First line, with a comma");
        h.st.NoteList.add("k2|Other record");
        h.st.NoteList.add("k1|Second \"quoted\" line");
        h.st.NoteList.add("k1|");
        h.st.NoteList.add("k1|Fourth \x80");
    }
    test::Harness h;
};

const std::vector<std::string> header = {"Name",
                                         "Style",
                                         "Birthday",
                                         "Retired",
                                         "Purchase Date",
                                         "Selling Date",
                                         "Purchase Price",
                                         "Selling Price",
                                         "Market Value",
                                         "Manufacturer",
                                         "Generation",
                                         "General Condition",
                                         "Hang Tag Condition",
                                         "Tush Tag Condition",
                                         "Picture",
                                         "Notes"};

const std::vector<std::vector<std::string>> expectedRows = {
    header,
    {"Caf\xc3\xa9, \"the\" Bear", "4041", "1995-08-02", "1999-01-01", "1998-03-12", "1999-12-31", "5.00",
     "12.50", "20.00", "Ty (McDonald's Teenie)", "2 (opens/skinny TY)", "Near Mint", "Missing", "Red/White",
     "/pics/caf\xc3\xa9.jpg", "First line, with a comma\nSecond \"quoted\" line\n\nFourth \xe2\x82\xac"},
    {"Plain", "4040", "", "", "", "", "", "", "", "Ty", "1 (doesn't open)", "Mint in Package",
     "Mint in Protector", "Black/White", "", "Other record"}};

TEST_F(CsvExport, EveryRecordReadsBackThroughACsvReader)
{
    EXPECT_EQ(readCsv(collectionCsv(h.st)), expectedRows);
}

// Python's csv module, where there is a Python, as a second, independent reader.
TEST_F(CsvExport, PythonsCsvModuleReadsTheSameRows)
{
    if (std::system("python3 -c 'import csv' >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no python3";
    h.write("out.csv", collectionCsv(h.st));
    const std::string script = "import csv,json,sys\n"
                               "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                               "    rows = list(csv.reader(f))\n"
                               "print(json.dumps(rows, ensure_ascii=True))\n";
    h.write("read.py", script);
    const std::string command = "python3 '" + h.file("read.py") + "' '" + h.file("out.csv") + "'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string json;
    char buf[4096];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, pipe))
        json.append(buf, n);
    ASSERT_EQ(pclose(pipe), 0);
    // The same texts, as JSON escapes them.
    for (const char* piece : {"\"Caf\\u00e9, \\\"the\\\" Bear\"",
                              "\"First line, with a comma\\nSecond \\\"quoted\\\" line\\n\\nFourth \\u20ac\"",
                              "\"1995-08-02\"", "\"12.50\"", "\"Red/White\"", "\"Other record\""})
        EXPECT_NE(json.find(piece), std::string::npos) << piece << "\n" << json;
    EXPECT_EQ(json.rfind("[[\"Name\", \"Style\",", 0), 0u) << json;
    EXPECT_EQ(std::count(json.begin(), json.end(), ']'), 4) << json; // three rows
}

struct PictureCase {
    const char* field;  // Windows-1252, as a3.pvd holds it
    const char* column; // UTF-8, or the path's own bytes
};

class CsvPicture : public ::testing::TestWithParam<PictureCase> {};

// The column names a file a reader outside the program folder can find.
TEST_P(CsvPicture, ColumnHoldsWhereThePictureIs)
{
    test::Harness h;
    fillBuiltInEntries(h.st);
    // A folder name in another encoding: its bytes are the path, not text.
    h.st.appDir = Path::fromNative("/home/ann/Bo\xeete");
    h.st.RecordList.add(std::string("k1|Bear|1||||||||0|0|0|0|0|") + GetParam().field + "|");
    const auto rows = readCsv(collectionCsv(h.st));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][14], GetParam().column);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvPicture,
    ::testing::Values(PictureCase{"pictures/AbcDefGh.jpg", "/home/ann/Bo\xeete/pictures/AbcDefGh.jpg"},
                      PictureCase{"/pics/caf\xe9.jpg", "/pics/caf\xc3\xa9.jpg"}, PictureCase{"", ""},
                      PictureCase{"C:\\Beanies\\caf\xe9.jpg", "C:\\Beanies\\caf\xc3\xa9.jpg"}));

TEST_F(CsvExport, MenuItemAsksForAFileAndWritesItWhole)
{
    h.savefile.choice = h.file("Beanies.csv");
    h.run([&] { exportcsvClick(h.st); });
    ASSERT_TRUE(h.boxes.shown.empty()) << h.boxes.texts()[0];
    ASSERT_EQ(h.savefile.asked.size(), 1u);
    EXPECT_EQ(h.savefile.asked[0].suggested, "Beanies.csv");
    EXPECT_EQ(h.savefile.asked[0].filter, "CSV File (*.csv)");
    EXPECT_EQ(readCsv(h.read("Beanies.csv")), expectedRows);
}

TEST_F(CsvExport, FailuresLeaveTheOldFileAndSayWhy)
{
    h.write("Beanies.csv", "old");
    h.savefile.choice = h.file("Beanies.csv");
    failWritesAfterBytes(10);
    h.run([&] { exportcsvClick(h.st); });
    failWritesAfterBytes(std::nullopt);
    EXPECT_EQ(h.boxes.texts(), std::vector<std::string>{"Cannot create file " + h.file("Beanies.csv") +
                                                        "\nNo space left on device"});
    EXPECT_EQ(h.read("Beanies.csv"), "old");

    // A bad pick-list field stops it before anything is asked.
    h.boxes.shown.clear();
    h.savefile.asked.clear();
    h.st.RecordList.add("k3|Odd|1||||||||x|0|0|0|0||");
    h.run([&] { exportcsvClick(h.st); });
    EXPECT_EQ(h.boxes.texts(), std::vector<std::string>{"'x' is not a valid integer value"});
    EXPECT_TRUE(h.savefile.asked.empty());

    // Cancelled: nothing written.
    h.st.RecordList.remove(2);
    h.savefile.choice.reset();
    h.boxes.shown.clear();
    h.run([&] { exportcsvClick(h.st); });
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_EQ(h.read("Beanies.csv"), "old");
}

} // namespace
} // namespace bw
