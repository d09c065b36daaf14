// Measures the Integrador exchange on the real clock as the console calls it:
// on its worker thread, the calling thread turning a local event loop.
//  1. latency: from a reply file appearing in Output (written by a thread
//     that plays the Integrador) to send() returning, over several runs,
//     against the 300 ms a reply must stay unchanged before it is read;
//  2. the same latency for a fresh exchange (nothing passed over yet) with
//     200 old replies to other requests in Output, one of them 60 MB, and 50
//     files that another thread keeps rewriting, and the peak memory it adds;
//  3. processor time of the whole process during a 10-second wait with an
//     empty Output folder;
//  4. the same two figures with 10,000 old replies to other requests in
//     Output: the latency of our reply, and processor time while waiting;
//  5. the same two figures while other programs also write 20 new files a
//     second into that Output (their own processor time left out);
//  6. the latency of a reply written in place over a file Output already held.

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
#include <functional>
#include <optional>
#ifdef Q_OS_WIN
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif
#include <thread>
#include <vector>

namespace {

using Steady = std::chrono::steady_clock;

constexpr int kRuns = 10;
constexpr int kFreshRuns = 10;
constexpr int kManyOldReplies = 10000;
constexpr double kVisitPauseMs = 300;

QByteArray send(WorkerThread &worker, IntegradorExchange &exchange)
{
    QByteArray reply;
    worker.run([&exchange, &reply] { reply = exchange.send(Command::ConsultarSAT, 1, {}); });
    return reply;
}

// The real clock, shifted by an offset: jumpAtNextPause() moves it forward
// at the exchange's next pause (so that a 14-second wait lasts about 10 real
// seconds).
class BenchClock : public Clock
{
public:
    QDateTime now() const override { return system_.now().addMSecs(offsetMs_); }
    qint64 elapsed() const override { return system_.elapsed() + offsetMs_; }
    void pauseUntilChanged(FolderWatch &folder, int milliseconds) override
    {
        offsetMs_ += pendingJumpMs_;
        pendingJumpMs_ = 0;
        system_.pauseUntilChanged(folder, milliseconds);
    }
    void jumpAtNextPause(qint64 milliseconds) { pendingJumpMs_ = milliseconds; }

private:
    SystemClock system_;
    qint64 offsetMs_ = 0;
    qint64 pendingJumpMs_ = 0;
};

#ifndef Q_OS_WIN
// Of the process (RUSAGE_SELF) or of the calling thread (RUSAGE_THREAD).
double processorSecondsOf(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}
#endif

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
    return processorSecondsOf(RUSAGE_SELF);
#endif
}

// The Integrador takes its requests from Input.
void removeRequests()
{
    for (const QString &name : QDir(IntegradorFolders::input()).entryList(QDir::Files))
        QFile::remove(IntegradorFolders::input() + u'/' + name);
}

// Where the Integrador writes its reply: a new file named as the request,
// or in place over this file, which Output held before the request.
enum class Answer { NewFile, InPlace };
const QString kRewrittenReply = QStringLiteral("Resposta.xml");

bool writeReply(Answer answer, const QString &name, const QByteArray &bytes)
{
    if (answer == Answer::NewFile)
        return FakeIntegrador::writeOutputFile(name, bytes);
    QFile file(IntegradorFolders::output() + u'/' + kRewrittenReply);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(); // truncated, same inode
}

