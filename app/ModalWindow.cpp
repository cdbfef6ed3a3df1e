#include "app/ModalWindow.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

// Ends the modal loop when the window hides.
class THideWatcher : public QObject {
public:
    explicit THideWatcher(QEventLoop& loop) : loop_(loop) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};

}  // namespace

void ShowModal(QWidget* window, QWidget* owner) {
    if (!window) return;
    const Qt::WindowModality previous = window->windowModality();
    window->hide();  // modality takes effect only when a window is shown
    window->setWindowModality(Qt::ApplicationModal);
    window->winId();  // creates the native window, so it can get its transient parent
    if (owner && owner->window()->windowHandle()) {
        window->windowHandle()->setTransientParent(owner->window()->windowHandle());
    }
    QEventLoop loop;
    THideWatcher watcher(loop);
    QPointer<QWidget> guarded(window);
    window->installEventFilter(&watcher);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    window->raise();
    window->activateWindow();
    if (window->isVisible()) loop.exec();
    if (!guarded) return;
    window->removeEventFilter(&watcher);
    window->setWindowModality(previous);
}
