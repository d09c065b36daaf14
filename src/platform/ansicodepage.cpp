#include "platform/ansicodepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

#ifndef Q_OS_WIN
constexpr const char *kAnsiCodePage = "windows-1252";
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
    return encoder.encode(text);
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
