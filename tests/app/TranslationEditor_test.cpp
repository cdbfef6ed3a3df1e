// The translation editor, offscreen, on a language folder with tr.json and de.json while
// Turkish is current; its questions are answered by script.

#include "app/TranslationEditor.h"

#include "platform/TextFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

namespace {

const char kTurkish[] =
    "{\"Reload\": \"Yenile\", \"Save\": \"Kaydet\", \"Zoom In\": \"Yak\xC4\xB1n\"}";
const char kGerman[] = "{\"Reload\": \"Neu laden\", \"Only German\": \"Nur deutsch\"}";

class TranslationEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = FreshTestPath("editor-languages") + "/";
        QDir().mkpath(QString::fromStdString(folder_));
        ASSERT_TRUE(WriteFileAtomically(folder_ + "tr.json", kTurkish));
        ASSERT_TRUE(WriteFileAtomically(folder_ + "de.json", kGerman));
        Translator = std::make_unique<TTranslator>(folder_);
        Translator->SetLanguage("tr");
        editor_ = std::make_unique<TfTranslationEditor>();
        editor_->show();
    }
    void TearDown() override {
        editor_.reset();
        Translator.reset();
    }

    TfTranslationEditor& Editor() { return *editor_; }
    std::string File(const char* code) { return ReadFileBytes(folder_ + code + ".json"); }
    QString Cell(int row, int column) { return Editor().sgTranslations->item(row, column)->text(); }
    void Edit(int row, int column, const QString& text) {
        Editor().sgTranslations->item(row, column)->setText(text);
    }
    void Choose(const char* code) {
        Editor().cbLanguage->setCurrentIndex(Editor().cbLanguage->findText(code));
    }
    QString Status() { return Editor().LabelStatus->text(); }
    QString Header() { return Editor().sgTranslations->horizontalHeaderItem(2)->text(); }

    std::string folder_;
    TScriptedDialogs dialogs_;
    std::unique_ptr<TfTranslationEditor> editor_;
};

