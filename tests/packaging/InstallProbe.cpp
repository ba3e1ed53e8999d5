// The game started as a player starts it, printing what the desktop and the
// Help command will see from where this program lies, then ending:
//   desktop=<the desktop file name the game announces>
//   class=<the application name, which Qt's X11 window class is made of>
//   version=<the version the program gives itself>
//   help=<the help manual the Help command opens, or nothing>
//   sound=<1 when the sound module loads from where the game looks, else 0>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <QTimer>

#include "platform/qt/sound/LazySoundOutput.h"
#include "shell/GameMain.h"
#include "shell/HelpFile.h"
#include "tests/TestAccess.h"

int main(int argc, char* argv[]) {
    return RunGame(argc, argv, [](CQuelmApp&) {
        QTextStream out(stdout);
        out << "desktop=" << QGuiApplication::desktopFileName() << '\n'
            << "class=" << QCoreApplication::applicationName() << '\n'
            << "version=" << QCoreApplication::applicationVersion() << '\n'
            << "help=" << FindHelpFile() << '\n';
        platform::qt::LazySoundOutput sound(SoundModuleFolders());
        sound.Preload();
        out << "sound=" << (TestAccess::Loaded(sound) ? 1 : 0) << '\n';
        out.flush();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
}
