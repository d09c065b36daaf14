#pragma once

#include <QString>
#include <array>
#include <optional>

// The settings record: its 23 fields, in the order of the settings file's
// field list, and the rule that fits a value into a field.
class TParametros
{
public:
    enum class Kind {
        Text,     // 8-bit text in the ANSI code page, at most `width` characters
        Integer,  // 32-bit signed integer
        Memo,     // 8-bit text memo; its width is only declared
        WideText, // UTF-16 text; `width` counts bytes, two per character
    };

    struct Field {
        const char *name;
        Kind kind;
        int width; // the declared width in bytes; 0 when the kind has none
    };

    static constexpr int kFieldCount = 23;

    // One record: a value per field in field order; nullopt is null.
    using Record = std::array<std::optional<QString>, kFieldCount>;

    static const Field &field(int index);
    // The field with this name in any letter case, or -1.
    static int indexOf(const QString &name);
    // The value as the field keeps it: without the characters XML cannot
    // carry, cut to the field's length and, for 8-bit fields, limited to what
    // the ANSI code page can hold.
    static QString fitted(int index, const QString &value);
};
