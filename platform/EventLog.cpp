#include "platform/EventLog.h"

#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/DateTimeText.h"

#include <cstdio>

namespace {

// The log is a CR LF text file: a lone LF becomes CR LF, an existing CR LF stays as it is.
std::string WithCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

}  // namespace

std::string EventLogFilePath() { return LogDir + GetDateFolderName() + " Events.log"; }

bool AppendEventLog(const std::string& text, const std::string& fileName) {
    const std::string record = WithCrLf("\nAuto Event:\t" + DateTimeToStr(Now()) + "\t" + text);
    std::FILE* file = std::fopen(fileName.c_str(), "ab");
    if (!file) return false;
    const bool written = std::fwrite(record.data(), 1, record.size(), file) == record.size();
    return std::fclose(file) == 0 && written;
}
