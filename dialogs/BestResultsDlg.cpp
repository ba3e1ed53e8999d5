#include "dialogs/BestResultsDlg.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include "dialogs/DialogColours.h"
#include "engine/Puzzle.h"
#include "resources/CommandIds.h"
#include "resources/ResourceIds.h"

namespace {

QRect ToQRect(const platform::Rect& r) { return {r.x, r.y, r.w, r.h}; }

// A one-pixel frame just inside `r`: the outermost pixels on each of its sides.
void FrameRect(QPainter& painter, const QRect& r, const QColor& colour) {
    if (r.width() <= 0 || r.height() <= 0) return;
    painter.fillRect(r.left(), r.top(), r.width(), 1, colour);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, colour);
    painter.fillRect(r.left(), r.top(), 1, r.height(), colour);
    painter.fillRect(r.right(), r.top(), 1, r.height(), colour);
}

}  // namespace

CBestResultsDlg::CBestResultsDlg(const CPuzzle* puzzle, platform::ISettingsStore& store,
                                 platform::qt::IPictureSource& pictures, QWidget* parent)
    : CLayoutDialog(res::IDD_BEST_RESULTS, pictures, parent), m_puzzle(puzzle), m_tableFont(QApplication::font()) {
    // Crisp text, in the table's colour only.
    m_tableFont.setStyleStrategy(QFont::NoAntialias);
    LoadResults(store);

    // The whole dialog follows the size of a "W" in the table's font; it is
    // laid out once, here, before it shows.
    const QFontMetrics metrics(m_tableFont);
    m_geometry = best_results::ComputeGeometry(metrics.horizontalAdvance(QLatin1Char('W')), metrics.height());
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