// Plays the Integrador: answers the first request it sees and records when
// its reply file appeared in Output.
void answerOnce(const QString &input, Answer answer, std::atomic<Steady::rep> &answeredAt)
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
            writeReply(answer, names.first(), FakeIntegrador::replyDocument(document.identificador(), retorno));
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
std::optional<double> answeredExchange(WorkerThread &worker, IntegradorExchange &exchange, Answer answer)
{
    std::atomic<Steady::rep> answeredAt{0};
    std::thread integrador(answerOnce, IntegradorFolders::input(), answer, std::ref(answeredAt));
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

// The latencies of answered exchanges over the current Integrador folders, a
// fresh exchange (nothing noted or passed over yet) each run.
std::vector<double> freshExchanges(WorkerThread &worker, int runs, Answer answer = Answer::NewFile)
{
    std::vector<double> latencies;
    SystemClock clock;
    for (int run = 0; run < runs; ++run) {
        if (answer == Answer::InPlace) // an old file, as another request's reply left it
            FakeIntegrador::writeOutputFile(kRewrittenReply, FakeIntegrador::replyDocument("1", "alheia"),
                                            QDateTime::currentDateTime().addSecs(-60));
        RandomGenerator generator;
        IntegradorExchange exchange(clock, generator);
        if (const std::optional<double> latency = answeredExchange(worker, exchange, answer))
            latencies.push_back(*latency);
    }
    return latencies;
}

void measureLatency(WorkerThread &worker)
{
    TemporaryWinePrefix prefix;
    printLatencies("reply latency, empty Output", freshExchanges(worker, kRuns));
}

// Peak resident memory of the process so far, in megabytes.
double peakMegabytes()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return double(counters.PeakWorkingSetSize) / 1e6;
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1e3;
#endif
}

const QDateTime &aMinuteAgo()
{
    static const QDateTime old = QDateTime::currentDateTime().addSecs(-60);
    return old;
}

// Small replies to request 0 (never drawn), last modified a minute ago.
void fillOutputWithOldReplies(int count)
{
    const QByteArray small
        = FakeIntegrador::replyDocument(QStringLiteral("0"), QStringLiteral("000001|08000|alheia|||"));
    for (int index = 1; index <= count; ++index)
        FakeIntegrador::writeOutputFile(QStringLiteral("Alheia%1.xml").arg(index, 5, 10, QLatin1Char('0')), small,
                                        aMinuteAgo());
}

// A reply to request 0 padded to 60 MB, written in chunks, so the bench's own memory stays small.
void writeLargeOldReply()
{
    QFile large(IntegradorFolders::output() + QStringLiteral("/Alheia00000.xml"));
    if (!large.open(QIODevice::WriteOnly))
        return;
    large.write("<?xml version=\"1.0\" encoding=\"utf-8\"?><Integrador><Identificador><Valor>0</Valor>"
                "</Identificador><Resposta><retorno>000001|08000|alheia|||");
    const QByteArray chunk(1000 * 1000, 'A');
    for (int megabyte = 0; megabyte < 60; ++megabyte)
        large.write(chunk);
    large.write("</retorno></Resposta></Integrador>");
    large.flush();
    large.setFileTime(aMinuteAgo(), QFileDevice::FileModificationTime);
}

