#pragma once

#include <QStringList>

#include <functional>

class CQuelmApp;
class QApplication;

// Where the sound module is looked for: beside the program (the build tree),
// then where the package installs it.
QStringList SoundModuleFolders();

// Gives every window the game's icon just after the first paint of any
// window: decoding the icon's images would otherwise hold that paint up. The
// watcher is a child of `application`.
void SetWindowIconAfterFirstPaint(QApplication& application);

// Runs the game: makes the application object with the real services, starts
// it and runs the event loop. `started`, when given, is called once the main
// window is up, before the loop runs (tools hook their probes in here).
int RunGame(int argc, char* argv[], const std::function<void(CQuelmApp&)>& started = {});
