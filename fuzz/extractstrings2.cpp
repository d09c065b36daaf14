// The reply splitter that keeps empty fields, against a plain split: with no
// quote character among the separators, the fields are the text cut at every
// separator.

#include "channel/replyfields.h"
#include "fuzzcheck.h"
#include "splitinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const SplitInput in(data, size);
    QStringList fields{QStringLiteral("kept")};
    const int count = ReplyFields::ExtractStrings2(in.separators, in.whiteSpace, in.content, &fields);
    FUZZ_CHECK(fields.size() == 1 + count);
    FUZZ_CHECK(fields.first() == QStringLiteral("kept"));
    FUZZ_CHECK(ReplyFields::ExtractStrings2(in.separators, in.whiteSpace, in.content, nullptr) == 0);
    if (!SplitInput::hasQuote(QString::fromLatin1(in.separators)))
        FUZZ_CHECK(fields.mid(1) == SplitInput::plainSplit(in.separators, in.whiteSpace, in.content, true));
    return 0;
}
