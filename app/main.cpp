#include "platform/DataFolders.h"

#include <QApplication>
#include <QMainWindow>
#include <clocale>

int main(int argc, char** argv) {
    InitDayFolderGlobals();
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QMainWindow window;
    window.setWindowTitle("Quellbay");
    window.resize(1024, 768);
    window.show();
    return application.exec();
}
