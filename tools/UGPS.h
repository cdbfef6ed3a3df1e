#pragma once
// The window "Settings"; its controls come with the work that builds it.

#include <QWidget>

class TFGPS : public QWidget {
public:
    explicit TFGPS(QWidget* parent = nullptr);
};

extern TFGPS* FGPS;
