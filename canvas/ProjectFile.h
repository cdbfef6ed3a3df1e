#pragma once
// The project file: a whole drawing (the view, the layer table and every shape) as the magic
// "SMK1" followed by one zlib stream holding the project text (ProjectTextWriter.h). A file
// without the magic is read as plain project text.
//
// Writing replaces a file only once the new one is whole on disk, so a failed or killed save
// leaves the previous project as it was. Reading inflates and checks the whole text before the
// drawing changes, so a refused file changes nothing in either mode.

#include "canvas/ProjectTextWriter.h"

#include <cstddef>
#include <string>

class TCanvasModel;

// Returns false with the reason when any step fails, or when the drawing holds more shapes
// than a project may (kMaxProjectShapes); the file of that name is then untouched.
bool WriteProjectFile(const TCanvasModel& model, const std::string& path, std::string& reason);

// Mode 0 replaces the drawing, any other merges the file into it (ProjectRecords.h). Returns
// false with the reason, changing nothing, for a missing, unreadable, damaged or refused file,
// one whose text is longer than maxTextBytes, or one of more than maxShapes shapes.
bool ReadProjectFile(TCanvasModel& model, const std::string& path, int mode, std::string& reason,
                     std::size_t maxTextBytes = kMaxProjectTextBytes,
                     int maxShapes = kMaxProjectShapes);
