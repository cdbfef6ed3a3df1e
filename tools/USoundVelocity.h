#pragma once
// The window "Sound Velocity": turns a raw sound-velocity cast into the profile column that the
// depth reduction reads while "Use Sound Velocity Profile" is ticked.
//
// Four memos hold the whole state, each filled from the one before by a step button: the
// cast's lines, the extracted pairs "depth,sv", the averaged list "depth,mean,hits" (line k for
// depth k) and the column (line k the mean velocity from the surface to k metres). The averaged
// list may be cleaned in the graph window before the column is built. Each memo is kept in a
// file in the memo folder (beside the program) and as a dated copy in the day's SVP folder; the
// parameters and the tick are stored in section "SVP" when the window closes.
//
// The steps, the header detection and the files are widget-free (SoundVelocitySteps.h,
// SvpHeaderDetection.h, SoundVelocityFiles.h).

#include "app/LabeledEdit.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "tools/LineMemo.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class TfSVPGraph;

class TfSVP : public QWidget {
public:
    // `memoFolder`, with its trailing "/", holds the memo files kept beside the program.
    explicit TfSVP(QWidget* parent = nullptr, std::string memoFolder = ProgramFolder());

    std::string MemoFolder;

    QGroupBox *GroupBox1, *GroupBox2, *GroupBox3, *GroupBox4, *GroupBox5;
    TLineMemo* mRawSVData;
    TLineMemo* mRawSVExtracted;
    TLineMemo* mSortedAveragedSV;
    TLineMemo* mSVPColumn;
    TLabeledEdit* eSearchString;
    TLabeledEdit* eMaxDepth;  // m
    QRadioButton* rSVFirst;
    QRadioButton* rDFirst;
    QPushButton* BitBtn1;  // "SVP": loads a cast file
    QPushButton* bGraph;
    QToolButton* bRawToSVV;         // step 1
    QToolButton* bSVVtoAveragedSV;  // step 2
    QToolButton* bAveragedSVtoSVP;  // step 3
    QCheckBox* cUseSVP;
    QPushButton* bSaveClose;
    QMenu* mDefault;
    QAction* Defaults1;
    QAction* AutoDedetct1;

    // Shows the graph window modally and returns how it closed; tests replace it.
    std::function<TModalResult(TfSVPGraph& graph)> ShowGraph;

    void FormCreate();
    void FormShow();
    // Stores the parameters and the tick; the window always closes.
    void FormCloseQuery();
    void BitBtn1Click();
    void bRawToSVVClick();
    void bSVVtoAveragedSVClick();
    void bAveragedSVtoSVPClick();
    void bGraphClick();
    void cUseSVPClick();
    void eSearchStringDblClick();
    void Defaults1Click();
    void AutoDedetct1Click();
    // "Save && Close".
    void BitBtn2Click();

    // Writes the four dated copies in the day's SVP folder; false with the reason in `error`.
    bool SaveDatedCopies(std::string& error) const;
    // The column while the box is ticked, read where it stands; nullptr otherwise.
    const TProfileColumn* ProfileColumnInUse() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMemos();
    void CreateParameters();
    void CreateButtons();
    void BindHandlers();
    TLineMemo* Memo(std::size_t index) const;
    void LoadMemoFiles();
    // "Max Depth" as a number, or the conversion message and nothing.
    std::optional<int> MaxDepth() const;
    void ShowProfileChoice(bool profileUsed);

    std::unique_ptr<TLineMemoColumn> column_;
};

extern TfSVP* fSVP;

// True while the window's box is ticked over a column that is not blank: what the offsets
// report tells as the velocity in use.
bool SoundVelocityProfileInUse();

// The column for each sounder line while the box is ticked; nullptr otherwise. The memo is
// read where it stands: it may be edited, and the steps empty it while the box stays ticked.
const TProfileColumn* SoundVelocityProfileColumn();
