// The engine's sound effects.
#include "engine/Puzzle.h"

void CPuzzle::PlayWave(std::string_view name) const {
    if (m_soundOff != 0) return;
    m_sound.PlayWave(name);
}
