// KMZ archives in memory, against Python's zipfile as the other writer and reader: our archive
// as others read it, archives others wrote, and hostile ones. Nothing is ever extracted.

#include "navigation/KmzArchive.h"

#include "navigation/KmlReader.h"
#include "platform/TextFile.h"
#include "tests/navigation/KmlTestSupport.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QElapsedTimer>
#include <filesystem>
#include <set>

namespace {

const std::string kDocument =
    "\xEF\xBB\xBF<kml><Document><Placemark><name>Quay</name><Point><coordinates>29,41"
    "</coordinates></Point></Placemark></Document></kml>\r\n";

// Every path below the test's folder and the working folder, to show nothing was written.
std::set<std::string> FilesOnDisk() {
    std::set<std::string> paths;
    for (const std::string& root : {TestTempFolder(), std::filesystem::current_path().string()}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            paths.insert(entry.path().string());
        }
    }
    return paths;
}

// An archive written by zipfile with these entries (name, content) in order.
std::string ZipWith(const std::vector<std::pair<std::string, std::string>>& entries) {
    QStringList arguments{"write", QString::fromStdString(FreshTestPath("archive.kmz"))};
    for (const auto& [name, content] : entries) {
        const std::string file = FreshTestPath("entry");
        EXPECT_TRUE(WriteFileAtomically(file, content));
        arguments << QString::fromStdString(name + "=" + file);
    }
    const TPeerRun run = RunZipPeer(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return ReadFileBytes(arguments[1].toStdString());
}

std::string PlacemarkNamed(const std::string& name) {
    return "<Placemark><name>" + name + "</name><Point><coordinates>1,2</coordinates></Point>" +
           "</Placemark>";
}

long PeakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(KmzArchive, OursHoldsOneDeflatedDocKml) {
    std::string archive, reason;
    ASSERT_TRUE(BuildKmzArchive(kDocument, archive, reason)) << reason;
    const std::string path = FreshTestPath("ours.kmz");
    ASSERT_TRUE(WriteFileAtomically(path, archive));
    const TPeerRun list = RunZipPeer({"list", QString::fromStdString(path)});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    EXPECT_EQ(list.out, "doc.kml\t8\t" + std::to_string(kDocument.size()) + "\n");
    const TPeerRun read = RunZipPeer({"read", QString::fromStdString(path), "doc.kml"});
    EXPECT_EQ(read.out, kDocument);
    std::string document;
    EXPECT_EQ(ReadKmzDocument(archive, document), TKmzRead::Read);
    EXPECT_EQ(document, kDocument);
}

TEST(KmzArchive, WhichEntryIsTheDocument) {
    const std::string doc = PlacemarkNamed("doc"), first = PlacemarkNamed("first");
    const struct {
        const char* legend;
        std::vector<std::pair<std::string, std::string>> entries;
        TKmzRead read;
        std::string document;
    } cases[] = {
        {"doc.kml before any other", {{"a.kml", first}, {"doc.kml", doc}}, TKmzRead::Read, doc},
        {"DOC.KML, as Windows finds it",
         {{"icons/x.png", "png"}, {"DOC.KML", doc}},
         TKmzRead::Read,
         doc},
        {"else the first top-level .kml in directory order",
         {{"sub/doc.kml", doc}, {"B.KmL", first}, {"c.kml", doc}},
         TKmzRead::Read,
         first},
        {"a parent path", {{"../doc.kml", doc}}, TKmzRead::NoDocument, ""},
        {"an absolute path", {{"/abs.kml", doc}}, TKmzRead::NoDocument, ""},
        {"a sub-folder", {{"sub/x.kml", doc}}, TKmzRead::NoDocument, ""},
        {"a backslash folder", {{"sub\\x.kml", doc}}, TKmzRead::NoDocument, ""},
        {"no entry at all", {}, TKmzRead::NoDocument, ""},
    };
    const std::set<std::string> before = FilesOnDisk();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const std::string archive = ZipWith(c.entries);
        const std::set<std::string> written = FilesOnDisk();
        std::string document;
        EXPECT_EQ(ReadKmzDocument(archive, document), c.read);
        EXPECT_EQ(document, c.document);
        EXPECT_EQ(FilesOnDisk(), written) << "nothing extracted";
    }
    EXPECT_GT(FilesOnDisk().size(), before.size()) << "the archives themselves";
}

// Through the reader, with the surveyor's reasons.
TEST(KmzArchive, DamagedArchivesAreRefusedWithAReason) {
    const std::string good = ZipWith({{"doc.kml", "<kml>" + PlacemarkNamed("x") + "</kml>"}});
    const std::string encrypted = FreshTestPath("encrypted.kmz");
    ASSERT_TRUE(WriteFileAtomically(encrypted, good));
    ASSERT_EQ(RunZipPeer({"encrypt", QString::fromStdString(encrypted)}).exitCode, 0);
    const struct {
        const char* legend;
        std::string bytes;
        std::string error;
    } cases[] = {
        {"cut in the middle", good.substr(0, good.size() / 2), "Failed to read extracted KML file"},
        {"cut before the end record", good.substr(0, good.size() - 10),
         "Failed to read extracted KML file"},
        {"marked encrypted in both headers", ReadFileBytes(encrypted),
         "Failed to read extracted KML file"},
        {"no document", ZipWith({{"readme.txt", "x"}}), "No KML file found in KMZ archive"},
        {"an empty document", ZipWith({{"doc.kml", ""}}), "Empty KML content"},
        {"four bytes that are no archive", "PK\x03", "No placemark with coordinates found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const std::string path = FreshTestPath("damaged.kmz");
        ASSERT_TRUE(WriteFileAtomically(path, c.bytes));
        const std::set<std::string> before = FilesOnDisk();
        TKMLReader reader;
        EXPECT_FALSE(reader.Load(path));
        EXPECT_EQ(reader.LastError, c.error);
        EXPECT_EQ(FilesOnDisk(), before);
    }
}

// The Windows program saved its ".kmz" files as plain KML text.
TEST(KmzArchive, PlainTextKmzIsReadAsKml) {
    const std::string path = FreshTestPath("windows.kmz");
    ASSERT_TRUE(WriteFileAtomically(path, "\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<kml><Document>" +
                                              PlacemarkNamed("Point_0") + "</Document></kml>"));
    TKMLReader reader;
    ASSERT_TRUE(reader.Load(path)) << reader.LastError;
    EXPECT_EQ(reader.Placemarks()[0].name, "Point_0");
}

// An entry that inflates past the bound is stopped there, whatever its header declares.
TEST(KmzArchive, AnEntryInflatingPast256MiBIsRefused) {
    const std::string path = FreshTestPath("bomb.kmz");
    const std::size_t size = kMaxKmlDocumentBytes + (1 << 20);
    const TPeerRun run =
        RunZipPeer({"bomb", QString::fromStdString(path), "doc.kml", QString::number(size)});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_LT(ReadFileBytes(path).size(), 2u << 20);
    const long peakBefore = PeakMemoryKiB();
    QElapsedTimer timer;
    timer.start();
    TKMLReader reader;
    EXPECT_FALSE(reader.Load(path));
    EXPECT_EQ(reader.LastError, "KML document larger than 256 MiB");
    EXPECT_LT(timer.elapsed(), 60000) << "generous for a loaded machine and the sanitizers";
    EXPECT_LT(PeakMemoryKiB() - peakBefore, 400L << 10) << "KiB: the bound and its overhead";
}

}  // namespace
