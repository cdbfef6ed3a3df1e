#include "app/GuardedApplication.h"

#include "platform/Dialogs.h"

#include <exception>

bool RunGuarded(const std::function<bool()>& handler) {
    try {
        return handler();
    } catch (const std::exception& error) {
        ShowException(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowException(QString());
    }
    return false;
}

TGuardedApplication::TGuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TGuardedApplication::notify(QObject* receiver, QEvent* event) {
    return RunGuarded([&] { return QApplication::notify(receiver, event); });
}
