#pragma once
// A main window in the global FNav, as the tool windows find it when the program runs, with a
// translator of its own in the test's folder. The window is shown, so its standard map layers
// exist.

#include "navigation/unavigation.h"

#include <gtest/gtest.h>

#include <memory>

class TMainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TFNav& Main() { return *main_; }
    TOrvaltCanvas& Map() { return *main_->fcad; }

private:
    std::unique_ptr<TFNav> main_;
};
