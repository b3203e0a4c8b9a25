#include "editing/validation.h"

namespace bw {

std::string dateComponent(const std::string&, DatePart, DateOrder) { return {}; }
int checkDates(const MainState&) { return 0; }
std::string normalizeMoneyText(const std::string& t) { return t; }
void normalizeMoneyFields(MainState&) {}

} // namespace bw
