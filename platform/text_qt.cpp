#include "platform/text_qt.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace bw {

QString fromAnsi(const std::string& bytes)
{
    QStringDecoder decode("windows-1252");
    return decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string toAnsi(const QString& text)
{
    QStringEncoder encode("windows-1252");
    const QByteArray bytes = encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool isAnsiRepresentable(QChar c)
{
    if (c.unicode() < 0x80)
        return true;
    QStringEncoder encode("windows-1252", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encode(QString(c));
    return !encode.hasError() && bytes.size() == 1 && fromAnsi(std::string(1, bytes[0])) == QString(c);
}

} // namespace bw
