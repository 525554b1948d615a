// Acts on the next modal dialog of type D as soon as it is open: the UI tests answer
// dialogs that a command opens with exec().
#pragma once

#include <QApplication>
#include <QTimer>

namespace kestrova::test {

template <typename D, typename F> void onModal(F act) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(d);
        }
    });
    timer->start();
}

} // namespace kestrova::test
