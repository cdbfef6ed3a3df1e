#pragma once
// Where the store's shapes lie: by id, a shape's position in drawing order and its layer; by
// layer id, the ids of the shapes on it. The map tick deletes and redraws the vessel symbol on
// its layer several times a second while the day's track grows to a million shapes; with this
// index, finding a layer's shapes costs what the layer holds, not the whole drawing.
//
// A layer's ids are kept in no particular order: an id leaves its layer by taking the place of
// the layer's last id, so adding, removing and moving a shape between layers cost the same on
// a layer of ten shapes as on one of a million. Layer ids are taken as the shapes hold them,
// whether or not a layer record has that id.
//
// Positions are held in 32 bits, which keeps an entry as small as a bare id-to-position map:
// a drawing of four billion shapes would need far more memory than the shapes themselves.

#include <cstdint>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

class TShapeIndex {
public:
    // The position of the shape with this id, or none when no shape has it.
    std::optional<size_t> PositionOf(int id) const;
    bool Contains(int id) const { return entries_.contains(id); }
    // The ids on the layer, in no particular order.
    std::span<const int> IdsOn(int layer) const;

    // The id must not be held yet.
    void Add(int id, int layer, size_t position);
    // Forgets the id; nothing happens for an id not held.
    void Remove(int id);
    // For an id that is held.
    void SetPosition(int id, size_t position);
    void SetLayer(int id, int layer);
    // Every id on fromLayer goes to toLayer.
    void MoveLayer(int fromLayer, int toLayer);
    void Clear();
    void Reserve(size_t count);

private:
    struct TEntry {
        std::uint32_t Position;
        int Layer;
        std::uint32_t Slot;  // the id's place in its layer's list
    };
    // Appends the id to the layer's list and records where it went.
    void Join(int id, TEntry& entry, int layer);
    // Takes the id out of its layer's list.
    void Leave(const TEntry& entry);

    std::unordered_map<int, TEntry> entries_;
    std::unordered_map<int, std::vector<int>> idsOnLayer_;
};
