#include "files/save_file.h"

#include <QSaveFile>

QString CommitSaveFile(QSaveFile& file, bool written) {
    if (!written || file.error() != QFileDevice::NoError || !file.flush()) {
        QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}
