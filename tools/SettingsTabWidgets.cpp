#include "tools/SettingsTabWidgets.h"

#include <QLabel>

namespace {

constexpr int kRowHeight = 22;
constexpr int kCaptionGap = 3;

}  // namespace

QGroupBox* AddGroup(QWidget* parent, const char* caption, const QRect& bounds) {
    auto* group = new QGroupBox(caption, parent);
    group->setGeometry(bounds);
    return group;
}

TLabeledEdit* AddEdit(QWidget* parent, const char* name, const char* caption, int left, int top,
                      int width) {
    auto* edit = new TLabeledEdit(caption, parent);
    edit->setObjectName(name);
    edit->setGeometry(left, top, width, kRowHeight);
    return edit;
}

QCheckBox* AddBox(QWidget* parent, const char* name, const char* caption, const QPoint& at,
                  bool checked) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->move(at);
    box->adjustSize();
    box->setChecked(checked);
    return box;
}

TColorBox* AddColorBox(QWidget* parent, const char* name, const char* caption, int left, int top,
                       int width, TColor color) {
    auto* box = new TColorBox(parent);
    box->setObjectName(name);
    box->setGeometry(left, top, width, kRowHeight);
    box->SetSelected(color);
    auto* label = new QLabel(caption, parent);
    label->setBuddy(box);
    label->adjustSize();
    label->move(left, top - label->height() - kCaptionGap);
    return box;
}
