#pragma once

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

    // Every unit, character or byte, below 0x80.
    template <typename Text>
    static bool isAscii(const Text &text)
    {
        return std::all_of(text.begin(), text.end(), [](auto unit) { return QChar(unit).unicode() < 0x80; });
    }
};
