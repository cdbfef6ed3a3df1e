#include "app/Translator.h"

#include "platform/TextFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

class TranslatorTest : public ::testing::Test {
protected:
    void SetUp() override { QDir().mkpath(QString::fromStdString(folder_)); }
    void WriteFile(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(WriteFileAtomically(folder_ + name, bytes));
    }
    std::string Missing() { return ReadFileBytes(folder_ + "missing.log"); }
    void WriteTurkish() {
        WriteFile(
            "tr.json",
            "\xEF\xBB\xBF{\r\n  \"Reload\": \"Yenile\",\r\n  \"Start\": \"Ba\xC5\x9Flat\",\r\n"
            "  \"Count\": 3,\r\n  \"Empty\": \"\"\r\n}");
    }

    const std::string folder_ = FreshTestPath("Languages") + "/";
};

TEST_F(TranslatorTest, EnglishMapsTurkishCaptionsBack) {
    WriteTurkish();
    TTranslator translator(folder_);
    EXPECT_EQ(translator.currentLanguage(), "en");
    EXPECT_EQ(translator.Translate("Reload"), "Reload");
    EXPECT_EQ(translator.Translate("Yenile"), "Reload");
    EXPECT_EQ(Missing(), "") << "English logs nothing";
}

TEST_F(TranslatorTest, TurkishTranslatesBothWays) {
    WriteTurkish();
    TTranslator translator(folder_);
    translator.SetLanguage("tr");
    EXPECT_EQ(translator.Translate("Reload"), "Yenile");
    EXPECT_EQ(translator.Translate("Yenile"), "Yenile") << "maps back to Reload and forward again";
    EXPECT_EQ(translator.Translate("Count"), "3") << "a number is taken in its text form";
    translator.SetLanguage("en");
    EXPECT_EQ(translator.Translate(QString::fromUtf8("Ba\xC5\x9Flat")), "Start");
}

TEST_F(TranslatorTest, MissingKeysAreLoggedOnceEach) {
    WriteTurkish();
    TTranslator translator(folder_);
    translator.SetLanguage("tr");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(translator.Translate("Unknown caption"), "Unknown caption");
        EXPECT_EQ(translator.Translate("Empty"), "Empty") << "an empty translation is missing";
        EXPECT_EQ(translator.Translate("Two\r\nlines"), "Two\r\nlines");
    }
    EXPECT_EQ(Missing(), "Unknown caption\r\nEmpty\r\nTwo\\r\\nlines\r\n");
    TTranslator again(folder_);
    again.SetLanguage("tr");
    again.Translate("Two\r\nlines");
    EXPECT_EQ(Missing(), "Unknown caption\r\nEmpty\r\nTwo\\r\\nlines\r\n")
        << "a key with a line break is found in the log by a new run too";
}

TEST_F(TranslatorTest, BrokenOrNonObjectFilesGiveEmptyMaps) {
    WriteFile("tr.json", "[\"Reload\", \"Yenile\"]");
    WriteFile("de.json", "{\"Reload\": ");
    TTranslator translator(folder_);
    translator.SetLanguage("tr");
    EXPECT_EQ(translator.Translate("Reload"), "Reload");
    translator.SetLanguage("de");
    EXPECT_EQ(translator.Translate("Reload"), "Reload");
    EXPECT_TRUE(translator.GetKeys().empty());
}

TEST_F(TranslatorTest, LanguageListAndLookups) {
    TTranslator empty(folder_);
    EXPECT_EQ(empty.languages(), (std::vector<std::string>{"en", "tr"}));
    WriteTurkish();
    WriteFile("de.json", "{\"Reload\": \"Neu laden\"}");
    TTranslator translator(folder_);
    EXPECT_EQ(translator.languages().size(), 3u);
    EXPECT_EQ(translator.Lookup("de", "Reload"), "Neu laden");
    EXPECT_EQ(translator.Lookup("en", "Reload"), "Reload");
    EXPECT_EQ(translator.Lookup("de", "Start"), "Start");
    EXPECT_EQ(translator.GetKeys(),
              (std::vector<std::string>{"Count", "Empty", "Reload", "Start"}));
}

TEST_F(TranslatorTest, SavedFileHasTheFixedLayout) {
    TTranslator translator(folder_);
    translator.SetLanguage("tr");
    EXPECT_FALSE(translator.SaveLanguage("en"));
    EXPECT_FALSE(translator.SaveLanguage("de")) << "only the current language is saved";
    translator.SetTranslation("tr", "Zoom", "Yak\xC4\xB1nla\xC5\x9Ft\xC4\xB1r");
    translator.SetTranslation("tr", "Add \"Event\"", "Olay\tEkle");
    translator.SetTranslation("de", "Ignored", "x");
    ASSERT_TRUE(translator.SaveLanguage("tr"));
    EXPECT_EQ(ReadFileBytes(folder_ + "tr.json"),
              "\xEF\xBB\xBF{\r\n"
              "  \"Add \\\"Event\\\"\": \"Olay\\tEkle\",\r\n"
              "  \"Zoom\": \"Yak\xC4\xB1nla\xC5\x9Ft\xC4\xB1r\"\r\n"
              "}");
    TTranslator reread(folder_);
    reread.SetLanguage("tr");
    EXPECT_EQ(reread.Translate("Add \"Event\""), "Olay\tEkle");
}

TEST_F(TranslatorTest, FailedSaveReportsFailure) {
    WriteTurkish();
    TTranslator translator(folder_);
    translator.SetLanguage("tr");
    QDir(QString::fromStdString(folder_)).removeRecursively();
    EXPECT_FALSE(translator.SaveLanguage("tr"));
}

}  // namespace

namespace {

// The shipped Turkish file must come back byte for byte when the program saves it, so that
// editing one translation does not rewrite the rest.
TEST(ShippedLanguages, TurkishFileIsInTheSavedLayout) {
    const std::string path = std::string(QBY_SOURCE_DIR) + "/app/Languages/tr.json";
    const TTranslationMap translations = ReadLanguageFile(path);
    EXPECT_GT(translations.size(), 50u);
    EXPECT_EQ(translations.at("Start"), "Ba\xC5\x9Flat");
    EXPECT_EQ(FormatLanguageFile(translations), ReadFileBytes(path));
}

}  // namespace
