#pragma once
// The mouse and key input of the map widget, handed on in client pixels with the canvas's
// encodings. The drawing, panning and measuring tools implement it.

// Button: 1 left, 2 right, 4 middle.
enum TMouseButtonCode { mbLeft = 1, mbRight = 2, mbMiddle = 4 };
// Shift: the sum of 1 (Shift key), 2 (Ctrl key) and 4 (Alt key).
enum TShiftCode { ssShift = 1, ssCtrl = 2, ssAlt = 4 };

class TCanvasInput {
  public:
    virtual ~TCanvasInput() = default;
    virtual void MouseDown(int button, int shift, int px, int py) = 0;
    virtual void MouseMove(int shift, int px, int py) = 0;
    virtual void MouseUp(int button, int shift, int px, int py) = 0;
    // key is a Qt::Key code.
    virtual void KeyDown(int key, int shift) = 0;
};
