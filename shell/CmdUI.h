#pragma once

// A menu item as its command sees it while the menu opens: it can be enabled
// or disabled, and its check mark turned on or off.
class CCmdUI {
public:
    virtual ~CCmdUI() = default;
    virtual void Enable(bool on) = 0;
    virtual void SetCheck(bool on) = 0;
};
