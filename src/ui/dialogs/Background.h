// Runs a blocking device operation on a worker thread while the dialog keeps
// painting (a local event loop) under a busy cursor.
#pragma once

#include <QApplication>
#include <QEventLoop>
#include <QMetaObject>

#include <thread>
#include <type_traits>

namespace kestrova::ui {

template <typename F> auto runInBackground(QObject* context, F work) -> std::invoke_result_t<F> {
    using R = std::invoke_result_t<F>;
    QEventLoop loop;
    R result{};
    QApplication::setOverrideCursor(Qt::BusyCursor);
    std::thread worker([&] {
        result = work();
        QMetaObject::invokeMethod(context, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    QApplication::restoreOverrideCursor();
    return result;
}

} // namespace kestrova::ui
