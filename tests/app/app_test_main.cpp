#include <gtest/gtest.h>

#include <QApplication>

#include "app/dialog_translation.h"

// The window tests need one application object, with the dialog texts the program has; they run
// on the offscreen platform unless the environment names another.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    discada::installDialogTranslation(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
