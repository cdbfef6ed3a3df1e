#include "app/TranslationEditor.h"

#include "app/FormPlacement.h"
#include "platform/Dialogs.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

TfTranslationEditor* fTranslationEditor = nullptr;

namespace {

constexpr int kClientWidth = 750;
constexpr int kClientHeight = 450;
constexpr int kPanelHeight = 41;
constexpr int kColumnWidths[] = {200, 250, 250};

QWidget* Panel(QWidget* parent, const char* name) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    return panel;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QTableWidgetItem* Cell(const QString& text, bool editable) {
    auto* item = new QTableWidgetItem(text);
    if (!editable) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

}  // namespace

TfTranslationEditor::TfTranslationEditor(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("fTranslationEditor");
    setWindowTitle("Translation Editor");
    setFont(QFont("Segoe UI"));
    resize(kClientWidth, kClientHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    CreateTopPanel();
    CreateGridPanel();
    CreateBottomPanel();
}

TfTranslationEditor::~TfTranslationEditor() {
    if (fTranslationEditor == this) fTranslationEditor = nullptr;
}

void TfTranslationEditor::CreateTopPanel() {
    PanelTop = Panel(this, "PanelTop");
    PanelTop->setFixedHeight(kPanelHeight);
    LabelLanguage = new QLabel("Edit Language:", PanelTop);
    LabelLanguage->setObjectName("LabelLanguage");
    cbLanguage = new QComboBox(PanelTop);
    cbLanguage->setObjectName("cbLanguage");
    btReload = Button(PanelTop, "btReload", "Reload");
    btSave = Button(PanelTop, "btSave", "Save Changes");
    auto* row = new QHBoxLayout(PanelTop);
    for (QWidget* control :
         std::initializer_list<QWidget*>{LabelLanguage, cbLanguage, btReload, btSave}) {
        row->addWidget(control);
    }
    row->addStretch();
    layout()->addWidget(PanelTop);
    connect(cbLanguage, &QComboBox::currentIndexChanged, this,
            &TfTranslationEditor::cbLanguageChange);
    connect(btReload, &QPushButton::clicked, this, &TfTranslationEditor::btReloadClick);
    connect(btSave, &QPushButton::clicked, this, &TfTranslationEditor::btSaveClick);
}

void TfTranslationEditor::CreateGridPanel() {
    PanelGrid = Panel(this, "PanelGrid");
    sgTranslations = new QTableWidget(0, 3, PanelGrid);
    sgTranslations->setObjectName("sgTranslations");
    sgTranslations->verticalHeader()->hide();
    sgTranslations->setEditTriggers(QAbstractItemView::AllEditTriggers);
    sgTranslations->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    for (int column = 0; column < 3; ++column) {
        sgTranslations->setColumnWidth(column, kColumnWidths[column]);
    }
    auto* fill = new QVBoxLayout(PanelGrid);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(sgTranslations);
    layout()->addWidget(PanelGrid);
    connect(sgTranslations, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        sgTranslationsSetEditText(item->column(), item->row(), item->text());
    });
}

void TfTranslationEditor::CreateBottomPanel() {
    PanelBottom = Panel(this, "PanelBottom");
    PanelBottom->setFixedHeight(kPanelHeight);
    edNewKey = new QLineEdit(PanelBottom);
    edNewKey->setObjectName("edNewKey");
    btAddKey = Button(PanelBottom, "btAddKey", "Add Key");
    LabelStatus = new QLabel(PanelBottom);
    LabelStatus->setObjectName("LabelStatus");
    auto* row = new QHBoxLayout(PanelBottom);
    row->addWidget(edNewKey);
    row->addWidget(btAddKey);
    row->addWidget(LabelStatus, 1);
    layout()->addWidget(PanelBottom);
    connect(btAddKey, &QPushButton::clicked, this, &TfTranslationEditor::btAddKeyClick);
}

// A minimised editor brought back is no new show: its edits stay.
void TfTranslationEditor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    if (!centred_) {
        centred_ = true;
        CentreOnScreen(this);
    }
    FormShow();
}

void TfTranslationEditor::FormShow() {
    if (Translator) {
        setWindowTitle(Tr("Translation Editor"));
        LabelLanguage->setText(Tr("Edit Language:"));
        btReload->setText(Tr("Reload"));
        btSave->setText(Tr("Save Changes"));
        btAddKey->setText(Tr("Add Key"));
    }
    FillLanguageCombo();
    FillTranslationGrid();
    IsModified = false;
    LabelStatus->clear();
}

