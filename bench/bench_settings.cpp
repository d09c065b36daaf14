// Writing and reading back the settings file with one large value (a 3 MB
// memo, the size of a settings file near the reader's limit), and fitting
// such a value into its field.

#include "settings/datapacket.h"

#include <QElapsedTimer>
#include <cstdio>

namespace {

constexpr int kValueChars = 3 * 1024 * 1024;

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main()
{
    const QString value = QStringLiteral("ação Ω ").repeated(kValueChars / 7);
    const int csr = TParametros::indexOf(QStringLiteral("CSR"));

    QElapsedTimer timer;
    timer.start();
    TParametros::Record record;
    record[csr] = TParametros::fitted(csr, value);
    const double fitMs = elapsedMs(timer);

    timer.restart();
    const QByteArray bytes = DataPacket::write({record});
    const double writeMs = elapsedMs(timer);

    timer.restart();
    const DataPacket::ReadResult read = DataPacket::read(bytes);
    const double readMs = elapsedMs(timer);

    const bool same = read.ok && read.rows.size() == 1 && read.rows.front()[csr] == record[csr];
    std::printf("settings with a %d-character memo: fit %.0f ms, write %.0f ms (%lld bytes), read %.0f ms, %s\n",
                kValueChars, fitMs, writeMs, qlonglong(bytes.size()), readMs,
                same ? "read back the same" : "READ BACK DIFFERENT");
    return same ? 0 : 1;
}
