#pragma once
// What the screenshot tests read back: the PNG files of a folder and their IHDR chunk.

#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// The names of the folder's *.png files, sorted.
inline std::vector<std::string> PngFiles(const std::string& folder) {
    std::vector<std::string> names;
    for (const QString& name :
         QDir(QString::fromStdString(folder)).entryList({"*.png"}, QDir::Files, QDir::Name)) {
        names.push_back(name.toStdString());
    }
    return names;
}

// The image header as the file states it; all 0 when the file is no PNG.
struct TPngHeader {
    std::uint32_t width = 0, height = 0;
    int colourType = 0;  // 2: RGB, 8 bits a channel, no alpha

    bool operator==(const TPngHeader&) const = default;
    friend void PrintTo(const TPngHeader& h, std::ostream* out) {
        *out << h.width << " x " << h.height << ", colour type " << h.colourType;
    }
};

inline TPngHeader ReadPngHeader(const std::string& path) {
    const std::string bytes = ReadFileBytes(path);
    // Signature (8 bytes), chunk length (4), "IHDR", width, height, depth, colour type.
    if (bytes.size() < 26 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        bytes.compare(12, 4, "IHDR") != 0) {
        return {};
    }
    const auto word = [&bytes](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        }
        return value;
    };
    return {word(16), word(20), static_cast<unsigned char>(bytes[25])};
}
