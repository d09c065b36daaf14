// Writing and reading back the settings file with one large value (a 3 MB
// memo, the size of a settings file near the reader's limit), and fitting
// such a value into its field; then saving such a value as the console does
// (the field set, the dataset closed and so written), next to a QSaveFile
// write of the same bytes, the two taking turns in the same run.

#include "settings/clientdataset.h"
#include "settings/datapacket.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kValueChars = 3 * 1024 * 1024;
constexpr int kRuns = 11;

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

double timedMs(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return elapsedMs(timer);
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The value saved into a fresh settings file, then the file's bytes written
// through QSaveFile, taking turns so that both meet the same load of the
// machine; false when a write failed.
bool measureSave(const QString &value)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Parametros.xml"));
    const QString copyPath = folder.filePath(QStringLiteral("copia.xml"));
    bool written = true;
    QByteArray bytes;
    std::vector<double> saveTimes;
    std::vector<double> plainTimes;
    for (int run = 0; run < kRuns; ++run) {
        QFile::remove(path);
        // Opened at start-up and released at the end, as in the console.
        ClientDataSet settings(path);
        settings.Open();
        saveTimes.push_back(timedMs([&settings, &value, &written] {
            settings.Edit();
            settings.setFieldAsString(QStringLiteral("CSR"), value);
            written = settings.Close() == ClientDataSet::CloseResult::Written && written;
        }));
        QFile file(path);
        bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        plainTimes.push_back(timedMs([&copyPath, &bytes, &written] {
            QSaveFile copy(copyPath);
            written = copy.open(QIODevice::WriteOnly) && copy.write(bytes) == bytes.size() && copy.commit() && written;
        }));
    }
    const double saveMs = median(saveTimes);
    const double plainMs = median(plainTimes);
    std::printf("saving the memo into a new settings file: %.1f ms; QSaveFile write of its %lld bytes: %.1f ms; "
                "the save takes %.2f times that\n",
                saveMs, qlonglong(bytes.size()), plainMs, saveMs / plainMs);
    return written && !bytes.isEmpty();
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
    const bool saved = measureSave(value);
    if (!saved)
        std::printf("a write FAILED\n");
    return same && saved ? 0 : 1;
}
