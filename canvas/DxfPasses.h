#pragma once
// The passes of the DXF reader after the sections are found (DxfSections.h), each over its own
// section of the file's text, from the byte after the section's name line. They only read: the
// drawing they fill goes into the canvas once all of them have succeeded.

#include "canvas/Color.h"

#include <cstddef>
#include <string_view>

class TDxfDrawing;

// The layer table (TABLES): the colour (group 62, default 7) of its last LAYER entry that has
// a name and a colour number that AciToColor knows; kNoAciColor when no entry has.
TColor ReadDxfLayerColor(std::string_view text, std::size_t start);

// The block definitions (BLOCKS): each BLOCK (2 name, 10 20 base point) with the LINEs up to
// its ENDBLK goes to the drawing; other entities in a block are skipped.
void ReadDxfBlocks(std::string_view text, std::size_t start, TDxfDrawing& drawing);

// The drawing (ENTITIES) through the entity readers (DxfEntities.h). Returns true when the
// section ends with its ENDSEC; false when the text ends first or the drawing grew too large.
bool ReadDxfEntities(std::string_view text, std::size_t start, TDxfDrawing& drawing);
