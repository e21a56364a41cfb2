#include "CCoreMetaTypes.h"

#include "ProtoBuf/GroupList.pb.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QMetaType>

void CCoreMetaTypes::registerTypes()
{
    qRegisterMetaType<DVR>("DVR");
    qRegisterMetaType<Group>("Group");
    qRegisterMetaType<cgi::DvrInfo>("cgi::DvrInfo");
}
