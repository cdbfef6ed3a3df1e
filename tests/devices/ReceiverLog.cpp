#include "tests/devices/ReceiverLog.h"

#include "platform/TextFile.h"

#include <algorithm>
#include <filesystem>

std::string ReceiverStream(const std::string& logText, bool timeStamped) {
    std::string stream;
    std::size_t start = 0;
    while (start < logText.size()) {
        std::size_t end = logText.find('\n', start);
        end = end == std::string::npos ? logText.size() : end + 1;
        std::string_view line(logText.data() + start, end - start);
        start = end;
        if (line.front() == '#') continue;
        if (timeStamped) line.remove_prefix(std::min(line.size(), line.find(' ') + 1));
        stream += line;
    }
    return stream;
}

std::vector<TReceiverLog> RealReceiverLogs(const std::string& folder) {
    std::vector<TReceiverLog> logs;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder + "nmea/", error)) {
        std::string text;
        ReadFileBytes(entry.path().string(), text);
        const std::string name = entry.path().filename().string();
        logs.push_back({name, ReceiverStream(text, name.rfind("openrvdas", 0) == 0)});
    }
    std::sort(logs.begin(), logs.end(),
              [](const TReceiverLog& a, const TReceiverLog& b) { return a.name < b.name; });
    return logs;
}
