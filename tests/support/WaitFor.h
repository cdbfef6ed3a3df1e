#pragma once
// Waiting in a test for what the program does on its own timers and ports.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <functional>

// Runs the event loop until `done` holds; false when timeoutMs passed first. It looks again
// every fraction of a millisecond, so a test that paces a run step by step stays quick.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
    return true;
}
