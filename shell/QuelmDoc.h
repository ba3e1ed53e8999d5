#pragma once

#include <QString>

#include "shell/CatalogueText.h"

class QWidget;

// The document of the single-document window. It holds no game: the view
// owns the engine. Open and Save still work on it, reading and writing
// nothing, and change only its title.
class CQuelmDoc {
public:
    bool OnNewDocument();
    // Reads or writes nothing either way: the game is not a document.
    void Serialize(bool storing) { static_cast<void>(storing); }

    // The title shown before " - Glimbles" in the caption.
    const QString& Title() const { return m_title; }

    // The standard Save: asks for a file the first time, then saves the
    // document, which is empty, into it: a new name gets an empty file, a
    // file already there is left exactly as it is. True when the command was
    // the document's.
    bool OnCommand(int id, QWidget* parent);
    // The standard Open: takes the chosen file's name and reads nothing.
    void OnOpenDocument(const QString& path);

private:
    void SetPathName(const QString& path);
    // True when the document now stands saved in `path`.
    bool SaveInto(const QString& path);

    QString m_title = DocumentText(res::DocField::DocumentName);  // the document name of a new document
    QString m_path;                                               // empty until opened or saved
};
