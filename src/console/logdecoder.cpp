#include "console/logdecoder.h"

#include <QByteArrayView>

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
            text += QString::fromUtf8(line.sliced(kPrefixo));
        if (stop < 0)
            return text;
        start = stop + 1;
    }
}

} // namespace

QByteArray LogDecoder::decode(const QString &payload)
{
    // Base64 is ASCII: any other character becomes a byte outside the
    // alphabet, which the decoder skips like every such byte.
    QByteArray log = QByteArray::fromBase64Encoding(payload.toLatin1(), QByteArray::Base64Encoding).decoded;
    const qsizetype nul = log.indexOf('\0');
    if (nul >= 0)
        log.truncate(nul);
    // The memo breaks lines at a lone CR too; a CR LF pair is one break.
    return log.replace("\r\n", "\n");
}

QString LogDecoder::wholeLog(const QByteArray &log)
{
    if (log.isEmpty())
        return kLinhaFinal;
    QString text = QString::fromUtf8(log);
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
