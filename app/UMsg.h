#pragma once
// The message window: a small stay-on-top window that shows status messages for a few seconds.
// Others add lines to its memo and show it; it hides itself 4 s after it became visible, keeping
// the lines, and a click on the memo hides it and clears them.

#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>

class TFMsg : public QWidget {
public:
    explicit TFMsg(QWidget* parent = nullptr);

    QPlainTextEdit* Msg;
    QTimer* Timer1;

    void FormShow();
    void FormHide();
    void Timer1Timer();
    void MsgClick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

extern TFMsg* FMsg;
