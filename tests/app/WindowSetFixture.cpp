#include "tests/app/WindowSetFixture.h"

#include "app/Translator.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <QFile>

void TWindowSetFixture::SetUp() {
    InitDayFolderGlobals();
    const std::string folder = FreshTestPath("program-languages") + "/";
    QDir().mkpath(QString::fromStdString(folder));
    ASSERT_TRUE(QFile::copy(QBY_SOURCE_DIR "/app/Languages/tr.json",
                            QString::fromStdString(folder + "tr.json")));
    turkish_ = ReadLanguageFile(folder + "tr.json");
    Translator = std::make_unique<TTranslator>(folder);
    windows_ = std::make_unique<TWindowSet>();
    CreateWindowSet(*windows_);
    FNav->show();
}

void TWindowSetFixture::TearDown() {
    windows_.reset();
    Translator.reset();
}

QString TWindowSetFixture::InTurkish(const QString& english) const {
    const auto found = turkish_.find(english.toStdString());
    return found == turkish_.end() || found->second.empty() ? english
                                                            : QString::fromStdString(found->second);
}
