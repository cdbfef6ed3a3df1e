#pragma once
// The project text of a drawing: the lines of a project file before compression. Reals are
// written with six decimals and ".", whatever the locale; names and texts in UTF-8.
//
// The format has no quoting, so a layer name or text is written with its control characters
// (line breaks among them) as blanks, and a font name, which must stay one word, with its
// blanks and control characters as "_" and "0" when empty. Shapes the format cannot hold are
// left out: rounded rectangles, arc objects, unknown kinds, and shapes holding a number that is
// not finite, which no reader could take back.

#include <QDateTime>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class TCanvasModel;

// The longest project text the reader accepts, and so the longest the writer may produce.
constexpr std::size_t kMaxProjectTextBytes = std::size_t{1} << 30;
// The most shapes a project may hold, counted before any is built: the text bound alone lets
// twelve-byte records ask for some 89 million shapes, far more memory than a vessel's computer
// has. Five million is some two months of track at one point a second.
constexpr int kMaxProjectShapes = 5000000;

// A layer name or text (UTF-8) as one line of the text holds it, and a font name as one word.
// The reader takes names and texts through these too, so a drawing read from a file saves as
// that file and two names that differ only by a control character are one layer from the start.
std::string LineText(std::string_view text);
std::string FontWord(std::string_view font);

using TTextSink = std::function<bool(std::string_view piece)>;

// Hands the text to the sink in pieces of about a megabyte, each ending with a whole line: four
// comment lines (the third with `created` as the time of the save), "WORLD", one "LAYER" line
// per layer, then one record per shape in drawing order, each polyline followed by its vertex
// lines. Returns false as soon as the sink does.
bool WriteProjectText(const TCanvasModel& model, const QDateTime& created, const TTextSink& sink);
