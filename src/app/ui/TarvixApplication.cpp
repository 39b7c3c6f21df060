#include "app/ui/TarvixApplication.h"

#include "app/Shell.h"

#include <exception>

TTarvixApplication::TTarvixApplication(int& Argc, char** Argv) : QApplication(Argc, Argv) {}

std::function<void()>& TTarvixApplication::OnBeforeReport() {
    static std::function<void()> Hook;
    return Hook;
}

std::string SoftwareErrorText(const std::string& Message) {
    return "The following Software error has occured: - \r\n\r\n\"" + Message +
           "\"\r\n\r\n\r\n\r\nIf this problem persists, please report it.";
}

void TTarvixApplication::ReportException(const std::string& Message) {
    if (OnBeforeReport())
        OnBeforeReport()();
    ShowMsgDlg(mkError, MsgHeightMedium, true, "A Software Error has occured!",
               SoftwareErrorText(Message), mbsOK);
}

bool TTarvixApplication::notify(QObject* Receiver, QEvent* Event) {
    if (!ShowHints && Event->type() == QEvent::ToolTip)
        return true;
    try {
        return QApplication::notify(Receiver, Event);
    } catch (const std::exception& E) {
        ReportException(E.what());
    } catch (...) {
        ReportException("Unknown error");
    }
    return false;
}
