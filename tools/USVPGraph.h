#pragma once
// The window "SVP Profile Graph - Drag Points or Lasso Select"; its controls come with the work
// that builds it.

#include <QWidget>

class TfSVPGraph : public QWidget {
public:
    explicit TfSVPGraph(QWidget* parent = nullptr);
};

extern TfSVPGraph* fSVPGraph;
