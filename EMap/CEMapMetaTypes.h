#pragma once

#include "ProtoBuf/EMapList.pb.h"

#include <QMetaType>

Q_DECLARE_METATYPE(EMap)
Q_DECLARE_METATYPE(EMapList)

// Makes a map ("EMap") and a map group ("EMapList") known to the meta-type
// system by those names, so that tree items hold them whole and signals can
// carry them across threads. The map tree calls it when it is built.
class CEMapMetaTypes {
public:
    static void registerTypes();
};
