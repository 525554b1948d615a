#include "common/BackgroundTask.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMetaObject>

namespace kestrova::ui {

BackgroundTask::BackgroundTask(QObject* parent) : QObject(parent) {
    m_worker = std::jthread([this](std::stop_token stop) { workerLoop(stop); });
}

BackgroundTask::~BackgroundTask() {
    {
        const std::lock_guard lock(m_mutex); // so the worker cannot miss the wake-up
        m_worker.request_stop();
    }
    m_wake.notify_all();
    m_worker.join(); // runs what is queued first: its jobs may hold on to the owner's members
    if (m_pending > 0) QGuiApplication::restoreOverrideCursor();
}

void BackgroundTask::enqueue(std::function<void()> job) {
    if (m_pending++ == 0) QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    {
        const std::lock_guard lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void BackgroundTask::finish(std::function<void()> onUiThread) {
    QMetaObject::invokeMethod(
        this,
        [this, f = std::move(onUiThread)]() mutable {
            if (--m_pending == 0) QGuiApplication::restoreOverrideCursor();
            f();
            if (m_pending == 0) emit idle();
        },
        Qt::QueuedConnection);
}

void BackgroundTask::workerLoop(std::stop_token stop) {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [&] { return !m_jobs.empty() || stop.stop_requested(); });
            if (m_jobs.empty()) return; // stop requested and nothing left
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        job();
    }
}

} // namespace kestrova::ui
