// The sound-velocity window's controls, its files and settings, and its save. The steps, the
// graph and the header detection are in USoundVelocitySteps.cpp.

#include "tools/USoundVelocity.h"

#include "app/FormPlacement.h"
#include "app/ModalWindow.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/SettingsWriteReport.h"
#include "tools/Bathymetry.h"
#include "tools/SoundVelocityFiles.h"
#include "tools/SoundVelocityTexts.h"
#include "tools/SvpSettings.h"
#include "tools/USVPGraph.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QVBoxLayout>

TfSVP* fSVP = nullptr;

namespace {

template <class Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(name);
    return control;
}

TLineMemo* MemoIn(QGroupBox* group, const char* name) {
    auto* memo = Named(new TLineMemo(group), name);
    (new QVBoxLayout(group))->addWidget(memo);
    return memo;
}

QToolButton* StepButton(QWidget* parent, const char* name) {
    auto* button = Named(new QToolButton(parent), name);
    button->setArrowType(Qt::RightArrow);
    return button;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TfSVP::TfSVP(QWidget* parent, std::string memoFolder)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), MemoFolder(std::move(memoFolder)) {
    setObjectName("fSVP");
    setWindowTitle("Sound Velocity");
    new QGridLayout(this);
    CreateMemos();
    CreateParameters();
    CreateButtons();
    BindHandlers();
    resize(900, 560);
    ShowGraph = [this](TfSVPGraph& graph) {
        graph.setResult(QDialog::Rejected);
        ShowModal(&graph, this);
        return graph.result() == QDialog::Accepted ? TModalResult::OK : TModalResult::Cancel;
    };
    FormCreate();
}

void TfSVP::CreateMemos() {
    auto* grid = static_cast<QGridLayout*>(layout());
    const std::pair<QGroupBox**, const char*> groups[] = {{&GroupBox1, "Source SVP Data"},
                                                          {&GroupBox2, "Raw SV values"},
                                                          {&GroupBox3, "Averaged SV Values"},
                                                          {&GroupBox4, "SV Column"}};
    for (int column = 0; column < 4; ++column) {
        auto [group, title] = groups[column];
        *group = new QGroupBox(title, this);
        (*group)->setObjectName(QString("GroupBox%1").arg(column + 1));
        grid->addWidget(*group, 0, column);
        grid->setColumnStretch(column, column == 0 ? 2 : 1);
    }
    mRawSVData = MemoIn(GroupBox1, "mRawSVData");
    mRawSVExtracted = MemoIn(GroupBox2, "mRawSVExtracted");
    mSortedAveragedSV = MemoIn(GroupBox3, "mSortedAveragedSV");
    mSVPColumn = MemoIn(GroupBox4, "mSVPColumn");
    column_ = std::make_unique<TLineMemoColumn>(*mSVPColumn);
    bRawToSVV = StepButton(this, "bRawToSVV");
    bSVVtoAveragedSV = StepButton(this, "bSVVtoAveragedSV");
    bAveragedSVtoSVP = StepButton(this, "bAveragedSVtoSVP");
    QToolButton* const steps[] = {bRawToSVV, bSVVtoAveragedSV, bAveragedSVtoSVP};
    for (int column = 0; column < 3; ++column) {
        grid->addWidget(steps[column], 1, column, Qt::AlignRight);
    }
}

void TfSVP::CreateParameters() {
    GroupBox5 = Named(new QGroupBox("Parameters", this), "GroupBox5");
    eSearchString =
        Named(new TLabeledEdit("Format Identifier for SV && P", GroupBox5), "eSearchString");
    eSearchString->setText("%*23s %lf,%lf");
    eMaxDepth = Named(new TLabeledEdit("Max Depth", GroupBox5), "eMaxDepth");
    eMaxDepth->setText("200");
    rSVFirst = Named(new QRadioButton("SV first", GroupBox5), "rSVFirst");
    rDFirst = Named(new QRadioButton("Depth first", GroupBox5), "rDFirst");
    rSVFirst->setChecked(true);
    auto* layout = new QGridLayout(GroupBox5);
    // Room above the edits for their captions, which sit outside the layout.
    const int caption = eSearchString->EditLabel->sizeHint().height() + 6;
    layout->setContentsMargins(9, 9 + caption, 9, 9);
    layout->addWidget(eSearchString, 0, 0);
    layout->addWidget(eMaxDepth, 0, 1);
    layout->addWidget(rSVFirst, 1, 0);
    layout->addWidget(rDFirst, 1, 1);
    static_cast<QGridLayout*>(this->layout())->addWidget(GroupBox5, 2, 0, 1, 2);
    mDefault = Named(new QMenu(this), "mDefault");
    Defaults1 = Named(mDefault->addAction("Defaults"), "Defaults1");
    AutoDedetct1 = Named(mDefault->addAction("Auto Dedetct"), "AutoDedetct1");
}

void TfSVP::CreateButtons() {
    auto* files = new QVBoxLayout;
    BitBtn1 = Named(new QPushButton("SVP", this), "BitBtn1");
    bGraph = Named(new QPushButton("Graph", this), "bGraph");
    files->addWidget(BitBtn1);
    files->addWidget(bGraph);
    auto* profile = new QVBoxLayout;
    cUseSVP = Named(new QCheckBox("Use Sound Velocity Profile", this), "cUseSVP");
    bSaveClose = Named(new QPushButton("Save && Close", this), "bSaveClose");
    bSaveClose->setEnabled(false);
    profile->addWidget(cUseSVP);
    profile->addWidget(bSaveClose);
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addLayout(files, 2, 2);
    grid->addLayout(profile, 2, 3);
    grid->setRowStretch(0, 1);
}

