#pragma once
// The window "Theme Selection"; its controls come with the work that builds it.

#include <QWidget>

class TfTheme : public QWidget {
public:
    explicit TfTheme(QWidget* parent = nullptr);
};

extern TfTheme* fTheme;
