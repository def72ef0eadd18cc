#include "files/save_file.h"

#include "files/file_kind.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

namespace {

// Keeps SIGPIPE from this thread while it writes, so that a pipe whose
// reader is gone makes the write fail with EPIPE rather than end the program.
// A SIGPIPE the writes raise is taken off again; one that was pending before
// stays for whoever expects it.
class SigpipeHeld {
public:
    SigpipeHeld() {
        sigemptyset(&pipeOnly);
        sigaddset(&pipeOnly, SIGPIPE);
        sigset_t pending;
        sigemptyset(&pending);
        sigpending(&pending);
        pendingBefore = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipeOnly, &previous);
    }
    ~SigpipeHeld() {
        if (!pendingBefore) {
            const timespec now{};
            while (sigtimedwait(&pipeOnly, nullptr, &now) == SIGPIPE) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    }
    SigpipeHeld(const SigpipeHeld&) = delete;
    SigpipeHeld& operator=(const SigpipeHeld&) = delete;

private:
    sigset_t pipeOnly{};
    sigset_t previous{};
    bool pendingBefore = false;
};

// Writes all the bytes to fd; returns 0, or the errno of the write that
// failed. A short write is followed by another, which names the reason (a
// disk that filled up midway).
int writeAll(int fd, const QByteArray& bytes) {
    const SigpipeHeld held;
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return EIO;
        }
        data += written;
        left -= written;
    }
    return 0;
}

QString saveAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (const int error = writeAll(file.handle(), bytes); error != 0) {
        file.cancelWriting();
        return qt_error_string(error);
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

bool writtenDirectly(FileKind kind) {
    return kind == FileKind::Pipe || kind == FileKind::CharacterDevice;
}

QString writeDirectly(const QString& path, const QByteArray& bytes) {
    // Never created and never truncated: only what already stands there is
    // opened.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return qt_error_string(errno);
    }
    if (const FileKind kind = KindOfHandle(fd); !writtenDirectly(kind)) {
        // Something else took the pipe's place since it was looked at.
        ::close(fd);
        return kind == FileKind::Regular ? saveAtomically(path, bytes) : NotAFileText(kind);
    }
    const int error = writeAll(fd, bytes);
    if (::close(fd) != 0 && error == 0 && errno != EINTR) {
        return qt_error_string(errno);
    }
    return error == 0 ? QString() : qt_error_string(error);
}

} // namespace

QString SaveFileBytes(const QString& path, const QByteArray& bytes) {
    const PathKind at = KindAtPath(path);
    if (!at.error.isEmpty()) {
        return at.error;
    }
    if (at.kind == FileKind::None || at.kind == FileKind::Regular) {
        return saveAtomically(path, bytes);
    }
    if (writtenDirectly(at.kind)) {
        return writeDirectly(path, bytes);
    }
    return NotAFileText(at.kind);
}