void TfTranslationEditor::FillLanguageCombo() {
    const QSignalBlocker quiet(cbLanguage);
    cbLanguage->clear();
    if (!Translator) return;
    for (const std::string& code : Translator->languages()) {
        cbLanguage->addItem(QString::fromStdString(code));
    }
    const int current = cbLanguage->findText(QString::fromStdString(Translator->currentLanguage()));
    cbLanguage->setCurrentIndex(current >= 0 ? current : 0);
}

void TfTranslationEditor::FillTranslationGrid() {
    if (!Translator) return;
    const QSignalBlocker quiet(sgTranslations);
    gridLanguage_ = cbLanguage->currentText().toStdString();
    sgTranslations->setRowCount(0);
    sgTranslations->setHorizontalHeaderLabels(
        {"Key", "English", QString::fromStdString(gridLanguage_)});
    for (const TTranslationRow& row : TranslationRows(*Translator, gridLanguage_)) {
        AddGridRow(row);
    }
}

void TfTranslationEditor::AddGridRow(const TTranslationRow& row) {
    const QSignalBlocker quiet(sgTranslations);
    const int at = sgTranslations->rowCount();
    sgTranslations->insertRow(at);
    sgTranslations->setItem(at, kKeyColumn, Cell(row.key, false));
    sgTranslations->setItem(at, kEnglishColumn, Cell(row.english, true));
    sgTranslations->setItem(at, kTranslationColumn, Cell(row.translation, true));
}

std::vector<TTranslationRow> TfTranslationEditor::GridRows() const {
    const auto text = [this](int row, int column) {
        const QTableWidgetItem* item = sgTranslations->item(row, column);
        return item ? item->text() : QString();
    };
    std::vector<TTranslationRow> rows;
    for (int row = 0; row < sgTranslations->rowCount(); ++row) {
        rows.push_back(
            {text(row, kKeyColumn), text(row, kEnglishColumn), text(row, kTranslationColumn)});
    }
    return rows;
}

void TfTranslationEditor::sgTranslationsSetEditText(int ACol, int ARow, const QString&) {
    if (ARow < 0 || ACol <= kKeyColumn) return;
    IsModified = true;
    LabelStatus->setText("Modified");
}

// A save the user said yes to that did not reach the disk keeps the edits and their language.
void TfTranslationEditor::cbLanguageChange() {
    if (IsModified) {
        const TModalResult answer = MessageDlg("Do you want to save changes?",
                                               TMsgDlgType::Confirmation, mbYes | mbNo | mbCancel);
        const bool kept = answer != TModalResult::Yes && answer != TModalResult::No;
        if (kept || (answer == TModalResult::Yes && SaveGrid() == TSaveOutcome::NotWritten)) {
            SelectGridLanguage();
            return;
        }
    }
    FillTranslationGrid();
    IsModified = false;
    LabelStatus->clear();
}

void TfTranslationEditor::SelectGridLanguage() {
    const QSignalBlocker quiet(cbLanguage);
    cbLanguage->setCurrentIndex(cbLanguage->findText(QString::fromStdString(gridLanguage_)));
}

void TfTranslationEditor::btSaveClick() { SaveGrid(); }

TSaveOutcome TfTranslationEditor::SaveGrid() {
    if (!Translator) return TSaveOutcome::NotWritten;
    const TTranslationSave save = SaveTranslationRows(*Translator, gridLanguage_, GridRows());
    if (save.outcome == TSaveOutcome::Saved) IsModified = false;
    LabelStatus->setText(SaveStatusText(save));
    return save.outcome;
}

void TfTranslationEditor::btReloadClick() {
    if (!Translator) return;
    Translator->Reload();
    FillLanguageCombo();
    FillTranslationGrid();
    IsModified = false;
    LabelStatus->setText("Reloaded");
}

void TfTranslationEditor::btAddKeyClick() {
    std::vector<QString> keys;
    for (const TTranslationRow& row : GridRows()) keys.push_back(row.key);
    const TNewKey added = CheckNewKey(edNewKey->text(), keys);
    if (added.check == TNewKeyCheck::Empty) return;
    if (added.check == TNewKeyCheck::Exists) {
        LabelStatus->setText("Key already exists");
        return;
    }
    AddGridRow({added.key, added.key, QString()});
    edNewKey->clear();
    IsModified = true;
    LabelStatus->setText("Key added - don't forget to save");
}
