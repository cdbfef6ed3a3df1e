// The sound-velocity window's work: loading a cast, the three steps, the graph, the header
// detection, the parameter presets and the tick that hands the column to the depth reduction.
// Each step reads its memo once and sets the memos it fills once.

#include "tools/Bathymetry.h"
#include "tools/ConversionError.h"
#include "tools/SoundVelocityFiles.h"
#include "tools/SoundVelocitySteps.h"
#include "tools/SoundVelocityTexts.h"
#include "tools/SvpHeaderDetection.h"
#include "tools/USVPGraph.h"
#include "tools/USoundVelocity.h"

namespace {

constexpr const char* kDefaultSearchString = "%*23s %lf,%lf";
constexpr const char* kDefaultMaxDepth = "200";

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

std::optional<int> TfSVP::MaxDepth() const {
    const std::optional<int> depth = ReadMaxDepth(eMaxDepth->text().toStdString());
    if (!depth) ShowException(IntegerConversionMessage(eMaxDepth->text()));
    return depth;
}

// A file that cannot be loaded leaves every memo as it was.
void TfSVP::BitBtn1Click() {
    const QString chosen = OpenFileName({"Open", "Sound Velocity File [*.*] (*)", {}, {}, false});
    if (chosen.isEmpty()) return;
    TSvpTextFile file = ReadSvpTextFile(chosen.toStdString());
    if (!file.read) {
        ShowMessage(Q(file.error));
        return;
    }
    for (TLineMemo* memo : {mRawSVExtracted, mSortedAveragedSV, mSVPColumn}) memo->Clear();
    mRawSVData->SetLines(std::move(file.lines));
}

// Every step empties the column, so "Save && Close" waits for the next good column.
void TfSVP::bRawToSVVClick() {
    const TMessageLanguage language = CurrentMessageLanguage();
    const std::string pattern = eSearchString->text().toStdString();
    if (!ExtractionPatternFits(pattern)) {
        ShowMessage(Q(PatternRefusedMessage(pattern, language)));
        return;
    }
    mSortedAveragedSV->Clear();
    mSVPColumn->Clear();
    bSaveClose->setEnabled(false);
    const auto ask = [language](double speed, std::size_t line) {
        const QString text = Q(SpeedOutOfRangeMessage(speed, line, language));
        return MessageDlg(text, TMsgDlgType::Warning, mbOK | mbCancel) == TModalResult::OK
                   ? TOutOfRangeAnswer::SkipLine
                   : TOutOfRangeAnswer::EndStep;
    };
    mRawSVExtracted->SetLines(
        ExtractSoundVelocities(mRawSVData->Lines(), pattern, rSVFirst->isChecked(), ask));
}

void TfSVP::bSVVtoAveragedSVClick() {
    mSortedAveragedSV->Clear();
    mSVPColumn->Clear();
    bSaveClose->setEnabled(false);
    const std::optional<int> maxDepth = MaxDepth();
    if (!maxDepth) return;
    mSortedAveragedSV->SetLines(AverageSoundVelocities(mRawSVExtracted->Lines(), *maxDepth));
}

void TfSVP::bAveragedSVtoSVPClick() {
    mSVPColumn->Clear();
    bSaveClose->setEnabled(false);
    const std::optional<int> maxDepth = MaxDepth();
    if (!maxDepth) return;
    const TProfileColumnBuild column = BuildProfileColumn(mSortedAveragedSV->Lines(), *maxDepth);
    mSVPColumn->SetLines(column.lines);
    const TMessageLanguage language = CurrentMessageLanguage();
    switch (column.failure) {
        case TColumnFailure::None:
            bSaveClose->setEnabled(true);
            break;
        case TColumnFailure::NoSurfaceVelocity:
            ShowMessage(Q(SurfaceVelocityMissingMessage(language)));
            break;
        case TColumnFailure::OutOfRange:
            ShowMessage(Q(ColumnOutOfRangeMessage(column.failedDepth, language)));
            break;
    }
}

// The graph window is made once and reused; the one made here goes with this window.
void TfSVP::bGraphClick() {
    if (mSortedAveragedSV->LineCount() == 0) {
        ShowMessage(kNoDataToGraph);
        return;
    }
    if (!fSVPGraph) {
        fSVPGraph = new TfSVPGraph(this);
        connect(fSVPGraph, &QObject::destroyed, [] { fSVPGraph = nullptr; });
    }
    TfSVPGraph& graph = *fSVPGraph;
    graph.LoadPoints(mSortedAveragedSV->Lines());
    if (ShowGraph(graph) != TModalResult::OK || !graph.Modified) return;
    std::vector<std::string> lines;
    graph.StorePoints(lines);
    mSortedAveragedSV->SetLines(lines);
    mSVPColumn->Clear();
    bSaveClose->setEnabled(false);
    ShowMessage(kGraphDataUpdated);
}

void TfSVP::cUseSVPClick() {
    const TMessageLanguage language = CurrentMessageLanguage();
    if (cUseSVP->isChecked() && mSVPColumn->Blank()) {
        cUseSVP->setChecked(false);
        ShowProfileChoice(false);
        ShowMessage(Q(EmptyColumnMessage(language)));
        return;
    }
    ShowProfileChoice(cUseSVP->isChecked());
}

void TfSVP::ShowProfileChoice(bool profileUsed) {
    if (!Offsets) return;
    const TMessageLanguage language = CurrentMessageLanguage();
    Offsets->SV->setEnabled(!profileUsed);
    Offsets->bSVP->setText(
        Q(profileUsed ? ProfileUsedCaption(language) : SingleVelocityCaption(language)));
}

void TfSVP::eSearchStringDblClick() { eSearchString->setText(kDefaultSearchString); }

void TfSVP::Defaults1Click() {
    eSearchString->setText(kDefaultSearchString);
    eMaxDepth->setText(kDefaultMaxDepth);
    rSVFirst->setChecked(true);
}

void TfSVP::AutoDedetct1Click() {
    if (mRawSVData->LineCount() == 0) {
        ShowMessage(kNoCastLoaded);
        return;
    }
    const std::optional<TSvpHeaderFormat> format = DetectSvpHeader(mRawSVData->Lines());
    if (!format) {
        ShowMessage(kNoHeaderFound);
        return;
    }
    eSearchString->setText(Q(format->pattern));
    (format->svFirst ? rSVFirst : rDFirst)->setChecked(true);
    ShowMessage(Q(AutoDetectedMessage(*format, CurrentMessageLanguage())));
}
