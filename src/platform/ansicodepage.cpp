#include "platform/ansicodepage.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

#ifndef Q_OS_WIN
constexpr const char *kAnsiCodePage = "windows-1252";
constexpr char kSubstitute = '\x1a';

// The converter marks a character the code page lacks with the substitute
// byte; Windows writes its default character "?" there instead. The code page
// has one byte per character, so byte i stands for code point i.
QByteArray withWindowsDefaultChar(QByteArray bytes, const QString &text)
{
    const QList<uint> codePoints = text.toUcs4();
    if (codePoints.size() != bytes.size())
        return bytes;
    for (qsizetype index = 0; index < bytes.size(); ++index) {
        if (bytes.at(index) == kSubstitute && codePoints.at(index) != uint(kSubstitute))
            bytes[index] = '?';
    }
    return bytes;
}
#endif

} // namespace

QByteArray AnsiCodePage::fromUnicode(const QString &text)
{
#ifdef Q_OS_WIN
    return QStringEncoder(QStringEncoder::System).encode(text);
#else
    QStringEncoder encoder(kAnsiCodePage);
    if (!encoder.isValid())
        return text.toLatin1();
    const QByteArray bytes = encoder.encode(text);
    return bytes.contains(kSubstitute) ? withWindowsDefaultChar(bytes, text) : bytes;
#endif
}

QString AnsiCodePage::toUnicode(const QByteArray &bytes)
{
#ifdef Q_OS_WIN
    return QStringDecoder(QStringDecoder::System).decode(bytes);
#else
    QStringDecoder decoder(kAnsiCodePage);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
#endif
}

QString AnsiCodePage::utf8Display(const QString &text)
{
    return QString::fromUtf8(fromUnicode(text));
}