void TfSVP::BindHandlers() {
    connect(BitBtn1, &QPushButton::clicked, this, &TfSVP::BitBtn1Click);
    connect(bGraph, &QPushButton::clicked, this, &TfSVP::bGraphClick);
    connect(bRawToSVV, &QToolButton::clicked, this, &TfSVP::bRawToSVVClick);
    connect(bSVVtoAveragedSV, &QToolButton::clicked, this, &TfSVP::bSVVtoAveragedSVClick);
    connect(bAveragedSVtoSVP, &QToolButton::clicked, this, &TfSVP::bAveragedSVtoSVPClick);
    // A click, not a change: the window ticks the box itself without running the handler.
    connect(cUseSVP, &QCheckBox::clicked, this, &TfSVP::cUseSVPClick);
    connect(bSaveClose, &QPushButton::clicked, this, &TfSVP::BitBtn2Click);
    connect(Defaults1, &QAction::triggered, this, &TfSVP::Defaults1Click);
    connect(AutoDedetct1, &QAction::triggered, this, &TfSVP::AutoDedetct1Click);
    for (QWidget* control :
         std::initializer_list<QWidget*>{GroupBox5, eSearchString, eMaxDepth, rSVFirst, rDFirst}) {
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(control, &QWidget::customContextMenuRequested, this,
                [this, control](const QPoint& at) { mDefault->popup(control->mapToGlobal(at)); });
    }
    eSearchString->installEventFilter(this);
}

bool TfSVP::eventFilter(QObject* watched, QEvent* event) {
    if (watched == eSearchString && event->type() == QEvent::MouseButtonDblClick) {
        eSearchStringDblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

TLineMemo* TfSVP::Memo(std::size_t index) const {
    TLineMemo* const memos[] = {mRawSVData, mRawSVExtracted, mSortedAveragedSV, mSVPColumn};
    return memos[index];
}

void TfSVP::FormCreate() {
    LoadMemoFiles();
    const TSvpSettings settings = ReadSvpSettings(TIniFile(GetSettingsFilePath()));
    eSearchString->setText(Q(settings.searchString));
    eMaxDepth->setText(Q(settings.maxDepth));
    // Both stored unticked read as "Depth first", which is what the steps then do.
    const bool depthFirst = settings.depthFirst || !settings.svFirst;
    (depthFirst ? rDFirst : rSVFirst)->setChecked(true);
    if (settings.useProfile && mSVPColumn->LineCount() > 0 && !mSVPColumn->Blank()) {
        cUseSVP->setChecked(true);
        cUseSVPClick();
    }
}

// Today's dated copy wins over the file beside the program; an unreadable file is skipped.
void TfSVP::LoadMemoFiles() {
    for (std::size_t i = 0; i < kSvpMemoNames.size(); ++i) {
        for (const std::string& path :
             {SvpDatedCopyPath(kSvpMemoNames[i]), SvpMemoFilePath(MemoFolder, kSvpMemoNames[i])}) {
            if (!FileExists(path)) continue;
            const TSvpTextFile file = ReadSvpTextFile(path);
            if (!file.read) continue;
            Memo(i)->SetLines(file.lines);
            break;
        }
    }
}

void TfSVP::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfSVP::FormShow() { RestoreFormPlacement(this, false); }

void TfSVP::closeEvent(QCloseEvent* event) {
    FormCloseQuery();
    event->accept();
}

void TfSVP::FormCloseQuery() {
    TIniFile ini(GetSettingsFilePath());
    const TSvpSettings settings{eSearchString->text().toStdString(),
                                eMaxDepth->text().toStdString(), rSVFirst->isChecked(),
                                rDFirst->isChecked(), cUseSVP->isChecked()};
    if (!WriteSvpSettings(ini, settings)) ReportSettingsNotSaved(ini.FileName());
}

// The program folder may be read-only: the copies beside the program are kept when they can
// be, and the dated copies are the ones that must be written.
void TfSVP::BitBtn2Click() {
    if (FNav) FNav->Save1Click();
    std::string error;
    if (!SaveDatedCopies(error)) {
        ShowMessage(Q(error));
        return;
    }
    for (std::size_t i = 0; i < kSvpMemoNames.size(); ++i) {
        const std::string path = SvpMemoFilePath(MemoFolder, kSvpMemoNames[i]);
        if (!WriteSvpMemoFile(path, Memo(i)->Lines(), error)) break;
    }
    close();
}

bool TfSVP::SaveDatedCopies(std::string& error) const {
    for (std::size_t i = 0; i < kSvpMemoNames.size(); ++i) {
        if (!WriteSvpMemoFile(SvpDatedCopyPath(kSvpMemoNames[i]), Memo(i)->Lines(), error)) {
            return false;
        }
    }
    return true;
}

const TProfileColumn* TfSVP::ProfileColumnInUse() const {
    return cUseSVP->isChecked() ? column_.get() : nullptr;
}

bool SoundVelocityProfileInUse() {
    return fSVP && fSVP->cUseSVP->isChecked() && !fSVP->mSVPColumn->Blank();
}

const TProfileColumn* SoundVelocityProfileColumn() {
    return fSVP ? fSVP->ProfileColumnInUse() : nullptr;
}
