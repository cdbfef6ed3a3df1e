#pragma once
// The window "About Quellbay"; its controls come with the work that builds it.

#include <QWidget>

class TformAbout : public QWidget {
public:
    explicit TformAbout(QWidget* parent = nullptr);
};

extern TformAbout* formAbout;
