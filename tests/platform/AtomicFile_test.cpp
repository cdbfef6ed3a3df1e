#include "platform/AtomicFile.h"

#include "platform/TextFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(WriteFileAtomically(path_, kOld)); }

    // Whether a temporary file of the target is still beside it.
    bool TemporaryLeft() const {
        const std::string prefix = std::filesystem::path(path_).filename().string() + ".tmp";
        for (const auto& entry : std::filesystem::directory_iterator(TestTempFolder())) {
            if (entry.path().filename().string().starts_with(prefix)) return true;
        }
        return false;
    }

    static constexpr const char* kOld = "[A]\r\nold=1\r\n";
    const std::string path_ = FreshTestPath("replaced.ini");
};

TEST_F(AtomicFileTest, TargetChangesOnlyAtTheCommit) {
    TAtomicFile file(path_);
    ASSERT_TRUE(file.Write("[A]\r\n"));
    ASSERT_TRUE(file.Write("new=2\r\n"));
    EXPECT_EQ(ReadFileBytes(path_), kOld);
    ASSERT_TRUE(file.Commit()) << file.Error();
    EXPECT_EQ(ReadFileBytes(path_), "[A]\r\nnew=2\r\n");
    EXPECT_FALSE(TemporaryLeft());
}

TEST_F(AtomicFileTest, WriterDroppedBeforeTheCommitLeavesNoTrace) {
    {
        TAtomicFile file(path_);
        ASSERT_TRUE(file.Write("half a file"));
    }
    EXPECT_EQ(ReadFileBytes(path_), kOld);
    EXPECT_FALSE(TemporaryLeft());
}

TEST_F(AtomicFileTest, FullDiskFailsWithItsReasonAndKeepsTheOldFile) {
    TAtomicFile file(path_);
    {
        const TFileSizeLimit limit(4);
        ASSERT_TRUE(limit.Applied());
        EXPECT_FALSE(file.Write(std::string(64, 'x')));
    }
    EXPECT_EQ(file.Error(), "cannot write the file: File too large");
    EXPECT_FALSE(file.Write("more")) << "every call after the first failure fails";
    EXPECT_FALSE(file.Commit());
    EXPECT_EQ(ReadFileBytes(path_), kOld);
    EXPECT_FALSE(TemporaryLeft());
}

mode_t ModeOf(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 07777;
}

// A caster password must not become world-readable at the next save.
TEST_F(AtomicFileTest, AReplacementKeepsTheModeAndANewFileTakesTheCallers) {
    const mode_t umaskBefore = ::umask(022);
    for (const mode_t mode : {0600, 0640, 0664, 0400}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(::chmod(path_.c_str(), mode), 0);
        ASSERT_TRUE(WriteFileAtomically(path_, "replaced", kSharedFileMode));
        EXPECT_EQ(ModeOf(path_), mode);
    }
    const std::string shared = FreshTestPath("new-shared.txt");
    const std::string secret = FreshTestPath("new-private.txt");
    ASSERT_TRUE(WriteFileAtomically(shared, "x"));
    ASSERT_TRUE(WriteFileAtomically(secret, "x", kPrivateFileMode));
    EXPECT_EQ(ModeOf(shared), 0644u);
    EXPECT_EQ(ModeOf(secret), 0600u);
    ::umask(077);
    const std::string strict = FreshTestPath("new-under-umask-077.txt");
    ASSERT_TRUE(WriteFileAtomically(strict, "x"));
    EXPECT_EQ(ModeOf(strict), 0600u) << "the surveyor's umask still applies to new files";
    ::umask(umaskBefore);
}

TEST_F(AtomicFileTest, MissingFolderFailsAtTheStart) {
    TAtomicFile file(TestTempFolder() + "no such folder/x.ini");
    EXPECT_EQ(file.Error(), "cannot create the file: No such file or directory");
    EXPECT_FALSE(file.Write("x"));
    EXPECT_FALSE(file.Commit());
}

}  // namespace
