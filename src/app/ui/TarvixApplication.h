// The application object: it reports every exception that reaches the event
// loop in the program's message box, and the program goes on.
#pragma once

#include <QApplication>

#include <functional>

class TTarvixApplication : public QApplication {
    Q_OBJECT
public:
    TTarvixApplication(int& Argc, char** Argv);

    bool notify(QObject* Receiver, QEvent* Event) override;

    // The report of one exception; public so tests can raise it directly.
    static void ReportException(const std::string& Message);

    // Runs before the report (the start-up window hides itself).
    static std::function<void()>& OnBeforeReport();

    // Hints of the controls show only while this is set.
    static inline bool ShowHints = true;
};

// The text of the report for an exception's message.
std::string SoftwareErrorText(const std::string& Message);
