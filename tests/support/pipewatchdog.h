#pragma once

// Fails a test that waits on a named pipe instead of hanging it: past the
// limit it opens the pipe for writing and closes it again (repeatedly, until
// stopped), so that a reader waiting there gets an empty end and goes on;
// Stop() then tells whether it had to.
//
//     PipeWatchdog watchdog(pipePath, std::chrono::seconds(30));
//     ... code that must not wait on the pipe ...
//     QVERIFY2(!watchdog.Stop(), "waited on the named pipe");

#include <QByteArray>
#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

// Fails a test that waits on a named pipe instead of hanging it: past the
// limit it opens the pipe for writing and closes it again (repeatedly, until
// stopped), so that a reader waiting there gets an empty end and goes on;
// Stop() then tells whether it had to.
class PipeWatchdog {
public:
    PipeWatchdog(const QString &pipe, std::chrono::seconds limit)
        : pipe_(QFile::encodeName(pipe)), thread_([this, limit] { Watch(limit); })
    {
    }
    ~PipeWatchdog() { Stop(); }
    PipeWatchdog(const PipeWatchdog &) = delete;
    PipeWatchdog &operator=(const PipeWatchdog &) = delete;

    // True when the watched code had to be released.
    bool Stop()
    {
        {
            const std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable())
            thread_.join();
        return fired_;
    }

private:
    void Watch(std::chrono::seconds limit)
    {
        std::unique_lock lock(mutex_);
        if (wake_.wait_for(lock, limit, [this] { return stopped_; }))
            return;
        fired_ = true;
        while (!wake_.wait_for(lock, std::chrono::milliseconds(50), [this] { return stopped_; })) {
            const int fd = ::open(pipe_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC); // fails while no reader waits
            if (fd >= 0)
                ::close(fd);
        }
    }

    QByteArray pipe_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopped_ = false;
    std::atomic<bool> fired_ = false;
    std::thread thread_;
};

