#pragma once

// The files the asset generator program wrote into the build tree when it
// was built (GLIMBLES_GENERATED_ASSETS, see assetgen.cmake), and any folder
// laid out like it, read whole.

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>

#include <map>

// Every file under `root`, by its path relative to root ("bitmaps/130.bmp").
inline std::map<QString, QByteArray> ReadFolder(const QString& root) {
    std::map<QString, QByteArray> files;
    const QDir base(root);
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly)) files[base.relativeFilePath(file.fileName())] = file.readAll();
    }
    return files;
}

inline std::map<QString, QByteArray> ReadGeneratedFolder() {
    return ReadFolder(QStringLiteral(GLIMBLES_GENERATED_ASSETS));
}
