#include "shell/GameMain.h"

#include <QApplication>

#include "platform/TickSource.h"
#include "platform/qt/QtResources.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/ScaledPictures.h"
#include "platform/qt/ShellOpen.h"
#include "platform/qt/SoundOutput.h"
#include "shell/GameDialogs.h"
#include "shell/QuelmApp.h"

int RunGame(int argc, char* argv[], const std::function<void(CQuelmApp&)>& started) {
    QApplication::setApplicationName(QStringLiteral("glimbles"));
    QApplication::setOrganizationName(QStringLiteral("Pellix"));
    QApplication::setDesktopFileName(QStringLiteral("com.pellix.glimbles"));
    QApplication application(argc, argv);

    platform::qt::QtResources& resources = platform::qt::QtResources::Instance();
    QApplication::setWindowIcon(resources.WindowIcon());
    platform::qt::ScaledPictures pictures([&resources](int id) { return resources.Bitmap(id); });
    platform::qt::QtSettingsStore settings;
    platform::qt::SoundOutput sound;
    platform::SystemTickSource ticks;
    platform::qt::ShellOpen shell;
    GameDialogs dialogs(settings, shell);

    CQuelmApp app(ViewServices{settings, sound, ticks, pictures, dialogs, shell});
    if (!app.InitInstance()) return 0;
    if (started) started(app);
    return QApplication::exec();
}
