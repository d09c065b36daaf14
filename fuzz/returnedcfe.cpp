// The returned CF-e. Of any reply split at "|" with empty fields kept (a zero
// ends it), the Base64 text is field 6 without its line breaks, the CF-e
// lines are that text's bytes cut at their line breaks, or std::runtime_error
// when the text is no canonical Base64 of a CF-e, and the key is field 8; a
// reply that stops before a field throws std::out_of_range for it. A CF-e
// well-formed by XML 1.0 put at field 6 of a reply, its Base64 broken anywhere
// by line breaks, comes back whole, with its key.

#include "decoders/returnedcfe.h"
#include "fuzzcheck.h"
#include "fuzzinput.h"
#include "platform/ansicodepage.h"

#include <QStringList>
#include <fuzzer/FuzzedDataProvider.h>
#include <stdexcept>

namespace {

constexpr qsizetype kCfeField = 6;
constexpr qsizetype kKeyField = 8;

// Lines at CR LF, CR or LF; no line after a final break.
QList<QByteArray> linesOf(QByteArray text)
{
    text.replace("\r\n", "\n").replace('\r', '\n');
    QList<QByteArray> lines = text.split('\n');
    if (text.isEmpty() || text.endsWith('\n'))
        lines.removeLast();
    return lines;
}

QStringList fieldsOf(const QString &reply)
{
    const QString text = reply.left(reply.indexOf(QChar(0)));
    return text.isEmpty() ? QStringList() : text.split(u'|');
}

template<class Error, class Read>
bool throws(Read read)
{
    try {
        read();
    } catch (const Error &) {
        return true;
    }
    return false;
}

void checkAnyReply(const QString &reply)
{
    const ReturnedCfe cfe(reply);
    const QStringList fields = fieldsOf(reply);
    if (fields.size() > kCfeField) {
        const QString base64 = QString(fields.at(kCfeField)).remove(u'\r').remove(u'\n');
        FUZZ_CHECK(cfe.base64() == base64);
        const QByteArray text = AnsiCodePage::fromUnicode(base64);
        const QByteArray bytes = QByteArray::fromBase64(text);
        if (bytes.toBase64() == text && !bytes.contains('\0'))
            FUZZ_CHECK(throws<std::runtime_error>([&cfe] { cfe.lines(); }) || cfe.lines() == linesOf(bytes));
        else
            FUZZ_CHECK(throws<std::runtime_error>([&cfe] { cfe.lines(); }));
    } else {
        FUZZ_CHECK(throws<std::out_of_range>([&cfe] { cfe.lines(); }));
    }
    if (fields.size() > kKeyField)
        FUZZ_CHECK(cfe.key() == fields.at(kKeyField));
    else
        FUZZ_CHECK(throws<std::out_of_range>([&cfe] { cfe.key(); }));
}

// The bytes read as Latin-1, in UTF-8, without markup and without the
// control characters XML 1.0 cannot carry.
QByteArray wellFormedText(const QByteArray &bytes)
{
    QString text;
    for (const QChar c : QString::fromLatin1(bytes)) {
        if ((c >= u' ' || c == u'\t' || c == u'\n' || c == u'\r') && c != u'<' && c != u'&' && c != u'>')
            text += c;
    }
    return text.toUtf8();
}

QString fieldFrom(FuzzedDataProvider &input)
{
    return QString::fromLatin1(QByteArray::fromStdString(input.ConsumeRandomLengthString(16)))
        .remove(u'|')
        .remove(u'\r')
        .remove(u'\n')
        .remove(QChar(0));
}

// Six fields, the Base64 of a one-element XML document broken by any line
// breaks, the time stamp, the key and up to three more fields.
void checkBuiltReply(FuzzedDataProvider &input)
{
    QStringList leading;
    for (qsizetype index = 0; index < kCfeField; ++index)
        leading.append(fieldFrom(input));
    const QString timeStamp = fieldFrom(input);
    const QString key = fieldFrom(input);
    QStringList trailing;
    for (int count = input.ConsumeIntegralInRange(0, 3); count > 0; --count)
        trailing.append(u'|' + fieldFrom(input));
    const QByteArray content = QByteArray::fromStdString(input.ConsumeRandomLengthString(256));
    const QByteArray cfe = "<CFe>" + wellFormedText(content) + "</CFe>";
    const QString base64 = QString::fromLatin1(cfe.toBase64());
    static const char *const breaks[] = {"\r\n", "\n", "\r"};
    QString broken;
    for (qsizetype start = 0; start < base64.size();) {
        const qsizetype length = input.ConsumeIntegralInRange<qsizetype>(1, base64.size() - start);
        broken += base64.mid(start, length) + QLatin1String(breaks[input.ConsumeIntegralInRange(0, 2)]);
        start += length;
    }
    const QString reply = leading.join(u'|') + u'|' + broken + u'|' + timeStamp + u'|' + key + trailing.join(QString());
    const ReturnedCfe returned(reply);
    FUZZ_CHECK(returned.base64() == base64);
    FUZZ_CHECK(returned.lines() == linesOf(cfe));
    FUZZ_CHECK(returned.key() == key);
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
