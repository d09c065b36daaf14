// The status listings against the reply's fields. The SAT form lists one
// line per field from field 5 of the plain split, up to a state that is not
// a number. The MF-e form lists every field, the last one with or without a
// "|" after it: a network document gives three lines (indented, or as
// received when it is not XML), its header alone when empty, or none; some
// empty or placeholder fields none, every other field one line, the same as
// the SAT form's where both render it alike; a state stops both forms alike.

#include "decoders/statuslisting.h"
#include "fuzzcheck.h"
#include "fuzzinput.h"
#include "platform/ansicodepage.h"

#include <QSet>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

constexpr int kEstado = 27;
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
    const StatusListing::Result sat = StatusListing::listSat(fields);
    const int listable = qMax(0, int(fields.size()) - StatusListing::kFirstField);
    if (sat.complete()) {
        FUZZ_CHECK(sat.lines.size() == listable);
    } else {
        // Only the state is read as a number on this form.
        FUZZ_CHECK(sat.failedField == kEstado && !sat.error.isEmpty());
        FUZZ_CHECK(sat.lines.size() == kEstado - StatusListing::kFirstField);
    }
    for (qsizetype index = 0; index < sat.lines.size(); ++index) {
        const int number = int(index) + StatusListing::kFirstField;
        const QString &field = fields.at(number);
        FUZZ_CHECK(startsWithHeader(sat.lines.at(index), number));
        const bool plainText = number != 17 && (number < 23 || number > kEstado);
        if (plainText && FuzzInput::isAscii(field))
            FUZZ_CHECK(sat.lines.at(index) == StatusListing::statusLine(StatusListing::label(number), field));
    }
}

void checkMfe(const QString &reply)
{
    const QStringList fields = mfeFields(reply);
    const StatusListing::Result sat = StatusListing::listSat(fields);
    const StatusListing::Result mfe = StatusListing::listMfe(reply);
    qsizetype line = 0;
    for (int number = StatusListing::kFirstField; number < fields.size(); ++number) {
        const QString &field = fields.at(number);
        if (number == mfe.failedField) {
            FUZZ_CHECK(!mfe.error.isEmpty());
            // A state that is not a number stops both forms; so does a UF
            // on this one.
            FUZZ_CHECK(number == kEstado ? sat.failedField == kEstado : number == 29);
            FUZZ_CHECK(mfe.lines.size() == line);
            return;
        }
        const int count = mfeLineCount(number, field);
        FUZZ_CHECK(line + count <= mfe.lines.size());
        if (count > 0)
            FUZZ_CHECK(startsWithHeader(mfe.lines.at(line), number));
        if (count == 3) {
            const QString &document = mfe.lines.at(line + 2);
            FUZZ_CHECK(mfe.lines.at(line + 1) == QStringLiteral(" ")
                       && (document.endsWith(u"\r\n") || document == field));
        }
        const bool alike = !kOwnRendering.contains(number) && !kNetworkDocuments.contains(number)
            && !(number == kEstado && field == QLatin1String("10"));
        if (alike) {
            FUZZ_CHECK(number - StatusListing::kFirstField < sat.lines.size());
            FUZZ_CHECK(mfe.lines.at(line) == sat.lines.at(number - StatusListing::kFirstField));
        }
        line += count;
    }
    FUZZ_CHECK(mfe.complete());
    FUZZ_CHECK(mfe.lines.size() == line);
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
