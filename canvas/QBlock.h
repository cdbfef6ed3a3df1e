#pragma once
// A block of a DXF drawing: named shapes drawn wherever the drawing inserts the block,
// relative to its base point. The DXF reader keeps only the block's lines.

#include "canvas/QShape.h"

#include <QString>
#include <memory>
#include <vector>

struct TQBlock {
    QString Name;
    double BaseX = 0, BaseY = 0;
    std::vector<std::unique_ptr<TQShape>> Shapes;
};
