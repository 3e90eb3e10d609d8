#include <QApplication>

#include <gmock/gmock.h>

int main(int argc, char** argv) {
    // Windows are real but never reach a screen, so the tests run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
