#include "tools/LineMemo.h"

#include "platform/TextFile.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <algorithm>

void TLineMemoModel::SetLines(std::vector<std::string> lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

void TLineMemoModel::InsertLines(int row, const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    row = std::clamp(row, 0, rowCount());
    beginInsertRows({}, row, row + static_cast<int>(lines.size()) - 1);
    lines_.insert(lines_.begin() + row, lines.begin(), lines.end());
    endInsertRows();
}

void TLineMemoModel::RemoveLines(int row, int count) {
    if (row < 0 || count <= 0 || row + count > rowCount()) return;
    beginRemoveRows({}, row, row + count - 1);
    lines_.erase(lines_.begin() + row, lines_.begin() + row + count);
    endRemoveRows();
}

int TLineMemoModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant TLineMemoModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return QString::fromStdString(lines_[static_cast<std::size_t>(index.row())]);
}

// A pasted or typed line break would make one row two lines: it is kept out.
bool TLineMemoModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    std::string line = value.toString().toStdString();
    std::ranges::replace(line, '\n', ' ');
    std::ranges::replace(line, '\r', ' ');
    lines_[static_cast<std::size_t>(index.row())] = std::move(line);
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags TLineMemoModel::flags(const QModelIndex& index) const {
    return QAbstractListModel::flags(index) | Qt::ItemIsEditable;
}

TLineMemo::TLineMemo(QWidget* parent) : QListView(parent), model_(new TLineMemoModel(this)) {
    setModel(model_);
    setUniformItemSizes(true);  // no row is measured: a long list shows at once
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

bool TLineMemo::Blank() const {
    return std::ranges::all_of(Lines(), [](const std::string& line) {
        return line.find_first_not_of(" \t") == std::string::npos;
    });
}

void TLineMemo::keyPressEvent(QKeyEvent* event) {
    if (state() != QAbstractItemView::EditingState) {
        if (event->key() == Qt::Key_Insert) return InsertLine();
        if (event->key() == Qt::Key_Delete) return RemoveSelectedLines();
        if (event->matches(QKeySequence::Copy)) return CopySelectedLines();
        if (event->matches(QKeySequence::Paste)) return PasteLines();
    }
    QListView::keyPressEvent(event);
}

void TLineMemo::InsertLine() {
    const int row = currentIndex().isValid() ? currentIndex().row() : model_->rowCount();
    model_->InsertLines(row, {""});
    setCurrentIndex(model_->index(row));
    edit(currentIndex());
}

void TLineMemo::RemoveSelectedLines() {
    QModelIndexList selected = selectionModel()->selectedRows();
    std::ranges::sort(selected,
                      [](const QModelIndex& a, const QModelIndex& b) { return a.row() > b.row(); });
    for (const QModelIndex& index : selected) model_->RemoveLines(index.row(), 1);
}

void TLineMemo::CopySelectedLines() const {
    QModelIndexList selected = selectionModel()->selectedRows();
    std::ranges::sort(selected, {}, &QModelIndex::row);
    std::string text;
    for (const QModelIndex& index : selected) {
        text += Lines()[static_cast<std::size_t>(index.row())] + "\n";
    }
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void TLineMemo::PasteLines() {
    const int row = currentIndex().isValid() ? currentIndex().row() : model_->rowCount();
    model_->InsertLines(row, SplitLines(QApplication::clipboard()->text().toStdString()));
}
