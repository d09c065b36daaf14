// The reply splitter against a plain split: with no quote among the
// separators, the fields are the text cut at every separator (white space
// skipped before each field, the text ending at its first zero).

#include "channel/replyfields.h"
#include "fuzzcheck.h"
#include "fuzzinput.h"

#include <QStringList>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

bool inSet(const QByteArray &set, QChar character)
{
    return character.unicode() <= 0xFF && set.contains(char(character.unicode()));
}

QStringList plainSplit(const QByteArray &separators, const QByteArray &whiteSpace, QString content)
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool asUtf16 = input.ConsumeBool();
    const QByteArray separators = QByteArray::fromStdString(input.ConsumeRandomLengthString(4));
    const QByteArray whiteSpace = QByteArray::fromStdString(input.ConsumeRandomLengthString(4));
    const std::string rest = input.ConsumeRemainingBytesAsString();
    // A reply as the console holds it (Latin-1 stands for any 8-bit text), or any UTF-16 text.
    const QString content = asUtf16 ? FuzzInput::utf16(rest) : QString::fromLatin1(QByteArray::fromStdString(rest));

    QStringList fields{QStringLiteral("kept")};
    const int count = ReplyFields::ExtractStrings2(separators, whiteSpace, content, &fields);
    FUZZ_CHECK(fields.size() == 1 + count);
    FUZZ_CHECK(fields.first() == QStringLiteral("kept"));
    FUZZ_CHECK(ReplyFields::ExtractStrings2(separators, whiteSpace, content, nullptr) == 0);
    if (!separators.contains('"') && !separators.contains('\''))
        FUZZ_CHECK(fields.mid(1) == plainSplit(separators, whiteSpace, content));
    return 0;
}
