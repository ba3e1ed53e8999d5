#pragma once

#include <QtGlobal>

namespace platform::qt {

// While one lives, whatever Qt would print (warnings about a missing sound
// server, a missing launcher and the like) is dropped: the game's failures
// are silent. The handler in place before is put back at the end.
class QuietMessages {
public:
    QuietMessages() : m_previous(qInstallMessageHandler(&Drop)) {}
    ~QuietMessages() { qInstallMessageHandler(m_previous); }
    QuietMessages(const QuietMessages&) = delete;
    QuietMessages& operator=(const QuietMessages&) = delete;

private:
    static void Drop(QtMsgType, const QMessageLogContext&, const QString&) {}
    QtMessageHandler m_previous;
};

}  // namespace platform::qt
