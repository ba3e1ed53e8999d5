// glimbles-assetgen: draws the game's pictures, synthesises its sounds and
// writes them, with the icon, into a resources folder; optionally writes a
// contact sheet for review. With --words it draws the pictures that carry
// words in the language of a compiled translation instead, and says which of
// its words do not fit (exit status 1 when any does not).
//
//   glimbles-assetgen --out <resources dir> [--sheet <png>] [--font-dir <dir>]
//   glimbles-assetgen --words <glimbles_xx.qm> --words-out <dir> [--rtl] [--font-dir <dir>]

#include "tools/assetgen/AssetSet.h"
#include "tools/assetgen/ContactSheet.h"
#include "tools/assetgen/Fonts.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Draws every picture that carries words in the language of `qmFile` at each
// scale into `outDir` (<id>.png, 2x/<id>.png, 3x/<id>.png) and reports the
// words that do not fit. 0 when all fit, 1 when some do not, 2 on a failure.
int DrawWords(QGuiApplication& app, const assetgen::FontSet& fonts, const QString& qmFile, const QString& outDir,
              bool forceRtl) {
    QTranslator translator;
    if (!translator.load(qmFile)) {
        std::fprintf(stderr, "glimbles-assetgen: cannot load the translation %s\n", qPrintable(qmFile));
        return 2;
    }
    app.installTranslator(&translator);
    QString language = translator.language();
    if (language.isEmpty()) language = QFileInfo(qmFile).completeBaseName().section(u'_', 1);
    const auto direction = forceRtl ? Qt::RightToLeft : QLocale(language).textDirection();
    const assetgen::Words words = assetgen::Words::Installed(direction);
    std::vector<assetgen::Misfit> misfits;
    const QDir root(outDir);
    for (const res::PictureInfo& picture : res::AllPictures()) {
        if (!assetgen::CarriesWords(picture.id)) continue;
        for (const int scale : {1, 2, 3}) {
            const QImage image = assetgen::DrawPicture(fonts, picture, scale, words, scale == 1 ? &misfits : nullptr);
            const QString name = scale == 1 ? QStringLiteral("%1.png").arg(picture.id)
                                            : QStringLiteral("%1x/%2.png").arg(scale).arg(picture.id);
            if (!WriteFile(root.filePath(name), assetgen::EncodeFinerPicture(image))) {
                std::fprintf(stderr, "glimbles-assetgen: cannot write %s\n", qPrintable(root.filePath(name)));
                return 2;
            }
        }
    }
    for (const assetgen::Misfit& m : misfits)
        std::fprintf(stderr, "glimbles-assetgen: %s: picture %d (%s): \"%s\" does not fit\n", qPrintable(language),
                     m.pictureId, qPrintable(m.where), qPrintable(m.text));
    app.removeTranslator(&translator);
    return misfits.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Draws off screen only: no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the pictures and makes the sounds of 2Glimbles."));
    parser.addHelpOption();
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Resources folder to write into."),
                                 QStringLiteral("dir"));
    const QCommandLineOption sheet(QStringLiteral("sheet"), QStringLiteral("Also write a contact sheet PNG."),
                                   QStringLiteral("png"));
    const QCommandLineOption fontDir(QStringLiteral("font-dir"), QStringLiteral("Folder of the DejaVu fonts."),
                                     QStringLiteral("dir"), QString::fromLatin1(assetgen::kDefaultFontDir));
    const QCommandLineOption words(QStringLiteral("words"),
                                   QStringLiteral("Draw the pictures that carry words in this translation's language."),
                                   QStringLiteral("qm"));
    const QCommandLineOption wordsOut(QStringLiteral("words-out"),
                                      QStringLiteral("Folder for the pictures drawn with --words."),
                                      QStringLiteral("dir"));
    const QCommandLineOption rtl(QStringLiteral("rtl"), QStringLiteral("Write the words right to left."));
    parser.addOptions({out, sheet, fontDir, words, wordsOut, rtl});
    parser.process(app);
    if (parser.isSet(words) != parser.isSet(wordsOut)) {
        std::fputs("glimbles-assetgen: give --words <qm> together with --words-out <dir>\n", stderr);
        return 2;
    }
    if (!parser.isSet(out) && !parser.isSet(sheet) && !parser.isSet(words)) {
        std::fputs("glimbles-assetgen: give --out <resources dir> and/or --sheet <png>, or --words <qm>\n", stderr);
        return 2;
    }

    const auto fonts = assetgen::FontSet::Load(parser.value(fontDir));
    if (!fonts) {
        std::fprintf(stderr, "glimbles-assetgen: cannot load the DejaVu fonts from %s\n",
                     qPrintable(parser.value(fontDir)));
        return 1;
    }
    if (parser.isSet(words))
        return DrawWords(app, *fonts, parser.value(words), parser.value(wordsOut), parser.isSet(rtl));
    const std::vector<assetgen::GeneratedFile> files = assetgen::GenerateAssets(*fonts);
    if (parser.isSet(out)) {
        const QDir root(parser.value(out));
        for (const assetgen::GeneratedFile& f : files) {
            if (!WriteFile(root.filePath(f.path), f.bytes)) {
                std::fprintf(stderr, "glimbles-assetgen: cannot write %s\n", qPrintable(root.filePath(f.path)));
                return 1;
            }
        }
        std::printf("wrote %zu files into %s\n", files.size(), qPrintable(root.absolutePath()));
    }
    if (parser.isSet(sheet)) {
        const QImage contact = assetgen::MakeContactSheet(files, *fonts);
        if (!contact.save(parser.value(sheet), "PNG")) {
            std::fprintf(stderr, "glimbles-assetgen: cannot write %s\n", qPrintable(parser.value(sheet)));
            return 1;
        }
        std::printf("wrote the contact sheet %s\n", qPrintable(parser.value(sheet)));
    }
    return 0;
}
