#pragma once
// KMZ archives, read and written in memory with libzip: nothing is extracted to disk and no
// command runs, so neither an entry named "../doc.kml" nor a quote in a file name can reach
// outside the archive.
//
// The document of an archive is the entry "doc.kml", else the first entry in directory order
// whose name ends in ".kml" and lies at the top level (no "/" or "\" in it); names are
// compared without regard to ASCII case, as the Windows program's file system compared them.
// Only that entry is inflated, in chunks, and the inflated bytes are counted as they come: an
// entry that declares a small size and inflates to gigabytes is stopped at the bound.

#include <cstddef>
#include <string>
#include <string_view>

// The largest KML document read, plain or inside an archive.
inline constexpr std::size_t kMaxKmlDocumentBytes = std::size_t{256} << 20;

// The bytes begin as a ZIP archive does (a local file header, or the end record of an empty
// archive). The Windows program wrote its ".kmz" files as plain KML text, which does not.
bool IsZipArchive(std::string_view bytes);

enum class TKmzRead {
    Read,        // document holds the entry's bytes
    NoDocument,  // no entry qualifies
    // The archive cannot be opened (cut, damaged directory), or the entry cannot be inflated
    // (encrypted, damaged data, a wrong checksum).
    Unreadable,
    TooLarge,  // the entry inflates past kMaxKmlDocumentBytes
};

TKmzRead ReadKmzDocument(std::string_view archive, std::string& document);

// An archive holding the document as its one entry "doc.kml", deflated. False with libzip's
// reason when it cannot be built.
bool BuildKmzArchive(std::string_view document, std::string& archive, std::string& reason);
