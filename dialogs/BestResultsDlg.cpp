#include "dialogs/BestResultsDlg.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "dialogs/DesktopFont.h"
#include "dialogs/DialogColours.h"
#include "dialogs/ScreenRoom.h"
#include "engine/Puzzle.h"
#include "platform/qt/pictures/DeviceScale.h"
#include "resources/CommandIds.h"
#include "resources/ResourceIds.h"

namespace {

QRect ToQRect(const platform::Rect& r) { return {r.x, r.y, r.w, r.h}; }

// A one-pixel frame just inside `r`: the outermost pixels on each of its
// sides. On a finer screen every side is the same whole number of device
// pixels thick (one pixel's worth, rounded), laid on device pixels.
void FrameRect(QPainter& painter, const QRect& r, const QColor& colour) {
    if (r.width() <= 0 || r.height() <= 0) return;
    const qreal scale = painter.device()->devicePixelRatioF();
    const QRect d = platform::qt::ToDevice(r, scale);
    const int line = std::max(1, static_cast<int>(std::lround(scale)));
    auto fill = [&](int x, int y, int w, int h) {
        painter.fillRect(QRectF(x / scale, y / scale, w / scale, h / scale), colour);
    };
    fill(d.left(), d.top(), d.width(), line);
    fill(d.left(), d.top() + d.height() - line, d.width(), line);
    fill(d.left(), d.top(), line, d.height());
    fill(d.left() + d.width() - line, d.top(), line, d.height());
}

}  // namespace

CBestResultsDlg::CBestResultsDlg(const CPuzzle* puzzle, platform::ISettingsStore& store,
                                 platform::qt::IPictureSource& pictures, QWidget* parent)
    : CLayoutDialog(res::IDD_BEST_RESULTS, pictures, parent), m_puzzle(puzzle) {
    LoadResults(store);

    // The whole dialog follows the size of a "W" in the table's font, the
    // desktop's, made smaller only where the screen has no room for it,
    // though never below the default size. It is laid out once, here, before
    // it shows.
    const QFont desktopFont = QApplication::font();
    const auto layOut = [this, &desktopFont](qreal scale) {
        m_tableFont = desktop_font::Scaled(desktopFont, scale);
        // Crisp text, in the table's colour only.
        m_tableFont.setStyleStrategy(QFont::NoAntialias);
        const QFontMetrics metrics(m_tableFont);
        m_geometry = best_results::ComputeGeometry(metrics.horizontalAdvance(QLatin1Char('W')), metrics.height());
        return QSize(m_geometry.width, m_geometry.height);
    };
    screen_room::FittingScale(1, 1 / desktop_font::Scale(desktopFont), screen_room::RoomFor(parent, desktopFont),
                              layOut);
    setFixedSize(m_geometry.width, m_geometry.height);
    if (QWidget* ok = Control(res::IDOK)) ok->setGeometry(ToQRect(m_geometry.okButton));
}

void CBestResultsDlg::LoadResults(platform::ISettingsStore& store) {
    if (m_puzzle == nullptr) return;
    m_results = best_results::Load(store, {m_puzzle->GetColumns(), m_puzzle->GetRows(), m_puzzle->GetCount()});
}

void CBestResultsDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), dialog_colours::kBackground);
    painter.setFont(m_tableFont);
    painter.setPen(dialog_colours::kTableInk);
    constexpr int kTextFlags = Qt::AlignHCenter | Qt::AlignTop;
    for (std::size_t i = 0; i < m_results.size(); ++i) {
        const best_results::RowGeometry& row = m_geometry.rows[i];
        // No place numbers or headings: just the name and the score.
        painter.drawText(ToQRect(row.name), kTextFlags, QString::fromStdString(m_results[i].name));
        painter.drawText(ToQRect(row.score), kTextFlags, QString::number(m_results[i].score));
    }
    FrameRect(painter, ToQRect(m_geometry.frame), dialog_colours::kTableInk);
}

QString CBestResultsDlg::Caption() const {
    if (m_puzzle == nullptr) return QCoreApplication::translate("Best Results dialog", "Best results");
    return QCoreApplication::translate("Best Results dialog", "Best results, %1 × %2 board, %3 glimbles")
        .arg(m_puzzle->GetColumns())
        .arg(m_puzzle->GetRows())
        .arg(m_puzzle->GetCount());
}

QString CBestResultsDlg::SpokenPlace(std::size_t place) const {
    if (place >= m_results.size()) return {};
    const best_results::Entry& entry = m_results[place];
    const QString rank = QString::number(place + 1);
    if (entry.score <= 0 && QString::fromStdString(entry.name).trimmed().isEmpty())
        return QCoreApplication::translate("Best Results dialog", "%1. empty").arg(rank);
    // One pass over the words, so a name with "%" in it stays as it is.
    return QCoreApplication::translate("Best Results dialog", "%1. %2, points %3")
        .arg(rank, QString::fromStdString(entry.name), QString::number(entry.score));
}

std::vector<PaintedPart> CBestResultsDlg::Parts() const {
    // The caption first, heard rather than seen, then one line a place: a
    // screen reader reads them all with the dialog as it opens.
    PaintedPart caption;
    caption.role = QAccessible::StaticText;
    caption.name = [this] { return Caption(); };
    caption.rect = [] { return QRect(); };
    std::vector<PaintedPart> parts{caption};
    for (std::size_t place = 0; place < m_geometry.rows.size(); ++place) {
        PaintedPart row;
        row.role = QAccessible::StaticText;
        row.name = [this, place] { return SpokenPlace(place); };
        row.rect = [this, place] {
            // The last place's box reaches below the frame; its words do not.
            const best_results::RowGeometry& line = m_geometry.rows[place];
            return ToQRect(line.name).united(ToQRect(line.score)).intersected(ToQRect(m_geometry.frame));
        };
        parts.push_back(row);
    }
    return parts;
}
