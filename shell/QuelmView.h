#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

#include "engine/Puzzle.h"
#include "platform/DrawSurface.h"
#include "platform/qt/accessibility/PaintedParts.h"
#include "shell/BoardCursor.h"
#include "shell/CheckItems.h"
#include "shell/CmdUI.h"
#include "shell/ViewServices.h"

// The game view: owns the engine from the first paint to the end, draws the
// board and the status strip under it, and turns clicks and menu commands
// into game actions.
class CQuelmView final : public QWidget, public IPaintedParts {
    Q_OBJECT

public:
    // Asks the window around the view to give its client area this many
    // logical pixels across and down.
    using FitWindow = std::function<void(int width, int height)>;

    CQuelmView(FitWindow fitWindow, ViewServices services, QWidget* parent = nullptr);
    ~CQuelmView() override;

    // The engine, or nullptr before CreatePuzzle.
    CPuzzle* Puzzle() const { return m_puzzle.get(); }

    // Engine lifetime.
    void CreatePuzzle();
    void ShowTipsAtStart();

    // Drawing.
    void OnDraw(platform::IDrawSurface& dc);
    void DrawStatus(platform::IDrawSurface& dc);
    void DrawDigits(platform::IDrawSurface& dc, int x, int y, int value, int digits);
    void FitWindowToBoard();
    // The whole picture as the window shows it (W by Hb + 60 logical pixels,
    // in device pixels at WindowScale(); the view's client area shows all but
    // its last 2 rows).
    const QImage& WindowImage() const { return m_window; }
    qreal WindowScale() const { return m_scale; }

    // Input.
    void OnLButtonDown(QPoint point);
    // The key that moves the keyboard's tile or plays it; false for keys the
    // board does not take.
    bool OnBoardKey(int key, Qt::KeyboardModifiers modifiers);

    // What assistive tools read: the board's table, then the status strip
    // with the Points and the Glimbles counters and the notice of the last
    // move within it.
    enum PaintedPartIndex { kBoardPart, kStripPart, kPointsPart, kGlimblesPart, kNoticePart };
    std::vector<PaintedPart> Parts() const override;
    void GameOver();

    // Commands; OnCommand returns false for ids the view does not handle.
    bool OnCommand(int id);
    bool OnUpdateCommand(int id, CCmdUI& ui);

    void OnNewGame();
    void OnNumberOfGlimbles();
    void OnShowTips();
    void OnBestResults();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    friend struct TestAccess;
    void SetSize(int n);
    // The Options menu's check items: an option's value now, and giving it
    // a value (applied to the game and stored at once).
    int OptionValue(check_items::Option option) const;
    void SetOption(check_items::Option option, int value);
    void Invalidate();
    // The cursor's tile in logical pixels, and its frame drawn over the
    // picture.
    QRect CursorRect() const;
    void DrawCursor(QPainter& painter) const;
    // Tells assistive tools what the board and the counters show now.
    void AnnounceChanges();
    // Has screen readers speak, wherever the focus is: what the move on tile
    // (column, row) did and the points and glimbles left, or the won game;
    // the points and the glimbles left; `words`. Nothing when nobody listens.
    void SayMove(int column, int row);
    void SayStatus();
    void Say(const QString& words);
    // Opens the start-up tips if they are still due; true when they opened.
    bool ShowTipsIfPending();
    // Reads whether the tips are wanted at start and opens them if so; true
    // when they opened.
    bool OpenStartTips();

    FitWindow m_fitWindow;
    ViewServices m_services;
    std::unique_ptr<CPuzzle> m_puzzle;  // the one engine; null until the first paint's set-up
    int m_soundOff = 0;                 // 0: sounds play; nonzero: silent (stored as "SoundOn")
    QImage m_window;                    // the retained picture of the view, in device pixels
    qreal m_scale = 1;                  // device pixels per logical pixel of m_window
    bool m_stale = true;                // the retained picture needs a full OnDraw
    bool m_tipsPending = false;         // the start-up tips open right after the first paint
    BoardCursor m_cursor;               // the keyboard's tile, drawn over the picture, never into it
    QString m_notice;                   // what the notice part says: the last thing said
    QString m_sayOnFocus;               // said again when the view has the focus back: a won game's
                                        // result, which the name prompt's own words cut short
};
