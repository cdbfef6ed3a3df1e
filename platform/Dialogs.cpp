#include "platform/Dialogs.h"

#include <cstdio>

namespace {

TDialogPresenter* currentPresenter = nullptr;

void ToStandardError(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

}  // namespace

TDialogPresenter* SetDialogPresenter(TDialogPresenter* presenter) {
    TDialogPresenter* previous = currentPresenter;
    currentPresenter = presenter;
    return previous;
}

void ShowMessage(const QString& text) {
    if (!currentPresenter) return ToStandardError(text);
    currentPresenter->ShowMessage(text);
}

TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    if (!currentPresenter) {
        ToStandardError(text);
        if (buttons & mbCancel) return TModalResult::Cancel;
        return (buttons & mbNo) ? TModalResult::No : TModalResult::OK;
    }
    return currentPresenter->MessageDlg(text, type, buttons);
}

bool InputQuery(const QString& caption, const QString& prompt, QString& value) {
    return currentPresenter && currentPresenter->InputQuery(caption, prompt, value);
}

QString OpenFileName(const TFileDialogRequest& request) {
    return currentPresenter ? currentPresenter->OpenFileName(request) : QString();
}

QString SaveFileName(const TFileDialogRequest& request, QString* chosenFilter) {
    QString filter;
    const QString chosen =
        currentPresenter ? currentPresenter->SaveFileName(request, filter) : QString();
    if (chosenFilter) *chosenFilter = chosen.isEmpty() ? QString() : filter;
    return chosen;
}

void ShowException(const QString& text) {
    if (!currentPresenter) return ToStandardError(text);
    currentPresenter->ShowException(text);
}
