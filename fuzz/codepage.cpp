// The ANSI code page: every byte comes back from its character; every
// character of a text is exactly one byte, its own when the code page has
// it (by the platform's table, read here independently) and "?" otherwise.
// The one-pass conversions agree with the steps they stand for.

#include "fuzzcheck.h"
#include "fuzzinput.h"
#include "platform/ansicodepage.h"

#include <QHash>
#include <QStringDecoder>

namespace {

// Windows-1252 as the platform's decoder gives it, byte by byte.
const QHash<char32_t, char> &codePage()
{
    static const QHash<char32_t, char> table = [] {
        QHash<char32_t, char> bytes;
        QStringDecoder decoder("windows-1252");
        for (int byte = 0; byte < 256; ++byte)
            bytes.insert(QString(decoder.decode(QByteArray(1, char(byte)))).toUcs4().value(0), char(byte));
        return bytes;
    }();
    return table;
}

QByteArray marker(char32_t)
{
    return QByteArrayLiteral("<?>");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = FuzzInput::bytes(data, size);
    FUZZ_CHECK(AnsiCodePage::fromUnicode(AnsiCodePage::toUnicode(bytes)) == bytes);
    FUZZ_CHECK(AnsiCodePage::display(AnsiCodePage::toUnicode(bytes)) == FuzzInput::shown(bytes));
    FUZZ_CHECK(AnsiCodePage::display(bytes) == FuzzInput::shown(bytes));

    const QString text = FuzzInput::utf16(bytes.toStdString());
    const QByteArray ansi = AnsiCodePage::fromUnicode(text);
    QByteArray expected;
    QByteArray marked;
    bool exact = true;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar unit = text.at(index);
        char32_t character = unit.unicode();
        if (unit.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate())
            character = QChar::surrogateToUcs4(unit, text.at(++index));
        const auto found = codePage().constFind(character);
        const bool inCodePage = found != codePage().constEnd() && !QChar::isSurrogate(character);
        expected += inCodePage ? *found : '?';
        marked += inCodePage ? QByteArray(1, *found) : marker(character);
        exact = exact && inCodePage;
    }
    FUZZ_CHECK(ansi == expected);
    FUZZ_CHECK(AnsiCodePage::fromUnicode(text, marker) == marked);
    FUZZ_CHECK(AnsiCodePage::fromUnicodeExactly(text) == (exact ? std::optional<QByteArray>(ansi) : std::nullopt));

    FUZZ_CHECK(AnsiCodePage::fromUtf8(bytes, marker) == AnsiCodePage::fromUnicode(QString::fromUtf8(bytes), marker));
    const qsizetype length = bytes.isEmpty() ? -1 : qsizetype(uchar(bytes.front())) - 1;
    FUZZ_CHECK(AnsiCodePage::roundTrip(text, length) == AnsiCodePage::toUnicode(length < 0 ? ansi : ansi.left(length)));
    return 0;
}
