#pragma once
// The sketch beside the offsets: a boat in the water with its transducer and GNSS antenna, and
// the three offsets A (draft), B (transducer to antenna) and C (antenna above the water) drawn
// as dimension lines, so the surveyor sees which distance goes into which edit.

#include <QPixmap>
#include <QSize>

QPixmap DrawOffsetsSketch(QSize size);
