#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

// Runs the tests on Qt's offscreen platform with the screens `screensJson`
// describes (its "screens" configuration file), and the settings and home in
// a temporary folder, never the user's. For a test program's main().
inline int RunOnOffscreenScreens(int argc, char* argv[], const QByteArray& screensJson) {
    QTemporaryDir folder;
    if (!folder.isValid()) return 2;
    QFile screens(folder.filePath(QStringLiteral("screens.json")));
    if (!screens.open(QIODevice::WriteOnly) || screens.write(screensJson) != screensJson.size()) return 2;
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    qputenv("HOME", folder.path().toLocal8Bit());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
