#pragma once

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>

namespace mjcalc::bench {

// Ends the event loop the first time it is about to wait for input with every window exposed:
// by then the windows are shown and painted and nothing is left queued.
inline void quitWhenIdle()
{
    auto* dispatcher = QAbstractEventDispatcher::instance();
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, qApp, [] {
        for (const QWindow* window : QGuiApplication::topLevelWindows()) {
            if (window->isVisible() && !window->isExposed())
                return;
        }
        QCoreApplication::quit();
    });
}

} // namespace mjcalc::bench
