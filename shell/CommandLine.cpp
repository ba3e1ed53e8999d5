#include "shell/CommandLine.h"

QString CommandLineFile(const QStringList& arguments) {
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (!optionsEnded && word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (word.isEmpty() || (!optionsEnded && word.startsWith(QLatin1Char('-')))) continue;
        return word;
    }
    return {};
}
