#include "tests/tools/MainWindowFixture.h"

#include "app/Translator.h"
#include "platform/DataFolders.h"
#include "tests/support/TestEnvironment.h"

void TMainWindowFixture::SetUp() {
    InitDayFolderGlobals();
    Translator = std::make_unique<TTranslator>(TestTempFolder() + "languages/");
    main_ = std::make_unique<TFNav>();
    main_->show();
    FNav = main_.get();
}

void TMainWindowFixture::TearDown() {
    FNav = nullptr;
    main_.reset();
    Translator.reset();
}
