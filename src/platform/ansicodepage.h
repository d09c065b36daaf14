#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Text that goes to or comes from the module is 8-bit text in the system's
// ANSI code page; text on screen is QString. This is the one place that
// converts between them (Windows-1252 outside Windows).
//
// The code page is one byte per character: the conversion to it writes
// exactly one byte for every character of the text (a surrogate pair is one
// character), so a text's length in the code page is its character count.
class AnsiCodePage
{
public:
    // A character the code page lacks becomes "?", as Windows writes it;
    // so does a lone surrogate.
    static QByteArray fromUnicode(const QString &text);
    // The same, with each character the code page lacks written as
    // `missing` spells it (for instance as an XML character reference).
    static QByteArray fromUnicode(const QString &text, QByteArray (*missing)(char32_t codePoint));
    // The same for a text whose every character the code page has; nullopt
    // when it lacks one.
    static std::optional<QByteArray> fromUnicodeExactly(const QString &text);
    // fromUnicode(QString::fromUtf8(utf8), missing) in one pass, without
    // the UTF-16 text in between.
    static QByteArray fromUtf8(const QByteArray &utf8, QByteArray (*missing)(char32_t codePoint));
    // toUnicode of fromUnicode(text) cut to its first length bytes (all of
    // them when length is negative), in one pass. One byte per character:
    // the cut falls between characters, never inside a surrogate pair.
    static QString roundTrip(const QString &text, qsizetype length = -1);
    static QString toUnicode(const QByteArray &bytes);
    // Text from outside (the module, the Integrador, a file) as it is shown:
    // its bytes read as UTF-8 when they are valid UTF-8, otherwise in the
    // code page. Modules answer in either, so neither reading alone is right.
    static QString display(const QByteArray &bytes);
    // The same for a text read in the code page (a reply as the channel
    // hands it), cut to its first length bytes when length is not negative;
    // a UTF-8 sequence cut short at the end does not make the text invalid.
    static QString display(const QString &text, qsizetype length = -1);
};
