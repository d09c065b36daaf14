// Measures the Integrador exchange on the real clock as the console calls it:
// on its worker thread, the calling thread turning a local event loop.
//  1. latency: from a reply file appearing in Output (written by a thread
//     that plays the Integrador) to send() returning, over several runs,
//     against the reader's 300 ms pause before it reads a reply;
//  2. processor time of the whole process during a 10-second wait with an
//     empty Output folder.

#include "channel/integradorexchange.h"
#include "channel/randomgenerator.h"
#include "fakeintegrador.h"
#include "integradorrequestdocument.h"
#include "platform/systemclock.h"
#include "platform/workerthread.h"
#include "temporarywineprefix.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/resource.h>
#endif
#include <thread>
#include <vector>

namespace {

using Steady = std::chrono::steady_clock;

constexpr int kRuns = 10;
constexpr double kVisitPauseMs = 300;

QByteArray send(WorkerThread &worker, IntegradorExchange &exchange)
{
    QByteArray reply;
    worker.run([&exchange, &reply] { reply = exchange.send(Command::ConsultarSAT, 1, {}); });
    return reply;
}

// The real clock, jumping forward by `jump` at the exchange's first pause,
// so that a 14-second wait lasts about 10 real seconds.
class JumpingClock : public Clock
{
public:
    explicit JumpingClock(qint64 jumpMs)
        : jumpMs_(jumpMs)
    {
    }
    QDateTime now() const override { return system_.now().addMSecs(offsetMs_); }
    void pause(int milliseconds) override
    {
        offsetMs_ = jumpMs_;
        system_.pause(milliseconds);
    }
    void pauseUntilChanged(FolderWatch &folder, int milliseconds) override
    {
        offsetMs_ = jumpMs_;
        system_.pauseUntilChanged(folder, milliseconds);
    }

private:
    SystemClock system_;
    qint64 jumpMs_;
    qint64 offsetMs_ = 0;
};

double processorSeconds()
{
#ifdef Q_OS_WIN
    FILETIME creation, exit, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
    const auto seconds = [](const FILETIME &t) {
        return double((quint64(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
#endif
}

// Plays the Integrador: answers the first request it sees and records when
// its reply file appeared in Output.
void answerOnce(const QString &input, std::atomic<Steady::rep> &answeredAt)
{
    for (;; QThread::msleep(1)) {
        const QStringList names = QDir(input).entryList({QStringLiteral("*.xml")}, QDir::Files);
        if (!names.isEmpty()) {
            QFile request(input + u'/' + names.first());
            if (!request.open(QIODevice::ReadOnly))
                continue;
            const IntegradorRequestDocument document(request.readAll());
            QThread::msleep(20); // the reader is idle, waiting on an empty folder
            const QString retorno = QStringLiteral("1|08000|ok|||");
            FakeIntegrador::writeOutputFile(names.first(),
                                            FakeIntegrador::replyDocument(document.identificador(), retorno));
            answeredAt = Steady::now().time_since_epoch().count();
            return;
        }
    }
}

void measureLatency(WorkerThread &worker)
{
    std::vector<double> latencies;
    for (int run = 0; run < kRuns; ++run) {
        TemporaryWinePrefix prefix;
        SystemClock clock;
        RandomGenerator generator;
        IntegradorExchange exchange(clock, generator);
        std::atomic<Steady::rep> answeredAt{0};
        std::thread integrador(answerOnce, prefix.input(), std::ref(answeredAt));
        const QByteArray reply = send(worker, exchange);
        const Steady::rep returnedAt = Steady::now().time_since_epoch().count();
        integrador.join();
        if (reply != "1|08000|ok|||") {
            std::printf("run %d: unexpected reply %s\n", run, reply.constData());
            continue;
        }
        const Steady::duration latency(returnedAt - answeredAt);
        latencies.push_back(std::chrono::duration<double, std::milli>(latency).count());
    }
    if (latencies.empty())
        return;
    std::sort(latencies.begin(), latencies.end());
    double sum = 0;
    for (const double latency : latencies)
        sum += latency;
    std::printf("reply latency over %zu runs: min %.1f ms, median %.1f ms, mean %.1f ms, max %.1f ms"
                " (max %.3f x the %.0f ms pause)\n",
                latencies.size(), latencies.front(), latencies[latencies.size() / 2],
                sum / double(latencies.size()), latencies.back(), latencies.back() / kVisitPauseMs, kVisitPauseMs);
}

void measureIdleWait(WorkerThread &worker)
{
    TemporaryWinePrefix prefix;
    JumpingClock clock(4000); // ConsultarSAT waits 14 s: 10 s remain after the jump
    RandomGenerator generator;
    IntegradorExchange exchange(clock, generator);
    const double cpuBefore = processorSeconds();
    const Steady::time_point wallBefore = Steady::now();
    const QByteArray reply = send(worker, exchange);
    const double wall = std::chrono::duration<double>(Steady::now() - wallBefore).count();
    const double cpu = processorSeconds() - cpuBefore;
    std::printf("idle wait on an empty Output folder: %.2f s wall, %.4f s processor (%.3f%% of the wall time)\n",
                wall, cpu, 100.0 * cpu / wall);
    std::printf("  reply: %s\n", reply.constData());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv); // the event loops of the waits
    WorkerThread worker;
    measureLatency(worker);
    measureIdleWait(worker);
    return 0;
}
