#pragma once
// The window "Translation Editor": the translations of one language in a grid, one row per key
// (its English text), beside a field to add keys. It works through the translator, and the rows
// and their save are widget-free (TranslationRows.h).
//
// The grid remembers the language it was filled for, and every save stores under that one: the
// language list may already show another choice while the question about unsaved edits is
// asked. "Saved!" shows only once the file is on disk.

#include "app/TranslationRows.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <string>
#include <vector>

class TfTranslationEditor : public QWidget {
public:
    static constexpr int kKeyColumn = 0;
    static constexpr int kEnglishColumn = 1;
    static constexpr int kTranslationColumn = 2;

    // A window of its own, also when it has a parent.
    explicit TfTranslationEditor(QWidget* parent = nullptr);
    ~TfTranslationEditor() override;

    QWidget* PanelTop;
    QLabel* LabelLanguage;
    QComboBox* cbLanguage;
    QPushButton* btReload;
    QPushButton* btSave;
    QWidget* PanelGrid;
    QTableWidget* sgTranslations;
    QWidget* PanelBottom;
    QLineEdit* edNewKey;
    QPushButton* btAddKey;
    QLabel* LabelStatus;
    bool IsModified = false;  // the grid holds edits not stored yet

    void FormShow();
    // Run on a user's choice only; filling the list from the program runs nothing.
    void cbLanguageChange();
    void btSaveClick();
    void btReloadClick();
    void btAddKeyClick();
    // A cell of data row ARow (from 0) edited; the key column cannot be.
    void sgTranslationsSetEditText(int ACol, int ARow, const QString& Value);

    // The language the grid's rows are of.
    const std::string& GridLanguage() const { return gridLanguage_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateTopPanel();
    void CreateGridPanel();
    void CreateBottomPanel();
    void FillLanguageCombo();
    void FillTranslationGrid();
    void AddGridRow(const TTranslationRow& row);
    std::vector<TTranslationRow> GridRows() const;
    // Stores the grid under its language and shows the outcome.
    TSaveOutcome SaveGrid();
    // Puts the grid's language back in the list without running the change handler.
    void SelectGridLanguage();

    std::string gridLanguage_;
    bool centred_ = false;
};

// Created on first demand by the main window, and gone before the translator.
extern TfTranslationEditor* fTranslationEditor;
