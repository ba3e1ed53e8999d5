// glimbles-assetgen: draws the game's pictures, synthesises its sounds and
// writes them, with the icon, into a resources folder; optionally writes a
// contact sheet for review.
//
//   glimbles-assetgen --out <resources dir> [--sheet <png>] [--font-dir <dir>]

#include "tools/assetgen/AssetSet.h"
#include "tools/assetgen/ContactSheet.h"
#include "tools/assetgen/Fonts.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
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
    parser.addOptions({out, sheet, fontDir});
    parser.process(app);
    if (!parser.isSet(out) && !parser.isSet(sheet)) {
        std::fputs("glimbles-assetgen: give --out <resources dir> and/or --sheet <png>\n", stderr);
        return 2;
    }

    const auto fonts = assetgen::FontSet::Load(parser.value(fontDir));
    if (!fonts) {
        std::fprintf(stderr, "glimbles-assetgen: cannot load the DejaVu fonts from %s\n",
                     qPrintable(parser.value(fontDir)));
        return 1;
    }
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
