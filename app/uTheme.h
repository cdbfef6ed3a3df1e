#pragma once
// The window "Theme Selection": the program's styles in a list, each applied at once as a preview
// when the user selects it, by mouse or by arrow keys. "Save && Exit" stores the selected name for
// the next start and keeps the preview; "Cancel" goes back to the style that was active when the
// window was shown. The title bar's close button neither stores nor restores.
//
// The window only switches the style. The main window recolours its map when the application's
// palette changes, and the program's own control colours are on the controls' palettes, so they
// survive the switch.

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <string>

class TfTheme : public QWidget {
public:
    explicit TfTheme(QWidget* parent = nullptr);

    QGroupBox* gThemeFrame;
    QLabel* lInfo;
    QListWidget* lbThemeList;
    QPushButton* bSaveExit;
    QPushButton* bCancel;

    void FormShow();
    // Runs on a user's selection only; the list filled by the program previews nothing.
    void lbThemeListClick();
    // A settings file that cannot be written is reported, and the window stays.
    void bSaveExitClick();
    void bCancelClick();

protected:
    void showEvent(QShowEvent* event) override;
};

extern TfTheme* fTheme;
// The style that was active when the theme window was last shown.
extern std::string ActiveStyleName;
