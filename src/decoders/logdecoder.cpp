#include "decoders/logdecoder.h"

#include "platform/ansicodepage.h"

#include <QByteArrayView>

#include <array>

const QString LogDecoder::kLinhaFinal = QString(54, u'-');
const QString LogDecoder::kSemSuperLog = QStringLiteral("Não foi encontrado SuperLog neste trecho do Log");

namespace {

constexpr QByteArrayView kInicioSuperLog("SAT|info|================= SuperLog VANTEL ==================");
constexpr QByteArrayView kFimSuperLog("SAT|info|===================================================");
constexpr qsizetype kPrefixo = 24;
constexpr QLatin1StringView kRecuo("   ");

qsizetype lineStart(const QByteArray &log, qsizetype position)
{
    return log.lastIndexOf('\n', position) + 1;
}

qsizetype lineEnd(const QByteArray &log, qsizetype position)
{
    const qsizetype end = log.indexOf('\n', position);
    return end < 0 ? log.size() : end;
}

// Lines of the block [start, end), each shown as three blanks and the line
// past its prefix.
QString indentedBlock(QByteArrayView block)
{
    QString text;
    text.reserve(block.size() + block.size() / 8);
    qsizetype start = 0;
    for (;;) {
        const qsizetype stop = block.indexOf('\n', start);
        const QByteArrayView line = block.sliced(start, (stop < 0 ? block.size() : stop) - start);
        text += QLatin1Char('\n');
        text += kRecuo;
        if (line.size() > kPrefixo)
            text += AnsiCodePage::display(line.sliced(kPrefixo).toByteArray());
        if (stop < 0)
            return text;
        start = stop + 1;
    }
}

// The value of each Base64 character; -1 for the rest, which decoding skips.
constexpr std::array<signed char, 256> kBase64Values = [] {
    std::array<signed char, 256> values{};
    for (signed char &value : values)
        value = -1;
    constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (int index = 0; index < 64; ++index)
        values[std::size_t(uchar(kAlphabet[index]))] = static_cast<signed char>(index);
    return values;
}();

int base64Value(QChar unit)
{
    return unit.unicode() <= 0xFF ? kBase64Values[unit.unicode()] : -1;
}

// Decodes straight from the payload's characters, without an 8-bit copy of
// it: every 6 bits of alphabet characters, the rest skipped, give a byte
// once 8 have come together. Four alphabet characters in a row, with no bits
// pending, are three bytes at once.
QByteArray fromBase64(QStringView payload)
{
    QByteArray bytes(payload.size() / 4 * 3 + 2, Qt::Uninitialized);
    char *out = bytes.data();
    const QChar *unit = payload.begin();
    const QChar *const end = payload.end();
    uint pending = 0;
    int bits = 0;
    while (unit != end) {
        if (bits == 0 && end - unit >= 4) {
            const int group[4] = {base64Value(unit[0]), base64Value(unit[1]), base64Value(unit[2]), base64Value(unit[3])};
            if ((group[0] | group[1] | group[2] | group[3]) >= 0) {
                const uint value = uint(group[0]) << 18 | uint(group[1]) << 12 | uint(group[2]) << 6 | uint(group[3]);
                *out++ = char(value >> 16);
                *out++ = char(value >> 8);
                *out++ = char(value);
                unit += 4;
                continue;
            }
        }
        const int value = base64Value(*unit++);
        if (value < 0)
            continue;
        pending = (pending << 6) | uint(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            *out++ = char(pending >> bits);
            pending &= (1u << bits) - 1;
        }
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

} // namespace

QByteArray LogDecoder::decode(const QString &payload)
{
    QByteArray log = fromBase64(payload);
    const qsizetype nul = log.indexOf('\0');
    if (nul >= 0)
        log.truncate(nul);
    // The memo breaks lines at a lone CR too; a CR LF pair is one break.
    if (log.contains('\r'))
        log.replace("\r\n", "\n");
    return log;
}

QString LogDecoder::wholeLog(const QByteArray &log)
{
    if (log.isEmpty())
        return kLinhaFinal;
    QString text = AnsiCodePage::display(log);
    text.reserve(text.size() + 1 + kLinhaFinal.size());
    text += QLatin1Char('\n');
    text += kLinhaFinal;
    return text;
}

QString LogDecoder::superLog(const QByteArray &log)
{
    // Qt 6.4 reads before the text when the marker is longer than it.
    const qsizetype startMarker = log.size() < kInicioSuperLog.size() ? -1 : log.lastIndexOf(kInicioSuperLog);
    if (startMarker >= 0) {
        const qsizetype start = lineStart(log, startMarker);
        const qsizetype endMarker = log.indexOf(kFimSuperLog, start);
        if (endMarker >= 0)
            return indentedBlock(QByteArrayView(log).sliced(start, lineEnd(log, endMarker) - start));
    }
    return QStringLiteral("\n\n") + kSemSuperLog + QStringLiteral("\n\n");
}

QString LogDecoder::text(Mode mode, const QString &payload)
{
    const QByteArray log = decode(payload);
    return mode == Mode::WholeLog ? wholeLog(log) : superLog(log);
}
