#include "CDvrIdentity.h"

bool CDvrIdentity::same(const DVR& a, const DVR& b)
{
    return a.address() == b.address() && a.port() == b.port();
}

bool CDvrIdentity::streamsAlike(const DVR& a, const DVR& b)
{
    DVR unnamedA = a;
    DVR unnamedB = b;
    for (DVR* record : {&unnamedA, &unnamedB}) {
        record->clear_name();
        record->clear_chname();
    }
    return unnamedA.SerializeAsString() == unnamedB.SerializeAsString();
}
