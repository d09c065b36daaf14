#pragma once

#include <QByteArray>
#include <QString>

// Text that goes to or comes from the module is 8-bit text in the system's
// ANSI code page; text on screen is QString. This is the one place that
// converts between them (Windows-1252 outside Windows).
class AnsiCodePage
{
public:
    static QByteArray fromUnicode(const QString &text);
    static QString toUnicode(const QByteArray &bytes);
    // A reply field shown "decoded from UTF-8": its ANSI bytes read as UTF-8,
    // invalid sequences becoming the replacement character.
    static QString utf8Display(const QString &text);
};
