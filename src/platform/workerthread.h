#pragma once

#include <QObject>
#include <QThread>
#include <functional>

// One long-lived thread for the calls that block for long (a module library
// call, the wait for an Integrador reply), so that the calling thread's
// events keep being served: the window repaints during a 30-minute wait.
// Calls run one at a time and always on the same thread, as a module library
// may expect.
class WorkerThread
{
public:
    WorkerThread();
    ~WorkerThread();
    WorkerThread(const WorkerThread &) = delete;
    WorkerThread &operator=(const WorkerThread &) = delete;

    // Runs call on the worker and returns once it has ended, serving the
    // calling thread's events meanwhile in a local event loop (keeping input
    // out of it is the caller's part). An error that escapes call is thrown
    // again here, on the calling thread.
    void run(const std::function<void()> &call);

private:
    QThread thread_;
    QObject context_; // lives on thread_
};
