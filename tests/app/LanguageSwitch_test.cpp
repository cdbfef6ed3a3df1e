// The language switch on the whole window set, with the program's own Turkish file: every
// caption the walkers reach turns Turkish where the file knows it and comes back exactly.

#include "tests/app/WindowSetFixture.h"

#include "app/About.h"
#include "app/Translator.h"
#include "app/UMsg.h"
#include "app/uTheme.h"
#include "devices/uNTRIPSettings.h"
#include "navigation/RealtimeData.h"
#include "navigation/uCanvas.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "tools/Bathymetry.h"
#include "tools/UGPS.h"
#include "tools/URunlines.h"
#include "tools/UShape.h"
#include "tools/USoundVelocity.h"
#include "tools/unavset.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <map>

namespace {

// A caption by its holder and, for tab pages, the page's index (-1 for the holder's own).
using TCaptions = std::map<std::pair<const QObject*, int>, QString>;

bool InStatusBar(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        if (qobject_cast<const QStatusBar*>(widget)) return true;
    }
    return false;
}

void CollectChild(QObject* child, TCaptions& captions) {
    if (auto* label = qobject_cast<QLabel*>(child)) {
        if (!InStatusBar(label)) captions[{child, -1}] = label->text();
    } else if (qobject_cast<QPushButton*>(child) || qobject_cast<QCheckBox*>(child) ||
               qobject_cast<QRadioButton*>(child)) {
        captions[{child, -1}] = static_cast<QAbstractButton*>(child)->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(child)) {
        captions[{child, -1}] = group->title();
    } else if (auto* tabs = qobject_cast<QTabWidget*>(child)) {
        for (int i = 0; i < tabs->count(); ++i) captions[{child, i}] = tabs->tabText(i);
    } else if (auto* action = qobject_cast<QAction*>(child)) {
        if (!action->isSeparator() && qobject_cast<QMenu*>(action->parent())) {
            captions[{child, -1}] = action->text();
        }
    }
}

// What the walkers reach: the windows' titles and captions, the menus (inside the main window)
// and the main window's tool buttons.
TCaptions Captions() {
    TCaptions captions;
    for (QWidget* window : std::initializer_list<QWidget*>{
             FNav, fRealtime, Navset, Offsets, FShape, fSVP, formAbout, FMsg, FGPS,
             frmNTRIPSettings, fRunline1, fWaterfal, fTheme}) {
        captions[{window, -1}] = window->windowTitle();
        for (QObject* child : window->findChildren<QObject*>()) CollectChild(child, captions);
    }
    for (QToolButton* button :
         {FNav->bRealtime, FNav->bSelectTracks, FNav->bDelSelected, FNav->bFollowVessel,
          FNav->ToolButton13, FNav->ConnectIcon, FNav->ToolButton11, FNav->btEventAdd,
          FNav->btEventReset, FNav->Zoomin, FNav->Zoomout, FNav->bOpen, FNav->bSave,
          FNav->tbRunline}) {
        captions[{button, -1}] = button->text();
    }
    return captions;
}

void ExpectSameCaptions(const TCaptions& now, const TCaptions& before) {
    ASSERT_EQ(now.size(), before.size());
    for (const auto& [holder, text] : before) {
        EXPECT_EQ(now.at(holder).toStdString(), text.toStdString())
            << holder.first->objectName().toStdString();
    }
}

class LanguageSwitchTest : public TWindowSetFixture {
protected:
    std::string StoredLanguage() {
        return TIniFile(GetSettingsFilePath()).ReadString("SETTINGS", "Language", "none");
    }
};

TEST_F(LanguageSwitchTest, TurkishAndBackGivesEveryCaptionAgain) {
    const TCaptions english = Captions();
    FNav->Turkish1Click();
    EXPECT_EQ(FNav->StatusPanels[4]->text(), "TR");
    EXPECT_EQ(StoredLanguage(), "tr");
    const TCaptions turkish = Captions();
    int translated = 0;
    for (const auto& [holder, text] : english) {
        SCOPED_TRACE(holder.first->objectName().toStdString() + " \"" + text.toStdString() + "\"");
        EXPECT_EQ(turkish.at(holder), InTurkish(text));
        translated += turkish.at(holder) != text;
    }
    EXPECT_GT(translated, 40) << "menus, tool buttons and window captions";

    FNav->English1Click();
    EXPECT_EQ(FNav->StatusPanels[4]->text(), "EN");
    EXPECT_EQ(StoredLanguage(), "en");
    ExpectSameCaptions(Captions(), english);
}

TEST_F(LanguageSwitchTest, TheCurrentLanguageAgainStillWalksAndStores) {
    FNav->Turkish1Click();
    FNav->Exit1->setText("Exit");
    TIniFile(GetSettingsFilePath()).WriteString("SETTINGS", "Language", "en");
    FNav->Turkish1Click();
    EXPECT_EQ(FNav->Exit1->text(), QString::fromUtf8("Çıkış"));
    EXPECT_EQ(StoredLanguage(), "tr");

    const TCaptions turkish = Captions();
    FNav->StatusBarDblClick();
    EXPECT_EQ(StoredLanguage(), "en");
    EXPECT_EQ(FNav->Exit1->text(), "Exit");
    FNav->StatusBarDblClick();
    EXPECT_EQ(StoredLanguage(), "tr");
    ExpectSameCaptions(Captions(), turkish);
}

// Two keys with one translation would map back to one key only, so a caption would come back
// as another's.
TEST(ShippedTurkishFile, EveryTranslationIsOfOneKeyOnly) {
    std::map<std::string, std::string> keyOf;
    for (const auto& [key, text] : ReadLanguageFile(QBY_SOURCE_DIR "/app/Languages/tr.json")) {
        const auto [known, added] = keyOf.emplace(text, key);
        EXPECT_TRUE(added) << "\"" << key << "\" and \"" << known->second << "\" share \"" << text
                           << "\"";
    }
    EXPECT_GT(keyOf.size(), 50u);
}

}  // namespace
