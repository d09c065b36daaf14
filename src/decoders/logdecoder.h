#pragma once

#include <QByteArray>
#include <QString>

// Turns the module's log payload (Base64 of 8-bit text whose lines end at LF
// and whose characters are UTF-8) into the text the log memo shows: memo lines
// separated by LF, either the whole log or its last SuperLog block.
class LogDecoder
{
public:
    enum class Mode { WholeLog = 1, SuperLog = 2 };

    static const QString kLinhaFinal;
    static const QString kSemSuperLog;

    // The log's bytes: characters outside the Base64 alphabet are skipped, a
    // NUL ends the text and a CR before an LF belongs to the line break.
    static QByteArray decode(const QString &payload);

    // Every line followed by the closing line; the end of the log is last.
    static QString wholeLog(const QByteArray &log);

    // The last block from a start-marker line to the first end-marker line
    // after it, each line indented and cut by its 24-byte prefix; or the
    // not-found lines.
    static QString superLog(const QByteArray &log);

    // The memo text for a payload; any mode but the whole log is the SuperLog.
    static QString text(Mode mode, const QString &payload);
};
