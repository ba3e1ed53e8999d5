// The main window's menu bar and keyboard shortcuts, built from the menu and
// key tables. Check marks come from the view's update handlers each time a
// menu opens.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "platform/qt/Text.h"
#include "resources/CommandIds.h"
#include "resources/KeyTable.h"
#include "resources/Menu.h"
#include "shell/KeySequence.h"
#include "shell/MainFrame.h"
#include "shell/QuelmView.h"

namespace {

void AddItems(CMainFrame& frame, QMenu* menu, std::span<const res::MenuItem> items) {
    for (const res::MenuItem& item : items) {
        if (item.IsPopup()) {
            AddItems(frame, menu->addMenu(platform::qt::Tr(item.text)), item.items);
            continue;
        }
        // The words are the item's name; the shortcut after the tab is shown in
        // the menu's own column and read by assistive tools as its key
        // binding. Only shown: the key table's shortcut sends the command.
        const QString text = platform::qt::Tr(item.text);
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        QAction* action = menu->addAction(tab < 0 ? text : text.left(tab));
        if (tab >= 0) {
            action->setShortcut(QKeySequence(text.mid(tab + 1), QKeySequence::PortableText));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        action->setData(item.command);
        const int command = item.command;
        QObject::connect(action, &QAction::triggered, &frame, [&frame, command] { frame.OnCommand(command); });
    }
}

// A menu item as an update handler sees it.
class ActionCmdUI final : public CCmdUI {
public:
    explicit ActionCmdUI(QAction* action) : m_action(action) {}
    void Enable(bool on) override { m_action->setEnabled(on); }
    void SetCheck(bool on) override {
        m_action->setCheckable(true);
        m_action->setChecked(on);
    }

private:
    QAction* m_action;
};

}  // namespace

void CMainFrame::BuildMenus() {
    for (const res::MenuItem& popup : res::MainMenu()) {
        QMenu* menu = menuBar()->addMenu(platform::qt::Tr(popup.text));
        AddItems(*this, menu, popup.items);
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenu(menu); });
    }
}

void CMainFrame::UpdateMenu(QMenu* menu) {
    for (QAction* action : menu->actions()) {
        if (QMenu* sub = action->menu()) {
            UpdateMenu(sub);
            continue;
        }
        action->setEnabled(true);  // every item is enabled whenever its menu opens
        ActionCmdUI ui(action);
        if (m_view != nullptr) m_view->OnUpdateCommand(action->data().toInt(), ui);
    }
}

void CMainFrame::BuildKeyTable() {
    for (const res::KeyEntry& entry : res::KeyTable()) {
        auto* shortcut = new QShortcut(KeySequenceOf(entry), this);
        shortcut->setContext(Qt::WindowShortcut);
        const int command = entry.command;
        connect(shortcut, &QShortcut::activated, this, [this, command] { OnCommand(command); });
    }
    // F1 alone asks for help; with Shift, Ctrl or Alt held it does nothing.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] { OnCommand(res::ID_HELP); });
    // F10 opens the first menu, as desktop programs do; the menus' own access
    // keys stay as they are.
    auto* menus = new QShortcut(QKeySequence(Qt::Key_F10), this);
    menus->setContext(Qt::WindowShortcut);
    connect(menus, &QShortcut::activated, this, [this] {
        if (QAction* first = menuBar()->actions().value(0)) menuBar()->setActiveAction(first);
    });
}
