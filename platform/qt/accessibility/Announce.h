#pragma once

class QAccessibleEvent;

// Telling assistive tools what changed on screen that no widget of Qt's
// knows about (the painted board, counters, picker): through the platform's
// accessibility bridge, or to a test's listener when one is set.
namespace platform::qt {

using AnnouncementListener = void (*)(QAccessibleEvent* event);

// `listener` hears every announcement from now on; nullptr: the bridge.
void SetAnnouncementListener(AnnouncementListener listener);

// Whether anything hears announcements: a listener, or an assistive tool
// on the bridge. Callers skip the work of announcing when not.
bool AnnouncementsHeard();

void Announce(QAccessibleEvent& event);

}  // namespace platform::qt
