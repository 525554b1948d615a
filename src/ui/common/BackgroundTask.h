// The one way the UI runs blocking work (device exchanges, exports): on a worker
// thread of its own, one job after another, each job's result handed back to the UI
// thread by a queued call. The UI keeps painting and handling input meanwhile; no
// nested event loop. A busy cursor shows while work is pending. The destructor waits
// for queued jobs, so the objects the jobs use may be the owner's members.
#pragma once

#include <QObject>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <type_traits>

namespace kestrova::ui {

class BackgroundTask : public QObject {
    Q_OBJECT
public:
    explicit BackgroundTask(QObject* parent = nullptr);
    ~BackgroundTask() override;

    // Runs `work()` on the worker, then `done(result)` on the UI thread (unless this
    // object is gone by then).
    template <typename Work, typename Done> void run(Work work, Done done) {
        using R = std::invoke_result_t<Work>;
        enqueue([this, work = std::move(work), done = std::move(done)]() mutable {
            if constexpr (std::is_void_v<R>) {
                work();
                finish([done = std::move(done)]() mutable { done(); });
            } else {
                R result = work();
                finish([done = std::move(done), result = std::move(result)]() mutable { done(std::move(result)); });
            }
        });
    }
    template <typename Work> void run(Work work) {
        run(std::move(work), [](auto&&...) {});
    }

    // Jobs queued or running, or results not yet handed back.
    bool busy() const { return m_pending > 0; }

signals:
    void idle(); // the last pending job's result was handed back

private:
    void enqueue(std::function<void()> job);
    void finish(std::function<void()> onUiThread);
    void workerLoop(std::stop_token stop);

    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::deque<std::function<void()>> m_jobs;
    int m_pending = 0; // UI thread only
    std::jthread m_worker;
};

} // namespace kestrova::ui
