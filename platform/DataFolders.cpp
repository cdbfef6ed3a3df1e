#include "platform/DataFolders.h"

#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"

std::string DayDir;
std::string DaySmkDir;
std::string LogDir;
std::string XyzDir;
std::string SvpDir;
std::string TodayFolderName;
std::string CoordinatesFilePath;
QString LastMessage;
std::string MapEllipsoidString;
std::string MapTMParameterString;
// The blank before "RTK Antenna Height" is part of the stored files' header.
std::string SurveyLogHeader =
    "Date,Lat,Lon,Easting,Northing,Elevation (Hi),Elevation (Lo),True Depth (Hi),"
    "True Depth (Lo),Raw Depth (Hi),Raw Depth (Lo),Message Format,Sound Velocity,"
    "Transducer Draft,GPS, RTK Antenna Height,Manual Tide,RTK Tide";

namespace {

bool folderFailureShown = false;

}  // namespace

void InitDayFolderGlobals() {
    const std::string date = GetDateFolderName();
    TodayFolderName = date;
    DayDir = SmkRoot() + date + "/";
    DaySmkDir = DayDir + "SMK/";
    LogDir = DayDir + "LOG/";
    XyzDir = DayDir + "XYZ/";
    SvpDir = DayDir + "SVP/";
    CoordinatesFilePath = LogDir + date + " Coordinates.csv";
}

std::string GetSettingsFilePath() {
    // With missing parents too: unlike the Windows data folder, ~/.config need not exist yet.
    const std::string folder = ApplicationDataRoot() + "/Orvalt/QBY/";
    if (!DirectoryExists(folder)) CreateDirectories(folder);
    return folder + "Quellbay.ini";
}

std::string GetDateFolderName() { return DateToStr(Now().date()); }

std::string TimeStampHHMM() { return TimeToStr(Now().time()).substr(0, 4); }

void CreateDataFolders() {
    const std::string root = SmkRoot();
    const std::string day = root + GetDateFolderName();
    for (const std::string& folder : {root, day, day + "/SMK", day + "/LOG", day + "/SVP"}) {
        if (!DirectoryExists(folder)) CreateDir(folder);
    }
    if (DirectoryExists(day + "/LOG")) {
        folderFailureShown = false;
        return;
    }
    if (folderFailureShown) return;
    folderFailureShown = true;
    ShowMessage(QString::fromStdString(
        "Cannot create log folder " + day +
        "/LOG/. Check if you are authorized create folder at this address."));
}
