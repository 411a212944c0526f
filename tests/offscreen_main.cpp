// The main of every window test: a QApplication on the offscreen platform
// unless another is asked for. CTest lists the tests at build time, where
// there is no display.
#include <QApplication>
#include <gtest/gtest.h>

#include "ui/application.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    sredna::SetUpApplication(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
