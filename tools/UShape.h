#pragma once
// The window "Vessel Geometry"; its controls come with the work that builds it.

#include <QWidget>

class TFShape : public QWidget {
public:
    explicit TFShape(QWidget* parent = nullptr);
};

extern TFShape* FShape;
