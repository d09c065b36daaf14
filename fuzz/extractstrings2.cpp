// The reply splitter that keeps empty fields, against a plain split: with no
// quote character among the separators, the fields are the text cut at every
// separator.

#include "channel/replyfields.h"
#include "splitinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const SplitInput in(data, size);
    const QStringList fields = in.fieldsOf(&ReplyFields::ExtractStrings2);
    if (!SplitInput::hasQuote(QString::fromLatin1(in.separators)))
        FUZZ_CHECK(fields == SplitInput::plainSplit(in.separators, in.whiteSpace, in.content));
    return 0;
}
