#pragma once
// The window "Latency"; its controls come with the work that builds it.

#include <QWidget>

class TfLatency : public QWidget {
public:
    explicit TfLatency(QWidget* parent = nullptr);
};

extern TfLatency* fLatency;
