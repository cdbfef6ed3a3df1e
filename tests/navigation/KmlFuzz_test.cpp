// The KML reader and the KMZ reading under the sanitizers, on damaged real files: seeded, so a
// failure replays, and bounded in count and time, so the suite stays quick on a loaded machine.
// Every outcome must be a success with well-formed placemarks or a failure with a reason.

#include "navigation/KmlMarkup.h"
#include "navigation/KmlReader.h"
#include "navigation/KmzArchive.h"
#include "platform/TextFile.h"
#include "tests/navigation/KmlTestSupport.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <random>

namespace {

constexpr int kTextRounds = 20000;
constexpr int kArchiveRounds = 6000;
constexpr qint64 kBudgetMs = 12000;  // each of the two runs

// Fragments that steer mutations towards the reader's decisions.
const char* const kFragments[] = {"<Placemark>",
                                  "</Placemark>",
                                  "<Placemark id=\"x\"",
                                  "<kml:Point>",
                                  "</Point>",
                                  "<LineString>",
                                  "</LineString>",
                                  "<Polygon>",
                                  "<coordinates>",
                                  "</coordinates>",
                                  "<name>",
                                  "</name>",
                                  "<![CDATA[",
                                  "]]>",
                                  "&#x",
                                  "&amp;",
                                  "/>",
                                  ",",
                                  " ",
                                  "0,0",
                                  "1e999,1",
                                  "nan,nan",
                                  "\xEF\xBB\xBF",
                                  "\xFF\xFE",
                                  "\xC3",
                                  "\x00"};

class TMutator {
public:
    explicit TMutator(unsigned seed) : random_(seed) {}
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : random_() % n; }

    std::string Mutated(std::string bytes) {
        const int steps = 1 + static_cast<int>(Below(8));
        for (int i = 0; i < steps; ++i) Step(bytes);
        return bytes;
    }

private:
    void Step(std::string& bytes) {
        const std::size_t at = Below(bytes.size() + 1);
        switch (Below(6)) {
            case 0:  // flip a byte
                if (at < bytes.size()) bytes[at] = static_cast<char>(random_());
                break;
            case 1:  // cut
                bytes.resize(at);
                break;
            case 2:  // drop a stretch
                bytes.erase(at, Below(64));
                break;
            case 3:  // insert a fragment
                bytes.insert(at, kFragments[Below(std::size(kFragments))]);
                break;
            case 4: {  // repeat a stretch
                const std::string stretch = bytes.substr(at, Below(256));
                bytes.insert(Below(bytes.size() + 1), stretch);
                break;
            }
            default:  // set a byte in the first hundred, where archive headers lie
                if (!bytes.empty())
                    bytes[Below(std::min<std::size_t>(bytes.size(), 100))] ^= 1 << Below(8);
        }
    }

    std::mt19937 random_;
};

void ExpectWellFormed(const TKMLReader& reader, bool loaded) {
    if (!loaded) {
        EXPECT_FALSE(reader.LastError.empty());
        return;
    }
    EXPECT_EQ(reader.LastError, "");
    ASSERT_FALSE(reader.Placemarks().empty());
    for (const TKMLPlacemark& placemark : reader.Placemarks()) {
        ASSERT_FALSE(placemark.geometries.empty());
        for (const TKMLGeometry& geometry : placemark.geometries) {
            ASSERT_FALSE(geometry.coordinates.empty());
            ASSERT_TRUE(geometry.kind >= kgPoint && geometry.kind <= kgPolygon);
            for (const TKMLCoordinate& c : geometry.coordinates) {
                ASSERT_TRUE(c.lon != 0 || c.lat != 0);
                ASSERT_TRUE(std::isfinite(c.lon) && std::isfinite(c.lat) && std::isfinite(c.alt));
            }
        }
    }
}

// Documents: the plain real files and the doc.kml of the real archives.
std::vector<std::string> RealDocuments() {
    std::vector<std::string> documents;
    for (const char* name : {"fastkml__KML_Samples.kml", "fastkml-ogc__Document-clean.kml",
                             "togeojson__polygon.kml", "togeojson__timespan_kml21.kml"}) {
        documents.push_back(ReadFileBytes(RealKml(name)));
    }
    for (const char* name : {"giscore__kitchensink.kmz", "giscore__continents.kmz",
                             "giscore__bad-zip-timestamp.kmz"}) {
        std::string document;
        EXPECT_EQ(ReadKmzDocument(ReadFileBytes(RealKml(name)), document), TKmzRead::Read);
        documents.push_back(document);
    }
    return documents;
}

TEST(KmlFuzz, DamagedDocuments) {
    if (RealKml("").empty()) GTEST_SKIP() << "no real data";
    const std::vector<std::string> documents = RealDocuments();
    TMutator mutator(20240527);
    QElapsedTimer timer;
    timer.start();
    int rounds = 0;
    for (; rounds < kTextRounds && timer.elapsed() < kBudgetMs; ++rounds) {
        const std::string bytes = mutator.Mutated(documents[mutator.Below(documents.size())]);
        std::string converted;
        const std::string_view text = KmlTextOf(bytes, converted);
        TKMLReader reader;
        const bool loaded = reader.ParsePlacemarks(text);
        ExpectWellFormed(reader, loaded);
        DecodeKmlText(text.substr(mutator.Below(text.size()), 200));
        if (HasFatalFailure()) FAIL() << "round " << rounds;
    }
    EXPECT_GT(rounds, 100) << "too few rounds to mean anything";
}

TEST(KmlFuzz, DamagedArchives) {
    if (RealKml("").empty()) GTEST_SKIP() << "no real data";
    std::vector<std::string> archives;
    for (const char* name :
         {"giscore__kitchensink.kmz", "giscore__time-stamp-point.kmz", "giscore__continents.kmz",
          "giscore__bad-zip-timestamp.kmz", "fastkml-ogc__small_world.kmz"}) {
        archives.push_back(ReadFileBytes(RealKml(name)));
    }
    TMutator mutator(1729);
    QElapsedTimer timer;
    timer.start();
    const std::string path = FreshTestPath("fuzzed.kmz");
    int rounds = 0;
    for (; rounds < kArchiveRounds && timer.elapsed() < kBudgetMs; ++rounds) {
        const std::string bytes = mutator.Mutated(archives[mutator.Below(archives.size())]);
        std::string document;
        const TKmzRead read = ReadKmzDocument(bytes, document);
        EXPECT_TRUE(read == TKmzRead::Read || document.empty());
        EXPECT_LE(document.size(), kMaxKmlDocumentBytes);
        if (rounds % 10 == 0) {
            ASSERT_TRUE(WriteFileAtomically(path, bytes));
            TKMLReader reader;
            ExpectWellFormed(reader, reader.Load(path));
        }
        if (HasFatalFailure()) FAIL() << "round " << rounds;
    }
    EXPECT_GT(rounds, 100) << "too few rounds to mean anything";
}

}  // namespace
