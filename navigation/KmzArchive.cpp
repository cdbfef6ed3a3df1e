#include "navigation/KmzArchive.h"

#include <zip.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr std::string_view kDocumentName = "doc.kml";
constexpr std::string_view kKmlExtension = ".kml";
constexpr std::size_t kChunkBytes = std::size_t{1} << 16;

struct TArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct TEntryCloser {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};
struct TSourceCloser {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using TArchive = std::unique_ptr<zip_t, TArchiveCloser>;
using TEntry = std::unique_ptr<zip_file_t, TEntryCloser>;
using TSource = std::unique_ptr<zip_source_t, TSourceCloser>;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

bool IsTopLevelKml(std::string_view name) {
    return name.find_first_of("/\\") == std::string_view::npos &&
           name.size() >= kKmlExtension.size() &&
           EqualsIgnoringCase(name.substr(name.size() - kKmlExtension.size()), kKmlExtension);
}

// The index of the document entry, or -1.
zip_int64_t DocumentIndex(zip_t* archive) {
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    zip_int64_t firstKml = -1;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(i), 0);
        if (!name) continue;
        if (EqualsIgnoringCase(name, kDocumentName)) return i;
        if (firstKml == -1 && IsTopLevelKml(name)) firstKml = i;
    }
    return firstKml;
}

// Room for `needed` bytes, growing by doubling but never past the bound and one chunk, so
// that a document refused at the bound has held at most that much.
void Reserve(std::string& document, std::size_t needed) {
    if (document.capacity() >= needed) return;
    document.reserve(
        std::min(std::max(needed, 2 * document.capacity()), kMaxKmlDocumentBytes + kChunkBytes));
}

// The declared size only sets the first reservation; the inflated bytes decide.
TKmzRead Inflate(zip_t* archive, zip_int64_t index, std::string& document) {
    const TEntry entry(zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0));
    if (!entry) return TKmzRead::Unreadable;
    zip_stat_t stat;
    zip_stat_init(&stat);
    document.clear();
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) == 0 &&
        (stat.valid & ZIP_STAT_SIZE)) {
        Reserve(document, std::min<zip_uint64_t>(stat.size, kMaxKmlDocumentBytes) + kChunkBytes);
    }
    std::vector<char> chunk(kChunkBytes);
    for (;;) {
        const zip_int64_t read = zip_fread(entry.get(), chunk.data(), chunk.size());
        if (read < 0) return TKmzRead::Unreadable;
        if (read == 0) return TKmzRead::Read;
        Reserve(document, document.size() + static_cast<std::size_t>(read));
        document.append(chunk.data(), static_cast<std::size_t>(read));
        if (document.size() > kMaxKmlDocumentBytes) return TKmzRead::TooLarge;
    }
}

// The whole content of a buffer source.
bool ReadSource(zip_source_t* source, std::string& bytes, std::string& reason) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_open(source) != 0) {
        reason = zip_error_strerror(zip_source_error(source));
        return false;
    }
    bool read = zip_source_stat(source, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE);
    if (read) {
        bytes.resize(stat.size);
        read =
            zip_source_read(source, bytes.data(), stat.size) == static_cast<zip_int64_t>(stat.size);
    }
    if (!read) reason = zip_error_strerror(zip_source_error(source));
    zip_source_close(source);
    return read;
}

}  // namespace

bool IsZipArchive(std::string_view bytes) {
    return bytes.starts_with("PK\x03\x04") || bytes.starts_with("PK\x05\x06");
}

TKmzRead ReadKmzDocument(std::string_view bytes, std::string& document) {
    zip_error_t error;
    zip_error_init(&error);
    TSource source(zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error));
    TArchive archive;
    if (source) archive.reset(zip_open_from_source(source.get(), ZIP_RDONLY, &error));
    zip_error_fini(&error);
    if (!archive) return TKmzRead::Unreadable;
    source.release();  // the archive owns it now
    const zip_int64_t index = DocumentIndex(archive.get());
    if (index < 0) return TKmzRead::NoDocument;
    const TKmzRead read = Inflate(archive.get(), index, document);
    if (read != TKmzRead::Read) std::string().swap(document);
    return read;
}

bool BuildKmzArchive(std::string_view document, std::string& archive, std::string& reason) {
    zip_error_t error;
    zip_error_init(&error);
    const TSource target(zip_source_buffer_create(nullptr, 0, 0, &error));
    TArchive writer;
    if (target) writer.reset(zip_open_from_source(target.get(), ZIP_TRUNCATE, &error));
    if (!writer) {
        reason = zip_error_strerror(&error);
        zip_error_fini(&error);
        return false;
    }
    zip_error_fini(&error);
    zip_source_keep(target.get());  // the archive's bytes stay in it after the close
    zip_source_t* entry = zip_source_buffer(writer.get(), document.data(), document.size(), 0);
    zip_int64_t index = -1;
    if (entry) {
        index = zip_file_add(writer.get(), kDocumentName.data(), entry, ZIP_FL_ENC_UTF_8);
        if (index < 0) zip_source_free(entry);
    }
    if (index < 0 || zip_set_file_compression(writer.get(), index, ZIP_CM_DEFLATE, 0) != 0 ||
        zip_close(writer.get()) != 0) {
        reason = zip_strerror(writer.get());
        return false;
    }
    writer.release();  // closed
    return ReadSource(target.get(), archive, reason);
}
