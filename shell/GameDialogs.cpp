#include "shell/GameDialogs.h"

#include <QApplication>
#include <QMainWindow>

#include "dialogs/AboutDlg.h"
#include "dialogs/BestResultsDlg.h"
#include "dialogs/BestResultsTable.h"
#include "dialogs/GetNameDlg.h"
#include "dialogs/NumberGlimb.h"
#include "dialogs/Tips.h"
#include "engine/Puzzle.h"

QWidget* GameDialogs::Owner() {
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && qobject_cast<QMainWindow*>(widget) != nullptr) return widget;
    }
    return nullptr;
}

void GameDialogs::RunTips() {
    CTips dialog(m_settings, m_pictures, Owner());
    dialog.exec();
}

void GameDialogs::RunAbout() {
    CAboutDlg dialog(m_shell, m_pictures, Owner());
    dialog.exec();
}

void GameDialogs::RunBestResults(CPuzzle& puzzle) {
    CBestResultsDlg dialog(&puzzle, m_settings, m_pictures, Owner());
    dialog.exec();
}

std::optional<int> GameDialogs::RunNumberOfGlimbles(int smallest, int largest, int current) {
    CNumberGlimb dialog(smallest, largest, current, m_pictures, Owner());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.GetNumber();
}

void GameDialogs::RecordResult(CPuzzle& puzzle, int columns, int rows, int count, int score) {
    const auto askName = [this, score](const std::string& offered) {
        CGetNameDlg dialog(offered, score, m_pictures, Owner());
        dialog.exec();  // however it closed, it holds a name
        return dialog.Name();
    };
    const auto playWave = [&puzzle](std::string_view name) { puzzle.PlayWave(name); };
    best_results::RecordResult(m_settings, {columns, rows, count}, score, askName, playWave);
}
