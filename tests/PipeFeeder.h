#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quillane {

// A named pipe under a file's name. Whoever opens it to read gets `text`, so a reader that waits
// on it is set free and reads what a file would hold, instead of hanging the test.
class PipeFeeder {
public:
    PipeFeeder(const QString& path, QByteArray text) : m_path(QFile::encodeName(path)) {
        made = ::mkfifo(m_path.constData(), 0600) == 0;
        m_feeder = std::thread([this, text = std::move(text)] {
            // A reader that leaves before the text is written must not end the test.
            sigset_t pipeSignal;
            sigemptyset(&pipeSignal);
            sigaddset(&pipeSignal, SIGPIPE);
            pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
            while (!m_stop) {
                // Succeeds only while a reader has the pipe open.
                const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd < 0) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                    continue;
                }
                [[maybe_unused]] const ssize_t written = ::write(fd, text.constData(), text.size());
                ::close(fd);
            }
        });
    }
    PipeFeeder(const PipeFeeder&) = delete;
    PipeFeeder& operator=(const PipeFeeder&) = delete;
    ~PipeFeeder() {
        m_stop = true;
        m_feeder.join();
    }

    // Whether the name still holds the pipe.
    bool stillThere() const {
        struct stat st {};
        return ::lstat(m_path.constData(), &st) == 0 && S_ISFIFO(st.st_mode);
    }

    bool made = false;

private:
    QByteArray m_path;
    std::atomic<bool> m_stop = false;
    std::thread m_feeder;
};

} // namespace quillane
