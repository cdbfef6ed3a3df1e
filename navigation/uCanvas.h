#pragma once
// The window "Acoustic Waterfall"; its controls come with the work that builds it.

#include <QWidget>

class TfWaterfal : public QWidget {
public:
    explicit TfWaterfal(QWidget* parent = nullptr);
};

extern TfWaterfal* fWaterfal;
