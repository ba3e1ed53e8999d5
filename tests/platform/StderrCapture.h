#pragma once
// Everything written to standard error while one lives, at the descriptor,
// so that libraries writing there themselves are caught too.

#include <unistd.h>

#include <cstdio>
#include <string>

namespace pulse_rig {

class StderrCapture {
public:
    StderrCapture() {
        std::fflush(stderr);
        m_file = std::tmpfile();
        m_saved = m_file != nullptr ? dup(2) : -1;
        if (m_saved >= 0) dup2(fileno(m_file), 2);
    }
    ~StderrCapture() { Release(); }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Puts standard error back and returns what was written meanwhile.
    std::string Release() {
        std::string text;
        if (m_saved >= 0) {
            std::fflush(stderr);
            dup2(m_saved, 2);
            close(m_saved);
            m_saved = -1;
            std::rewind(m_file);
            for (int c = std::fgetc(m_file); c != EOF; c = std::fgetc(m_file)) text.push_back(static_cast<char>(c));
        }
        if (m_file != nullptr) std::fclose(m_file);
        m_file = nullptr;
        return text;
    }

private:
    std::FILE* m_file = nullptr;
    int m_saved = -1;
};

}  // namespace pulse_rig
