#include "CLiveSelection.h"

#include "Common/CDvrIdentity.h"

bool CLiveSelection::Value::operator==(const Value& other) const
{
    if (hasDvr != other.hasDvr)
        return false;
    return !hasDvr
        || (CDvrIdentity::equal(dvr, other.dvr) && entry == other.entry && connected == other.connected
            && clientId == other.clientId && channel == other.channel && hasRelay == other.hasRelay
            && hasPicture == other.hasPicture);
}

CLiveSelection::CLiveSelection(QObject* parent)
    : QObject(parent)
{
}

CLiveSelection::~CLiveSelection() = default;

void CLiveSelection::set(const Value& value)
{
    if (value == m_value)
        return;
    m_value = value;
    emit changed(m_value);
}
