#include "settings/xmlchars.h"

namespace {

bool isAllowed(char16_t unit)
{
    return unit >= 0x20 ? unit < 0xD800 || (unit >= 0xE000 && unit <= 0xFFFD)
                        : unit == u'\t' || unit == u'\n' || unit == u'\r';
}

// The index of the first forbidden UTF-16 unit from `from` on, or -1. A
// surrogate pair is a character beyond U+FFFF, which is always allowed.
qsizetype firstForbidden(QStringView text, qsizetype from)
{
    for (qsizetype index = from; index < text.size(); ++index) {
        const QChar unit = text.at(index);
        if (unit.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate())
            ++index;
        else if (!isAllowed(unit.unicode()))
            return index;
    }
    return -1;
}

} // namespace

bool XmlChars::allAllowed(QStringView text)
{
    return firstForbidden(text, 0) < 0;
}

bool XmlChars::allAllowed(const QByteArray &bytes)
{
    return allAllowed(QString::fromUtf8(bytes));
}

QString XmlChars::withoutForbidden(const QString &text)
{
    qsizetype forbidden = firstForbidden(text, 0);
    if (forbidden < 0)
        return text;
    QString kept;
    qsizetype from = 0;
    while (forbidden >= 0) {
        kept += QStringView(text).sliced(from, forbidden - from);
        from = forbidden + 1;
        forbidden = firstForbidden(text, from);
    }
    kept += QStringView(text).sliced(from);
    return kept;
}
