#include "app/uTheme.h"

#include "app/StyleManager.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/SettingsWriteReport.h"

#include <QHBoxLayout>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

TfTheme* fTheme = nullptr;
std::string ActiveStyleName;

namespace {

constexpr int kClientWidth = 320;
constexpr int kClientHeight = 612;

QPushButton* Button(QWidget* parent, const char* name, QStyle::StandardPixmap icon,
                    const char* caption) {
    auto* button = new QPushButton(parent->style()->standardIcon(icon), caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

TfTheme::TfTheme(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("fTheme");
    setWindowTitle("Theme Selection");
    setFont(QFont("Tahoma"));
    setFixedSize(kClientWidth, kClientHeight);
    gThemeFrame = new QGroupBox("Select Theme", this);
    gThemeFrame->setObjectName("gThemeFrame");
    lbThemeList = new QListWidget(gThemeFrame);
    lbThemeList->setObjectName("lbThemeList");
    (new QVBoxLayout(gThemeFrame))->addWidget(lbThemeList);
    lInfo = new QLabel(this);
    lInfo->setObjectName("lInfo");
    bSaveExit = Button(this, "bSaveExit", QStyle::SP_DialogSaveButton, "Save && Exit");
    bCancel = Button(this, "bCancel", QStyle::SP_DialogCancelButton, "Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bSaveExit);
    buttons->addWidget(bCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gThemeFrame, 1);
    layout->addWidget(lInfo);
    layout->addLayout(buttons);
    connect(lbThemeList, &QListWidget::currentRowChanged, this, &TfTheme::lbThemeListClick);
    connect(bSaveExit, &QPushButton::clicked, this, &TfTheme::bSaveExitClick);
    connect(bCancel, &QPushButton::clicked, this, &TfTheme::bCancelClick);
}

void TfTheme::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfTheme::FormShow() {
    ActiveStyleName = TStyleManager::ActiveStyleName().toStdString();
    const QSignalBlocker quiet(lbThemeList);
    lbThemeList->clear();
    const QStringList names = TStyleManager::StyleNames();
    lbThemeList->addItems(names);
    lInfo->setText("Available themes: " + QString::number(names.size()) + ". Select to preview.");
    const int active = names.indexOf(QString::fromStdString(ActiveStyleName));
    lbThemeList->setCurrentRow(active >= 0 ? active : 0);
}

void TfTheme::lbThemeListClick() {
    if (const QListWidgetItem* item = lbThemeList->currentItem()) {
        TStyleManager::TrySetStyle(item->text(), true);
    }
}

void TfTheme::bSaveExitClick() {
    if (const QListWidgetItem* item = lbThemeList->currentItem()) {
        TIniFile ini(GetSettingsFilePath());
        if (!ini.WriteString("APPLICATION", "ThemeStyle", item->text().toStdString())) {
            ReportSettingsNotSaved(ini.FileName());
            return;
        }
    }
    close();
}

void TfTheme::bCancelClick() {
    TStyleManager::TrySetStyle(QString::fromStdString(ActiveStyleName), true);
    close();
}
