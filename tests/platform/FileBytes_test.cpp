#include "platform/FileBytes.h"
#include "platform/TextFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(FileBytes, ReadsWholeFilesAndSaysWhyNot) {
    const std::string folder = FreshTestPath("folder");
    std::filesystem::create_directories(folder);
    const std::string empty = FreshTestPath("empty");
    ASSERT_TRUE(WriteFileAtomically(empty, ""));
    const std::string large = FreshTestPath("large");
    const std::string content(3 << 20, 'x');
    ASSERT_TRUE(WriteFileAtomically(large, content + "end"));
    struct Case {
        const char* legend;
        std::string path;
        bool read;
        std::string reason;  // when not read
    };
    const Case cases[] = {
        {"a missing file", FreshTestPath("missing"), false, "the file does not exist"},
        {"a folder", folder, false, "cannot read the file: Is a directory"},
        {"an empty file", empty, true, ""},
        {"a file larger than the first piece", large, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        TFileBytes file;
        std::string reason;
        EXPECT_EQ(file.Read(c.path, reason), c.read);
        if (c.read) {
            EXPECT_EQ(file.Bytes(), ReadFileBytes(c.path));
        } else {
            EXPECT_EQ(reason, c.reason);
            EXPECT_TRUE(file.Bytes().empty());
        }
    }
}

TEST(FileBytes, AFileThatStatesNoSizeIsReadToItsEnd) {
    // The kernel's files state a size of 0 and hold more.
    TFileBytes file;
    std::string reason;
    ASSERT_TRUE(file.Read("/proc/self/maps", reason)) << reason;
    EXPECT_GT(file.Bytes().size(), 100u);
    EXPECT_EQ(file.Bytes().back(), '\n');
}

}  // namespace
