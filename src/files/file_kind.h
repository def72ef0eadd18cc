#pragma once

#include <QString>

class QFile;

// What stands at a path, symbolic links followed.
enum class FileKind { None, Regular, Folder, Pipe, CharacterDevice, BlockDevice, Socket, Other };

struct PathKind {
    FileKind kind = FileKind::None;
    QString error; // why the path could not be looked at, when not for lack of anything there
};
PathKind KindAtPath(const QString& path);

// What an open file descriptor stands for; Other when it cannot be looked at.
FileKind KindOfHandle(int fd);

// One line saying that what stands at a path is no file: "It is a folder, not
// a file."
QString NotAFileText(FileKind kind);

// Opens the regular file at path for reading into file, and nothing else: a
// pipe, a device or a folder is refused before it is opened, so that opening
// never waits for a writer. Returns why the file was not opened, or an empty
// text when it was.
QString OpenRegularFileForReading(const QString& path, QFile& file);
