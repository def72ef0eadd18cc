#pragma once

#include "atlas/atlas.h"

#include <QObject>
#include <QString>

#include <memory>

class QThread;

// Reads the atlas on a thread of its own, so that the window is shown and
// used while it reads.
class AtlasLoader : public QObject {
    Q_OBJECT
public:
    explicit AtlasLoader(QObject* parent = nullptr);
    // Stops a reading under way and waits for its thread.
    ~AtlasLoader() override;
    AtlasLoader(const AtlasLoader&) = delete;
    AtlasLoader& operator=(const AtlasLoader&) = delete;
    AtlasLoader(AtlasLoader&&) = delete;
    AtlasLoader& operator=(AtlasLoader&&) = delete;

    // Starts reading the atlas of folder; nothing happens while a reading is
    // under way.
    void start(const QString& folder);

signals:
    // On this object's thread once the reading has ended: the atlas, or null
    // and why not.
    void loaded(std::shared_ptr<const Atlas> atlas, const QString& error);

private:
    struct Reading;
    std::shared_ptr<Reading> reading;
    QThread* thread = nullptr;
};
