#include "network.h"

#include "TableLookup.h"
#include "dvr_types/KAssert.h"

namespace config {

namespace {

struct NetworkTypeRow {
    Network_Type type;
    const char* text;
};

const NetworkTypeRow g_kNetworkType[] = {
    {Network::TYPE_AUTO_UPNP, "Auto UPnP"},
    {Network::TYPE_STATIC, "Static"},
    {Network::TYPE_DHCP, "DHCP"},
};

struct BandWidthLimitationRow {
    Network_BandWidthLimitation type;
    const char* text;
    int kbps;
};

const BandWidthLimitationRow g_kBandWidthLimitation[] = {
    {Network::BWL_OFF, "OFF", 0},
    {Network::BWL_100kbps, "100 kbps", 100},
    {Network::BWL_200kbps, "200 kbps", 200},
    {Network::BWL_300kbps, "300 kbps", 300},
    {Network::BWL_500kbps, "500 kbps", 500},
    {Network::BWL_1000kbps, "1000 kbps", 1000},
    {Network::BWL_2000kbps, "2000 kbps", 2000},
    {Network::BWL_3000kbps, "3000 kbps", 3000},
    {Network::BWL_5000kbps, "5000 kbps", 5000},
    {Network::BWL_10000kbps, "10000 kbps", 10000},
};

} // namespace

const char* NetworkType_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kNetworkType, index), "sys_conf/types/network.cpp, config::NetworkType_Index2String");
    return g_kNetworkType[index].text;
}

Network_Type NetworkType_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kNetworkType, index), "sys_conf/types/network.cpp, config::NetworkType_Index2Type");
    return g_kNetworkType[index].type;
}

int NetworkType_Type2Index(const Network_Type& type)
{
    const int row = table::findRow(g_kNetworkType, type);
    K_ASSERT(row >= 0, "sys_conf/types/network.cpp, config::NetworkType_Type2Index");
    return row;
}

const char* BandWidthLimitation_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kBandWidthLimitation, index),
        "sys_conf/types/network.cpp, config::BandWidthLimitation_Index2String");
    return g_kBandWidthLimitation[index].text;
}

Network_BandWidthLimitation BandWidthLimitation_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kBandWidthLimitation, index),
        "sys_conf/types/network.cpp, config::BandWidthLimitation_Index2Type");
    return g_kBandWidthLimitation[index].type;
}

int BandWidthLimitation_Type2Index(const Network_BandWidthLimitation& type)
{
    const int row = table::findRow(g_kBandWidthLimitation, type);
    K_ASSERT(row >= 0, "sys_conf/types/network.cpp, config::BandWidthLimitation_Type2Index");
    return row;
}

int BandWidthLimitation_Index2Value(int index)
{
    K_ASSERT(table::hasRow(g_kBandWidthLimitation, index),
        "sys_conf/types/network.cpp, config::BandWidthLimitation_Index2Value");
    return g_kBandWidthLimitation[index].kbps;
}

int BandWidthLimitation_Type2Value(const Network_BandWidthLimitation& type)
{
    const int row = table::findRow(g_kBandWidthLimitation, type);
    K_ASSERT(row >= 0, "sys_conf/types/network.cpp, config::BandWidthLimitation_Type2Value");
    return g_kBandWidthLimitation[row].kbps;
}

} // namespace config
