#include "PlainUser.h"

#include <sys/syscall.h>
#include <unistd.h>

PlainUser::PlainUser()
{
    syscall(SYS_capget, &m_header, m_data);
    m_effective = m_data[0].effective;
    m_data[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    syscall(SYS_capset, &m_header, m_data);
}

PlainUser::~PlainUser()
{
    m_data[0].effective = m_effective;
    syscall(SYS_capset, &m_header, m_data);
}
