#include "shell/QuelmDoc.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "resources/CommandIds.h"
#include "shell/FileFilter.h"

bool CQuelmDoc::OnNewDocument() {
    m_title = DocumentText(res::DocField::DocumentName);
    m_path.clear();
    return true;
}

bool CQuelmDoc::OnCommand(int id, QWidget* parent) {
    if (id != res::ID_FILE_SAVE) return false;
    QString path = m_path;
    if (path.isEmpty()) {
        path = QFileDialog::getSaveFileName(parent, QCoreApplication::translate("File dialogs", "Save As"), m_title,
                                            AllFilesFilter());
        if (path.isEmpty()) return true;  // cancelled
    }
    if (SaveInto(path)) SetPathName(path);
    return true;
}

bool CQuelmDoc::SaveInto(const QString& path) {
    // The document writes nothing, so a file already there keeps every byte
    // it has: it only has to be one that could be written.
    const QFileInfo info(path);
    if (info.exists()) return info.isFile() && info.isWritable();
    // A new name gets an empty file; NewOnly never opens one that appeared
    // in the meantime.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
    Serialize(true);
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
