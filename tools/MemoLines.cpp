#include "tools/MemoLines.h"

#include "platform/TextFile.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

std::vector<std::string> MemoLines(const QPlainTextEdit& memo) {
    return SplitLines(memo.toPlainText().toStdString());
}

void SetMemoLines(QPlainTextEdit& memo, const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 1;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    memo.setPlainText(QString::fromStdString(text));
}

std::size_t MemoLineCount(const QPlainTextEdit& memo) {
    const QTextDocument& document = *memo.document();
    const int blocks = document.blockCount();
    return static_cast<std::size_t>(document.lastBlock().length() == 1 ? blocks - 1 : blocks);
}

bool MemoBlank(const QPlainTextEdit& memo) { return memo.toPlainText().trimmed().isEmpty(); }

std::size_t TMemoProfileColumn::LineCount() const { return MemoLineCount(memo_); }

std::string TMemoProfileColumn::Line(std::size_t k) const {
    return memo_.document()->findBlockByNumber(static_cast<int>(k)).text().toStdString();
}
