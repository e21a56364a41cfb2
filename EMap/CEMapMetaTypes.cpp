#include "CEMapMetaTypes.h"

void CEMapMetaTypes::registerTypes()
{
    qRegisterMetaType<EMap>("EMap");
    qRegisterMetaType<EMapList>("EMapList");
}
