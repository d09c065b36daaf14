// Measures the log page's heavy steps against a plain copy of the same bytes:
//  1. a 10 MB log (whole-log mode): Base64 decoding, the memo text, and the
//     memo showing it with its end in view;
//  2. the same log through the log page, from the click on "Extrair Logs"
//     to the repainted window: the fake module library's reply, its split
//     into fields, the status bar, the decoding and the memo; next to a
//     plain setPlainText of the same text into the page's memo, the two
//     taking turns in the same run;
//  3. a 100 000-line log (SuperLog mode) whose only block stands near its
//     start, so the backward search crosses almost all of it.
// Run with QT_QPA_PLATFORM=offscreen or on a display.

#include "boundconsole.h"

#include "console/tfativacao.h"
#include "decoders/logdecoder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr int kPairedRuns = 11;

const QByteArray kStart("SAT|info|================= SuperLog VANTEL ==================");
const QByteArray kEnd("SAT|info|===================================================");

QByteArray logLine(int number)
{
    return QByteArray("2024-01-05 10:00:00|001|SAT|info|linha ") + QByteArray::number(number)
        + " opera\xc3\xa7\xc3\xa3o de rotina do m\xc3\xb3" "dulo, sem nada de especial a registrar\n";
}

QByteArray logOfSize(qsizetype bytes)
{
    QByteArray log;
    for (int number = 0; log.size() < bytes; ++number)
        log += logLine(number);
    return log;
}

QByteArray logOfLines(int lines)
{
    QByteArray log;
    for (int number = 0; number < lines; ++number) {
        if (number == 10)
            log += "2024-01-05 10:00:00|001|" + kStart + '\n';
        else if (number == 20)
            log += "2024-01-05 10:00:00|001|" + kEnd + '\n';
        else
            log += logLine(number);
    }
    return log;
}

double elapsedMs(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double medianMs(const std::function<void()> &step)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run)
        times.push_back(elapsedMs(step));
    return median(times);
}

double copyMs(const QByteArray &bytes)
{
    volatile char sink = 0;
    return medianMs([&bytes, &sink] {
        const QByteArray copy(bytes.constData(), bytes.size());
        sink = copy.back();
    });
}

void measureLogPage(const QByteArray &log)
{
    BoundConsole bound;
    bound.module.setReply(QStringLiteral("ExtrairLogs"), "{sessao}|15000|ok|||" + log.toBase64());
    TFAtivacao &window = bound.console.window();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return;
    auto *memo = bound.find<QPlainTextEdit>(QStringLiteral("MemoLogs"));
    const QString text = LogDecoder::wholeLog(log);
    // The two alternate, so that both meet the same load of the machine;
    // before each the memo holds the log.
    std::vector<double> pageTimes;
    std::vector<double> plainTimes;
    for (int run = 0; run < kPairedRuns; ++run) {
        pageTimes.push_back(elapsedMs([&bound, &window] {
            bound.answerPrompt(QStringLiteral("12345678"));
            bound.click(QStringLiteral("BitLogs"));
            window.repaint();
        }));
        plainTimes.push_back(elapsedMs([memo, &text] { memo->setPlainText(text); }));
    }
    const bool shown = memo->blockCount() > 1;
    const double pageMs = median(pageTimes);
    const double plainMs = median(plainTimes);
    std::printf("  through the page, click to repainted window: %.1f ms%s\n", pageMs, shown ? "" : " (log NOT shown)");
    std::printf("  plain setPlainText of the same text into the memo: %.1f ms; the page takes %.2f times that\n",
                plainMs, pageMs / plainMs);
}

void measureWholeLog(QPlainTextEdit &memo)
{
    const QByteArray log = logOfSize(10 * 1024 * 1024);
    const QString payload = QString::fromLatin1(log.toBase64());
    std::printf("whole log: %.1f MB, %lld lines\n", log.size() / 1048576.0, log.count('\n'));
    const double decodeMs = medianMs([&payload] { LogDecoder::text(LogDecoder::Mode::WholeLog, payload); });
    const double showMs = medianMs([&payload, &memo] {
        memo.clear();
        memo.setPlainText(LogDecoder::text(LogDecoder::Mode::WholeLog, payload));
        memo.moveCursor(QTextCursor::End);
        memo.ensureCursorVisible();
        memo.repaint();
    });
    std::printf("  decode: %.1f ms; decode and show: %.1f ms; plain copy of the log: %.2f ms\n", decodeMs, showMs,
                copyMs(log));
    measureLogPage(log);
}

void measureSuperLog()
{
    const QByteArray log = logOfLines(100000);
    const QString payload = QString::fromLatin1(log.toBase64());
    std::printf("SuperLog: %d lines, %.1f MB, block at line 10\n", 100000, log.size() / 1048576.0);
    const double searchMs = medianMs([&log] { LogDecoder::superLog(log); });
    const double decodeMs = medianMs([&payload] { LogDecoder::text(LogDecoder::Mode::SuperLog, payload); });
    std::printf("  search: %.2f ms; decode and search: %.1f ms; plain copy of the log: %.2f ms\n", searchMs, decodeMs,
                copyMs(log));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QPlainTextEdit memo;
    memo.setReadOnly(true);
    memo.setLineWrapMode(QPlainTextEdit::NoWrap);
    memo.resize(600, 300);
    memo.show();
    if (!QTest::qWaitForWindowExposed(&memo))
        return 1;
    measureWholeLog(memo);
    measureSuperLog();
    return 0;
}
