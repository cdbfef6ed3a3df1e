#pragma once
// Writes the groups of a DXF file of release 12: each group as its code line and its value
// line, each line ended by CR LF. Reals are written as C's "%.6f" would, with "." whatever the
// locale. Texts and names go out in Windows-1254, which the file declares ($DWGCODEPAGE
// ANSI_1254): a UTF-8 file of this release is read as Windows-1252 by other programs.
//
// Bytes collect in memory and reach the file in pieces of about a megabyte, always between two
// entities. An entity with a real that is not finite is taken back out whole, as no reader
// could take it.

#include <QString>
#include <string>
#include <string_view>

class TAtomicFile;

// A text as a value line: Windows-1254, each control character (a line break among them) a
// blank.
std::string DxfTextValue(const QString& text);
// A layer name as a value line: as a text, and each character that names may not hold
// (< > / \ " : ; ? * | = `) an "_". A character Windows-1254 lacks becomes "_" too.
std::string DxfNameValue(const QString& name);

class TDxfGroupWriter {
public:
    explicit TDxfGroupWriter(TAtomicFile& file);

    void Text(std::string_view code, std::string_view value);
    void Real(std::string_view code, double value);
    void Int(std::string_view code, long long value);

    // Marks the start of an entity, after which the bytes may go to the file.
    void BeginEntity();
    // Takes the entity back out when it holds a real that is not finite.
    void EndEntity();
    // Writes what is left. False when any write to the file failed (the file tells why).
    bool Finish();

private:
    void Line(std::string_view text);
    void Flush();

    TAtomicFile& file_;
    std::string buffer_;
    std::size_t entityStart_ = 0;
    bool finite_ = true;
    bool failed_ = false;
};
