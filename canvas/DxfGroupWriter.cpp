#include "canvas/DxfGroupWriter.h"

#include "platform/AtomicFile.h"
#include "platform/CodePage.h"

#include <charconv>
#include <cmath>

namespace {

constexpr int kRealDecimals = 6;
constexpr std::size_t kPieceBytes = 1 << 20;
constexpr std::string_view kForbiddenInNames = "<>/\\\":;?*|=`";

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

}  // namespace

std::string DxfTextValue(const QString& text) {
    std::string bytes = Utf8ToCp1254(text.toStdString());
    for (char& c : bytes) {
        if (IsControl(c)) c = ' ';
    }
    return bytes;
}

std::string DxfNameValue(const QString& name) {
    // After the encoding, so that the "?" of a character the code page lacks goes too.
    std::string bytes = DxfTextValue(name);
    for (char& c : bytes) {
        if (kForbiddenInNames.find(c) != std::string_view::npos) c = '_';
    }
    return bytes;
}

TDxfGroupWriter::TDxfGroupWriter(TAtomicFile& file) : file_(file) {
    buffer_.reserve(2 * kPieceBytes);
}

void TDxfGroupWriter::Line(std::string_view text) {
    buffer_ += text;
    buffer_ += "\r\n";
}

void TDxfGroupWriter::Text(std::string_view code, std::string_view value) {
    Line(code);
    Line(value);
}

void TDxfGroupWriter::Real(std::string_view code, double value) {
    finite_ = finite_ && std::isfinite(value);
    char digits[400];  // "%.6f" of the largest double
    const auto end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed,
                                   kRealDecimals)
                         .ptr;
    Text(code, std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void TDxfGroupWriter::Int(std::string_view code, long long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    Text(code, std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void TDxfGroupWriter::BeginEntity() {
    if (buffer_.size() >= kPieceBytes) Flush();
    entityStart_ = buffer_.size();
    finite_ = true;
}

void TDxfGroupWriter::EndEntity() {
    if (!finite_) buffer_.resize(entityStart_);
}

bool TDxfGroupWriter::Finish() {
    Flush();
    return !failed_;
}

void TDxfGroupWriter::Flush() {
    if (!failed_ && !file_.Write(buffer_)) failed_ = true;
    buffer_.clear();
}
