#pragma once

#include <QLibrary>
#include <QStringList>

#include <memory>

#include "platform/SoundOutput.h"

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

    // True once the module is loaded and gave an output.
    bool Loaded() const { return m_output != nullptr; }

private:
    ISoundOutput* Output();

    QStringList m_folders;
    QLibrary m_library;
    std::unique_ptr<ISoundOutput> m_output;
    bool m_tried = false;  // the module is looked for once
};

}  // namespace platform::qt
