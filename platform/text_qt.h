#pragma once
// The widgets speak Unicode, the files Windows-1252: convert at the boundary.
#include <QString>
#include <string>

namespace bw {

QString fromAnsi(const std::string& bytes);
std::string toAnsi(const QString& text);
// True when every character can be written as Windows-1252.
bool isAnsiRepresentable(QChar c);

} // namespace bw
