#pragma once

#include <QByteArray>
#include <QString>

// Saves bytes at path as what stands there allows. A regular file, or a path
// where nothing stands yet, is written atomically through QSaveFile: the new
// contents take the file's place only when everything went out, so a failed
// save (a full disk) leaves the file already there as it was and nothing new
// behind. A symbolic link to a file keeps pointing at it; the file it names is
// the one replaced. A pipe or a character device is written directly, never
// replaced (a reader of the pipe, /dev/null, a terminal). Anything else (a
// folder, a socket, a block device) is refused and left alone.
//
// A reader that goes away before the end is a failed save ("Broken pipe"),
// never the end of the program. Returns why the bytes were not saved, in the
// system's words for the failure ("No space left on device"), or an empty text
// when they were.
QString SaveFileBytes(const QString& path, const QByteArray& bytes);
