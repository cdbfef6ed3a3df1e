#pragma once
// The language of the offsets and sound-velocity windows' messages and reports: English while
// the translator's language is "en", Turkish for any other. These texts are fixed in the program
// rather than taken from the language files.

#include <string_view>

enum class TMessageLanguage { English, Turkish };

inline TMessageLanguage MessageLanguageOf(std::string_view languageCode) {
    return languageCode == "en" ? TMessageLanguage::English : TMessageLanguage::Turkish;
}

// The language of the translator's current language; English while there is no translator.
TMessageLanguage CurrentMessageLanguage();
