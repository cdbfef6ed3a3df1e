#pragma once
// Peers written by others (GDAL, Python's zipfile, ezdxf), run by a test as child processes.

#include <QString>
#include <QStringList>
#include <string>

struct TPeerRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program to its end (at most two minutes); exitCode -1 when it did not start or end.
TPeerRun RunPeer(const QString& program, const QStringList& arguments);
