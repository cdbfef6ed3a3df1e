#pragma once
// A memo's text as a list of lines, the way the sound-velocity windows keep their working
// lists: one line per text block, with the line break after the last line giving no empty
// line of its own (as SplitLines reads a file). The memos do not wrap, so a block is a line.

#include "navigation/DepthReduction.h"

#include <string>
#include <vector>

class QPlainTextEdit;

std::vector<std::string> MemoLines(const QPlainTextEdit& memo);
// Replaces the text in one go, each line followed by a line break.
void SetMemoLines(QPlainTextEdit& memo, const std::vector<std::string>& lines);
std::size_t MemoLineCount(const QPlainTextEdit& memo);
// True when the memo holds nothing but blanks and line breaks.
bool MemoBlank(const QPlainTextEdit& memo);

// The memo's lines read where they stand, one line per call, for the depth reduction: the
// surveyor may edit the column at any time and every sounding sees it as it is then.
class TMemoProfileColumn : public TProfileColumn {
public:
    explicit TMemoProfileColumn(const QPlainTextEdit& memo) : memo_(memo) {}
    std::size_t LineCount() const override;
    std::string Line(std::size_t k) const override;

private:
    const QPlainTextEdit& memo_;
};
