#pragma once
// The window "Realtime Data"; its controls come with the work that builds it.

#include <QWidget>

class TfRealtime : public QWidget {
public:
    explicit TfRealtime(QWidget* parent = nullptr);
};

extern TfRealtime* fRealtime;
