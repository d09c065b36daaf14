// The log memo's text. A log without NUL or CR comes back from its Base64
// payload, line breaks in the payload or not. The whole log shows the log's
// lines and the closing line; the SuperLog shows the lines from the last
// start-marker line to the first end-marker line after it, a contiguous run
// of the whole log's lines, each past its 24-byte prefix, or the not-found
// lines when there is no such block.

#include "decoders/logdecoder.h"
#include "fuzzcheck.h"
#include "fuzzinput.h"

#include <QByteArrayList>
#include <QStringList>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

const QByteArray kStart("SAT|info|================= SuperLog VANTEL ==================");
const QByteArray kEnd("SAT|info|===================================================");
constexpr qsizetype kPrefix = 24;

// Bytes 1 and 2 of the fuzz input stand for the markers, so blocks occur.
QByteArray logFrom(QByteArray bytes)
{
    return bytes.replace('\1', kStart).replace('\2', kEnd);
}

// Base64 broken into lines of `width` characters, as a payload may come.
QString payloadOf(const QByteArray &log, int width)
{
    const QByteArray base64 = log.toBase64();
    if (width == 0)
        return QString::fromLatin1(base64);
    QByteArray broken;
    for (qsizetype start = 0; start < base64.size(); start += width)
        broken += base64.mid(start, width) + "\r\n";
    return QString::fromLatin1(broken);
}

// Index of the last line holding the start marker and of the first line from
// there on holding the end marker; -1 when there is no such block.
std::pair<qsizetype, qsizetype> blockOf(const QByteArrayList &lines)
{
    qsizetype start = lines.size() - 1;
    while (start >= 0 && !lines.at(start).contains(kStart))
        --start;
    if (start < 0)
        return {-1, -1};
    for (qsizetype end = start; end < lines.size(); ++end) {
        if (lines.at(end).contains(kEnd))
            return {start, end};
    }
    return {-1, -1};
}

void checkTexts(const QByteArray &log, const QString &wholeLog, const QString &superLog)
{
    const QByteArrayList logLines = log.isEmpty() ? QByteArrayList() : log.split('\n');
    QStringList shown = wholeLog.split(u'\n');
    FUZZ_CHECK(shown.takeLast() == LogDecoder::kLinhaFinal);
    FUZZ_CHECK(shown.size() == logLines.size());
    // The log is one text, read as a whole: UTF-8 when the whole of it is,
    // else the code page. A byte-order mark inside it is kept as a character.
    FUZZ_CHECK(log.isEmpty() || shown.join(u'\n') == FuzzInput::shown(log));

    const auto [start, end] = blockOf(logLines);
    if (start < 0) {
        FUZZ_CHECK(superLog == QStringLiteral("\n\n") + LogDecoder::kSemSuperLog + QStringLiteral("\n\n"));
        return;
    }
    FUZZ_CHECK(superLog.startsWith(u'\n'));
    const QStringList block = superLog.mid(1).split(u'\n');
    FUZZ_CHECK(block.size() == end - start + 1);
    for (qsizetype index = 0; index < block.size(); ++index) {
        const QByteArray &line = logLines.at(start + index);
        // Each line of the block is read on its own, past its prefix.
        FUZZ_CHECK(block.at(index) == QStringLiteral("   ") + FuzzInput::shown(line.mid(kPrefix)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int form = input.ConsumeIntegralInRange(0, 2);
    const int superLogMode = input.ConsumeIntegral<int>();
    const int width = input.ConsumeIntegralInRange(0, 80);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray bytes = QByteArray::fromStdString(rest);

    // A log's Base64, or any payload text in 8 or 16 bits.
    const QByteArray built = logFrom(bytes);
    const QString payload = form == 0 ? payloadOf(built, width)
        : form == 1                   ? QString::fromLatin1(bytes)
                                      : FuzzInput::utf16(rest);
    const QByteArray log = LogDecoder::decode(payload);
    FUZZ_CHECK(!log.contains('\0'));
    if (form == 0 && !built.contains('\0') && !built.contains('\r'))
        FUZZ_CHECK(log == built);

    const QString wholeLog = LogDecoder::text(LogDecoder::Mode::WholeLog, payload);
    const QString superLog = LogDecoder::text(
        superLogMode == int(LogDecoder::Mode::WholeLog) ? LogDecoder::Mode::SuperLog : LogDecoder::Mode(superLogMode),
        payload);
    FUZZ_CHECK(wholeLog == LogDecoder::wholeLog(log) && superLog == LogDecoder::superLog(log));
    checkTexts(log, wholeLog, superLog);
    return 0;
}
