#include "editing/validation.h"

#include "platform/convert.h"

namespace bw {

namespace {

// A date as the three whole numbers compared by checkDates.
struct DateParts {
    int month, day, year;
};

DateParts readDate(const std::string& text, DateOrder order)
{
    // Worked out in this order so that the first bad part is the one reported.
    DateParts d{};
    d.month = strToInt(dateComponent(text, DatePart::Month, order));
    d.day = strToInt(dateComponent(text, DatePart::Day, order));
    d.year = strToInt(dateComponent(text, DatePart::Year, order));
    return d;
}

bool before(const DateParts& later, const DateParts& earlier)
{
    if (later.year != earlier.year)
        return later.year < earlier.year;
    if (later.month != earlier.month)
        return later.month < earlier.month;
    return later.day < earlier.day;
}

// Where the pair's later date has year 0 the check gives up on every pair
// after it as well; that is why the caller needs three outcomes.
enum class PairResult { Fine, Wrong, GiveUp };

PairResult checkPair(const std::string& earlierText, const std::string& laterText, DateOrder order)
{
    if (earlierText.empty() || laterText.empty())
        return PairResult::Fine;
    const DateParts earlier = readDate(earlierText, order);
    const DateParts later = readDate(laterText, order);
    if (later.year == 0)
        return PairResult::GiveUp;
    return before(later, earlier) ? PairResult::Wrong : PairResult::Fine;
}

bool isMoneyChar(char c)
{
    return (c >= '0' && c <= '9') || c == '.';
}

// A money field holds at most 7 typed characters; anything past this comes
// from a hand-edited file and is not trusted.
constexpr std::size_t MaxMoneyText = 9;

void normalizeField(IEdit& edit)
{
    const std::string before = edit.text();
    const std::string after = normalizeMoneyText(before);
    if (after != before)
        edit.setText(after);
}

} // namespace

std::string dateComponent(const std::string& dateText, DatePart part, DateOrder order)
{
    std::size_t first = 4, length = 4;
    if (part != DatePart::Year) {
        const bool leading = (part == DatePart::Month) == (order == DateOrder::MonthFirst);
        first = leading ? 0 : 2;
        length = 2;
    }
    if (first >= dateText.size())
        return {};
    return dateText.substr(first, length);
}

int checkDates(const MainState& st)
{
    const PairResult life = checkPair(st.ui.bdayedit->text(), st.ui.rdayedit->text(), st.dateOrder);
    if (life == PairResult::GiveUp)
        return 0;
    if (life == PairResult::Wrong)
        return 8;
    const PairResult sale = checkPair(st.ui.pdayedit->text(), st.ui.sdayedit->text(), st.dateOrder);
    return sale == PairResult::Wrong ? 9 : 0;
}

std::string normalizeMoneyText(const std::string& text)
{
    if (text.size() > MaxMoneyText)
        return {};
    std::size_t point = std::string::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isMoneyChar(text[i]))
            return {};
        if (text[i] == '.') {
            if (point != std::string::npos)
                return {};
            point = i;
        }
    }
    if (point == std::string::npos)
        return text;
    if (point == 0)
        return "0" + text;
    return point + 3 == text.size() ? text : std::string();
}

void normalizeMoneyFields(MainState& st)
{
    normalizeField(*st.ui.buyedit);
    normalizeField(*st.ui.valedit);
    normalizeField(*st.ui.selledit);
}

} // namespace bw
