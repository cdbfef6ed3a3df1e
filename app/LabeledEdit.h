#pragma once
// An edit with its caption above it, as the settings windows lay them out. The caption is a
// label of its own (EditLabel), so the caption walkers translate it and leave the edit's text
// alone; it moves, shows, hides and greys with the edit.

#include <QLabel>
#include <QLineEdit>

class TLabeledEdit : public QLineEdit {
public:
    TLabeledEdit(const QString& caption, QWidget* parent);

    QLabel* EditLabel;

    void setVisible(bool visible) override;

protected:
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void PlaceLabel();
};
