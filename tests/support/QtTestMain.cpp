// Entry point of the Qt test programs: one QApplication for all GoogleTest cases.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Tests never need a screen; the end-to-end suite sets its own platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The operator's preferences and files of whoever runs the tests stay out of them, and untouched.
    QTemporaryDir configuratie, gegevens;
    qputenv("XDG_CONFIG_HOME", configuratie.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", gegevens.path().toLocal8Bit());
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
