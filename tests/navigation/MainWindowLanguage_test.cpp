// The main window's languages and on-screen keys, offscreen: the keys act by what they are
// whatever their translated captions say, the panels' places and targets, the offsets window's
// edits as targets, and the language menu's settings report.

#include "app/OrvaltNumericKeypad.h"
#include "app/OrvaltSimpleKeyboard.h"
#include "app/TranslationEditor.h"
#include "app/Translator.h"
#include "navigation/KeyPanelPlacement.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "tests/support/GlobalWindow.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"
#include "tests/tools/MainWindowFixture.h"
#include "tools/Bathymetry.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace {

// Turkish words for the special keys, as a surveyor could enter them in the editor.
const char kKeyWords[] =
    "{\"Back\": \"Geri\", \"Enter\": \"Giri\xC5\x9F\", \"Shift\": \"B\xC3\xBCy\xC3\xBCk\","
    " \"Space\": \"Bo\xC5\x9Fluk\"}";

class MainWindowLanguageTest : public TMainWindowFixture {
protected:
    void SetUp() override {
        TMainWindowFixture::SetUp();
        const std::string folder = FreshTestPath("key-languages") + "/";
        QDir().mkpath(QString::fromStdString(folder));
        ASSERT_TRUE(WriteFileAtomically(folder + "tr.json", kKeyWords));
        Translator = std::make_unique<TTranslator>(folder);
    }

    TOrvaltNumericKeypad& Keypad() { return *Main().FNumericKeypad; }
    TOrvaltSimpleKeyboard& Keyboard() { return *Main().FSimpleKeyboard; }

    TScriptedDialogs dialogs;
};

TEST_F(MainWindowLanguageTest, TranslatedKeysStillActByWhatTheyAre) {
    QLineEdit number, name;
    Main().ShowNumericKeypad(&number);
    Main().Turkish1Click();
    Main().ShowSimpleKeyboard(&name);  // made in Turkish: shows Turkish at once
    EXPECT_EQ(Keypad().Keys[TOrvaltNumericKeypad::kEnterTag]->text(), QString::fromUtf8("Giriş"));
    EXPECT_EQ(Keypad().Keys[TOrvaltNumericKeypad::kBackTag]->text(), "Geri");
    EXPECT_EQ(Keyboard().SpaceKey->text(), QString::fromUtf8("Boşluk"));
    EXPECT_EQ(Keyboard().ShiftKey->text(), QString::fromUtf8("Büyük"));

    for (int tag : {6, 7, TOrvaltNumericKeypad::kBackTag, 8, TOrvaltNumericKeypad::kEnterTag}) {
        QTest::mouseClick(Keypad().Keys[tag], Qt::LeftButton);
    }
    EXPECT_EQ(number.text(), "13");
    EXPECT_TRUE(Keypad().isHidden());

    for (QPushButton* key : {Keyboard().Keys[10], Keyboard().SpaceKey, Keyboard().ShiftKey,
                             Keyboard().Keys[11], Keyboard().BackKey, Keyboard().Keys[12]}) {
        QTest::mouseClick(key, Qt::LeftButton);
    }
    EXPECT_EQ(name.text(), "Q e") << "Q, a blank, W taken back, then e after Shift";
    QTest::mouseClick(Keyboard().EnterKey, Qt::LeftButton);
    EXPECT_TRUE(Keyboard().isHidden());
}

struct TPlaceCase {
    QSize client;
    QPoint keypad;
    QPoint keyboard;
};

TEST(KeyPanelPlacement, BottomRightAndCentredFromTheClientSize) {
    const TPlaceCase cases[] = {{{1024, 700}, {844, 490}, {302, 490}},
                                {{300, 700}, {120, 490}, {-60, 490}},
                                {{421, 250}, {241, 40}, {0, 40}},
                                {{419, 250}, {239, 40}, {0, 40}},
                                {{417, 250}, {237, 40}, {-1, 40}}};
    for (const TPlaceCase& row : cases) {
        SCOPED_TRACE(row.client.width());
        EXPECT_EQ(NumericKeypadPlace(row.client, {170, 200}), row.keypad);
        EXPECT_EQ(SimpleKeyboardPlace(row.client, {420, 200}), row.keyboard);
    }
}

