#include "tools/screenshot/LanguageSheet.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>
#include <memory>
#include <vector>

#include "dialogs/NumberGlimb.h"
#include "dialogs/Tips.h"
#include "platform/fake/MemorySettingsStore.h"
#include "platform/qt/pictures/ScaledPictures.h"
#include "shell/Language.h"
#include "shell/MainFrame.h"
#include "shell/PicturesInLanguage.h"
#include "tools/screenshot/GameAtPlay.h"
#include "tools/screenshot/Scene.h"

namespace {

constexpr int kGap = 16;
constexpr int kLabelWidth = 96;
const QColor kSheet(236, 240, 232);

struct Row {
    QString code;
    std::vector<QImage> pictures;
};

// The main window, the tips and the count dialog as the language shows them.
Row RenderRow(const QString& code) {
    Row row{code.isEmpty() ? QStringLiteral("en") : code, {}};
    const Shot& shot = kShots[0];
    GameAtPlay game(shot.size, shot.count, shot.skin, shot.ticks);
    if (!game.Started()) return row;
    for (int column = 0; column < 3; ++column) game.Click({column, column});
    game.Frame().show();
    QApplication::processEvents();
    row.pictures.push_back(game.Frame().grab().toImage());

    platform::fake::MemorySettingsStore settings;
    platform::qt::ScaledPictures pictures;
    CTips tips(settings, pictures, nullptr);
    tips.show();
    QApplication::processEvents();
    row.pictures.push_back(tips.grab().toImage());
    CNumberGlimb count(4, 8, 6, pictures, nullptr);
    count.show();
    QApplication::processEvents();
    row.pictures.push_back(count.grab().toImage());
    return row;
}

}  // namespace

QImage LanguageSheet() {
    std::vector<Row> rows{RenderRow({})};
    for (const QString& code : ShippedLanguages()) {
        const LanguageWithPictures language(code);
        rows.push_back(RenderRow(code));
    }
    int width = 0;
    int height = kGap;
    for (const Row& row : rows) {
        if (row.pictures.empty()) return {};
        int rowWidth = kLabelWidth;
        int rowHeight = 0;
        for (const QImage& picture : row.pictures) {
            rowWidth += picture.width() + kGap;
            rowHeight = std::max(rowHeight, picture.height());
        }
        width = std::max(width, rowWidth);
        height += rowHeight + kGap;
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(kSheet);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    int y = kGap;
    for (const Row& row : rows) {
        painter.drawText(QRect(0, y, kLabelWidth, 40), Qt::AlignCenter, row.code);
        int x = kLabelWidth;
        int rowHeight = 0;
        for (const QImage& picture : row.pictures) {
            painter.drawImage(x, y, picture);
            x += picture.width() + kGap;
            rowHeight = std::max(rowHeight, picture.height());
        }
        y += rowHeight + kGap;
    }
    return sheet;
}
