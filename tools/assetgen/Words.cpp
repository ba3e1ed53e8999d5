#include "tools/assetgen/Words.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace assetgen {

Words Words::English() {
    return {[](const res::Text& t) { return QString::fromUtf8(t.english); }, Qt::LeftToRight};
}

Words Words::Installed(Qt::LayoutDirection direction) {
    return {[](const res::Text& t) { return QCoreApplication::translate(t.context, t.english); }, direction};
}

QString MenuWords(const QString& item) {
    QString words = item.left(item.indexOf(u'\t'));  // the whole item when it has no tab
    // "(&S)" at the end, or before a closing "...", as Chinese and Japanese menus mark their keys.
    static const QRegularExpression kKeySuffix(QStringLiteral("\\s*\\(&[^&)]\\)(?=(\\.\\.\\.|\u2026)?\\s*$)"));
    words.remove(kKeySuffix);
    QString out;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words[i] == u'&') {
            if (i + 1 == words.size()) break;
            ++i;  // the marked letter, or the second "&" of "&&"
        }
        out += words[i];
    }
    return out;
}

}  // namespace assetgen
