#include "platform/workerthread.h"

#include <QEventLoop>
#include <exception>

WorkerThread::WorkerThread()
{
    thread_.setObjectName(QStringLiteral("WorkerThread"));
    context_.moveToThread(&thread_);
    thread_.start();
}

WorkerThread::~WorkerThread()
{
    thread_.quit();
    thread_.wait();
}

void WorkerThread::run(const std::function<void()> &call)
{
    QEventLoop loop;
    bool ended = false; // written on this thread, by the call's last step
    std::exception_ptr error;
    QMetaObject::invokeMethod(&context_, [&call, &error, &ended, &loop] {
        try {
            call();
        } catch (...) {
            error = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, [&ended, &loop] {
            ended = true;
            loop.quit();
        }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
    // An application told to quit meanwhile still waits for the call: it uses this frame.
    while (!ended)
        loop.exec();
    if (error)
        std::rethrow_exception(error);
}
