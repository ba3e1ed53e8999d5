// Renders the README's screenshots and the manual's pictures: the game's main
// window on Qt's offscreen platform, with seeded boards at play, written as
// PNG files. The manual's pictures with words come out in every language the
// game ships as well, name.<code>.png beside name.png.
//   glimbles-screenshot [screenshot-folder [manual-folder]]
//   (defaults: docs/screenshots and resources/help)
//   glimbles-screenshot --languages <png>
//   (the main window, the tips and the count dialog in every language)
// Under QT_SCALE_FACTOR=2 the same pictures come out in twice the pixels; the
// manual's are then named name@2x.png.
#include <QApplication>
#include <QDir>
#include <QTextStream>

#include "shell/Language.h"
#include "shell/PicturesInLanguage.h"
#include "tools/screenshot/HelpPictures.h"
#include "tools/screenshot/LanguageSheet.h"
#include "tools/screenshot/Scene.h"

namespace {

bool Save(const QImage& image, const QString& folder, const QString& file) {
    const QString path = folder + QLatin1Char('/') + file;
    if (image.isNull() || !QDir().mkpath(folder) || !image.save(path, "PNG")) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << path << ": " << image.width() << " x " << image.height();
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc == 3 && QLatin1String(argv[1]) == QLatin1String("--languages")) {
        const QString file = QString::fromLocal8Bit(argv[2]);
        const QImage sheet = LanguageSheet();
        if (sheet.isNull() || !sheet.save(file, "PNG")) {
            QTextStream(stderr) << "cannot write " << file << '\n';
            return 1;
        }
        QTextStream(stdout) << file << ": " << sheet.width() << " x " << sheet.height() << '\n';
        return 0;
    }
    const QString shots = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    const QString manual = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("resources/help");
    for (const Shot& shot : kShots) {
        const Rendered rendered = RenderShot(shot);
        if (!Save(rendered.window, shots, QLatin1String(shot.file))) return 1;
        QTextStream(stdout) << ", Points " << rendered.score << ", glimbles left " << rendered.remaining << '\n';
    }
    const std::vector<HelpPicture> pictures = RenderHelpPictures();
    if (pictures.empty()) return 1;
    for (const HelpPicture& picture : pictures) {
        if (!Save(picture.image, manual, HelpPictureFile(QLatin1String(picture.name), application.devicePixelRatio())))
            return 1;
        QTextStream(stdout) << '\n';
    }
    for (const QString& code : ShippedLanguages()) {
        const LanguageWithPictures language(code);
        for (const HelpPicture& picture : RenderHelpPictures()) {
            if (!picture.words) continue;
            const QString name = QLatin1String(picture.name) + QLatin1Char('.') + code;
            if (!Save(picture.image, manual, HelpPictureFile(name, application.devicePixelRatio()))) return 1;
            QTextStream(stdout) << '\n';
        }
    }
    return 0;
}
