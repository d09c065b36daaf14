#include "settings/xmlchars.h"

#include <QRegularExpression>

namespace {

bool isAllowed(char32_t code)
{
    return code >= 0x20 ? code < 0xD800 || (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF)
                        : code == U'\t' || code == U'\n' || code == U'\r';
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

bool XmlChars::referencesAllowed(const QByteArray &bytes)
{
    static const QRegularExpression reference(QStringLiteral("&#(?:x([0-9A-Fa-f]+)|([0-9]+));"));
    QRegularExpressionMatchIterator references = reference.globalMatch(QString::fromLatin1(bytes));
    while (references.hasNext()) {
        const QRegularExpressionMatch match = references.next();
        const bool hex = match.hasCaptured(1);
        bool number = false;
        const uint code = match.capturedView(hex ? 1 : 2).toUInt(&number, hex ? 16 : 10);
        // A number too large for a character is none (pugixml wraps it round).
        if (!number || !isAllowed(code))
            return false;
    }
    return true;
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
