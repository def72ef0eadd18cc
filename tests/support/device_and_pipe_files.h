#pragma once

// Pipes, devices and sockets for tests of what a save or an open does with
// them, all made inside a test's own folder.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <array>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

// The mode of what stands at path, links not followed; 0 when nothing does.
inline mode_t modeAt(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode : 0;
}

// A character device standing for the system's one at systemPath (/dev/null,
// /dev/full): a node of the same device in dir when this user may make one,
// so that a save gone wrong replaces only that node, else the system's own,
// which such a user cannot replace. Empty when the system has no such device.
inline QString characterDeviceLike(const QTemporaryDir& dir, const char* systemPath) {
    struct stat system {};
    if (::stat(systemPath, &system) != 0 || !S_ISCHR(system.st_mode)) {
        return {};
    }
    const QString own = dir.filePath(QFile::decodeName(systemPath).section(u'/', -1));
    if (::mknod(QFile::encodeName(own).constData(), S_IFCHR | 0600, system.st_rdev) == 0) {
        return own;
    }
    return QFile::decodeName(systemPath);
}

// A listening Unix socket at path; false when none could be made.
inline bool makeSocket(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) {
        return false;
    }
    std::copy(name.begin(), name.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd); // the name stays behind as a socket
    return bound;
}

// A FIFO made at path and a reader at its other end, opened without waiting
// so that a writer's open returns at once. A thread takes what comes until
// the last writer closes, or, with firstByteOnly, closes its end after the
// first byte, leaving the writer with no reader.
class FifoReader {
public:
    explicit FifoReader(const QString& path, bool firstByteOnly = false)
        : name(QFile::encodeName(path)) {
        if (::mkfifo(name.constData(), 0600) != 0) {
            return;
        }
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
        if (fd < 0 || ::fcntl(fd, F_SETFL, 0) != 0) {
            return;
        }
        reader = std::thread([this, firstByteOnly] { take(firstByteOnly); });
    }
    ~FifoReader() {
        finish();
        if (fd >= 0) {
            ::close(fd);
        }
    }
    FifoReader(const FifoReader&) = delete;
    FifoReader& operator=(const FifoReader&) = delete;

    bool ready() const { return reader.joinable(); }

    // All that was read; call once the writer is done. A writer that never
    // came would leave the reader waiting: one comes and goes here, so the
    // reader sees the end either way.
    QByteArray finish() {
        if (reader.joinable()) {
            const int wake = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
            if (wake >= 0) {
                ::close(wake);
            }
            reader.join();
        }
        return received;
    }

private:
    void take(bool firstByteOnly) {
        pollfd waiting{fd, POLLIN, 0};
        ::poll(&waiting, 1, -1); // until the first bytes or the writer's end
        std::array<char, 65536> chunk{};
        ssize_t got = 0;
        while ((got = ::read(fd, chunk.data(), firstByteOnly ? 1 : chunk.size())) > 0) {
            received.append(chunk.data(), got);
            if (firstByteOnly) {
                ::close(fd);
                fd = -1;
                return;
            }
        }
    }

    QByteArray name;
    int fd = -1;
    std::thread reader;
    QByteArray received;
};
