#include "platform/EventLog.h"

#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/DateTimeText.h"
#include "platform/TextFile.h"

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
    return AppendFileBytes(fileName,
                           WithCrLf("\nAuto Event:\t" + DateTimeToStr(Now()) + "\t" + text));
}
