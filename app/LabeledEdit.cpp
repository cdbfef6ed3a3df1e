#include "app/LabeledEdit.h"

#include <QEvent>

namespace {
constexpr int kLabelSpacing = 3;
}  // namespace

TLabeledEdit::TLabeledEdit(const QString& caption, QWidget* parent)
    : QLineEdit(parent), EditLabel(new QLabel(caption, parent)) {
    EditLabel->setBuddy(this);
    PlaceLabel();
}

void TLabeledEdit::setVisible(bool visible) {
    QLineEdit::setVisible(visible);
    EditLabel->setVisible(visible);
}

void TLabeledEdit::moveEvent(QMoveEvent* event) {
    QLineEdit::moveEvent(event);
    PlaceLabel();
}

void TLabeledEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) EditLabel->setEnabled(isEnabled());
}

void TLabeledEdit::PlaceLabel() {
    EditLabel->adjustSize();
    EditLabel->move(x(), y() - EditLabel->height() - kLabelSpacing);
}
