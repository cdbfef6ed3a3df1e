#include "tests/support/ScriptedDialogs.h"

namespace {

template <typename T>
T TakeFront(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
}

}  // namespace

void TScriptedDialogs::ShowMessage(const QString& text) { messages.push_back(text); }

TModalResult TScriptedDialogs::MessageDlg(const QString& text, TMsgDlgType, TMsgDlgButtons) {
    messages.push_back(text);
    return TakeFront(answers, TModalResult::Cancel);
}

bool TScriptedDialogs::InputQuery(const QString&, const QString&, QString& value) {
    if (inputs.empty()) return false;
    value = TakeFront(inputs, QString());
    return true;
}

QString TScriptedDialogs::OpenFileName(const TFileDialogRequest& request) {
    fileRequests.push_back(request);
    return TakeFront(fileNames, QString());
}

QString TScriptedDialogs::SaveFileName(const TFileDialogRequest& request, QString& chosenFilter) {
    fileRequests.push_back(request);
    if (fileNames.empty()) return QString();
    chosenFilter = TakeFront(chosenFilters, request.filter.section(";;", 0, 0));
    return TakeFront(fileNames, QString());
}

void TScriptedDialogs::ShowException(const QString& text) { exceptions.push_back(text); }
