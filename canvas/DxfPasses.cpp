#include "canvas/DxfPasses.h"

#include "canvas/AciColor.h"
#include "canvas/DxfDrawing.h"
#include "canvas/DxfEntities.h"
#include "canvas/DxfFields.h"
#include "canvas/DxfText.h"
#include "canvas/QShapeLine.h"

namespace {

constexpr int kDefaultLayerColorNumber = 7;

// The lines of a block being read; the block goes to the drawing at its ENDBLK.
class TBlockReader {
public:
    explicit TBlockReader(TDxfDrawing& drawing) : drawing_(drawing) {}

    TDxfItemRead Read(std::string_view type, TDxfLines& lines) {
        if (type == "BLOCK") return ReadHeader(lines);
        if (type == "LINE" && open_) return ReadLine(lines);
        if (type == "ENDBLK" && open_) drawing_.AddBlock(std::move(open_));
        return TDxfItemRead::Skipped;
    }

private:
    // "  0 / BLOCK / 2 / Bollard / 10 / 0 / 20 / 0"; a block without its ENDBLK is dropped.
    TDxfItemRead ReadHeader(TDxfLines& lines) {
        open_ = std::make_unique<TQBlock>();
        std::string_view name;
        TDxfFields fields;
        const bool whole =
            fields.Text(2, name).Real(10, open_->BaseX).Real(20, open_->BaseY).Read(lines);
        open_->Name = DxfNameToQString(name);
        return whole ? TDxfItemRead::Read : TDxfItemRead::Stopped;
    }

    // Block lines keep no layer and the default pen; a reference gives them their colour.
    TDxfItemRead ReadLine(TDxfLines& lines) {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        TDxfFields fields;
        if (!fields.Real(10, x1).Real(20, y1).Real(11, x2).Real(21, y2).Read(lines)) {
            return TDxfItemRead::Stopped;
        }
        drawing_.AddBlockLine(*open_, std::make_unique<TQLine>(0, x1, y1, x2, y2));
        return drawing_.TooLarge() ? TDxfItemRead::Stopped : TDxfItemRead::Read;
    }

    TDxfDrawing& drawing_;
    std::unique_ptr<TQBlock> open_;
};

}  // namespace

TColor ReadDxfLayerColor(std::string_view text, std::size_t start) {
    TDxfLines lines(text, start);
    TColor color = kNoAciColor;
    ForEachDxfItem(lines, [&](std::string_view type) {
        if (type != "LAYER") return TDxfItemRead::Skipped;
        std::string_view name;
        int number = kDefaultLayerColorNumber;
        TDxfFields fields;
        if (!fields.Text(2, name).Integer(62, number).Read(lines)) return TDxfItemRead::Stopped;
        if (!name.empty() && AciToColor(number) != kNoAciColor) color = AciToColor(number);
        return TDxfItemRead::Read;
    });
    return color;
}

void ReadDxfBlocks(std::string_view text, std::size_t start, TDxfDrawing& drawing) {
    TDxfLines lines(text, start);
    TBlockReader blocks(drawing);
    ForEachDxfItem(lines, [&](std::string_view type) { return blocks.Read(type, lines); });
}

bool ReadDxfEntities(std::string_view text, std::size_t start, TDxfDrawing& drawing) {
    TDxfLines lines(text, start);
    return ForEachDxfItem(lines, [&](std::string_view type) {
        const TDxfEntityReader read = FindDxfEntityReader(type);
        if (!read) return TDxfItemRead::Skipped;
        if (!read(lines, drawing) || drawing.TooLarge()) return TDxfItemRead::Stopped;
        return TDxfItemRead::Read;
    });
}
