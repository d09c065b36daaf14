// The ordinary splitter against a plain split: with no quote character in
// the text, the fields are the non-empty pieces of the text cut at every
// separator, CR and LF, CR and LF also skipped before each field.

#include "channel/replyfields.h"
#include "fuzzcheck.h"
#include "splitinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const SplitInput in(data, size);
    QStringList fields{QStringLiteral("kept")};
    const int count = ReplyFields::ExtractStrings(in.separators, in.whiteSpace, in.content, &fields);
    FUZZ_CHECK(fields.size() == 1 + count);
    FUZZ_CHECK(fields.first() == QStringLiteral("kept"));
    for (qsizetype index = 1; index < fields.size(); ++index)
        FUZZ_CHECK(!fields.at(index).isEmpty());
    if (!SplitInput::hasQuote(in.content)) {
        FUZZ_CHECK(fields.mid(1)
                   == SplitInput::plainSplit(in.separators + "\r\n", in.whiteSpace + "\r\n", in.content, false));
    }
    return 0;
}
