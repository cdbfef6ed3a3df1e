#pragma once
// The window "Offsets Essential for Post Processing / Recovery": before a survey run the
// surveyor enters the vessel offsets, the sound velocity, the manual tide and the names of
// location, boat and surveyor here, and starts real time with "Realtime", which checks the
// entries, appends them to the day's offsets report and stores them.
//
// The values live in the edits' texts; the main window reads OffsetA, SV, OffsetC and TideHt
// directly. The check and the report are widget-free (OffsetsCheck.h, OffsetsReport.h).

#include "tools/MessageLanguage.h"
#include "tools/OffsetsEntries.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>

class TOffsets : public QWidget {
public:
    explicit TOffsets(QWidget* parent = nullptr);

    QLabel* pSketch;  // the sketch of the offsets; its picture is Image1
    QLabel* Image1;
    QLineEdit* OffsetA;  // transducer draft below the waterline, m
    QLineEdit* OffsetB;  // transducer to GNSS antenna, m
    QLineEdit* OffsetC;  // antenna height above the water, m
    QLineEdit* SV;       // single sound velocity, m/s
    QLineEdit* TideHt;   // manual tide height, m
    QLineEdit* Location;
    QLineEdit* SurveyBoat;
    QLineEdit* Surveyor;
    QLabel* time;  // the clock text, refreshed every second
    QPushButton* bSVP;
    QPushButton* BitBtn1;  // "Realtime"
    QPushButton* bNTRIPShow;
    QPushButton* BitBtn3;  // "Cancel"
    QTimer* Timer1;

    void FormShow();
    void Timer1Timer();
    void NumericEditClick(QLineEdit* edit);
    void TextEditClick(QLineEdit* edit);
    void OffsetAExit();
    void OffsetBExit();
    void OffsetCExit();
    void SVExit();
    void TideHtExit();
    void BitBtn1Click();
    void BitBtn3Click();
    void bSVPClick();
    void bNTRIPShowClick();
    void FormDblClick();

    QLineEdit* Edit(TOffsetsField field) const;

protected:
    void showEvent(QShowEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    QWidget* CreateNumberEdits();
    QWidget* CreateNameEdits();
    QWidget* CreateButtons();
    void NumberEditExit(QLineEdit* edit);
    TOffsetsEntries Entries() const;
    void ShowEntries(const TOffsetsEntries& entries);
    void AppendReport(const TOffsetsEntries& entries, TMessageLanguage language);

    std::array<QLineEdit*, kOffsetsFieldCount> edits_{};
};

extern TOffsets* Offsets;
