#pragma once
// Text-to-number conversions with the platform's messages, independent of the
// user's locale: "." is always the decimal point.
#include <string>

namespace bw {

// Decimal whole number; leading blanks are skipped, an optional sign allowed.
// Anything else: "'%s' is not a valid integer value".
int strToInt(const std::string& text);
bool tryStrToInt(const std::string& text, int& out);

// Decimal floating-point number with "." (blanks around it allowed, exponent
// allowed). Anything else, the empty text included:
// "'%s' is not a valid floating point value".
double strToFloat(const std::string& text);
bool tryStrToFloat(const std::string& text, double& out);

// printf's "%4.2f" with "." whatever the locale.
std::string formatFixed2(double value);

// Upper-cases the letters a to z only; every other byte stays as it is.
std::string upperAZ(std::string text);

} // namespace bw
