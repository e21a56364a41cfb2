#include "CDvrIdentity.h"

bool CDvrIdentity::same(const DVR& a, const DVR& b)
{
    return a.address() == b.address() && a.port() == b.port();
}
