// The ordinary splitter against a plain split: with no quote character in
// the text, the fields are the non-empty pieces of the text cut at every
// separator, CR and LF, CR and LF also skipped before each field.

#include "channel/replyfields.h"
#include "splitinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const SplitInput in(data, size);
    const QStringList fields = in.fieldsOf(&ReplyFields::ExtractStrings);
    FUZZ_CHECK(!fields.contains(QString()));
    if (!SplitInput::hasQuote(in.content))
        FUZZ_CHECK(fields == SplitInput::plainSplit(in.separators + "\r\n", in.whiteSpace + "\r\n", in.content, false));
    return 0;
}
