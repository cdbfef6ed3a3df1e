#include "app/WidgetDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon IconOf(TMsgDlgType type) {
    switch (type) {
        case TMsgDlgType::Warning:
            return QMessageBox::Warning;
        case TMsgDlgType::Error:
            return QMessageBox::Critical;
        case TMsgDlgType::Information:
            return QMessageBox::Information;
        case TMsgDlgType::Confirmation:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString TitleOf(TMsgDlgType type) {
    switch (type) {
        case TMsgDlgType::Warning:
            return "Warning";
        case TMsgDlgType::Error:
            return "Error";
        case TMsgDlgType::Information:
            return "Information";
        case TMsgDlgType::Confirmation:
            return "Confirm";
    }
    return QString();
}

QWidget* ActiveWindow() { return QApplication::activeWindow(); }

}  // namespace

void TWidgetDialogs::ShowMessage(const QString& text) {
    QMessageBox::information(ActiveWindow(), QApplication::applicationName(), text);
}

TModalResult TWidgetDialogs::MessageDlg(const QString& text, TMsgDlgType type,
                                        TMsgDlgButtons buttons) {
    QMessageBox box(IconOf(type), TitleOf(type), text, QMessageBox::NoButton, ActiveWindow());
    const struct {
        TMsgDlgButton button;
        QMessageBox::StandardButton standard;
        TModalResult result;
    } kButtons[] = {{mbYes, QMessageBox::Yes, TModalResult::Yes},
                    {mbNo, QMessageBox::No, TModalResult::No},
                    {mbOK, QMessageBox::Ok, TModalResult::OK},
                    {mbCancel, QMessageBox::Cancel, TModalResult::Cancel}};
    for (const auto& b : kButtons) {
        if (buttons & b.button) box.addButton(b.standard);
    }
    const auto clicked = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const auto& b : kButtons) {
        if (clicked == b.standard) return b.result;
    }
    return TModalResult::Cancel;
}

bool TWidgetDialogs::InputQuery(const QString& caption, const QString& prompt, QString& value) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(ActiveWindow(), caption, prompt, QLineEdit::Normal, value, &accepted);
    if (accepted) value = answer;
    return accepted;
}

QString TWidgetDialogs::OpenFileName(const TFileDialogRequest& request) {
    return QFileDialog::getOpenFileName(ActiveWindow(), request.title, request.folder,
                                        request.filter);
}

QString TWidgetDialogs::SaveFileName(const TFileDialogRequest& request, QString& chosenFilter) {
    const QString proposal =
        request.folder.isEmpty() ? request.fileName : request.folder + "/" + request.fileName;
    const QFileDialog::Options options =
        request.confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    return QFileDialog::getSaveFileName(ActiveWindow(), request.title, proposal, request.filter,
                                        &chosenFilter, options);
}

void TWidgetDialogs::ShowException(const QString& text) {
    QString message = text;
    if (!message.isEmpty() && !message.endsWith('.')) message += '.';
    QMessageBox::critical(ActiveWindow(), QApplication::applicationName(), message);
}
