// The line memo as the surveyor edits it: a line typed over, a line inserted and lines
// removed by key, lines pasted, and the depth reduction's view reading it where it stands.

#include "tools/LineMemo.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {

using TLines = std::vector<std::string>;

TEST(LineMemo, EditedLineByLine) {
    TLineMemo memo;
    memo.SetLines({"0,1500.00,1", "", "2,1502.00,1"});
    const TLineMemoColumn column(memo);
    EXPECT_FALSE(memo.Blank());
    memo.model()->setData(memo.model()->index(1, 0), "1,1501.00,1\nx", Qt::EditRole);
    EXPECT_EQ(memo.Lines()[1], "1,1501.00,1 x") << "a line break stays one line";
    EXPECT_EQ(column.Line(1), "1,1501.00,1 x") << "the view reads the memo as it is now";

    memo.setCurrentIndex(memo.model()->index(0, 0));
    QTest::keyClick(&memo, Qt::Key_Escape);  // no edit under way
    QTest::keyClick(&memo, Qt::Key_Insert);
    QTest::keyClick(memo.focusWidget() ? memo.focusWidget() : &memo, Qt::Key_Escape);
    EXPECT_EQ(memo.Lines(), (TLines{"", "0,1500.00,1", "1,1501.00,1 x", "2,1502.00,1"}));

    memo.selectionModel()->clearSelection();
    memo.setCurrentIndex(memo.model()->index(2, 0));
    QTest::keyClick(&memo, Qt::Key_Delete);
    EXPECT_EQ(memo.Lines(), (TLines{"", "0,1500.00,1", "2,1502.00,1"}));
    EXPECT_EQ(column.LineCount(), 3u);

    QApplication::clipboard()->setText("7,1507.00,1\r\n8,1508.00,1\r\n");
    memo.setCurrentIndex(memo.model()->index(0, 0));
    QTest::keyClick(&memo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(memo.Lines(),
              (TLines{"7,1507.00,1", "8,1508.00,1", "", "0,1500.00,1", "2,1502.00,1"}));
    memo.SetLines({" ", "\t"});
    EXPECT_TRUE(memo.Blank());
}

}  // namespace
