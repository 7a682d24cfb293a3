#include <QApplication>

#include "app/main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    discada::MainWindow window;
    window.show();
    // Closing the window ends the loop with 0.
    return application.exec();
}
