#pragma once
// A colour picker holding TColor values (0x00BBGGRR): the sixteen standard colours and four
// extended ones, each with its swatch. A colour set that is not in the list is added to it as
// "Custom", so a stored colour is never lost.
//
// Like a combo box of the class library, only the user's choice reports a change (the activated
// signal); setting the colour from code does not.

#include "canvas/Color.h"

#include <QComboBox>

class TColorBox : public QComboBox {
public:
    explicit TColorBox(QWidget* parent = nullptr);

    TColor Selected() const;
    void SetSelected(TColor color);

private:
    void AddColor(TColor color, const QString& name);
};
