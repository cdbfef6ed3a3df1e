#include "app/LanguageFile.h"

#include "platform/TextFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <cstdio>

namespace {

const std::string kByteOrderMark = "\xEF\xBB\xBF";

std::string ValueText(const QJsonValue& value) {
    if (value.isString()) return value.toString().toStdString();
    if (value.isDouble() || value.isBool()) return value.toVariant().toString().toStdString();
    if (value.isObject()) {
        return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact).toStdString();
    }
    if (value.isArray()) {
        return QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact).toStdString();
    }
    return "null";
}

std::string JsonQuoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

}  // namespace

TTranslationMap ReadLanguageFile(const std::string& path) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) return {};
    if (bytes.rfind(kByteOrderMark, 0) == 0) bytes.erase(0, kByteOrderMark.size());
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(bytes), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return {};
    TTranslationMap translations;
    const QJsonObject object = document.object();
    for (auto member = object.begin(); member != object.end(); ++member) {
        translations[member.key().toStdString()] = ValueText(member.value());
    }
    return translations;
}

std::string TranslationOrKey(const TTranslationMap& translations, const std::string& key) {
    const auto found = translations.find(key);
    return found == translations.end() ? key : found->second;
}

std::string FormatLanguageFile(const TTranslationMap& translations) {
    if (translations.empty()) return kByteOrderMark + "{}";
    std::string text = kByteOrderMark + "{\r\n";
    for (auto entry = translations.begin(); entry != translations.end(); ++entry) {
        text += "  " + JsonQuoted(entry->first) + ": " + JsonQuoted(entry->second);
        text += std::next(entry) == translations.end() ? "\r\n" : ",\r\n";
    }
    return text + "}";
}
