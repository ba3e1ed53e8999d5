#include "platform/qt/sound/LazySoundOutput.h"

#include <QDir>

#include "platform/qt/sound/SoundModule.h"
#include "resources/Sounds.h"

namespace platform::qt {

LazySoundOutput::LazySoundOutput(QStringList folders) : m_folders(std::move(folders)) {}

LazySoundOutput::~LazySoundOutput() {
    // The output's code lives in the module: destroy it first. The module
    // itself stays loaded to the end of the process, as Qt's own plug-ins do.
    m_output.reset();
}

ISoundOutput* LazySoundOutput::Output() {
    if (m_tried) return m_output.get();
    m_tried = true;
    for (const QString& folder : m_folders) {
        m_library.setFileName(QDir(folder).filePath(QLatin1String(kSoundModuleName)));
        if (!m_library.load()) continue;
        const auto create = reinterpret_cast<GlimblesCreateSoundOutput>(m_library.resolve(kCreateSoundOutputSymbol));
        if (create != nullptr) m_output.reset(create());
        if (m_output) break;
        m_library.unload();
    }
    return m_output.get();
}

void LazySoundOutput::PlayWave(std::string_view name) {
    if (ISoundOutput* output = Output()) output->PlayWave(name);
}

void LazySoundOutput::Preload() {
    ISoundOutput* output = Output();
    if (output == nullptr) return;
    for (const res::SoundInfo& sound : res::AllSounds()) output->Preload(sound.name);
}

}  // namespace platform::qt
