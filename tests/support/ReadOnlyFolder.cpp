#include "ReadOnlyFolder.h"

#include <QFile>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Root writes anywhere through CAP_DAC_OVERRIDE; without it, on this thread,
// the folder's permission bits bind root too.
class WithoutDacOverride {
public:
    WithoutDacOverride()
    {
        syscall(SYS_capget, &m_header, m_data);
        m_effective = m_data[0].effective;
        m_data[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        syscall(SYS_capset, &m_header, m_data);
    }
    ~WithoutDacOverride()
    {
        m_data[0].effective = m_effective;
        syscall(SYS_capset, &m_header, m_data);
    }
    WithoutDacOverride(const WithoutDacOverride&) = delete;
    WithoutDacOverride& operator=(const WithoutDacOverride&) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_data[_LINUX_CAPABILITY_U32S_3]{};
    quint32 m_effective = 0;
};

} // namespace

bool withReadOnlyFolder(const QString& folder, const std::function<bool()>& check)
{
    const QByteArray path = QFile::encodeName(folder);
    chmod(path.constData(), 0555);
    bool ok = false;
    {
        const WithoutDacOverride asPlainUser;
        ok = check();
    }
    chmod(path.constData(), 0755);
    return ok;
}
