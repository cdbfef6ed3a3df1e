#pragma once
// Message boxes, questions and file dialogs go through one replaceable presenter: the program
// installs one that shows real dialogs, tests install one that answers, so nothing modal blocks
// a test. Without a presenter texts go to standard error and every question gets its default
// (Cancel, No, or an empty file name).

#include <QString>
#include <QStringList>

enum class TMsgDlgType { Warning, Error, Information, Confirmation };

// Buttons of a question, combined with "|".
enum TMsgDlgButton : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };
using TMsgDlgButtons = unsigned;

enum class TModalResult { None, OK, Cancel, Yes, No };

struct TFileDialogRequest {
    QString title;
    QString filter;    // Qt filter text, e.g. "KML/KMZ Files (*.kml *.kmz)"
    QString folder;    // initial folder; empty for the current one
    QString fileName;  // proposed name (save dialogs)
    bool confirmOverwrite = false;
};

class TDialogPresenter {
public:
    virtual ~TDialogPresenter() = default;
    virtual void ShowMessage(const QString& text) = 0;
    virtual TModalResult MessageDlg(const QString& text, TMsgDlgType type,
                                    TMsgDlgButtons buttons) = 0;
    // Returns false when the user cancels; value holds the proposal and receives the answer.
    virtual bool InputQuery(const QString& caption, const QString& prompt, QString& value) = 0;
    // Returns the chosen file, or an empty text when the user cancels.
    virtual QString OpenFileName(const TFileDialogRequest& request) = 0;
    // The same; chosenFilter receives the filter that was selected when the file was chosen,
    // as the request's filter text spells it.
    virtual QString SaveFileName(const TFileDialogRequest& request, QString& chosenFilter) = 0;
    // An error that escaped a handler: shown, and the program goes on.
    virtual void ShowException(const QString& text) = 0;
};

// Installs the presenter (nullptr for none); returns the previous one. Not owned.
TDialogPresenter* SetDialogPresenter(TDialogPresenter* presenter);

// Installs a presenter for its own lifetime and puts the previous one back.
class TDialogPresenterScope {
public:
    explicit TDialogPresenterScope(TDialogPresenter* presenter)
        : previous_(SetDialogPresenter(presenter)) {}
    ~TDialogPresenterScope() { SetDialogPresenter(previous_); }
    TDialogPresenterScope(const TDialogPresenterScope&) = delete;
    TDialogPresenterScope& operator=(const TDialogPresenterScope&) = delete;

private:
    TDialogPresenter* previous_;
};

void ShowMessage(const QString& text);
TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);
bool InputQuery(const QString& caption, const QString& prompt, QString& value);
QString OpenFileName(const TFileDialogRequest& request);
// chosenFilter, when given, receives the filter selected with the file ("" after a cancel).
QString SaveFileName(const TFileDialogRequest& request, QString* chosenFilter = nullptr);
void ShowException(const QString& text);
