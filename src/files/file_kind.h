#pragma once

#include <QString>

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
