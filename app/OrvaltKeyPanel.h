#pragma once
// What the on-screen keypad and keyboard share: a black panel without bevel, framed in orange,
// whose keys are push buttons that never take the focus from the edit they type into, and the
// guarded pointer to that edit.

#include <QPointer>
#include <QPushButton>
#include <QWidget>

class TOrvaltKeyPanel : public QWidget {
public:
    explicit TOrvaltKeyPanel(QWidget* parent = nullptr);

    // The control that receives the typing; it may be null, or vanish while the panel shows.
    QPointer<QWidget> Target;

protected:
    // A key at its rectangle in the panel, font size 10, bold on request.
    QPushButton* AddKey(const QString& caption, const QRect& place, bool bold = false);
    // The target's text with the given text appended; nothing without a target.
    void AppendToTarget(const QString& text);
    // The target's text without its last character; nothing without a target.
    void RemoveLastFromTarget();
    void paintEvent(QPaintEvent* event) override;
};
