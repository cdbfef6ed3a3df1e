#include "platform/FileNames.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNames, PartsOfAPath) {
    const struct {
        const char* legend;
        const char* path;
        const char *folder, *name, *extension, *baseName;
    } cases[] = {
        {"ordinary", "/data/Survey 1/out.KML", "/data/Survey 1/", "out.KML", ".kml", "out"},
        {"two dots", "/d/plan.v2.kmz", "/d/", "plan.v2.kmz", ".kmz", "plan.v2"},
        {"a dot in the folder only", "/d.v2/plan", "/d.v2/", "plan", "", "plan"},
        {"a trailing dot", "/d/plan.", "/d/", "plan.", ".", "plan"},
        {"no folder", "track_fix.xyz", "", "track_fix.xyz", ".xyz", "track_fix"},
        {"a hidden file", "/d/.kml", "/d/", ".kml", ".kml", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(ExtractFilePath(c.path), c.folder);
        EXPECT_EQ(ExtractFileName(c.path), c.name);
        EXPECT_EQ(LowerCaseFileExt(c.path), c.extension);
        EXPECT_EQ(ExtractFileBaseName(c.path), c.baseName);
    }
}

}  // namespace
