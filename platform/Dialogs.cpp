#include "platform/Dialogs.h"

#include <cstdio>

namespace {
TDialogPresenter* currentPresenter = nullptr;
}  // namespace

TDialogPresenter* SetDialogPresenter(TDialogPresenter* presenter) {
    TDialogPresenter* previous = currentPresenter;
    currentPresenter = presenter;
    return previous;
}

void ShowMessage(const QString& text) {
    if (currentPresenter) {
        currentPresenter->ShowMessage(text);
        return;
    }
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}
