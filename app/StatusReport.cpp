#include "app/StatusReport.h"

#include "app/UMsg.h"
#include "platform/DataFolders.h"
#include "platform/EventLog.h"

void ReportStatus(const QString& text, TReportWindow window) {
    if (FMsg) {
        if (window == TReportWindow::Show) FMsg->show();
        FMsg->Msg->appendPlainText(text);
    }
    LastMessage = text;
    AppendEventLog(text.toStdString(), EventLogFilePath());
}
