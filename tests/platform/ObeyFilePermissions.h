#pragma once
// A guard under which even root obeys file permissions, for the tests of
// files that may not be read or written.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace settings_rig {

// While alive, this thread loses the capabilities that let root ignore file
// permissions, so permission tests mean the same for every user.
class ObeyFilePermissions {
public:
    ObeyFilePermissions() {
        m_ok = syscall(SYS_capget, &m_header, m_saved) == 0;
        if (!m_ok) return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH) | (1U << CAP_FOWNER));
        m_ok = syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~ObeyFilePermissions() {
        if (m_ok) syscall(SYS_capset, &m_header, m_saved);
    }
    ObeyFilePermissions(const ObeyFilePermissions&) = delete;
    ObeyFilePermissions& operator=(const ObeyFilePermissions&) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_ok = false;
};

}  // namespace settings_rig
