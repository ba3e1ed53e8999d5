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
#include "shell/Language.h"
#include "shell/PicturesInLanguage.h"
#include "shell/QuelmApp.h"
#include "shell/QuelmView.h"

namespace {

// How long after the first paint the sounds are opened: the board is on the
// screen by then, and no player clicks that fast.
constexpr int kSoundPreloadDelayMs = 100;

// Runs a task `delayMs` after the first paint `watched` sees (a widget its
// own; the application any window's), then stops watching.
class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QObject& watched, int delayMs, std::function<void()> task)
        : m_watched(watched), m_delayMs(delayMs), m_task(std::move(task)) {
        m_watched.installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_task) {
            QTimer::singleShot(m_delayMs, this, std::exchange(m_task, nullptr));
            m_watched.removeEventFilter(this);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QObject& m_watched;
    int m_delayMs;
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

void SetWindowIconAfterFirstPaint(QApplication& application) {
    // Queued behind the paint, so the window is on the screen first.
    auto* watcher = new AfterFirstPaint(application, 0, [] {
        QApplication::setWindowIcon(platform::qt::EmbeddedFiles::Instance().WindowIcon());
    });
    watcher->setParent(&application);
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
    if (!InstallTranslations(application).isEmpty()) DrawPicturesInLanguage();

    SetWindowIconAfterFirstPaint(application);
    DesktopServices services(SoundModuleFolders());
    CQuelmApp app(services.View());
    if (!app.InitInstance(CommandLineFile(QCoreApplication::arguments()))) return 0;
    const AfterFirstPaint preload(*app.View(), kSoundPreloadDelayMs, [&services] { services.sound.Preload(); });
    if (started) started(app);
    return QApplication::exec();
}
