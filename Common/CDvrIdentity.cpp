#include "CDvrIdentity.h"

#include <algorithm>

bool CDvrIdentity::same(const DVR& a, const DVR& b)
{
    return a.address() == b.address() && a.port() == b.port();
}

bool CDvrIdentity::streamsAlike(const DVR& a, const DVR& b)
{
    // By value: a field the list file leaves unset reads as its default, as
    // the same default that the DVR dialog sets does.
    return same(a, b) && a.id() == b.id() && a.password() == b.password() && a.chnum() == b.chnum()
        && a.bitch() == b.bitch() && a.oldprotocol() == b.oldprotocol();
}

bool CDvrIdentity::equal(const DVR& a, const DVR& b)
{
    return streamsAlike(a, b) && a.name() == b.name()
        && std::equal(a.chname().cbegin(), a.chname().cend(), b.chname().cbegin(), b.chname().cend());
}
