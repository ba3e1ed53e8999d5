#pragma once

#include <QLibrary>
#include <QStringList>

#include <memory>

#include "platform/SoundOutput.h"

struct TestAccess;

namespace platform::qt {

// The game's sound output: loads the sound module the first time a sound is
// played or Preload is called, and forwards to it. Without the module the
// game is silent and says nothing.
class LazySoundOutput final : public ISoundOutput {
public:
    // `folders` are searched in order for the module.
    explicit LazySoundOutput(QStringList folders);
    ~LazySoundOutput() override;

    void PlayWave(std::string_view name) override;

    // Loads the module and opens the sounds now, off the click path.
    void Preload();
    using ISoundOutput::Preload;  // one sound: kept as the interface has it

private:
    friend struct ::TestAccess;
    ISoundOutput* Output();

    QStringList m_folders;
    QLibrary m_library;
    std::unique_ptr<ISoundOutput> m_output;  // the module's output once loaded; null before, or without a module
    bool m_tried = false;                    // the module is looked for once
};

}  // namespace platform::qt
