#pragma once
// The window "Vessel Geometry": the range rings and the heading arrow of the vessel symbol.
//
// The map timer reads the five edits as numbers on every tick, so a change shows at once;
// only "Save && Hide" stores them (section VESSEL_SHAPE), and they are loaded once, when the
// window is created. The window has no title-bar icons: "Save && Hide" is the way out.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

class TFShape : public QWidget {
public:
    explicit TFShape(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QLineEdit* edRadious;   // first ring radius, m
    QLineEdit* edInterval;  // distance between rings, m
    QLineEdit* edAmount;    // number of rings
    QLineEdit* edBArrow;    // arrow length to the bow, m
    QLineEdit* edLArrow;    // sideways offset of the arrow's side strokes, m
    QLabel* Label1;
    QPushButton* BitBtn1;  // "Save && Hide"
    QPushButton* bDefault;

    void FormCreate();
    void BitBtn1Click();
    void bDefaultClick();

private:
    QLineEdit* AddLabeledEdit(const char* name, const char* caption, const char* text);
};

extern TFShape* FShape;
