// The returned CF-e. Of any reply, the Base64 text is its lines 5 to
// count - 6 joined ("|" breaks a line as CR LF, CR and LF do), and the CF-e
// lines are that text's bytes cut at their line breaks. A CF-e put between
// five fields and five more, its Base64 broken anywhere, comes back whole.

#include "console/returnedcfe.h"
#include "fuzzcheck.h"
#include "fuzzinput.h"
#include "platform/ansicodepage.h"

#include <QStringList>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

constexpr qsizetype kOuterFields = 5;

// Lines at CR LF, CR or LF, a reply's "|" first turned into LF; no line after
// a final break.
template<class Text>
QList<Text> linesOf(Text text, bool barBreaks)
{
    if (barBreaks)
        text.replace('|', '\n');
    text.replace("\r\n", "\n").replace('\r', '\n');
    QList<Text> lines = text.split('\n');
    if (text.isEmpty() || text.endsWith('\n'))
        lines.removeLast();
    return lines;
}

void checkAnyReply(const QString &reply)
{
    const ReturnedCfe cfe = ReturnedCfe::fromReply(reply);
    const QStringList lines = linesOf(reply, true);
    QString base64;
    for (qsizetype index = kOuterFields; index < lines.size() - kOuterFields; ++index)
        base64 += lines.at(index);
    FUZZ_CHECK(cfe.base64 == base64);
    FUZZ_CHECK(cfe.lines == linesOf(QByteArray::fromBase64(AnsiCodePage::fromUnicode(base64)), false));
}

QString fieldFrom(FuzzedDataProvider &input)
{
    return QString::fromLatin1(QByteArray::fromStdString(input.ConsumeRandomLengthString(16)))
        .remove(u'|')
        .remove(u'\r')
        .remove(u'\n');
}

// Five fields, the CF-e's Base64 broken by any breaks, five fields.
void checkBuiltReply(FuzzedDataProvider &input)
{
    QStringList outer;
    for (qsizetype index = 0; index < 2 * kOuterFields; ++index)
        outer.append(fieldFrom(input));
    outer.last() += u'q'; // a reply's last field is not empty
    const QByteArray cfe = QByteArray::fromStdString(input.ConsumeRandomLengthString(256));
    const QString base64 = QString::fromLatin1(cfe.toBase64());
    static const char *const breaks[] = {"\r\n", "\n", "\r", "|"};
    QString broken;
    for (qsizetype start = 0; start < base64.size();) {
        const qsizetype length = input.ConsumeIntegralInRange<qsizetype>(1, base64.size() - start);
        broken += base64.mid(start, length) + QLatin1String(breaks[input.ConsumeIntegralInRange(0, 3)]);
        start += length;
    }
    const QString reply = outer.mid(0, kOuterFields).join(u'|') + u'|' + broken + u'|'
        + outer.mid(kOuterFields).join(u'|');
    const ReturnedCfe returned = ReturnedCfe::fromReply(reply);
    FUZZ_CHECK(returned.base64 == base64);
    FUZZ_CHECK(returned.lines == linesOf(cfe, false));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int form = input.ConsumeIntegralInRange(0, 2);
    if (form == 0)
        return checkBuiltReply(input), 0;
    const std::string rest = input.ConsumeRemainingBytesAsString();
    checkAnyReply(form == 1 ? AnsiCodePage::toUnicode(QByteArray::fromStdString(rest)) : FuzzInput::utf16(rest));
    return 0;
}
