#pragma once
// The window "Runline Generator"; its controls come with the work that builds it.

#include <QWidget>

class TfRunline1 : public QWidget {
public:
    explicit TfRunline1(QWidget* parent = nullptr);
};

extern TfRunline1* fRunline1;
