#include "app/TranslateCaptions.h"

#include "app/Translator.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <algorithm>

namespace {

// Status-bar panels show data (a language code, coordinates), not captions.
bool InStatusBar(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        if (qobject_cast<const QStatusBar*>(widget)) return true;
    }
    return false;
}

// Only menu items are captions; tool bars own actions too (their show/hide toggles).
bool IsMenuItem(const QAction* action) {
    const QList<QObject*> holders = action->associatedObjects();
    return std::any_of(holders.begin(), holders.end(), [](const QObject* holder) {
        return qobject_cast<const QMenu*>(holder) || qobject_cast<const QMenuBar*>(holder);
    });
}

}  // namespace

void TranslateComponent(QObject* component) {
    if (!Translator || !component) return;
    if (auto* label = qobject_cast<QLabel*>(component)) {
        if (!InStatusBar(label)) label->setText(Tr(label->text()));
    } else if (qobject_cast<QPushButton*>(component) || qobject_cast<QCheckBox*>(component) ||
               qobject_cast<QRadioButton*>(component)) {
        auto* button = static_cast<QAbstractButton*>(component);
        button->setText(Tr(button->text()));
    } else if (auto* group = qobject_cast<QGroupBox*>(component)) {
        group->setTitle(Tr(group->title()));
    } else if (auto* tabs = qobject_cast<QTabWidget*>(component)) {
        for (int i = 0; i < tabs->count(); ++i) tabs->setTabText(i, Tr(tabs->tabText(i)));
    } else if (auto* action = qobject_cast<QAction*>(component)) {
        if (!action->isSeparator() && IsMenuItem(action)) action->setText(Tr(action->text()));
    }
}

void TranslateForm(QWidget* form) {
    if (!Translator || !form) return;
    form->setWindowTitle(Tr(form->windowTitle()));
    for (QObject* child : form->findChildren<QObject*>()) TranslateComponent(child);
}

void TranslateMenuItem(QAction* item) {
    if (!Translator || !item) return;
    if (!item->isSeparator()) item->setText(Tr(item->text()));
    if (QMenu* menu = item->menu()) {
        for (QAction* sub : menu->actions()) TranslateMenuItem(sub);
    }
}
