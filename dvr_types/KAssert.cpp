#include "KAssert.h"

#include <QtGlobal>

void kAssertFailed(const char* expression, const char* source, int line)
{
    qFatal("ASSERT: \"%s\" in file %s, line %d", expression, source, line);
}
