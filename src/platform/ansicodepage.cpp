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
// byte; Windows writes its default character "?" there instead.
QByteArray withWindowsDefaultChar(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const uint codePoint : text.toUcs4()) {
        const QString character = QString::fromUcs4(reinterpret_cast<const char32_t *>(&codePoint), 1);
        const QByteArray encoded = QStringEncoder(kAnsiCodePage).encode(character);
        bytes += encoded == QByteArray(1, kSubstitute) && codePoint != 0x1A ? QByteArray("?") : encoded;
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
    QByteArray bytes = encoder.encode(text);
    if (bytes.contains(kSubstitute))
        bytes = withWindowsDefaultChar(text);
    return bytes;
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
