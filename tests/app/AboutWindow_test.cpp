// The About window, shown modally by the main window's Help menu, offscreen.

#include "tests/app/WindowSetFixture.h"

#include "app/About.h"
#include "navigation/unavigation.h"

#include <QTimer>

namespace {

using AboutWindowTest = TWindowSetFixture;

TEST_F(AboutWindowTest, ShowsNameAndVersionModallyUntilOk) {
    ASSERT_TRUE(FNav->About1->isEnabled());
    bool modal = false;
    QTimer::singleShot(0, [&modal] {
        modal = formAbout->isVisible() && formAbout->isModal();
        formAbout->BitBtn2->click();
    });
    FNav->About1->trigger();
    EXPECT_TRUE(modal);
    EXPECT_FALSE(formAbout->isVisible());
    EXPECT_EQ(formAbout->result(), QDialog::Accepted);
    EXPECT_EQ(formAbout->SoftName->text(), "Quellbay");
    EXPECT_EQ(formAbout->Version->text(), "Version 6.8.10");
    EXPECT_EQ(formAbout->size(), QSize(340, 375));
    EXPECT_EQ(formAbout->windowTitle(), "About Quellbay");
    EXPECT_FALSE(formAbout->windowFlags().testFlag(Qt::WindowCloseButtonHint));

    FNav->Turkish1Click();
    EXPECT_EQ(formAbout->windowTitle(), QString::fromUtf8("Quellbay Hakkında"));
}

}  // namespace
