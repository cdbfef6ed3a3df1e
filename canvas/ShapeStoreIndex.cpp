#include "canvas/ShapeStoreIndex.h"

std::optional<size_t> TShapeIndex::PositionOf(int id) const {
    const auto found = entries_.find(id);
    if (found == entries_.end()) return std::nullopt;
    return found->second.Position;
}

std::span<const int> TShapeIndex::IdsOn(int layer) const {
    const auto found = idsOnLayer_.find(layer);
    if (found == idsOnLayer_.end()) return {};
    return found->second;
}

void TShapeIndex::Add(int id, int layer, size_t position) {
    TEntry& entry = entries_[id];
    entry.Position = static_cast<std::uint32_t>(position);
    Join(id, entry, layer);
}

void TShapeIndex::Remove(int id) {
    const auto found = entries_.find(id);
    if (found == entries_.end()) return;
    Leave(found->second);
    entries_.erase(found);
}

void TShapeIndex::SetPosition(int id, size_t position) {
    entries_.at(id).Position = static_cast<std::uint32_t>(position);
}

void TShapeIndex::SetLayer(int id, int layer) {
    TEntry& entry = entries_.at(id);
    if (entry.Layer == layer) return;
    Leave(entry);
    Join(id, entry, layer);
}

void TShapeIndex::MoveLayer(int fromLayer, int toLayer) {
    if (fromLayer == toLayer) return;
    const auto from = idsOnLayer_.find(fromLayer);
    if (from == idsOnLayer_.end()) return;
    std::vector<int> moving;
    moving.swap(from->second);
    for (const int id : moving) Join(id, entries_.at(id), toLayer);
}

void TShapeIndex::Clear() {
    entries_.clear();
    idsOnLayer_.clear();
}

void TShapeIndex::Reserve(size_t count) { entries_.reserve(count); }

void TShapeIndex::Join(int id, TEntry& entry, int layer) {
    std::vector<int>& ids = idsOnLayer_[layer];
    entry.Layer = layer;
    entry.Slot = static_cast<std::uint32_t>(ids.size());
    ids.push_back(id);
}

void TShapeIndex::Leave(const TEntry& entry) {
    std::vector<int>& ids = idsOnLayer_.at(entry.Layer);
    const int last = ids.back();
    // The last id fills the gap; when it is the leaving id itself, its slot stays as it was.
    entries_.at(last).Slot = entry.Slot;
    ids[entry.Slot] = last;
    ids.pop_back();
}
