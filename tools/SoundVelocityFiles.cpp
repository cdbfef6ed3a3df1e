#include "tools/SoundVelocityFiles.h"

#include "platform/AtomicFile.h"
#include "platform/CodePage.h"
#include "platform/DataFolders.h"
#include "platform/NumberFormat.h"
#include "platform/TextFile.h"

#include <filesystem>

std::string SvpMemoFilePath(const std::string& folder, std::string_view memo) {
    return folder + std::string(memo) + ".ini";
}

std::string SvpDatedCopyPath(std::string_view memo) {
    return SvpDir + GetDateFolderName() + " " + std::string(memo) + ".ini";
}

TSvpTextFile ReadSvpTextFile(const std::string& path) {
    TSvpTextFile file;
    std::error_code code;
    // A device or a pipe chosen by mistake would be read without end.
    if (!std::filesystem::is_regular_file(path, code)) {
        file.error = "Cannot open file \"" + path + "\". It is not a file that can be read.";
        return file;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, code);
    if (!code && size > kMaxSvpFileBytes) {
        file.error = "The file \"" + path + "\" holds " + IntToStr(static_cast<long long>(size)) +
                     " bytes; files above 256 MiB are not loaded.";
        return file;
    }
    std::string bytes;
    if (code || !ReadFileBytes(path, bytes) || bytes.size() > kMaxSvpFileBytes) {
        file.error = "Cannot open file \"" + path + "\".";
        return file;
    }
    file.lines = SplitLines(SystemTextToUtf8(bytes));
    file.read = true;
    return file;
}

bool WriteSvpMemoFile(const std::string& path, const std::vector<std::string>& lines,
                      std::string& error) {
    TAtomicFile file(path);
    if (file.Write(JoinCrLf(lines)) && file.Commit()) return true;
    error = "Cannot write file \"" + path + "\": " + file.Error();
    return false;
}
