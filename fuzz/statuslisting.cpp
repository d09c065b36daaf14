// The status listings against the reply's fields. The SAT form lists one
// line per field from field 5 of the plain split. The MF-e form lists every
// field, the last one with or without a "|" after it: a network document
// gives three lines (indented, or as received when it is not XML), its
// header alone when empty, or none; some empty or placeholder fields none,
// every other field one line, the same as the SAT form's where both render
// it alike. A state or UF that is no number is shown as received on both.

#include "decoders/statuslisting.h"
#include "fuzzcheck.h"
#include "fuzzinput.h"
#include "platform/ansicodepage.h"

#include <QSet>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

constexpr int kEstado = 27;
constexpr int kUF = 29;
const QSet<int> kNetworkDocuments{33, 34, 35, 36};
// Fields the MF-e form renders in its own way.
const QSet<int> kOwnRendering{28, 29, 30, 31, 32, 41, 42, 43, 44, 46, 49, 52};

// The MF-e form's fields: cut at every "|" but a first character; an empty
// last piece is the closing "|", no field.
QStringList mfeFields(const QString &reply)
{
    QStringList fields = reply.mid(1).split(u'|');
    if (!reply.isEmpty())
        fields.first().prepend(reply.front());
    if (fields.last().isEmpty())
        fields.removeLast();
    return fields;
}

bool startsWithHeader(const QString &line, int number)
{
    return line.startsWith(StatusListing::statusLine(StatusListing::label(number), QString()));
}

// A state or UF that is no number, with a line that shows it as received.
bool keepsNonNumber(const QString &line, int number, const QString &field)
{
    bool isNumber = false;
    field.toInt(&isNumber);
    return isNumber || !FuzzInput::isAscii(field)
        || line == StatusListing::statusLine(StatusListing::label(number), field);
}

// How many lines the MF-e form gives a field, when it can read it.
int mfeLineCount(int number, const QString &field)
{
    if (kNetworkDocuments.contains(number))
        return field == QLatin1String("NA") ? 0 : field.isEmpty() ? 1 : 3;
    if ((number == 41 || number == 42) && field.isEmpty())
        return 0;
    if (number == 44 && (field.isEmpty() || field == QLatin1String("00000000000000")))
        return 0;
    if (number == 46 && field == QLatin1String("00:00:00:00:00:00"))
        return 0;
    return 1;
}

void checkSat(const QStringList &fields)
{
    const QStringList sat = StatusListing::listSat(fields);
    FUZZ_CHECK(sat.size() == qMax(0, int(fields.size()) - StatusListing::kFirstField));
    for (qsizetype index = 0; index < sat.size(); ++index) {
        const int number = int(index) + StatusListing::kFirstField;
        const QString &field = fields.at(number);
        FUZZ_CHECK(startsWithHeader(sat.at(index), number));
        const bool plainText = number != 17 && (number < 23 || number > kEstado);
        if (plainText && FuzzInput::isAscii(field))
            FUZZ_CHECK(sat.at(index) == StatusListing::statusLine(StatusListing::label(number), field));
        if (number == kEstado)
            FUZZ_CHECK(keepsNonNumber(sat.at(index), number, field));
    }
}

void checkMfe(const QString &reply)
{
    const QStringList fields = mfeFields(reply);
    const QStringList sat = StatusListing::listSat(fields);
    const QStringList mfe = StatusListing::listMfe(reply);
    qsizetype line = 0;
    for (int number = StatusListing::kFirstField; number < fields.size(); ++number) {
        const QString &field = fields.at(number);
        const int count = mfeLineCount(number, field);
        FUZZ_CHECK(line + count <= mfe.size());
        if (count > 0)
            FUZZ_CHECK(startsWithHeader(mfe.at(line), number));
        if (count == 3) {
            const QString &document = mfe.at(line + 2);
            FUZZ_CHECK(mfe.at(line + 1) == QStringLiteral(" ") && (document.endsWith(u"\r\n") || document == field));
        }
        const bool alike = !kOwnRendering.contains(number) && !kNetworkDocuments.contains(number)
            && !(number == kEstado && field == QLatin1String("10"));
        if (alike)
            FUZZ_CHECK(mfe.at(line) == sat.at(number - StatusListing::kFirstField));
        if (number == kUF)
            FUZZ_CHECK(keepsNonNumber(mfe.at(line), number, field));
        line += count;
    }
    FUZZ_CHECK(mfe.size() == line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool asUtf16 = input.ConsumeBool();
    const std::string rest = input.ConsumeRemainingBytesAsString();
    // A reply as the console holds it, or any UTF-16 text.
    const QString reply = asUtf16 ? FuzzInput::utf16(rest) : AnsiCodePage::toUnicode(QByteArray::fromStdString(rest));
    checkSat(reply.split(u'|'));
    checkMfe(reply);
    return 0;
}
