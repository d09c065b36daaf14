#pragma once

#include "platform/ansicodepage.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

// Fuzz input as the parsers receive it.
class FuzzInput
{
public:
    static QByteArray bytes(const std::uint8_t *data, std::size_t size)
    {
        return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
    }

    // Pairs of bytes as UTF-16 units, so zeros, characters above 255 and
    // lone surrogates all occur.
    static QString utf16(const std::string &bytes)
    {
        QString text(qsizetype(bytes.size() / 2), Qt::Uninitialized);
        for (qsizetype index = 0; index < text.size(); ++index) {
            char16_t unit = 0;
            std::memcpy(&unit, bytes.data() + 2 * index, sizeof unit);
            text[index] = QChar(unit);
        }
        return text;
    }

    // Bytes from outside as the console shows them: UTF-8 when they are valid
    // UTF-8 (decoding them gives them back, but for a leading byte-order
    // mark), otherwise the code page.
    static QString shown(const QByteArray &bytes)
    {
        return isUtf8(bytes) ? QString::fromUtf8(bytes) : AnsiCodePage::toUnicode(bytes);
    }

    static bool isUtf8(const QByteArray &bytes)
    {
        const QByteArray back = QString::fromUtf8(bytes).toUtf8();
        return back == bytes || (bytes.startsWith("\xef\xbb\xbf") && back == bytes.mid(3));
    }

    // Every unit, character or byte, below 0x80.
    template <typename Text>
    static bool isAscii(const Text &text)
    {
        return std::all_of(text.begin(), text.end(), [](auto unit) { return QChar(unit).unicode() < 0x80; });
    }
};
