#pragma once
// The window "Navigation Settings"; its controls come with the work that builds it.

#include <QWidget>

class TNavset : public QWidget {
public:
    explicit TNavset(QWidget* parent = nullptr);
};

extern TNavset* Navset;
