#pragma once
// A memo of numbered lines, the way the sound-velocity windows keep their working lists: line k
// of a list is depth k, so the list is held as lines, not as one text. A cast of a day holds
// hundreds of thousands of lines, which a text document lays out and copies at microseconds a
// line; here a step hands its lines over in one move and the view asks only for those it shows.
//
// The surveyor edits it line by line: a double click, F2 or typing edits the current line,
// Enter commits it; Insert adds an empty line above the current one, Delete removes the
// selected lines, and Ctrl+C and Ctrl+V copy and paste lines as text.

#include "navigation/DepthReduction.h"

#include <QAbstractListModel>
#include <QListView>
#include <string>
#include <vector>

class TLineMemoModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    const std::vector<std::string>& Lines() const { return lines_; }
    void SetLines(std::vector<std::string> lines);
    void InsertLines(int row, const std::vector<std::string>& lines);
    void RemoveLines(int row, int count);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<std::string> lines_;
};

class TLineMemo : public QListView {
public:
    explicit TLineMemo(QWidget* parent = nullptr);

    const std::vector<std::string>& Lines() const { return model_->Lines(); }
    // Replaces all lines in one go.
    void SetLines(std::vector<std::string> lines) { model_->SetLines(std::move(lines)); }
    void Clear() { SetLines({}); }
    std::size_t LineCount() const { return Lines().size(); }
    // True when no line holds anything but blanks.
    bool Blank() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void InsertLine();
    void RemoveSelectedLines();
    void CopySelectedLines() const;
    void PasteLines();

    TLineMemoModel* model_;
};

// The memo's lines read where they stand, for the depth reduction: the surveyor may edit the
// column at any time and every sounding sees it as it is then.
class TLineMemoColumn : public TProfileColumn {
public:
    explicit TLineMemoColumn(const TLineMemo& memo) : memo_(memo) {}
    std::size_t LineCount() const override { return memo_.LineCount(); }
    std::string Line(std::size_t k) const override { return memo_.Lines()[k]; }

private:
    const TLineMemo& memo_;
};
