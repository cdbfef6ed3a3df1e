#include "app/TranslationRows.h"

#include "platform/TextFile.h"

#include <algorithm>

namespace {

// The language is read from its own file rather than through the translator.
bool IsStoredApart(const TTranslator& translator, const std::string& language) {
    return language != "en" && language != translator.currentLanguage();
}

bool SaveToOwnFile(const std::string& path, const std::vector<TTranslationRow>& rows) {
    TTranslationMap translations = ReadLanguageFile(path);
    for (const TTranslationRow& row : rows) {
        if (!row.key.isEmpty()) translations[row.key.toStdString()] = row.translation.toStdString();
    }
    return WriteFileAtomically(path, FormatLanguageFile(translations));
}

}  // namespace

std::vector<TTranslationRow> TranslationRows(const TTranslator& translator,
                                             const std::string& language) {
    const bool apart = IsStoredApart(translator, language);
    const TTranslationMap file =
        apart ? ReadLanguageFile(translator.LanguageFilePath(language)) : TTranslationMap{};
    std::vector<TTranslationRow> rows;
    for (const std::string& key : translator.GetKeys()) {
        const QString text = QString::fromStdString(key);
        rows.push_back({text, translator.Lookup("en", text),
                        apart ? QString::fromStdString(TranslationOrKey(file, key))
                              : translator.Lookup(language, text)});
    }
    if (rows.empty()) rows.push_back({});
    return rows;
}

TNewKey CheckNewKey(const QString& text, const std::vector<QString>& keys) {
    const QString key = text.trimmed();
    if (key.isEmpty()) return {TNewKeyCheck::Empty, key};
    if (std::find(keys.begin(), keys.end(), key) != keys.end()) return {TNewKeyCheck::Exists, key};
    return {TNewKeyCheck::Added, key};
}

TTranslationSave SaveTranslationRows(TTranslator& translator, const std::string& language,
                                     const std::vector<TTranslationRow>& rows) {
    const std::string path = translator.LanguageFilePath(language);
    if (language == "en") return {TSaveOutcome::English, path};
    bool written = false;
    if (IsStoredApart(translator, language)) {
        written = SaveToOwnFile(path, rows);
    } else {
        for (const TTranslationRow& row : rows) {
            if (!row.key.isEmpty()) translator.SetTranslation(language, row.key, row.translation);
        }
        written = translator.SaveLanguage(language);
    }
    return {written ? TSaveOutcome::Saved : TSaveOutcome::NotWritten, path};
}

QString SaveStatusText(const TTranslationSave& save) {
    switch (save.outcome) {
        case TSaveOutcome::Saved:
            return "Saved!";
        case TSaveOutcome::English:
            return "Not saved: English texts are the keys";
        case TSaveOutcome::NotWritten:
            break;
    }
    return "Not saved: " + QString::fromStdString(save.path);
}
