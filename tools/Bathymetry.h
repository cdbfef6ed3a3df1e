#pragma once
// The window "Offsets Essential for Post Processing / Recovery"; its controls come with the work
// that builds it.

#include <QWidget>

class TOffsets : public QWidget {
public:
    explicit TOffsets(QWidget* parent = nullptr);
};

extern TOffsets* Offsets;
