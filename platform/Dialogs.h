#pragma once
// Message boxes and questions go through one replaceable presenter: the program installs one
// that shows real dialogs, tests install one that answers, so nothing modal blocks a test.
// Without a presenter the text goes to standard error and every question gets its default.

#include <QString>

class TDialogPresenter {
public:
    virtual ~TDialogPresenter() = default;
    virtual void ShowMessage(const QString& text) = 0;
};

// Installs the presenter (nullptr for none); returns the previous one. Not owned.
TDialogPresenter* SetDialogPresenter(TDialogPresenter* presenter);

void ShowMessage(const QString& text);
