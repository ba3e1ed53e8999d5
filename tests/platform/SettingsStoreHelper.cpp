// A second process for the settings store tests: it drives its own
// IniFileStore, so the tests can check what reaches the file and what two
// running copies do to each other.
//
//   settings_store_helper serve FILE   one command a line on stdin, one answer a line:
//                                      "W key hex [key hex ...]" writes in one save, answer "ok";
//                                      "R key" reads, answer "V hex" or "A" (absent)
//                                      (FILE "-" means the current user's file)
//   settings_store_helper burst FILE PREFIX COUNT
//                                      writes PREFIX/k0 .. PREFIX/k<COUNT-1>, value = index
//   settings_store_helper where        prints the store's file, then QSettings' own choice
#include <QByteArray>
#include <QSettings>
#include <QString>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "platform/qt/settings/IniFileStore.h"

namespace {

using platform::qt::IniFileStore;

int Serve(IniFileStore& store) {
    std::string line;
    while (std::getline(std::cin, line)) {
        const QByteArray command = QByteArray::fromStdString(line);
        const QList<QByteArray> parts = command.split(' ');
        if (parts.size() >= 3 && parts.size() % 2 == 1 && parts[0] == "W") {
            std::vector<std::string> texts;  // keys and texts in turn, kept for the changes' views
            for (qsizetype i = 1; i < parts.size(); i += 2) {
                texts.push_back(parts[i].toStdString());
                texts.push_back(QByteArray::fromHex(parts[i + 1]).toStdString());
            }
            std::vector<platform::SettingsChange> changes;
            for (std::size_t i = 0; i < texts.size(); i += 2) changes.push_back({texts[i], texts[i + 1]});
            store.WriteAll(changes);
            std::cout << "ok" << std::endl;
        } else if (parts.size() == 2 && parts[0] == "R") {
            const auto text = store.Read(parts[1].toStdString());
            if (text) {
                std::cout << "V " << QByteArray::fromStdString(*text).toHex().toStdString() << std::endl;
            } else {
                std::cout << "A" << std::endl;
            }
        } else {
            std::cout << "?" << std::endl;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "serve" && argc == 3) {
        const QString file = QString::fromLocal8Bit(argv[2]);
        IniFileStore store = file == "-" ? IniFileStore() : IniFileStore(file);
        return Serve(store);
    }
    if (mode == "burst" && argc == 5) {
        IniFileStore store(QString::fromLocal8Bit(argv[2]));
        const std::string prefix = argv[3];
        const int count = std::stoi(argv[4]);
        for (int i = 0; i < count; ++i) store.Write(prefix + "/k" + std::to_string(i), std::to_string(i));
        return 0;
    }
    if (mode == "where") {
        std::cout
            << IniFileStore::UserFileName().toStdString() << '\n'
            << QSettings(QSettings::IniFormat, QSettings::UserScope, "Pellix", "Glimbles").fileName().toStdString()
            << std::endl;
        return 0;
    }
    std::fprintf(stderr, "usage: settings_store_helper serve FILE | burst FILE PREFIX COUNT | where\n");
    return 2;
}
