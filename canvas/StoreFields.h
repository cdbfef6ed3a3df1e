#pragma once
// Field access by id for the store's property getters and setters: a getter reads the field
// or a fallback when nothing has the id; a setter changes the field and marks the drawing
// Dirty, or does nothing.

#include "canvas/ShapeStore.h"

template <class Record, class Field>
Field FieldOr(const Record* record, Field Record::*field, Field fallback) {
    return record ? record->*field : fallback;
}

template <class Record, class Field, class Value>
void SetFieldOf(TShapeStore& store, Record* record, Field Record::*field, const Value& value) {
    if (!record) return;
    record->*field = value;
    store.Dirty = true;
}
