#include "shell/GameMain.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <csignal>
#include <functional>
#include <utility>

#include "platform/TickSource.h"
#include "platform/qt/QtResources.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/ScaledPictures.h"
#include "platform/qt/ShellOpen.h"
#include "platform/qt/LazySoundOutput.h"
#include "shell/CommandLine.h"
#include "shell/GameDialogs.h"
#include "shell/QuelmApp.h"
#include "shell/QuelmView.h"

namespace {

// How long after the first paint the sounds are opened: the board is on the
// screen by then, and no player clicks that fast.
constexpr int kSoundPreloadDelayMs = 100;

// Runs a task a little after the watched widget's first paint.
class AfterFirstPaint final : public QObject {
public:
    explicit AfterFirstPaint(std::function<void()> task) : m_task(std::move(task)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_task) {
            QTimer::singleShot(kSoundPreloadDelayMs, this, std::exchange(m_task, nullptr));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_task;
};

}  // namespace

QStringList SoundModuleFolders() {
    const QString bin = QCoreApplication::applicationDirPath();
    return {bin, bin + QLatin1Char('/') + QStringLiteral(GLIMBLES_SOUND_MODULE_FROM_BIN)};
}

int RunGame(int argc, char* argv[], const std::function<void(CQuelmApp&)>& started) {
    // Under a file-size limit a write past it must fail with an error, which
    // the game takes as any failed write, instead of killing the game.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication::setApplicationName(QStringLiteral("glimbles"));
    QApplication::setOrganizationName(QStringLiteral("Pellix"));
    QApplication::setDesktopFileName(QStringLiteral("com.pellix.glimbles"));
    QApplication application(argc, argv);

    platform::qt::QtResources& resources = platform::qt::QtResources::Instance();
    QApplication::setWindowIcon(resources.WindowIcon());
    platform::qt::ScaledPictures pictures([&resources](int id) { return resources.Bitmap(id); });
    platform::qt::QtSettingsStore settings;
    platform::qt::LazySoundOutput sound(SoundModuleFolders());
    platform::SystemTickSource ticks;
    platform::qt::ShellOpen shell;
    GameDialogs dialogs(settings, shell);

    CQuelmApp app(ViewServices{settings, sound, ticks, pictures, dialogs, shell});
    if (!app.InitInstance(CommandLineFile(QCoreApplication::arguments()))) return 0;
    AfterFirstPaint preload([&sound] { sound.Preload(); });
    app.View()->installEventFilter(&preload);
    if (started) started(app);
    return QApplication::exec();
}
