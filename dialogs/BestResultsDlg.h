#pragma once

#include <QFont>

#include "dialogs/BestResultsGeometry.h"
#include "dialogs/BestResultsTable.h"
#include "dialogs/LayoutDialog.h"
#include "platform/SettingsStore.h"
#include "platform/qt/accessibility/PaintedParts.h"

class CPuzzle;

// Shows the ten best results for the engine's board and glimble count: names
// and scores in two columns inside a frame, and an OK button under them. It
// reads the table when it opens and writes nothing.
class CBestResultsDlg final : public CLayoutDialog, public IPaintedParts {
    Q_OBJECT

public:
    // `puzzle` selects the table and may be null (ten empty places); it is
    // only borrowed while the dialog exists. `store` must outlive the dialog.
    CBestResultsDlg(const CPuzzle* puzzle, platform::ISettingsStore& store, platform::qt::IPictureSource& pictures,
                    QWidget* parent);

    const best_results::Table& Results() const { return m_results; }
    const best_results::Geometry& Geometry() const { return m_geometry; }
    // The table read out: its caption with the board and the count it
    // belongs to, then a line a place with its rank, name and points.
    std::vector<PaintedPart> Parts() const override;
    QString Caption() const;
    // Place `place` (0 the best) as it reads aloud: "1. Jo, points 56".
    QString SpokenPlace(std::size_t place) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend struct TestAccess;
    void LoadResults(platform::ISettingsStore& store);

    const CPuzzle* m_puzzle;            // selects the table; not owned; may be null
    best_results::Table m_results;      // place 1 first
    QFont m_tableFont;                  // the desktop's font as far as the screen has room, not the layout's
    best_results::Geometry m_geometry;  // from the measured "W"
};
