#pragma once
// The whole window set in its globals, as a start creates it, with the main window shown, a
// translator on a copy of the program's own Turkish file, and the dialogs answered by script.

#include "app/LanguageFile.h"
#include "app/StartUp.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <memory>

class TWindowSetFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The caption as the Turkish file gives it; unchanged where it knows none.
    QString InTurkish(const QString& english) const;

    TScriptedDialogs dialogs_;
    TTranslationMap turkish_;

private:
    std::unique_ptr<TWindowSet> windows_;
};
