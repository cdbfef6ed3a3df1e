#include "navigation/ProjectCommandTexts.h"

#include "platform/DataFolders.h"
#include "platform/FileNames.h"

std::string AutomaticProjectPath() {
    return DaySmkDir + GetDateFolderName() + " " + TimeStampHHMM() + ".smk";
}

std::string ProjectFolderShown(const std::string& path) {
    const std::string folder = ExtractFilePath(path);
    const std::string above =
        ExtractFilePath(folder.substr(0, folder.empty() ? 0 : folder.size() - 1));
    return above.empty() ? folder : above;
}

std::string ProjectCommandRecord(TProjectCommand command, const std::string& path, bool succeeded,
                                 const std::string& reason) {
    const bool saving = command == TProjectCommand::AutoSave || command == TProjectCommand::SaveAs;
    if (!succeeded) {
        return (saving ? "Project not saved: " : "Project not opened: ") + path + " (" + reason +
               ")";
    }
    switch (command) {
        case TProjectCommand::AutoSave:
            return "Auto-saved: " + path;
        case TProjectCommand::SaveAs:
            return "Saved As: " + path;
        case TProjectCommand::Open:
            return "Opened file: " + path;
        case TProjectCommand::StartUpReload:
            break;
    }
    return std::string();
}
