#include "platform/IniFile.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

#include <fstream>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    void WriteRaw(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }

    const std::string path_ = FreshTestPath("settings.ini");
};

TEST_F(IniFileTest, ReadsWithTheWindowsRules) {
    WriteRaw(
        "; comment line\r\n"
        "[GPS1 COMUNICATION SETTINGS]\r\n"
        "Port=COM3\r\n"
        "  Baud Rate    =  115200  \r\n"
        "Quoted=\"  spaced text  \"\r\n"
        "Single='x'\r\n"
        "Empty=\r\n"
        "Hex=$1F\r\n"
        "Hex2=0x1F\r\n"
        "Flag=1\r\n"
        "FlagWord=true\r\n"
        "Float=12.5\r\n"
        "Comma=12,5\r\n"
        "NotANumber=nan\r\n"
        "[ other ]\n"
        "Port=COM9\n");
    TIniFile ini(path_);
    const std::string s = "gps1 comunication settings";
    struct {
        const char* legend;
        std::string actual;
        const char* expected;
    } strings[] = {
        {"section and key ignore case", ini.ReadString(s, "PORT", "?"), "COM3"},
        {"key with blanks around it, value trimmed", ini.ReadString(s, "Baud Rate", "?"), "115200"},
        {"key written with trailing blanks", ini.ReadString(s, "Baud Rate   ", "?"), "115200"},
        {"quotes removed, inside kept", ini.ReadString(s, "Quoted", "?"), "  spaced text  "},
        {"single quotes removed", ini.ReadString(s, "Single", "?"), "x"},
        {"empty value is not the default", ini.ReadString(s, "Empty", "?"), ""},
        {"missing key gives the default", ini.ReadString(s, "Missing", "dflt"), "dflt"},
        {"section name trimmed, LF file", ini.ReadString("OTHER", "Port", "?"), "COM9"},
    };
    for (const auto& c : strings) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(c.actual, c.expected);
    }
    EXPECT_EQ(ini.ReadInteger(s, "Hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger(s, "Hex2", 0), 31);
    EXPECT_EQ(ini.ReadInteger(s, "Empty", 7), 7);
    EXPECT_TRUE(ini.ReadBool(s, "Flag", false));
    EXPECT_TRUE(ini.ReadBool(s, "FlagWord", true)) << "a word is not an integer: the default";
    EXPECT_FALSE(ini.ReadBool(s, "FlagWord", false));
    EXPECT_DOUBLE_EQ(ini.ReadFloat(s, "Float", 0), 12.5);
    EXPECT_DOUBLE_EQ(ini.ReadFloat(s, "Comma", -1), -1);
    EXPECT_DOUBLE_EQ(ini.ReadFloat(s, "NotANumber", -1), -1);
    EXPECT_EQ(ini.ReadSection(s).size(), 12u);
    EXPECT_EQ(ini.ReadSections(),
              (std::vector<std::string>{"GPS1 COMUNICATION SETTINGS", "other"}));
}

TEST_F(IniFileTest, WritesThroughAndTwoObjectsSeeEachOther) {
    TIniFile first(path_);
    TIniFile second(path_);
    ASSERT_TRUE(first.WriteString("APPLICATION", "ThemeStyle", "Light"));
    EXPECT_EQ(second.ReadString("application", "themestyle", ""), "Light");
    ASSERT_TRUE(second.WriteBool("Application", "Flag", true));
    ASSERT_TRUE(second.WriteFloat("OTHER", "Value", 0.1));
    ASSERT_TRUE(first.WriteInteger("APPLICATION", "ThemeStyle   ", 5));
    EXPECT_EQ(ReadFileBytes(path_),
              "[APPLICATION]\r\nThemeStyle=5\r\nFlag=1\r\n\r\n[OTHER]\r\nValue=0.1\r\n");
}

TEST_F(IniFileTest, RewriteKeepsCommentsAndOrder) {
    WriteRaw("; keep me\n[A]\nx=1\n\n[B]\ny=2\n");
    TIniFile ini(path_);
    ASSERT_TRUE(ini.WriteString("A", "z", "3"));
    ASSERT_TRUE(ini.WriteString("B", "Y", "4"));
    EXPECT_EQ(ReadFileBytes(path_), "; keep me\r\n[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\nY=4\r\n");
    ASSERT_TRUE(ini.DeleteKey("a", "X"));
    ASSERT_TRUE(ini.EraseSection("b"));
    EXPECT_EQ(ReadFileBytes(path_), "; keep me\r\n[A]\r\nz=3\r\n\r\n");
    EXPECT_FALSE(ini.SectionExists("B"));
    EXPECT_TRUE(ini.ValueExists("A", "z"));
}

TEST_F(IniFileTest, LineBreakInAValueCannotSplitTheFile) {
    TIniFile ini(path_);
    ASSERT_TRUE(ini.WriteString("A", "k", "one\r\n[B]\r\nx=2"));
    EXPECT_EQ(ini.ReadString("A", "k", ""), "one  [B]  x=2");
    EXPECT_FALSE(ini.SectionExists("B"));
}

TEST_F(IniFileTest, FailedWriteReportsFailure) {
    TIniFile ini(TestTempFolder() + "no such folder/x.ini");
    EXPECT_FALSE(ini.WriteString("A", "k", "v"));
    EXPECT_EQ(ini.ReadString("A", "k", "dflt"), "dflt");
}

// A settings file that is there but cannot be read must not be replaced by one holding only
// the key being written. A link to itself stands for the unreadable file (root reads any file).
TEST_F(IniFileTest, UnreadableFileIsNeverReplaced) {
    ASSERT_EQ(symlink(path_.c_str(), path_.c_str()), 0);
    TIniFile ini(path_);
    EXPECT_FALSE(ini.WriteString("A", "k", "v"));
    EXPECT_FALSE(ini.DeleteKey("A", "k"));
    ini.BeginUpdates();
    ASSERT_TRUE(ini.WriteString("A", "k", "v"));
    EXPECT_FALSE(ini.CommitUpdates());
    EXPECT_TRUE(std::filesystem::is_symlink(path_)) << "the link was replaced";
}

TEST_F(IniFileTest, GatheredUpdatesReachTheFileInOneRewrite) {
    WriteRaw("[A]\r\nx=1\r\n");
    TIniFile batch(path_);
    const TIniFile other(path_);
    batch.BeginUpdates();
    ASSERT_TRUE(batch.WriteString("A", "x", "2"));
    ASSERT_TRUE(batch.WriteBool("B", "y", true));
    EXPECT_EQ(batch.ReadString("A", "x", ""), "2") << "the batch reads its own updates";
    EXPECT_EQ(other.ReadString("A", "x", ""), "1") << "the file is untouched until the commit";
    ASSERT_TRUE(batch.CommitUpdates());
    EXPECT_EQ(ReadFileBytes(path_), "[A]\r\nx=2\r\n\r\n[B]\r\ny=1\r\n");
    ASSERT_TRUE(batch.WriteString("A", "x", "3"));
    EXPECT_EQ(other.ReadString("A", "x", ""), "3") << "after the commit writes go through again";
}

// A writer that gathers its keys may be called inside a caller's own gathering.
TEST_F(IniFileTest, NestedUpdatesReachTheFileAtTheOutermostCommit) {
    WriteRaw("[A]\r\nx=1\r\n");
    TIniFile batch(path_);
    const TIniFile other(path_);
    batch.BeginUpdates();
    ASSERT_TRUE(batch.WriteString("A", "x", "2"));
    batch.BeginUpdates();
    ASSERT_TRUE(batch.WriteString("A", "y", "3"));
    EXPECT_TRUE(batch.CommitUpdates());
    EXPECT_EQ(other.ReadString("A", "x", ""), "1") << "the inner commit wrote the outer updates";
    ASSERT_TRUE(batch.WriteString("A", "z", "4"));
    EXPECT_EQ(other.ReadString("A", "z", ""), "") << "the inner commit ended the outer session";
    ASSERT_TRUE(batch.CommitUpdates());
    EXPECT_EQ(ReadFileBytes(path_), "[A]\r\nx=2\r\ny=3\r\nz=4\r\n");
    EXPECT_TRUE(batch.CommitUpdates()) << "a commit without updates has nothing to write";
}

TEST_F(IniFileTest, GatheredUpdatesThatCannotBeWrittenFailAtTheCommit) {
    TIniFile ini(TestTempFolder() + "no such folder/x.ini");
    ini.BeginUpdates();
    EXPECT_TRUE(ini.WriteString("A", "k", "v"));
    EXPECT_FALSE(ini.CommitUpdates());
    EXPECT_EQ(ini.ReadString("A", "k", "dflt"), "dflt");
}

TEST_F(IniFileTest, Windows1254FileReadsAsUtf8) {
    WriteRaw(
        "[SETTINGS]\r\nVessel=\xDE"
        "ahin \xDD"
        "zmir\r\n");  // "Şahin İzmir"
    EXPECT_EQ(TIniFile(path_).ReadString("SETTINGS", "Vessel", ""),
              "\xC5\x9E"
              "ahin \xC4\xB0zmir");
}

}  // namespace
