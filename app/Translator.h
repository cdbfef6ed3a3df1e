#pragma once
// Translation of user-interface texts by their English wording.
//
// The English text is the key; each language other than English ("en", the identity) is one
// JSON file "<code>.json" in the language folder. A translation maps back to its English key,
// so captions already shown in one language can be translated again. Keys without a
// translation come back unchanged and are noted once each in "missing.log" in the same folder.

#include "app/LanguageFile.h"

#include <QString>
#include <memory>
#include <set>
#include <string>
#include <vector>

class TTranslator {
public:
    // The folder defaults to "Languages/" beside the program; it is created when missing. The
    // current language is "en", with the Turkish file loaded so Turkish captions map back.
    explicit TTranslator(std::string folder = DefaultFolder());

    static std::string DefaultFolder();

    QString Translate(const QString& text);
    void SetLanguage(const std::string& code);
    // Keys of the Turkish file, in ascending order: the master key list of the editor.
    std::vector<std::string> GetKeys() const;
    QString Lookup(const std::string& language, const QString& key) const;
    // Both only act on the current language, and never on "en".
    void SetTranslation(const std::string& language, const QString& key, const QString& text);
    // Returns true only when the file is written whole; ignored languages give false.
    bool SaveLanguage(const std::string& language);
    void Reload();

    const std::string& currentLanguage() const { return currentLanguage_; }
    const std::string& folder() const { return folder_; }
    const std::vector<std::string>& languages() const { return languages_; }
    // The file of a language: "<folder><code>.json".
    std::string LanguageFilePath(const std::string& code) const;

private:
    void ScanLanguages();
    void BuildReverseMap();
    void LogMissingKey(const std::string& key);

    TTranslationMap translations_;
    TTranslationMap reverse_;
    std::string currentLanguage_ = "en";
    std::string folder_;
    std::vector<std::string> languages_;
    std::set<std::string> loggedKeys_;  // keys known to be in missing.log already
};

// The one translator, created by the main window.
extern std::unique_ptr<TTranslator> Translator;

// The text in the current language; the text itself while there is no translator.
QString Tr(const QString& text);
