#pragma once
// The window "Latency": how long the last map-timer tick took and the running mean, against a
// tolerance the surveyor sets. The group box is the lamp: lime under the tolerance, red from
// it on. The map timer writes the two read-outs while the window is visible.

#include "app/LabeledEdit.h"

#include <QGroupBox>
#include <QWidget>

class TfLatency : public QWidget {
public:
    explicit TfLatency(QWidget* parent = nullptr);

    QGroupBox* gLatency;
    TLabeledEdit* eCurrentLatency;   // whole milliseconds
    TLabeledEdit* eLatencyAveraged;  // milliseconds, one decimal
    TLabeledEdit* eLatencyTol;       // milliseconds; stored at every change

    // Reads the tolerance from LATENCY/eLatencyTol (500 when missing or not a whole number).
    void FormCreate();
    // Stores the text as it stands, also while it is not a number.
    void eLatencyTolChange();
    void eCurrentLatencyChange();
};

extern TfLatency* fLatency;
