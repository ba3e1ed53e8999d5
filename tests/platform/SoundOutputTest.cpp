// The sound output never reports anything: no device, no such sound and
// quick repeats are all silent, and the caller goes on at once. Every test
// here runs without a sound server, whatever the machine has: the address
// below leads nowhere. The real server is in AudioPlaybackTest.cpp.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>

#include "StderrCapture.h"
#include "platform/qt/LazySoundOutput.h"
#include "platform/qt/SoundOutput.h"

namespace {

// Before main, so before Qt's audio engine first connects.
const bool g_noServer = qputenv("PULSE_SERVER", "unix:/nonexistent/glimbles/pulse/native");

QStringList g_messages;

void Record(QtMsgType, const QMessageLogContext&, const QString& message) { g_messages << message; }

TEST(SoundOutput, PlaysKnownAndUnknownNamesWithoutAWord) {
    ASSERT_TRUE(g_noServer);
    g_messages.clear();
    pulse_rig::StderrCapture written;
    const QtMessageHandler previous = qInstallMessageHandler(&Record);
    {
        platform::qt::SoundOutput sound;
        sound.Preload("MOVE");
        for (const char* name : {"MOVE", "MOVE", "SELECT", "NO SUCH SOUND", "", "BEST", "WIN", "../sounds/MOVE"}) {
            sound.PlayWave(name);
            QCoreApplication::processEvents();
        }
    }  // the sound output is gone only once every play was handled
    QCoreApplication::processEvents();
    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_messages.isEmpty()) << g_messages.join('\n').toStdString();
    EXPECT_EQ(written.Release(), "");
}

}  // namespace

namespace {

TEST(LazySoundOutput, LoadsTheModuleOnFirstUseAndStaysQuietWithout) {
    g_messages.clear();
    pulse_rig::StderrCapture written;
    const QtMessageHandler previous = qInstallMessageHandler(&Record);
    {
        platform::qt::LazySoundOutput missing({QStringLiteral("/nonexistent"), QString()});
        missing.PlayWave("MOVE");
        missing.Preload();
        EXPECT_FALSE(missing.Loaded());

        platform::qt::LazySoundOutput found({QStringLiteral("/nonexistent"), QStringLiteral(GLIMBLES_SOUND_MODULE_DIR)});
        EXPECT_FALSE(found.Loaded()) << "nothing is loaded before it is needed";
        found.Preload();
        EXPECT_TRUE(found.Loaded());
        found.PlayWave("SELECT");
        found.PlayWave("NO SUCH SOUND");
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_messages.isEmpty()) << g_messages.join('\n').toStdString();
    EXPECT_EQ(written.Release(), "");
}

}  // namespace
