#include "app/TranslateCaptions.h"

#include "app/Translator.h"
#include "platform/TextFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

class TranslateCaptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string folder = TestTempFolder() + "walker-languages/";
        QDir().mkpath(QString::fromStdString(folder));
        ASSERT_TRUE(WriteFileAtomically(
            folder + "tr.json",
            "{\"Settings\": \"Ayarlar\", \"Port\": \"Kap\xC4\xB1\", \"Logging\": \"Kay\xC4\xB1t\","
            " \"File\": \"Dosya\", \"Save\": \"Kaydet\"}"));
        Translator = std::make_unique<TTranslator>(folder);
    }
    void TearDown() override { Translator.reset(); }
};

TEST_F(TranslateCaptionsTest, FormCaptionsGoBackAndForth) {
    QWidget form;
    form.setWindowTitle("Settings");
    auto* layout = new QVBoxLayout(&form);
    auto* label = new QLabel("Port");
    auto* box = new QCheckBox("Logging");
    auto* edit = new QLineEdit("Port");
    auto* tool = new QToolButton;
    tool->setText("Save");
    for (QWidget* w : std::initializer_list<QWidget*>{label, box, edit, tool}) layout->addWidget(w);

    Translator->SetLanguage("tr");
    TranslateForm(&form);
    EXPECT_EQ(form.windowTitle(), "Ayarlar");
    EXPECT_EQ(label->text(), QString::fromUtf8("Kap\xC4\xB1"));
    EXPECT_EQ(box->text(), QString::fromUtf8("Kay\xC4\xB1t"));
    EXPECT_EQ(edit->text(), "Port") << "an edit's text is data, not a caption";
    EXPECT_EQ(tool->text(), "Save") << "tool buttons are set by their window";
    TranslateForm(&form);
    EXPECT_EQ(label->text(), QString::fromUtf8("Kap\xC4\xB1")) << "a second walk changes nothing";

    Translator->SetLanguage("en");
    TranslateForm(&form);
    EXPECT_EQ(form.windowTitle(), "Settings");
    EXPECT_EQ(box->text(), "Logging");
}

TEST_F(TranslateCaptionsTest, StatusPanelsAndToolBarTogglesAreNoCaptions) {
    QMainWindow window;
    window.menuBar()->addMenu("File")->addAction("Save");
    window.addToolBar("tDraw")->setObjectName("tDraw");
    window.statusBar()->addWidget(new QLabel("TR"));
    Translator->SetLanguage("tr");
    TranslateForm(&window);
    const std::string missing = ReadFileBytes(Translator->folder() + "missing.log");
    EXPECT_EQ(missing.find("tDraw"), std::string::npos);
    EXPECT_EQ(missing.find("TR"), std::string::npos);
    EXPECT_EQ(window.menuBar()->actions()[0]->menu()->actions()[0]->text(), "Kaydet");
}

TEST_F(TranslateCaptionsTest, MenuItemsRecursively) {
    QMenu file("File");
    QAction* save = file.addAction("Save");
    Translator->SetLanguage("tr");
    TranslateMenuItem(file.menuAction());
    EXPECT_EQ(file.title(), "Dosya");
    EXPECT_EQ(save->text(), "Kaydet");
}

}  // namespace
