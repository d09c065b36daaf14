#pragma once

#include "fuzzcheck.h"
#include "fuzzinput.h"

#include <QStringList>
#include <fuzzer/FuzzedDataProvider.h>

// A splitter's arguments from fuzz input, and the plain split that the
// splitters must agree with where no quote character is involved.
struct SplitInput {
    QByteArray separators;
    QByteArray whiteSpace;
    QString content;

    SplitInput(const std::uint8_t *data, std::size_t size)
    {
        FuzzedDataProvider input(data, size);
        const bool asUtf16 = input.ConsumeBool();
        separators = QByteArray::fromStdString(input.ConsumeRandomLengthString(4));
        whiteSpace = QByteArray::fromStdString(input.ConsumeRandomLengthString(4));
        const std::string rest = input.ConsumeRemainingBytesAsString();
        // A reply as the console holds it (Latin-1 stands for any 8-bit text), or any UTF-16 text.
        content = asUtf16 ? FuzzInput::utf16(rest) : QString::fromLatin1(QByteArray::fromStdString(rest));
    }

    // The splitter's fields, after checking that it appended what it counted
    // and left what the list held.
    template <typename Splitter>
    QStringList fieldsOf(Splitter splitter) const
    {
        QStringList fields{QStringLiteral("kept")};
        const int count = splitter(separators, whiteSpace, content, &fields);
        FUZZ_CHECK(fields.size() == 1 + count);
        FUZZ_CHECK(fields.first() == QStringLiteral("kept"));
        FUZZ_CHECK(splitter(separators, whiteSpace, content, nullptr) == 0);
        return fields.mid(1);
    }

    static bool hasQuote(const QString &text) { return text.contains(u'"') || text.contains(u'\''); }

    // Fields end at a separator, white space is skipped before each field,
    // the text ends at its first zero.
    static QStringList plainSplit(const QByteArray &separators, const QByteArray &whiteSpace, QString content)
    {
        const qsizetype zero = content.indexOf(QChar(u'\0'));
        if (zero >= 0)
            content.truncate(zero);
        QStringList fields;
        for (qsizetype position = 0; !content.isEmpty();) {
            while (position < content.size() && inSet(whiteSpace, content.at(position)))
                ++position;
            qsizetype end = position;
            while (end < content.size() && !inSet(separators, content.at(end)))
                ++end;
            fields.append(content.mid(position, end - position));
            if (end == content.size())
                break;
            position = end + 1;
        }
        return fields;
    }

private:
    static bool inSet(const QByteArray &set, QChar character)
    {
        return character.unicode() <= 0xFF && set.contains(char(character.unicode()));
    }
};
