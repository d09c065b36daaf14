// Start-up to the first shown window: the start-up check of the settings
// files, the main window with its pages and dialogs, and the first expose.
// Run with QT_QPA_PLATFORM=offscreen or on a display.

#include "consolefixture.h"

#include "settings/startupfiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    constexpr int kRuns = 20;
    std::vector<double> milliseconds;
    for (int run = 0; run < kRuns; ++run) {
        ConsoleFixture console;
        QElapsedTimer timer;
        timer.start();
        if (StartupFiles::CheckConfigs(console.programFolder()) != StartupFiles::Result::Ok)
            return 1;
        TFAtivacao &window = console.start();
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        milliseconds.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("start-up to first shown window over %d runs: min %.2f ms, median %.2f ms, max %.2f ms\n", kRuns,
                milliseconds.front(), milliseconds[kRuns / 2], milliseconds.back());
    return 0;
}
