#include "shell/GameMain.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <csignal>
#include <functional>
#include <utility>

#include "platform/qt/Text.h"
#include "platform/qt/pictures/EmbeddedFiles.h"
#include "resources/VersionInfo.h"
#include "shell/CommandLine.h"
#include "shell/GameServices.h"
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

// The version block's product version, "1, 5, 0, 0", written as "1.5.0.0".
QString ProductVersion() {
    for (const res::VersionString& entry : res::kVersion.strings) {
        if (entry.key == "ProductVersion")
            return platform::qt::ToQString(entry.value).replace(QStringLiteral(", "), QStringLiteral("."));
    }
    return {};
}

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
    QApplication::setApplicationVersion(ProductVersion());
    QApplication application(argc, argv);

    QApplication::setWindowIcon(platform::qt::EmbeddedFiles::Instance().WindowIcon());
    DesktopServices services(SoundModuleFolders());
    CQuelmApp app(services.View());
    if (!app.InitInstance(CommandLineFile(QCoreApplication::arguments()))) return 0;
    AfterFirstPaint preload([&services] { services.sound.Preload(); });
    app.View()->installEventFilter(&preload);
    if (started) started(app);
    return QApplication::exec();
}