// Plays another program writing into Output: runs `loop` on a thread of its
// own until destroyed; `loop` returns once its argument turns true.
class OtherProgram
{
public:
    explicit OtherProgram(const std::function<void(const std::atomic<bool> &stop)> &loop)
        : thread_([this, loop] { loop(stop_); })
    {
    }
    ~OtherProgram()
    {
        stop_ = true;
        thread_.join();
    }
    OtherProgram(const OtherProgram &) = delete;
    OtherProgram &operator=(const OtherProgram &) = delete;

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Programs that are still writing their files: rewrites each of `count`
// files in place, half a document, a pause, the other half, again and again.
void rewriteInPlace(int count, const std::atomic<bool> &stop)
{
    const QString output = IntegradorFolders::output();
    const QByteArray document
        = FakeIntegrador::replyDocument(QStringLiteral("0"), QStringLiteral("000001|08000|escrevendo|||"));
    while (!stop) {
        for (int index = 0; index < count && !stop; ++index) {
            QFile file(output + QStringLiteral("/Escrevendo%1.xml").arg(index, 2, 10, QLatin1Char('0')));
            if (!file.open(QIODevice::WriteOnly))
                continue;
            file.write(document.left(document.size() / 2));
            file.flush();
            QThread::usleep(500);
            file.write(document.mid(document.size() / 2));
        }
    }
}

void measureFreshReaderOverBusyOutput(WorkerThread &worker)
{
    TemporaryWinePrefix prefix;
    writeLargeOldReply();
    fillOutputWithOldReplies(199);
    const OtherProgram rewriters([](const std::atomic<bool> &stop) { rewriteInPlace(50, stop); });
    QThread::msleep(100); // every rewritten file exists
    const double peakBefore = peakMegabytes();
    printLatencies("reply latency, fresh reader, 200 old replies (one of 60 MB) and 50 files being rewritten",
                   freshExchanges(worker, kFreshRuns));
    const qlonglong left = QDir(IntegradorFolders::output()).entryList(QDir::Files).size();
    std::printf("  peak resident memory: %.0f MB before these runs, %.0f MB after; still in Output: %lld entries\n",
                peakBefore, peakMegabytes(), left);
}

// `others`: the processor time of the bench's own threads playing other
// programs, left out of the figure.
void measureIdleWait(WorkerThread &worker, const char *title, const std::function<double()> &others = {})
{
    const auto othersSeconds = [&others] { return others ? others() : 0.0; };
    BenchClock clock;
    clock.jumpAtNextPause(4000); // ConsultarSAT waits 14 s: 10 s remain after the jump
    RandomGenerator generator;
    IntegradorExchange exchange(clock, generator);
    const double cpuBefore = processorSeconds() - othersSeconds();
    const Steady::time_point wallBefore = Steady::now();
    const QByteArray reply = send(worker, exchange);
    const double wall = std::chrono::duration<double>(Steady::now() - wallBefore).count();
    const double cpu = processorSeconds() - othersSeconds() - cpuBefore;
    std::printf("idle wait, %s: %.2f s wall, %.4f s processor (%.3f%% of the wall time)\n", title, wall, cpu,
                100.0 * cpu / wall);
    std::printf("  reply: %s\n", reply.constData());
}

void measureEmptyOutput(WorkerThread &worker)
{
    TemporaryWinePrefix prefix;
    measureIdleWait(worker, "empty Output folder");
}

// The same exchange again and again over one Output folder that holds many
// old replies to other requests.
void measureManyOldReplies(WorkerThread &worker)
{
    TemporaryWinePrefix prefix;
    fillOutputWithOldReplies(kManyOldReplies);
    printLatencies("reply latency, 10,000 old replies in Output", freshExchanges(worker, kRuns));
    measureIdleWait(worker, "10,000 old replies in Output");
}

// Programs writing their own replies, `perSecond` new files a second; keeps
// the processor time its thread took in `processorSeconds`.
void writeNewFiles(int perSecond, std::atomic<double> &processorSeconds, const std::atomic<bool> &stop)
{
    const QByteArray document
        = FakeIntegrador::replyDocument(QStringLiteral("0"), QStringLiteral("000001|08000|outro programa|||"));
    const auto period = std::chrono::microseconds(1000000 / perSecond);
    Steady::time_point next = Steady::now();
    for (int index = 0; !stop; ++index) {
        QFile file(IntegradorFolders::output() + QStringLiteral("/Outro%1.xml").arg(index, 6, 10, QLatin1Char('0')));
        if (file.open(QIODevice::WriteOnly))
            file.write(document);
        file.close();
        next += period;
        std::this_thread::sleep_until(next);
#ifdef RUSAGE_THREAD
        processorSeconds = processorSecondsOf(RUSAGE_THREAD);
#endif
    }
}

// 10,000 old replies, and other programs writing 20 new files a second.
void measureBusyOutput(WorkerThread &worker)
{
    TemporaryWinePrefix prefix;
    fillOutputWithOldReplies(kManyOldReplies);
    std::atomic<double> writerSeconds{0};
    const OtherProgram writer(
        [&writerSeconds](const std::atomic<bool> &stop) { writeNewFiles(20, writerSeconds, stop); });
    printLatencies("reply latency, 10,000 old replies and 20 new files a second", freshExchanges(worker, kRuns));
    measureIdleWait(worker, "10,000 old replies and 20 new files a second",
                    [&writerSeconds] { return writerSeconds.load(); });
}

void measureRewriteInPlace(WorkerThread &worker)
{
    TemporaryWinePrefix prefix;
    fillOutputWithOldReplies(kManyOldReplies);
    printLatencies("reply latency, written in place over an old file, 10,000 old replies",
                   freshExchanges(worker, kRuns, Answer::InPlace));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv); // the event loops of the waits
    WorkerThread worker;
    measureLatency(worker);
    measureFreshReaderOverBusyOutput(worker);
    measureEmptyOutput(worker);
    measureManyOldReplies(worker);
    measureBusyOutput(worker);
    measureRewriteInPlace(worker);
    return 0;
}