TEST_F(TranslationEditorTest, RowsAreTheTurkishKeysInTheChosenLanguage) {
    EXPECT_EQ(Editor().cbLanguage->currentText(), "tr");
    ASSERT_EQ(Editor().sgTranslations->rowCount(), 3);
    EXPECT_EQ(Cell(0, 0), "Reload");
    EXPECT_EQ(Cell(0, 1), "Reload");
    EXPECT_EQ(Cell(0, 2), "Yenile");
    EXPECT_EQ(Cell(2, 2), QString::fromUtf8("Yak\xC4\xB1n"));
    EXPECT_EQ(Header(), "tr");
    EXPECT_FALSE(Editor().sgTranslations->item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(Editor().IsModified) << "filling is no edit";

    Choose("de");
    EXPECT_TRUE(dialogs_.messages.empty()) << "nothing to ask about";
    EXPECT_EQ(Header(), "de");
    EXPECT_EQ(Cell(0, 2), "Neu laden");
    EXPECT_EQ(Cell(1, 2), "Save") << "no German text: the key";
    EXPECT_EQ(Editor().sgTranslations->rowCount(), 3) << "the keys are Turkish ones";

    const std::string empty = FreshTestPath("no-languages") + "/";
    TTranslator none(empty);
    const std::vector<TTranslationRow> rows = TranslationRows(none, "tr");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_TRUE(rows[0].key.isEmpty() && rows[0].translation.isEmpty());
}

TEST_F(TranslationEditorTest, AddedKeysAreTrimmedUniqueAndStoredEmptyOnSave) {
    Editor().edNewKey->setText("  New  ");
    Editor().btAddKey->click();
    ASSERT_EQ(Editor().sgTranslations->rowCount(), 4);
    EXPECT_EQ(Cell(3, 0), "New");
    EXPECT_EQ(Cell(3, 1), "New");
    EXPECT_EQ(Cell(3, 2), "");
    EXPECT_EQ(Editor().edNewKey->text(), "");
    EXPECT_EQ(Status(), "Key added - don't forget to save");
    EXPECT_TRUE(Editor().IsModified);
    EXPECT_EQ(File("tr").find("New"), std::string::npos) << "only in the grid until saved";

    Editor().edNewKey->setText("New");
    Editor().btAddKey->click();
    EXPECT_EQ(Status(), "Key already exists");
    EXPECT_EQ(Editor().sgTranslations->rowCount(), 4);
    Editor().edNewKey->setText("   ");
    Editor().btAddKey->click();
    EXPECT_EQ(Editor().sgTranslations->rowCount(), 4);

    Editor().btSave->click();
    EXPECT_EQ(Status(), "Saved!");
    EXPECT_FALSE(Editor().IsModified);
    EXPECT_EQ(TTranslator(folder_).Lookup("tr", "New"), "") << "present, and empty";
}

TEST_F(TranslationEditorTest, EditsAreSavedUnderTheLanguageOfTheGrid) {
    Edit(0, 2, "Yeniden");
    EXPECT_TRUE(Editor().IsModified);
    EXPECT_EQ(Status(), "Modified");
    const std::string german = File("de");
    dialogs_.answers = {TModalResult::Yes};
    Choose("de");
    EXPECT_EQ(dialogs_.messages, std::vector<QString>{"Do you want to save changes?"});
    EXPECT_NE(File("tr").find("\"Reload\": \"Yeniden\""), std::string::npos);
    EXPECT_EQ(File("de"), german) << "the Turkish edit is no German text";
    EXPECT_EQ(Cell(0, 2), "Neu laden");
    EXPECT_FALSE(Editor().IsModified);

    Edit(0, 2, "Wieder laden");
    dialogs_.answers = {TModalResult::Cancel};
    Choose("tr");
    EXPECT_EQ(Editor().cbLanguage->currentText(), "de") << "the grid's language is back";
    EXPECT_EQ(Editor().GridLanguage(), "de");
    EXPECT_EQ(Cell(0, 2), "Wieder laden");
    EXPECT_TRUE(Editor().IsModified);
    EXPECT_EQ(Status(), "Modified");
    EXPECT_EQ(dialogs_.messages.size(), 2u) << "asked once, not again for the way back";

    dialogs_.answers = {TModalResult::No};
    Choose("tr");
    EXPECT_EQ(File("de"), german) << "No drops the edit";
    EXPECT_EQ(Header(), "tr");
    EXPECT_EQ(Cell(0, 2), "Yeniden");
}

TEST_F(TranslationEditorTest, AnotherLanguageIsStoredInItsOwnFileOnly) {
    const std::string turkish = File("tr");
    Choose("de");
    Edit(1, 2, "Speichern");
    Editor().btSave->click();
    EXPECT_EQ(Status(), "Saved!");
    const TTranslationMap german = ReadLanguageFile(folder_ + "de.json");
    EXPECT_EQ(german.at("Save"), "Speichern");
    EXPECT_EQ(german.at("Only German"), "Nur deutsch") << "the file's other texts stay";
    EXPECT_EQ(File("tr"), turkish) << "not a byte changed";
    EXPECT_EQ(Translator->currentLanguage(), "tr");
    EXPECT_EQ(Translator->Translate("Save"), "Kaydet");
}

TEST_F(TranslationEditorTest, EnglishAndUnwritableFilesAreNeverSaved) {
    Choose("en");
    Edit(0, 2, "Load again");
    Editor().btSave->click();
    EXPECT_EQ(Status(), "Not saved: English texts are the keys");
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(folder_ + "en.json")));
    EXPECT_TRUE(Editor().IsModified);

    dialogs_.answers = {TModalResult::No};
    Choose("tr");
    Edit(0, 1, "Reload twice");
    EXPECT_TRUE(Editor().IsModified) << "the English column counts as an edit";
    Editor().btSave->click();
    EXPECT_EQ(File("tr").find("twice"), std::string::npos) << "but is never stored";

    // tr.json replaced by a folder: no rename can replace it.
    const std::string turkish = folder_ + "tr.json";
    ASSERT_TRUE(QFile::remove(QString::fromStdString(turkish)));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(turkish)));
    Edit(0, 2, "Yeniden");
    Editor().btSave->click();
    EXPECT_EQ(Status(), "Not saved: " + QString::fromStdString(turkish));
    EXPECT_TRUE(Editor().IsModified);
    dialogs_.answers = {TModalResult::Yes};
    Choose("de");
    EXPECT_EQ(Editor().GridLanguage(), "tr") << "a failed save keeps the edits";
    EXPECT_EQ(Editor().cbLanguage->currentText(), "tr");
    EXPECT_EQ(Cell(0, 2), "Yeniden");
}

TEST_F(TranslationEditorTest, ReloadAndShowStartClean) {
    Edit(0, 2, "Yeniden");
    ASSERT_TRUE(WriteFileAtomically(folder_ + "fr.json", "{\"Reload\": \"Recharger\"}"));
    Editor().btReload->click();
    EXPECT_EQ(Status(), "Reloaded");
    EXPECT_FALSE(Editor().IsModified);
    EXPECT_EQ(Cell(0, 2), "Yenile");
    EXPECT_NE(Editor().cbLanguage->findText("fr"), -1);
    EXPECT_TRUE(dialogs_.messages.empty()) << "filling the list asks nothing";

    Editor().hide();
    Translator->SetLanguage("de");
    Editor().show();
    EXPECT_EQ(Editor().cbLanguage->currentText(), "de");
    EXPECT_EQ(Cell(0, 2), "Neu laden");
}

}  // namespace
