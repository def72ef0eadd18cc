#include "files/file_kind.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileKind kindOfMode(mode_t mode) {
    if (S_ISREG(mode)) {
        return FileKind::Regular;
    }
    if (S_ISDIR(mode)) {
        return FileKind::Folder;
    }
    if (S_ISFIFO(mode)) {
        return FileKind::Pipe;
    }
    if (S_ISCHR(mode)) {
        return FileKind::CharacterDevice;
    }
    if (S_ISBLK(mode)) {
        return FileKind::BlockDevice;
    }
    if (S_ISSOCK(mode)) {
        return FileKind::Socket;
    }
    return FileKind::Other;
}

} // namespace

PathKind KindAtPath(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        if (errno == ENOENT) {
            return {};
        }
        return {FileKind::None, qt_error_string(errno)};
    }
    return {kindOfMode(status.st_mode), {}};
}

FileKind KindOfHandle(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        return FileKind::Other;
    }
    return kindOfMode(status.st_mode);
}

QString NotAFileText(FileKind kind) {
    switch (kind) {
    case FileKind::None:
        return qt_error_string(ENOENT);
    case FileKind::Regular:
        return {};
    case FileKind::Folder:
        return QStringLiteral("It is a folder, not a file.");
    case FileKind::Pipe:
        return QStringLiteral("It is a pipe, not a file.");
    case FileKind::CharacterDevice:
        return QStringLiteral("It is a character device, not a file.");
    case FileKind::BlockDevice:
        return QStringLiteral("It is a block device, not a file.");
    case FileKind::Socket:
        return QStringLiteral("It is a socket, not a file.");
    case FileKind::Other:
        break;
    }
    return QStringLiteral("It is not a file.");
}

QString OpenRegularFileForReading(const QString& path, QFile& file) {
    const PathKind at = KindAtPath(path);
    if (!at.error.isEmpty()) {
        return at.error;
    }
    if (at.kind != FileKind::Regular) {
        return NotAFileText(at.kind);
    }
    // Something else may take the file's place between the look and the
    // open: opening without waiting and looking again keeps even that from
    // blocking.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return qt_error_string(errno);
    }
    if (const FileKind kind = KindOfHandle(fd); kind != FileKind::Regular) {
        ::close(fd);
        return NotAFileText(kind);
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return {};
}
