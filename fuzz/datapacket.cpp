// The settings datapacket: whatever the reader accepts is written and read
// back as the same records, and written the same way again; any text fitted
// into any field survives the writing and reading too.

#include "fuzzcheck.h"
#include "fuzzinput.h"
#include "settings/datapacket.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

void checkRoundTrip(const DataPacket::Rows &rows)
{
    const QByteArray written = DataPacket::write(rows);
    const DataPacket::ReadResult again = DataPacket::read(written);
    FUZZ_CHECK(again.ok);
    FUZZ_CHECK(again.rows == rows);
    FUZZ_CHECK(DataPacket::write(again.rows) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const DataPacket::ReadResult read = DataPacket::read(FuzzInput::bytes(data, size));
    if (read.ok)
        checkRoundTrip(read.rows);

    FuzzedDataProvider input(data, size);
    const int index = input.ConsumeIntegralInRange(0, TParametros::kFieldCount - 1);
    const TParametros::Field &field = TParametros::field(index);
    const QString text = field.kind == TParametros::Kind::Integer
        ? QString::number(input.ConsumeIntegral<qint32>())
        : FuzzInput::utf16(input.ConsumeRemainingBytesAsString());
    const QString fitted = TParametros::fitted(index, text);
    FUZZ_CHECK(TParametros::fitted(index, fitted) == fitted);
    if (field.kind == TParametros::Kind::Text)
        FUZZ_CHECK(fitted.size() <= field.width);
    TParametros::Record record;
    record[index] = fitted;
    checkRoundTrip({record});
    return 0;
}
