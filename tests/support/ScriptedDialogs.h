#pragma once
// A dialog presenter for tests: records every text it is shown and answers questions from a
// queue (an empty queue answers like a cancel). Installed for its lifetime.

#include "platform/Dialogs.h"

#include <deque>
#include <vector>

class TScriptedDialogs : public TDialogPresenter {
public:
    void ShowMessage(const QString& text) override;
    TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;
    QString OpenFileName(const TFileDialogRequest& request) override;
    // The filter is the front of chosenFilters, or the request's first one when it is empty.
    QString SaveFileName(const TFileDialogRequest& request, QString& chosenFilter) override;
    void ShowException(const QString& text) override;

    std::vector<QString> messages;  // ShowMessage and MessageDlg texts, in order
    std::vector<QString> exceptions;
    std::deque<TModalResult> answers;   // for MessageDlg
    std::deque<QString> inputs;         // for InputQuery; empty queue cancels
    std::deque<QString> fileNames;      // for the file dialogs; empty queue cancels
    std::deque<QString> chosenFilters;  // for the save dialogs, one per answered name

    std::vector<TFileDialogRequest> fileRequests;  // the file dialogs asked for, in order

private:
    TDialogPresenterScope scope_{this};
};
