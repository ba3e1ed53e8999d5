#pragma once

#include <QStringList>

#include <functional>

class CQuelmApp;

// Runs the game: makes the application object with the real services, starts
// it and runs the event loop. `started`, when given, is called once the main
// window is up, before the loop runs (tools hook their probes in here).
// Where the sound module is looked for: beside the program (the build tree),
// then where the package installs it.
QStringList SoundModuleFolders();

int RunGame(int argc, char* argv[], const std::function<void(CQuelmApp&)>& started = {});
