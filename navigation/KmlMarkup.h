#pragma once
// The little of XML that the KML reader needs, found by position in the text rather than by a
// parser: elements by name, and the text of names and descriptions.
//
// An element is found by its opening tag, "<Name" or "<kml:Name" followed by a blank or ">"
// (so attributes are allowed, as every writer that gives ids uses them), and the first closing
// tag "</Name>" or "</kml:Name>" after it. Only the "kml:" prefix counts: "<atom:name>" is
// another element, not a name. An opening tag that closes itself ("<Point/>") is an empty
// element. Comments are not skipped, as the Windows program did not skip them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct TKmlElement {
    std::size_t contentBegin = 0, contentEnd = 0;  // the text between the tags
    std::size_t end = 0;                           // just after the closing tag
};

// The first element of that name at or after `from`; nothing when no opening tag follows, or
// when the first one that does has no closing tag.
std::optional<TKmlElement> FindKmlElement(std::string_view text, std::size_t from,
                                          std::string_view name);

// Element text as the surveyor should read it: CDATA sections taken as they stand, the five
// predefined entities and numeric character references decoded (an unknown or malformed one
// stays as written), blanks and control characters trimmed at both ends.
std::string DecodeKmlText(std::string_view raw);

// A document's bytes as UTF-8 text: a byte-order mark decides between UTF-8 and UTF-16 (either
// byte order) and is dropped; without one, valid UTF-8 stays as it is and anything else is read
// as Windows-1254, the code page the Windows program wrote. UTF-8 is a view into the bytes, so
// a large document is not copied; any other text is converted into *converted.
std::string_view KmlTextOf(std::string_view bytes, std::string& converted);
