#pragma once
// Caption walkers: carry every visible caption of a window through the translator. Each does
// nothing without a translator. Translating a caption twice changes nothing, since a
// translation maps back to its English key and forward again.

class QAction;
class QObject;
class QWidget;

// The window title and every caption-bearing child: labels, push buttons, check and radio
// boxes, group boxes, tab pages and menu items. Edits, lists, tool buttons, the status bar's
// panels and the tool bars' show/hide actions are left alone.
void TranslateForm(QWidget* form);
// One object's caption by its kind, without its children.
void TranslateComponent(QObject* component);
// A menu item's caption and, recursively, those of all its sub-items.
void TranslateMenuItem(QAction* item);
