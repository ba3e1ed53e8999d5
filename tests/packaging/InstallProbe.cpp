// The game started as a player starts it, printing what the desktop and the
// Help command will see from where this program lies, then ending:
//   desktop=<the desktop file name the game announces>
//   class=<the application name, which Qt's X11 window class is made of>
//   help=<the help manual the Help command opens, or nothing>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <QTimer>

#include "shell/GameMain.h"
#include "shell/HelpFile.h"

int main(int argc, char* argv[]) {
    return RunGame(argc, argv, [](CQuelmApp&) {
        QTextStream out(stdout);
        out << "desktop=" << QGuiApplication::desktopFileName() << '\n'
            << "class=" << QCoreApplication::applicationName() << '\n'
            << "help=" << FindHelpFile() << '\n';
        out.flush();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
}
