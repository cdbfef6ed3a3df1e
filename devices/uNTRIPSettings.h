#pragma once
// The window "Orvalt NTRIP Client"; its controls come with the work that builds it.

#include <QWidget>

class TfrmNTRIPSettings : public QWidget {
public:
    explicit TfrmNTRIPSettings(QWidget* parent = nullptr);
};

extern TfrmNTRIPSettings* frmNTRIPSettings;
