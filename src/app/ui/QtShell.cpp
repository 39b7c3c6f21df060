#include "app/ui/QtShell.h"

#include "app/ui/MsgDlg.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

int TQtShell::ShowMessage(uint8_t Kind, int Height, bool ColouredHeading,
                          const std::string& Heading, const std::string& Text, uint16_t Buttons) {
    if (OnBeforeMessage)
        OnBeforeMessage();
    const QString H = QString::fromStdString(Heading);
    const QString T = QString::fromStdString(Text);
    // The one message box cannot show two messages at once: a message asked
    // for while it is open (from a timer, say) gets a window of its own.
    if (frmMsgDlg().isVisible()) {
        TfrmMsgDlg Second;
        return Second.ShowMsgDlg(Kind, Height, ColouredHeading, H, T, Buttons);
    }
    return frmMsgDlg().ShowMsgDlg(Kind, Height, ColouredHeading, H, T, Buttons);
}

void TQtShell::SetLoadCaption(const std::string& Text) {
    if (OnLoadCaption)
        OnLoadCaption(Text);
}

void TQtShell::SetProgressMax(int Value) {
    if (OnProgressMax)
        OnProgressMax(Value);
}

void TQtShell::SetProgressPos(int Value) {
    if (OnProgressPos)
        OnProgressPos(Value);
}

void TQtShell::ProcessEvents() {
    QCoreApplication::processEvents();
}

// The pause blocks the program but keeps its windows painted.
void TQtShell::Pause(int Milliseconds) {
    const qint64 Length = static_cast<qint64>(Milliseconds * PauseScale);
    QElapsedTimer Clock;
    Clock.start();
    while (Clock.elapsed() < Length) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
        QThread::msleep(5);
    }
}

void TQtShell::SetVerifyStatus(const std::string& Text) {
    if (OnVerifyStatus)
        OnVerifyStatus(Text);
}

void TQtShell::Terminate() {
    FTerminateRequested = true;
    // Queued, so the loop ends after the current event, or as soon as it starts.
    QMetaObject::invokeMethod(QCoreApplication::instance(), "quit", Qt::QueuedConnection);
}
