#pragma once

#include <QString>

class QSaveFile;

// Ends a write through QSaveFile, whose contents take the place of the file
// only when everything went out: written says whether the writer itself
// succeeded. A write that fails while the data leaves the buffer (a full
// disk) never reaches the commit, so the file already there stays as it was
// and nothing new is left behind. Returns why the file was not saved, or an
// empty text when it was.
QString CommitSaveFile(QSaveFile& file, bool written);
