#pragma once
// What the translation editor shows and stores, without its window: the rows of a language, the
// rule for a new key, and the save of the rows under the language they were filled for.
//
// The translator itself sets and saves only its current language. The editor's rows of another
// language are merged into that language's own file, written whole and atomically, with the
// translator's language and maps left as they are. English has no file: its texts are the keys.

#include "app/Translator.h"

#include <QString>
#include <string>
#include <vector>

struct TTranslationRow {
    QString key;
    QString english;
    QString translation;
};

// One row per key of the master list (the Turkish file's keys, in order), the translation
// column in the given language; at least one row, an empty one when there are no keys. A
// language that is not current is read from its file once, not once per key.
std::vector<TTranslationRow> TranslationRows(const TTranslator& translator,
                                             const std::string& language);

enum class TNewKeyCheck { Empty, Exists, Added };
struct TNewKey {
    TNewKeyCheck check;
    QString key;  // the text without leading and trailing blanks
};
// The key that the "Add Key" field's text gives against the keys already in the grid.
TNewKey CheckNewKey(const QString& text, const std::vector<QString>& keys);

enum class TSaveOutcome { Saved, English, NotWritten };
struct TTranslationSave {
    TSaveOutcome outcome;
    std::string path;  // the language's file
};

// Stores each row's translation under its key (rows without a key are skipped) in the given
// language: through the translator for its current language, into the language's own file for
// any other, and nowhere for "en".
TTranslationSave SaveTranslationRows(TTranslator& translator, const std::string& language,
                                     const std::vector<TTranslationRow>& rows);

// "Saved!", "Not saved: English texts are the keys" or "Not saved: " and the file's path.
QString SaveStatusText(const TTranslationSave& save);
