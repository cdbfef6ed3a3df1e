#include "app/About.h"

#include <QStyle>

TformAbout* formAbout = nullptr;

namespace {

constexpr int kClientWidth = 340;
constexpr int kClientHeight = 375;
constexpr int kButtonHeight = 32;
constexpr int kMargin = 8;

QLabel* CentredLabel(QWidget* parent, const char* name, const char* text, const char* family,
                     int pixelSize, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, top, kClientWidth, pixelSize * 2);
    return label;
}

}  // namespace

TformAbout::TformAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("formAbout");
    setWindowTitle("About Quellbay");
    setFixedSize(kClientWidth, kClientHeight);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);

    const int panelHeight = kClientHeight - kButtonHeight - 2 * kMargin;
    Panel4 = new QFrame(this);
    Panel4->setObjectName("Panel4");
    Panel4->setGeometry(0, 0, kClientWidth, panelHeight);
    auto* bevel = new QFrame(Panel4);  // the soft bevel along the panel's top
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(0, 0, kClientWidth, 2);
    SoftName = CentredLabel(Panel4, "SoftName", "Quellbay", "Arial", 19, panelHeight / 2 - 40);
    Version =
        CentredLabel(Panel4, "Version", "Version 6.8.10", "MS Sans Serif", 13, panelHeight / 2);

    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(kMargin, kClientHeight - kButtonHeight - kMargin,
                         kClientWidth - 2 * kMargin, kButtonHeight);
    BitBtn2->setDefault(true);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
}
