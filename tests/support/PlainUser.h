#pragma once

#include <QtGlobal>
#include <linux/capability.h>

// While it lives, this thread is bound by the permission bits of files and
// folders, root included: root reads and writes anything through its
// CAP_DAC_OVERRIDE and CAP_DAC_READ_SEARCH, which this thread gives up for
// the time.
class PlainUser {
public:
    PlainUser();
    ~PlainUser();
    PlainUser(const PlainUser&) = delete;
    PlainUser& operator=(const PlainUser&) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_data[_LINUX_CAPABILITY_U32S_3]{};
    quint32 m_effective = 0;
};
