#include "entry/atlas_loader.h"

#include <QThread>

#include <atomic>

struct AtlasLoader::Reading {
    std::atomic<bool> stop{false};
    AtlasLoad result;
};

AtlasLoader::AtlasLoader(QObject* parent) : QObject(parent) {}

AtlasLoader::~AtlasLoader() {
    if (thread != nullptr) {
        reading->stop = true;
        thread->wait();
        delete thread;
    }
}

void AtlasLoader::start(const QString& folder) {
    if (thread != nullptr) {
        return;
    }
    reading = std::make_shared<Reading>();
    thread =
        QThread::create([job = reading, folder] { job->result = Atlas::load(folder, &job->stop); });
    connect(thread, &QThread::finished, this, [this] {
        thread->deleteLater();
        thread = nullptr;
        const std::shared_ptr<Reading> done = std::move(reading);
        std::shared_ptr<const Atlas> atlas;
        if (done->result.atlas) {
            atlas = std::make_shared<const Atlas>(std::move(*done->result.atlas));
        }
        emit loaded(atlas, done->result.error);
    });
    thread->start(QThread::LowPriority);
}
