#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

inline QList<QPointer<QTimer>> &pendingModalDrivers()
{
    static QList<QPointer<QTimer>> drivers;
    return drivers;
}

// Drops drivers whose window never opened; call it from cleanup(), so that
// a driver cannot act, with dangling captures, on a later test's window.
inline void cancelPendingModalDrivers()
{
    for (const QPointer<QTimer> &timer : std::as_const(pendingModalDrivers()))
        delete timer.data();
    pendingModalDrivers().clear();
}

// Drives the next modal window a test's code opens: once a modal window
// other than `previous` is active, `handle` runs on it from the event loop
// that the window's exec() spins.
inline void onNextModal(std::function<void(QWidget *)> handle, QWidget *previous = nullptr)
{
    auto *timer = new QTimer;
    pendingModalDrivers().append(timer);
    QPointer<QWidget> skip(previous);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handle, skip, ticks = 0]() mutable {
        QWidget *modal = QApplication::activeModalWidget();
        if ((!modal || modal == skip) && ++ticks < 1000)
            return;
        timer->stop();
        timer->deleteLater();
        if (modal && modal != skip)
            handle(modal);
    });
    timer->start();
}

template<typename T> T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}
