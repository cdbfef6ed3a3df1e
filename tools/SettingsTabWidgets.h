#pragma once
// The controls of the settings window's tabs, placed at fixed positions as on the form: a group
// box, an edit with its caption above it, a check box, and a colour box with its caption.

#include "app/LabeledEdit.h"
#include "tools/ColorBox.h"

#include <QCheckBox>
#include <QGroupBox>

QGroupBox* AddGroup(QWidget* parent, const char* caption, const QRect& bounds);
// The edit is one row high; its caption stands above `top`.
TLabeledEdit* AddEdit(QWidget* parent, const char* name, const char* caption, int left, int top,
                      int width);
QCheckBox* AddBox(QWidget* parent, const char* name, const char* caption, const QPoint& at,
                  bool checked);
// The colour box is one row high, holding `color`; its caption stands above `top`.
TColorBox* AddColorBox(QWidget* parent, const char* name, const char* caption, int left, int top,
                       int width, TColor color);
