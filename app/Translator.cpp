#include "app/Translator.h"

#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QDir>
#include <algorithm>

std::unique_ptr<TTranslator> Translator;

QString Tr(const QString& text) { return Translator ? Translator->Translate(text) : text; }

namespace {

// missing.log holds one key per line: a line break inside a key is written as "\r" or "\n".
std::string EscapedLine(const std::string& key) {
    std::string line;
    for (char c : key) {
        if (c == '\r') {
            line += "\\r";
        } else if (c == '\n') {
            line += "\\n";
        } else {
            line += c;
        }
    }
    return line;
}

}  // namespace

TTranslator::TTranslator(std::string folder) : folder_(std::move(folder)) {
    if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
    QDir().mkpath(QString::fromStdString(folder_));
    ScanLanguages();
    translations_ = ReadLanguageFile(LanguageFilePath("tr"));
    BuildReverseMap();
}

std::string TTranslator::DefaultFolder() { return ProgramFolder() + "Languages/"; }

std::string TTranslator::LanguageFilePath(const std::string& code) const {
    return folder_ + code + ".json";
}

void TTranslator::ScanLanguages() {
    languages_.clear();
    const QDir dir(QString::fromStdString(folder_));
    const auto files =
        dir.entryInfoList({"*.json"}, QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const auto& file : files) languages_.push_back(file.completeBaseName().toStdString());
    for (const char* code : {"en", "tr"}) {
        if (std::find(languages_.begin(), languages_.end(), code) == languages_.end()) {
            languages_.push_back(code);
        }
    }
}

void TTranslator::BuildReverseMap() {
    reverse_.clear();
    for (const auto& [key, translation] : translations_) {
        if (!translation.empty()) reverse_[translation] = key;
    }
}

QString TTranslator::Translate(const QString& text) {
    std::string key = text.toStdString();
    if (const auto known = reverse_.find(key); known != reverse_.end()) key = known->second;
    if (currentLanguage_ == "en") return QString::fromStdString(key);
    if (const auto found = translations_.find(key);
        found != translations_.end() && !found->second.empty()) {
        return QString::fromStdString(found->second);
    }
    LogMissingKey(key);
    return QString::fromStdString(key);
}

void TTranslator::LogMissingKey(const std::string& key) {
    if (key.empty() || loggedKeys_.count(key)) return;
    const std::string path = folder_ + "missing.log";
    std::string bytes;
    std::vector<std::string> lines;
    if (ReadFileBytes(path, bytes)) lines = SplitLines(bytes);
    const std::string line = EscapedLine(key);
    if (std::find(lines.begin(), lines.end(), line) == lines.end()) {
        lines.push_back(line);
        if (!WriteFileAtomically(path, JoinCrLf(lines))) return;  // try again on the next miss
    }
    loggedKeys_.insert(key);
}

void TTranslator::SetLanguage(const std::string& code) {
    if (code == currentLanguage_) return;
    currentLanguage_ = code;
    if (code == "en") return;  // both maps stay, so the old captions still map back
    translations_ = ReadLanguageFile(LanguageFilePath(code));
    BuildReverseMap();
}

std::vector<std::string> TTranslator::GetKeys() const {
    std::vector<std::string> keys;
    for (const auto& entry : ReadLanguageFile(LanguageFilePath("tr"))) keys.push_back(entry.first);
    return keys;
}

QString TTranslator::Lookup(const std::string& language, const QString& key) const {
    if (language == "en") return key;
    const std::string text = key.toStdString();
    if (language == currentLanguage_) {
        return QString::fromStdString(TranslationOrKey(translations_, text));
    }
    return QString::fromStdString(
        TranslationOrKey(ReadLanguageFile(LanguageFilePath(language)), text));
}

void TTranslator::SetTranslation(const std::string& language, const QString& key,
                                 const QString& text) {
    if (language == "en" || language != currentLanguage_) return;
    translations_[key.toStdString()] = text.toStdString();
}

bool TTranslator::SaveLanguage(const std::string& language) {
    if (language == "en" || language != currentLanguage_) return false;
    return WriteFileAtomically(LanguageFilePath(language), FormatLanguageFile(translations_));
}

void TTranslator::Reload() {
    ScanLanguages();
    if (currentLanguage_ == "en") return;
    translations_ = ReadLanguageFile(LanguageFilePath(currentLanguage_));
    BuildReverseMap();
}
