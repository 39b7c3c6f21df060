// Driving a modal window from a test without ever hanging.
#pragma once

#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// Runs WhileOpen once Dlg is on screen, then Open returns Dlg's modal result.
// A watchdog ends a window that a failed check left open.
inline int RunModal(QDialog& Dlg, const std::function<void()>& Open,
                    const std::function<void()>& WhileOpen) {
    bool Ran = false;
    auto* Poll = new QTimer(&Dlg);
    Poll->setInterval(5);
    QObject::connect(Poll, &QTimer::timeout, &Dlg, [&] {
        if (!Dlg.isVisible())
            return;
        Poll->stop();
        Ran = true;
        WhileOpen();
    });
    Poll->start();
    QTimer Watchdog;
    Watchdog.setSingleShot(true);
    QObject::connect(&Watchdog, &QTimer::timeout, &Dlg, [&Dlg] {
        ADD_FAILURE() << "window left open";
        Dlg.done(99);
    });
    Watchdog.start(10000);
    Open();
    delete Poll;
    EXPECT_TRUE(Ran);
    return Dlg.result();
}
