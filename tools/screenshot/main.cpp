// Renders the README's screenshots: the game's main window on Qt's offscreen
// platform, each with a seeded board at play, written as PNG files.
//   glimbles-screenshot [output-folder]   (default: docs/screenshots)
#include <QApplication>
#include <QDir>
#include <QTextStream>

#include "tools/screenshot/Scene.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QTextStream err(stderr);
    if (!QDir().mkpath(folder)) {
        err << "cannot make " << folder << '\n';
        return 1;
    }
    for (const Shot& shot : kShots) {
        const QString path = folder + QLatin1Char('/') + QLatin1String(shot.file);
        const Rendered rendered = RenderShot(shot);
        if (rendered.window.isNull() || !rendered.window.save(path, "PNG")) {
            err << "cannot write " << path << '\n';
            return 1;
        }
        QTextStream(stdout) << path << ": " << rendered.window.width() << " x " << rendered.window.height()
                            << ", Points " << rendered.score << ", glimbles left " << rendered.remaining << '\n';
    }
    return 0;
}
