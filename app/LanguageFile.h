#pragma once
// A language file: one flat JSON object from English texts to their translations, written in
// UTF-8 with a byte-order mark, two-space indentation and the members in ascending key order.

#include <map>
#include <string>

using TTranslationMap = std::map<std::string, std::string>;  // UTF-8, byte-wise key order

// Reads the members of the file's top-level object; a non-string value is taken in its JSON
// text form. A missing file, a file that does not parse or one that holds anything but an
// object gives an empty map.
TTranslationMap ReadLanguageFile(const std::string& path);

// The key's translation when the map holds the key, even an empty one; else the key itself.
std::string TranslationOrKey(const TTranslationMap& translations, const std::string& key);

// The file's bytes for the map.
std::string FormatLanguageFile(const TTranslationMap& translations);
