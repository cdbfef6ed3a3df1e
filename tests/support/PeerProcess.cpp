#include "tests/support/PeerProcess.h"

#include <QProcess>

namespace {

constexpr int kPeerTimeoutMs = 120000;

}  // namespace

TPeerRun RunPeer(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    TPeerRun run;
    if (!process.waitForStarted() || !process.waitForFinished(kPeerTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.err = program.toStdString() + " did not run: " + process.errorString().toStdString();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}
