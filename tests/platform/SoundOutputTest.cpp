// The sound output never reports anything: no device, no such sound and
// quick repeats are all silent, and the caller goes on at once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>

#include "platform/qt/LazySoundOutput.h"
#include "platform/qt/SoundOutput.h"

namespace {

QStringList g_messages;

void Record(QtMsgType, const QMessageLogContext&, const QString& message) { g_messages << message; }

TEST(SoundOutput, PlaysKnownAndUnknownNamesWithoutAWord) {
    g_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(&Record);
    {
        platform::qt::SoundOutput sound;
        for (const char* name : {"MOVE", "MOVE", "SELECT", "NO SUCH SOUND", "", "BEST", "WIN"}) {
            sound.PlayWave(name);
            QCoreApplication::processEvents();
        }
    }
    QCoreApplication::processEvents();
    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_messages.isEmpty()) << g_messages.join('\n').toStdString();
}

}  // namespace

namespace {

TEST(LazySoundOutput, LoadsTheModuleOnFirstUseAndStaysQuietWithout) {
    g_messages.clear();
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
}

}  // namespace
