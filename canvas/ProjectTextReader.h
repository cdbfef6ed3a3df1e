#pragma once
// Reads a project text into records, strictly: the text is refused at the first record whose
// coordinates or layer id are missing, whose present fields are not whole finite numbers of
// their kind, or whose vertex count is negative or runs past the end of the text. Empty lines,
// lines beginning with "#" and unknown keywords are skipped. Names and texts that are not valid
// UTF-8 are read as Windows-1254, as the Windows program wrote them, and their control
// characters become blanks as the writer makes them; one CR before each LF is dropped. Shape
// records are counted as they come, so the one too many is refused before it is built.
//
// The text arrives in pieces, as it is read or inflated, so it is never held whole.

#include "canvas/ProjectRecords.h"
#include "canvas/ProjectTextWriter.h"

#include <string>
#include <string_view>

class TQPolyline;

class TProjectTextReader {
public:
    // More than maxShapes shape records refuse the text.
    explicit TProjectTextReader(TProjectRecords& project, int maxShapes = kMaxProjectShapes)
        : project_(project), maxShapes_(maxShapes) {}

    // Reads the next piece of the text; a piece may end in the middle of a line. Returns false
    // once a record is refused.
    bool Read(std::string_view piece);
    // The end of the text: reads a last line that has no LF and refuses a polyline whose vertex
    // lines are still due.
    bool Finish();
    // "line N: " and what is wrong there.
    const std::string& Error() const { return error_; }

private:
    bool ReadLine(std::string_view line);
    bool ReadRecord(std::string_view line);
    bool ReadVertex(std::string_view line);
    bool Refuse(int lineNumber, const std::string& problem);

    TProjectRecords& project_;
    std::string partial_;  // a line begun in an earlier piece
    int lineNumber_ = 0;
    int maxShapes_;
    int shapes_ = 0;                  // shape records read so far
    TQPolyline* polyline_ = nullptr;  // the last record's, while its vertex lines are due
    int polylineLine_ = 0;
    std::string error_;
};
