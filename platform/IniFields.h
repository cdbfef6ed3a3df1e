#pragma once
// A settings struct kept in one section of the settings file, a key for each member: one table
// of keys serves both reading and writing, so the two cannot name different keys or orders.

#include "platform/IniFile.h"

#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

template <class T>
struct TIniField {
    const char* key;
    std::variant<std::string T::*, int T::*, bool T::*, double T::*> member;
};

namespace ini_fields {

inline void Read(const TIniFile& ini, std::string_view section, const char* key,
                 std::string& value) {
    value = ini.ReadString(section, key, value);
}
inline void Read(const TIniFile& ini, std::string_view section, const char* key, int& value) {
    value = ini.ReadInteger(section, key, value);
}
inline void Read(const TIniFile& ini, std::string_view section, const char* key, bool& value) {
    value = ini.ReadBool(section, key, value);
}
inline void Read(const TIniFile& ini, std::string_view section, const char* key, double& value) {
    value = ini.ReadFloat(section, key, value);
}

inline bool Write(TIniFile& ini, std::string_view section, const char* key,
                  const std::string& value) {
    return ini.WriteString(section, key, value);
}
inline bool Write(TIniFile& ini, std::string_view section, const char* key, int value) {
    return ini.WriteInteger(section, key, value);
}
inline bool Write(TIniFile& ini, std::string_view section, const char* key, bool value) {
    return ini.WriteBool(section, key, value);
}
inline bool Write(TIniFile& ini, std::string_view section, const char* key, double value) {
    return ini.WriteFloat(section, key, value);
}

template <class T>
bool WriteField(TIniFile& ini, std::string_view section, const TIniField<T>& field,
                const T& values) {
    return std::visit([&](auto member) { return Write(ini, section, field.key, values.*member); },
                      field.member);
}

}  // namespace ini_fields

// Reads each key into its member of a default-made T; a missing key leaves the member's default.
template <class T>
T ReadIniFields(const TIniFile& ini, std::string_view section,
                std::span<const TIniField<std::type_identity_t<T>>> fields) {
    T values;
    for (const TIniField<T>& field : fields) {
        std::visit([&](auto member) { ini_fields::Read(ini, section, field.key, values.*member); },
                   field.member);
    }
    return values;
}

// Writes the members in the table's order in one rewrite of the file, so that the section is
// stored whole or, when the file cannot be written, not at all; returns whether it was written.
// Inside updates the caller has begun on `ini`, it joins them and the caller's commit writes.
template <class T>
bool WriteIniFields(TIniFile& ini, std::string_view section,
                    std::span<const TIniField<std::type_identity_t<T>>> fields, const T& values) {
    ini.BeginUpdates();
    bool gathered = true;
    for (const TIniField<T>& field : fields) {
        gathered = gathered && ini_fields::WriteField(ini, section, field, values);
    }
    return ini.CommitUpdates() && gathered;
}
