#pragma once

#include <QTextBrowser>

// The manual's pages as the help window shows them: in the page's own colours
// whatever the desktop's theme, with its pictures as fine as the screen, the
// link in keyboard focus told to assistive tools, and Back and Forward
// returning to the very place left.
class ManualBrowser final : public QTextBrowser {
public:
    explicit ManualBrowser(QWidget* parent);

    QVariant loadResource(int type, const QUrl& name) override;
    void backward() override;
    void forward() override;

    // Forgets the link in focus, as a page freshly opened has none.
    void DropLinkFocus();

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
    bool focusNextPrevChild(bool next) override;

private:
    void DropHiddenLinkFocus();
    void AnnounceLinkFocus();
};
