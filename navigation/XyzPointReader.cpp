#include "navigation/XyzPointReader.h"

#include "platform/ScanPattern.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr int kPieceBytes = 1024;  // with the terminating zero, as the Windows program read
constexpr std::size_t kShortestLine = 3;

struct TFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

bool StartsAsNumber(char c) { return (c >= '0' && c <= '9') || c == '+' || c == '-'; }

}  // namespace

std::optional<TXyzPoint> ReadXyzLine(std::string_view piece) {
    // The Windows program read in text mode, where CR LF arrives as one line break.
    const std::size_t length = piece.ends_with("\r\n") ? piece.size() - 1 : piece.size();
    if (length < kShortestLine || !StartsAsNumber(piece.front())) return std::nullopt;
    char line[kPieceBytes];
    const std::size_t size = std::min(piece.size(), sizeof line);
    for (std::size_t i = 0; i < size; ++i) {
        line[i] = piece[i] == '\t' || piece[i] == ',' ? ' ' : piece[i];
    }
    double values[4] = {};
    const int count = ScanText(std::string_view(line, size), "%lf %lf %lf %lf",
                               {&values[0], &values[1], &values[2], &values[3]});
    TXyzPoint point;
    if (count == 3) {
        point = {values[0], values[1], values[2]};
    } else if (count == 4) {
        point = {values[1], values[2], values[3]};
    } else {
        return std::nullopt;
    }
    if (point.x == 0 && point.y == 0) return std::nullopt;
    return point;
}

bool ReadXyzPoints(const std::string& path, std::vector<TXyzPoint>& points) {
    const std::unique_ptr<std::FILE, TFileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    char piece[kPieceBytes];
    while (std::fgets(piece, sizeof piece, file.get())) {
        if (const auto point = ReadXyzLine(piece)) points.push_back(*point);
    }
    // A folder opens but cannot be read.
    return !std::ferror(file.get());
}
