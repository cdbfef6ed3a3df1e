#pragma once
// The window "Battery": a small stay-on-top panel with the battery value of the sounder's
// "Orvalt QRD" telegram, which hides itself within a second while another telegram format is
// selected. Below the value lies the remote-control pad, hidden (nothing shows it); its keys
// send the pad's commands (PadCommand.h) over the GNSS receiver's port, and nothing while that
// port is closed.

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <vector>

enum class TPadKey;

class TfJoystick : public QWidget {
public:
    // Visible at once, wherever the window system puts it.
    explicit TfJoystick(QWidget* parent = nullptr);

    QLabel* pBattery;  // its text is the battery value, two decimals
    QWidget* Panel1;   // the pad, hidden
    QPushButton *bUp, *bBottom, *bLeft, *bRight, *BitBtn5, *BitBtn1, *BitBtn2;
    std::vector<QIcon> ImageList1;
    QTimer* Timer1;  // every second, from creation

    void bUpClick();
    void bBottomClick();
    void bLeftClick();
    void bRightClick();
    void BitBtn1Click();
    void BitBtn5Click();
    // Hides the window unless the settings window's sounder format reads exactly "Orvalt QRD".
    void Timer1Timer();

protected:
    // The user cannot close it, also where the window system draws a close button anyway.
    void closeEvent(QCloseEvent* event) override;

private:
    void CreatePad();
    // Sends the key's command through the main window's GNSS port.
    void Press(TPadKey key);
};

extern TfJoystick* fJoystick;

// Shows the sounder's battery value in the window's field pBattery.
void ShowBatteryLevel(const QString& text);
