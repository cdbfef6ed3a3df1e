#pragma once
// The settings file, read and written with the rules of the Windows profile functions.
//
// Section and key names compare ASCII case-insensitively, without surrounding blanks; values
// are trimmed and lose one pair of surrounding quotes. A missing key gives the caller's default;
// booleans are written "1"/"0" and read as integers; numbers are read locale-free with ".".
// Nothing is cached: every read sees the file as it is now and every write reaches the file at
// once, through a temporary file renamed over it, so two objects on one file see each other's
// writes and a write cut short leaves the previous file whole. Files are written in UTF-8 with
// CR LF; a file that is not valid UTF-8 is read as Windows-1254.
//
// A window that stores many keys at once gathers them between BeginUpdates and CommitUpdates:
// the file is then replaced once, still atomically, instead of once per key.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TIniFile {
public:
    explicit TIniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // Decimal, "$1F" or "0x1F"; a value that is not an integer gives the fallback.
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
    double ReadFloat(std::string_view section, std::string_view key, double fallback) const;

    // Each returns false when the file could not be written; the old file then stays whole.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInteger(std::string_view section, std::string_view key, int value);
    bool WriteBool(std::string_view section, std::string_view key, bool value);
    bool WriteFloat(std::string_view section, std::string_view key, double value);

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // Key names of a section, in file order.
    std::vector<std::string> ReadSection(std::string_view section) const;
    std::vector<std::string> ReadSections() const;
    bool EraseSection(std::string_view section);
    bool DeleteKey(std::string_view section, std::string_view key);

    // From here on this object's writes change a copy of the file held in memory, which its
    // reads see, and succeed; the file itself stays as it was. Writes made meanwhile through
    // other objects are overwritten by the commit.
    void BeginUpdates();
    // Replaces the file with the copy in one atomic rewrite and returns whether it was written
    // (never when the file could not be read at BeginUpdates); either way the object then
    // writes through again. Updates never committed are dropped. Sessions nest: only the
    // outermost commit writes, and an inner one returns false only when the file could not be
    // read at the outermost BeginUpdates.
    bool CommitUpdates();

private:
    std::vector<std::string> LoadLines() const;
    // The lines a write starts from; nothing when the file is there but could not be read, so
    // that a write never replaces settings it could not see.
    std::optional<std::vector<std::string>> LoadLinesToChange() const;
    bool StoreLines(const std::vector<std::string>& lines);

    std::string fileName_;
    std::optional<std::vector<std::string>> pendingLines_;  // between BeginUpdates and commit
    int updateDepth_ = 0;                                   // BeginUpdates not yet committed
    bool pendingUnreadable_ = false;  // the file could not be read when the updates began
};
