#pragma once
// The application object: no exception leaves an event handler. One that escapes is shown as
// the application's exception dialog and the program goes on with the next event.

#include <QApplication>
#include <functional>

// Runs the handler; an exception it throws is shown with ShowException and false is returned.
bool RunGuarded(const std::function<bool()>& handler);

class TGuardedApplication : public QApplication {
public:
    TGuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
