#pragma once
// The dialog presenter of the running program: real message boxes and file dialogs.

#include "platform/Dialogs.h"

class TWidgetDialogs : public TDialogPresenter {
public:
    void ShowMessage(const QString& text) override;
    TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;
    QString OpenFileName(const TFileDialogRequest& request) override;
    QString SaveFileName(const TFileDialogRequest& request, QString& chosenFilter) override;
    void ShowException(const QString& text) override;
};
