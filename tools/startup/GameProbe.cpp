// The game as a player starts it, ending right after the first paint of its
// view: for timing start-up from the process start to a painted window. What
// the game leaves until after that paint (the icon, the tips) is dropped. It
// prints the view's size, "<width>x<height>" in logical pixels, for the bare
// window to paint a picture as large.
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdio>

#include "shell/GameMain.h"
#include "shell/QuelmApp.h"
#include "shell/QuelmView.h"

namespace {

// Quits the application once the watched widget has painted.
class QuitAfterPaint final : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User) return QObject::event(event);
        QCoreApplication::removePostedEvents(nullptr);
        QCoreApplication::quit();
        return true;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            if (auto* widget = qobject_cast<QWidget*>(watched))
                std::printf("%dx%d\n", widget->width(), widget->height());
            // Ahead of what the game queued behind its first paint.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QuitAfterPaint probe;
    return RunGame(argc, argv, [&probe](CQuelmApp& app) { app.View()->installEventFilter(&probe); });
}
