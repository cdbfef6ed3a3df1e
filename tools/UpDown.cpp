#include "tools/UpDown.h"

#include "platform/NumberFormat.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

int UpDownStep(const QString& text, int lastPosition, int min, int max, int increment,
               int direction) {
    const long long stepped =
        static_cast<long long>(StrToIntDef(text, lastPosition)) + direction * increment;
    return static_cast<int>(std::clamp<long long>(stepped, min, max));
}

TUpDown::TUpDown(QLineEdit* associate, int min, int max, int increment, QWidget* parent)
    : QWidget(parent),
      Associate(associate),
      Min(min),
      Max(max),
      Increment(increment),
      Position(StrToIntDef(associate->text(), min)),
      Up(new QToolButton(this)),
      Down(new QToolButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (auto [button, arrow, direction] :
         {std::tuple{Up, Qt::UpArrow, 1}, std::tuple{Down, Qt::DownArrow, -1}}) {
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFixedSize(16, 11);
        layout->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, d = direction] { Click(d); });
    }
}

void TUpDown::Click(int direction) {
    Position = UpDownStep(Associate->text(), Position, Min, Max, Increment, direction);
    Associate->setText(QString::number(Position));
}
