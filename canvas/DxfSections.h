#pragma once
// Where the sections of a DXF text begin. A section opens with the item "SECTION" and the group
// 2 that names it: "  0 / SECTION / 2 / ENTITIES". The reader wants three of them: the layer
// table (TABLES), the block definitions (BLOCKS) and the drawing itself (ENTITIES).

#include <cstddef>
#include <optional>
#include <string_view>

struct TDxfSections {
    // The byte after the name line of the first section of each name, when there is one.
    std::optional<std::size_t> Tables;
    std::optional<std::size_t> Blocks;
    std::optional<std::size_t> Entities;
};

// Finds the sections of the text from byte `start` on.
TDxfSections FindDxfSections(std::string_view text, std::size_t start);
