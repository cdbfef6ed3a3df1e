#include "app/ModalWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

TEST(ModalWindow, BlocksOtherWindowsUntilItHidesThenKeepsItsModality) {
    QWidget owner;
    owner.show();
    QWidget window;
    Qt::WindowModality whileShown = Qt::NonModal;
    QWidget* activeModal = nullptr;
    QTimer::singleShot(0, &window, [&] {
        whileShown = window.windowModality();
        activeModal = QApplication::activeModalWidget();
        window.close();
    });
    ShowModal(&window, &owner);
    EXPECT_EQ(whileShown, Qt::ApplicationModal);
    EXPECT_EQ(activeModal, &window);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.windowModality(), Qt::NonModal) << "a later normal show is not modal";
}

}  // namespace