TEST_F(MainWindowLanguageTest, PanelsAreMadeOnceThenMovedAndRetargeted) {
    Main().resize(1024, 700);
    QLineEdit first, second;
    Main().ShowNumericKeypad(&first);
    TOrvaltNumericKeypad* keypad = Main().FNumericKeypad;
    ASSERT_NE(keypad, nullptr);
    EXPECT_EQ(keypad->parentWidget(), &Main());
    EXPECT_EQ(keypad->pos(), QPoint(844, 490));
    EXPECT_EQ(keypad->Target, &first);

    Main().resize(900, 600);
    Main().ShowNumericKeypad(&second);
    EXPECT_EQ(Main().FNumericKeypad, keypad) << "the same panel";
    EXPECT_EQ(keypad->pos(), QPoint(720, 390));
    EXPECT_EQ(keypad->Target, &second);

    Main().ShowSimpleKeyboard(&first);
    EXPECT_EQ(Main().FSimpleKeyboard->pos(), QPoint(240, 390));
    EXPECT_TRUE(keypad->isVisible() && Main().FSimpleKeyboard->isVisible()) << "both at once";
    const QList<QWidget*> children = Main().findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_GT(children.indexOf(Main().FSimpleKeyboard), children.indexOf(Main().centralWidget()));
    EXPECT_EQ(children.back(), Main().FSimpleKeyboard) << "raised above map and bars";
}

TEST_F(MainWindowLanguageTest, OffsetsEditsKeepTheirFocusWhileTheKeysType) {
    TGlobalWindow<TOffsets> offsets(Offsets);
    offsets->show();
    QApplication::setActiveWindow(&*offsets);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&*offsets));
    offsets->OffsetA->setText("0.50");  // an empty OffsetA fails its own exit check
    offsets->OffsetB->clear();
    QTest::mouseClick(offsets->OffsetA, Qt::LeftButton);
    QTest::mouseClick(offsets->OffsetB, Qt::LeftButton);
    ASSERT_NE(Main().FNumericKeypad, nullptr);
    EXPECT_EQ(Keypad().Target, offsets->OffsetB);
    for (int tag : {6, 10, TOrvaltNumericKeypad::kBackTag, 8}) {
        QTest::mouseClick(Keypad().Keys[tag], Qt::LeftButton);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(offsets->OffsetB->text(), "13");
    EXPECT_EQ(offsets->focusWidget(), offsets->OffsetB);
    EXPECT_TRUE(dialogs.messages.empty()) << "no conversion message on the way";

    QTest::mouseClick(offsets->Surveyor, Qt::LeftButton);
    ASSERT_NE(Main().FSimpleKeyboard, nullptr);
    EXPECT_EQ(Keyboard().Target, offsets->Surveyor);
}

TEST_F(MainWindowLanguageTest, MenuItemsSwitchAndAFailedStoreIsReported) {
    for (QAction* item : {Main().English1, Main().Turkish1, Main().TranslationEditor1}) {
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    }
    Main().Turkish1->trigger();
    EXPECT_EQ(Translator->currentLanguage(), "tr");
    EXPECT_EQ(Main().StatusPanels[4]->text(), "TR");

    // The settings file replaced by a folder: no rename can replace it.
    const std::string file = GetSettingsFilePath();
    QFile::remove(QString::fromStdString(file));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(file)));
    Main().English1->trigger();
    EXPECT_EQ(Main().StatusPanels[4]->text(), "EN") << "the switch happens all the same";
    EXPECT_EQ(dialogs.messages, std::vector<QString>{"The settings could not be saved to \"" +
                                                     QString::fromStdString(file) + "\"."});
    QDir().rmdir(QString::fromStdString(file));
}

TEST_F(MainWindowLanguageTest, TheEditorIsMadeOnceAndShownBesideTheMap) {
    Main().TranslationEditor1->trigger();
    ASSERT_NE(fTranslationEditor, nullptr);
    TfTranslationEditor* editor = fTranslationEditor;
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(editor->isModal());
    editor->hide();
    Main().TranslationEditor1->trigger();
    EXPECT_EQ(fTranslationEditor, editor);
    EXPECT_TRUE(editor->isVisible());
}

}  // namespace
