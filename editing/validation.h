#pragma once
// Date order checks and the money clean-up, on the window's edit texts.
#include <string>

#include "app/mainstate.h"

namespace bw {

enum class DatePart { Month, Day, Year };

std::string dateComponent(const std::string& dateText, DatePart part, DateOrder order);

// 0: fine; 8: retired before birthday; 9: sold before bought.
int checkDates(const MainState& st);

// One money text as it should stand after the clean-up.
std::string normalizeMoneyText(const std::string& text);
void normalizeMoneyFields(MainState& st);

} // namespace bw
