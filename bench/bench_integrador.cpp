// Measures the Integrador exchange on the real clock as the console calls it:
// on its worker thread, the calling thread turning a local event loop.
//  1. latency: from a reply file appearing in Output (written by a thread
//     that plays the Integrador) to send() returning, over several runs,
//     against the reader's 300 ms pause before it reads a reply;
//  2. the same latency with replies to other requests left in Output (2, and
//     200 with one of 60 MB), seen by an earlier exchange first;
//  3. processor time of the whole process during a 10-second wait with an
//     empty Output folder.

#include "channel/integradorexchange.h"
#include "channel/randomgenerator.h"
#include "fakeintegrador.h"
#include "integradorrequestdocument.h"
#include "platform/integradorfolders.h"
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
#include <optional>
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
constexpr int kStaleRuns = 5;
constexpr double kVisitPauseMs = 300;

QByteArray send(WorkerThread &worker, IntegradorExchange &exchange)
{
    QByteArray reply;
    worker.run([&exchange, &reply] { reply = exchange.send(Command::ConsultarSAT, 1, {}); });
    return reply;
}

// The real clock, shifted by an offset: jumpAtNextPause() moves it forward
// at the exchange's next pause (so that a 14-second wait lasts about 10 real
// seconds), and with virtual pauses a pause only moves it (an earlier
// exchange over a full Output folder, played without its real pauses).
class BenchClock : public Clock
{
public:
    QDateTime now() const override { return system_.now().addMSecs(offsetMs_); }
    void pause(int milliseconds) override
    {
        if (!shift(milliseconds))
            system_.pause(milliseconds);
    }
    void pauseUntilChanged(FolderWatch &folder, int milliseconds) override
    {
        if (!shift(milliseconds))
            system_.pauseUntilChanged(folder, milliseconds);
    }
    void jumpAtNextPause(qint64 milliseconds) { pendingJumpMs_ = milliseconds; }
    void setVirtualPauses(bool on) { virtualPauses_ = on; }

private:
    // True when the pause is virtual and only moves the clock.
    bool shift(int milliseconds)
    {
        offsetMs_ += pendingJumpMs_ + (virtualPauses_ ? milliseconds : 0);
        pendingJumpMs_ = 0;
        return virtualPauses_;
    }

    SystemClock system_;
    qint64 offsetMs_ = 0;
    qint64 pendingJumpMs_ = 0;
    bool virtualPauses_ = false;
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

// The Integrador takes its requests from Input.
void removeRequests()
{
    for (const QString &name : QDir(IntegradorFolders::input()).entryList(QDir::Files))
        QFile::remove(IntegradorFolders::input() + u'/' + name);
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

double milliseconds(Steady::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

// One exchange answered by a thread playing the Integrador; the time from its
// reply file appearing to send() returning, or nothing for a wrong reply.
std::optional<double> answeredExchange(WorkerThread &worker, IntegradorExchange &exchange)
{
    std::atomic<Steady::rep> answeredAt{0};
    std::thread integrador(answerOnce, IntegradorFolders::input(), std::ref(answeredAt));
    const Steady::time_point sentAt = Steady::now();
    const QByteArray reply = send(worker, exchange);
    const Steady::time_point returnedAt = Steady::now();
    integrador.join();
    removeRequests();
    if (reply != "1|08000|ok|||") {
        std::printf("  unexpected reply after %.1f s: %s\n", milliseconds(returnedAt - sentAt) / 1000,
                    reply.constData());
        return std::nullopt;
    }
    return milliseconds(returnedAt - Steady::time_point(Steady::duration(answeredAt.load())));
}

void printLatencies(const char *title, std::vector<double> latencies)
{
    if (latencies.empty())
        return;
    std::sort(latencies.begin(), latencies.end());
    double sum = 0;
    for (const double latency : latencies)
        sum += latency;
    std::printf("%s over %zu runs: min %.1f ms, median %.1f ms, mean %.1f ms, max %.1f ms"
                " (max %.3f x the %.0f ms pause)\n",
                title, latencies.size(), latencies.front(), latencies[latencies.size() / 2],
                sum / double(latencies.size()), latencies.back(), latencies.back() / kVisitPauseMs, kVisitPauseMs);
}

void measureLatency(WorkerThread &worker)
{
    std::vector<double> latencies;
    for (int run = 0; run < kRuns; ++run) {
        TemporaryWinePrefix prefix;
        SystemClock clock;
        RandomGenerator generator;
        IntegradorExchange exchange(clock, generator);
        if (const std::optional<double> latency = answeredExchange(worker, exchange))
            latencies.push_back(*latency);
    }
    printLatencies("reply latency, empty Output", latencies);
}

// Replies to request 0 (never drawn), the first padded to `largeBytes`.
void fillOutput(int count, qint64 largeBytes)
{
    for (int index = 0; index < count; ++index) {
        QByteArray retorno = "000001|08000|alheia|||";
        if (index == 0)
            retorno += QByteArray(largeBytes, 'A');
        FakeIntegrador::writeOutputFile(QStringLiteral("Alheia%1.xml").arg(index, 3, 10, QLatin1Char('0')),
                                        FakeIntegrador::replyDocument(QStringLiteral("0"), QString::fromLatin1(retorno)));
    }
}

void measureLatencyWithOthersReplies(WorkerThread &worker, int count, qint64 largeBytes)
{
    TemporaryWinePrefix prefix;
    fillOutput(count, largeBytes);
    BenchClock clock;
    RandomGenerator generator;
    IntegradorExchange exchange(clock, generator);

    // An earlier exchange that got no answer has visited them all.
    clock.setVirtualPauses(true);
    const Steady::time_point earlierStart = Steady::now();
    send(worker, exchange);
    removeRequests();
    const double earlier = milliseconds(Steady::now() - earlierStart);
    clock.setVirtualPauses(false);

    std::vector<double> latencies;
    for (int run = 0; run < kStaleRuns; ++run) {
        if (const std::optional<double> latency = answeredExchange(worker, exchange))
            latencies.push_back(*latency);
    }
    char title[160];
    std::snprintf(title, sizeof title, "reply latency, %d replies to other requests in Output%s", count,
                  largeBytes > 0 ? " (one of 60 MB)" : "");
    printLatencies(title, latencies);
    std::printf("  (the earlier exchange, pauses not played: %.0f ms; still in Output: %lld entries)\n", earlier,
                qlonglong(QDir(IntegradorFolders::output()).entryList(QDir::Files).size()));
}

void measureIdleWait(WorkerThread &worker)
{
    TemporaryWinePrefix prefix;
    BenchClock clock;
    clock.jumpAtNextPause(4000); // ConsultarSAT waits 14 s: 10 s remain after the jump
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
    measureLatencyWithOthersReplies(worker, 2, 0);
    measureLatencyWithOthersReplies(worker, 200, 60 * 1000 * 1000);
    measureIdleWait(worker);
    return 0;
}
