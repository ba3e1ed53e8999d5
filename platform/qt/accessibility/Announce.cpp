#include "platform/qt/accessibility/Announce.h"

#include <QAccessible>

namespace platform::qt {
namespace {

AnnouncementListener g_listener = nullptr;

}  // namespace

void SetAnnouncementListener(AnnouncementListener listener) { g_listener = listener; }

bool AnnouncementsHeard() { return g_listener != nullptr || QAccessible::isActive(); }

void Announce(QAccessibleEvent& event) {
    if (g_listener != nullptr) {
        g_listener(&event);
    } else {
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace platform::qt
