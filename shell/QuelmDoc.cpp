#include "shell/QuelmDoc.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

#include "resources/CommandIds.h"
#include "shell/FileFilter.h"

bool CQuelmDoc::OnNewDocument() {
    m_title = QStringLiteral("Glimbles");
    m_path.clear();
    return true;
}

bool CQuelmDoc::OnCommand(int id, QWidget* parent) {
    if (id != res::ID_FILE_SAVE) return false;
    QString path = m_path;
    if (path.isEmpty()) {
        path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save As"), m_title, kAllFilesFilter);
        if (path.isEmpty()) return true;  // cancelled
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        Serialize(true);
        if (file.commit()) SetPathName(path);
    }
    return true;
}

void CQuelmDoc::OnOpenDocument(const QString& path) {
    Serialize(false);
    SetPathName(path);
}

void CQuelmDoc::SetPathName(const QString& path) {
    m_path = path;
    m_title = QFileInfo(path).fileName();
}
