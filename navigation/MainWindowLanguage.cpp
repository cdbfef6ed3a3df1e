// The main window's languages and on-screen keys: one language switch for the menu and the
// status bar, the translation editor, and the keypad and keyboard for another window's edits.

#include "app/OrvaltNumericKeypad.h"
#include "app/OrvaltSimpleKeyboard.h"
#include "app/TranslateCaptions.h"
#include "app/TranslationEditor.h"
#include "app/Translator.h"
#include "navigation/KeyPanelPlacement.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/SettingsWriteReport.h"

// Choosing the language already shown walks and stores all the same.
void TFNav::SwitchLanguage(const std::string& code) {
    if (!Translator) return;
    Translator->SetLanguage(code);
    TranslateToolbar();
    ShowLanguageInStatusBar();
    TIniFile ini(GetSettingsFilePath());
    if (!ini.WriteString("SETTINGS", "Language", code)) ReportSettingsNotSaved(ini.FileName());
}

void TFNav::English1Click() { SwitchLanguage("en"); }

void TFNav::Turkish1Click() { SwitchLanguage("tr"); }

void TFNav::StatusBarDblClick() {
    if (Translator) SwitchLanguage(Translator->currentLanguage() == "en" ? "tr" : "en");
}

void TFNav::TranslationEditor1Click() {
    if (!translationEditor_) {
        translationEditor_ = std::make_unique<TfTranslationEditor>();
        fTranslationEditor = translationEditor_.get();
    }
    translationEditor_->show();
    translationEditor_->raise();
}

// A panel made after the last walk shows its captions in the current language at once.
void TFNav::ShowNumericKeypad(QWidget* edit) {
    if (!FNumericKeypad) {
        FNumericKeypad = new TOrvaltNumericKeypad(this);
        TranslateForm(FNumericKeypad);
    }
    ShowKeyPanel(FNumericKeypad, edit, NumericKeypadPlace(size(), FNumericKeypad->size()));
}

void TFNav::ShowSimpleKeyboard(QWidget* edit) {
    if (!FSimpleKeyboard) {
        FSimpleKeyboard = new TOrvaltSimpleKeyboard(this);
        TranslateForm(FSimpleKeyboard);
    }
    ShowKeyPanel(FSimpleKeyboard, edit, SimpleKeyboardPlace(size(), FSimpleKeyboard->size()));
}

void TFNav::ShowKeyPanel(TOrvaltKeyPanel* panel, QWidget* target, QPoint place) {
    panel->Target = target;
    panel->move(place);
    panel->show();
    panel->raise();
}
