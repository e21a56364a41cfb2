#include "camera.h"

#include "TableLookup.h"
#include "dvr_types/KAssert.h"

#include <iterator>

namespace config {
namespace {

struct BaudRateRow {
    Camera_Ptz_BaudRate type;
    int bitsPerSecond;
    const char* text;
};

const BaudRateRow g_kBaudrate[] = {
    {Camera_Ptz::BAUDRATE_1200, 1200, "1200"},
    {Camera_Ptz::BAUDRATE_2400, 2400, "2400"},
    {Camera_Ptz::BAUDRATE_4800, 4800, "4800"},
    {Camera_Ptz::BAUDRATE_9600, 9600, "9600"},
    {Camera_Ptz::BAUDRATE_19200, 19200, "19200"},
    {Camera_Ptz::BAUDRATE_38400, 38400, "38400"},
    {Camera_Ptz::BAUDRATE_57600, 57600, "57600"},
    {Camera_Ptz::BAUDRATE_115200, 115200, "115200"},
};

struct SeqTimeRow {
    Camera_SeqTime type;
    const char* text;
    std::int64_t seconds;
};

const SeqTimeRow g_kSeqTime[] = {
    {Camera::SEQ_1SECS, "1 s", 1},
    {Camera::SEQ_2SECS, "2 s", 2},
    {Camera::SEQ_4SECS, "4 s", 4},
    {Camera::SEQ_5SECS, "5 s", 5},
    {Camera::SEQ_8SECS, "8 s", 8},
    {Camera::SEQ_10SECS, "10 s", 10},
    {Camera::SEQ_15SECS, "15 s", 15},
    {Camera::SEQ_30SECS, "30 s", 30},
};

struct SpotModeRow {
    Camera_Spot_Mode type;
    const char* text;
};

const SpotModeRow g_kSpotMode4_Single[] = {
    {Camera_Spot::MODE_SINGLE, "Single"},
    {Camera_Spot::MODE_SEQUENCE, "Sequence"},
};

const SpotModeRow g_kSpotMode4[] = {
    {Camera_Spot::MODE_SINGLE, "Single"},
    {Camera_Spot::MODE_QUAD, "Quad"},
    {Camera_Spot::MODE_SEQUENCE, "Sequence"},
};

const SpotModeRow g_kSpotMode8_Single[] = {
    {Camera_Spot::MODE_SINGLE, "Single"},
    {Camera_Spot::MODE_SEQUENCE, "Sequence"},
};

const SpotModeRow g_kSpotMode8[] = {
    {Camera_Spot::MODE_SINGLE, "Single"},
    {Camera_Spot::MODE_QUAD, "Quad"},
    {Camera_Spot::MODE_NONA, "9 Split"},
    {Camera_Spot::MODE_SEQUENCE, "Sequence"},
};

const SpotModeRow g_kSpotMode16_Single[] = {
    {Camera_Spot::MODE_SINGLE, "Single"},
    {Camera_Spot::MODE_SEQUENCE, "Sequence"},
};

const SpotModeRow g_kSpotMode16[] = {
    {Camera_Spot::MODE_SINGLE, "Single"},
    {Camera_Spot::MODE_QUAD, "Quad"},
    {Camera_Spot::MODE_NONA, "9 Split"},
    {Camera_Spot::MODE_16SPLIT, "16 Split"},
    {Camera_Spot::MODE_SEQUENCE, "Sequence"},
};

// The spot-mode rows for a DVR; no rows for a channel count without a table.
struct SpotModeRows {
    const SpotModeRow* rows = nullptr;
    int count = 0;

    bool hasRow(int index) const { return static_cast<unsigned>(index) < static_cast<unsigned>(count); }

    int find(Camera_Spot_Mode mode) const
    {
        for (int row = 0; row < count; ++row) {
            if (rows[row].type == mode)
                return row;
        }
        return -1;
    }
};

template <std::size_t N> SpotModeRows rowsOf(const SpotModeRow (&table)[N])
{
    return {table, static_cast<int>(std::size(table))};
}

SpotModeRows spotModeRows(bool single, int chNum)
{
    switch (chNum) {
    case 4:
        return single ? rowsOf(g_kSpotMode4_Single) : rowsOf(g_kSpotMode4);
    case 8:
        return single ? rowsOf(g_kSpotMode8_Single) : rowsOf(g_kSpotMode8);
    case 16:
        return single ? rowsOf(g_kSpotMode16_Single) : rowsOf(g_kSpotMode16);
    default:
        return {};
    }
}

struct PtzDevRow {
    Camera_Ptz_Model type;
    const char* text;
};

const PtzDevRow g_kPtzDev[] = {
    {Camera_Ptz::MODEL_NONE, "----"},
    {Camera_Ptz::MODEL_PELCO_D, "PELCO_D"},
};

struct SharpnessRow {
    Camera_Sharpness type;
    const char* text;
};

const SharpnessRow g_kSharpness[] = {
    {Camera::SHARPNESS_SOFT, "SOFT"},
    {Camera::SHARPNESS_NORMAL, "NORMAL"},
    {Camera::SHARPNESS_HARD, "HARD"},
};

} // namespace

int BaudRate_MaxItemNum()
{
    return static_cast<int>(std::size(g_kBaudrate));
}

const char* BaudRate_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kBaudrate, index), "sys_conf/types/camera.cpp, config::BaudRate_Index2String");
    return g_kBaudrate[index].text;
}

Camera_Ptz_BaudRate BaudRate_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kBaudrate, index), "sys_conf/types/camera.cpp, config::BaudRate_Index2Type");
    return g_kBaudrate[index].type;
}

int BaudRate_Index2Value(int index)
{
    K_ASSERT(table::hasRow(g_kBaudrate, index), "sys_conf/types/camera.cpp, config::BaudRate_Index2Value");
    return g_kBaudrate[index].bitsPerSecond;
}

int BaudRate_Type2Index(const Camera_Ptz_BaudRate& type)
{
    const int row = table::findRow(g_kBaudrate, type);
    K_ASSERT(row >= 0, "sys_conf/types/camera.cpp, config::BaudRate_Type2Index");
    return row;
}

int BaudRate_Type2Value(const Camera_Ptz_BaudRate& type)
{
    const int row = table::findRow(g_kBaudrate, type);
    K_ASSERT(row >= 0, "sys_conf/types/camera.cpp, config::BaudRate_Type2Value");
    return g_kBaudrate[row].bitsPerSecond;
}

int SeqTime_MaxItemNum()
{
    return static_cast<int>(std::size(g_kSeqTime));
}

const char* SeqTime_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kSeqTime, index), "sys_conf/types/camera.cpp, config::SeqTime_Index2String");
    return g_kSeqTime[index].text;
}

Camera_SeqTime SeqTime_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kSeqTime, index), "sys_conf/types/camera.cpp, config::SeqTime_Index2Type");
    return g_kSeqTime[index].type;
}

int SeqTime_Type2Index(const Camera_SeqTime& type)
{
    const int row = table::findRow(g_kSeqTime, type);
    K_ASSERT(row >= 0, "sys_conf/types/camera.cpp, config::SeqTime_Type2Index");
    return row;
}

std::int64_t SeqTime_Type2Value(const Camera_SeqTime& type)
{
    const int row = table::findRow(g_kSeqTime, type);
    K_ASSERT(row >= 0, "sys_conf/types/camera.cpp, config::SeqTime_Type2Value");
    return g_kSeqTime[row].seconds;
}

int SpotMode_Count(bool single, int chNum)
{
    return spotModeRows(single, chNum).count;
}

Camera_Spot_Mode SpotMode_Index2Type(bool single, int chNum, int index)
{
    const SpotModeRows rows = spotModeRows(single, chNum);
    if (rows.count == 0)
        return Camera_Spot::MODE_SINGLE;
    K_ASSERT(rows.hasRow(index), "sys_conf/types/camera.cpp, config::SpotMode_Index2Type");
    return rows.rows[index].type;
}

const char* SpotMode_Index2String(bool single, int chNum, int index)
{
    const SpotModeRows rows = spotModeRows(single, chNum);
    if (rows.count == 0)
        return "";
    K_ASSERT(rows.hasRow(index), "sys_conf/types/camera.cpp, config::SpotMode_Index2String");
    return rows.rows[index].text;
}

int SpotMode_Type2Index(bool single, int chNum, const Camera_Spot_Mode& mode)
{
    K_ASSERT(Camera_Spot_Mode_IsValid(mode), "sys_conf/types/camera.cpp, config::SpotMode_Type2Index");
    const SpotModeRows rows = spotModeRows(single, chNum);
    if (rows.count == 0)
        return -1;
    const int row = rows.find(mode);
    return row >= 0 ? row : 0;
}

bool SpotMode_IsSupported(bool single, int chNum, const Camera_Spot_Mode& mode)
{
    return spotModeRows(single, chNum).find(mode) >= 0;
}

const char* PtzDev_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kPtzDev, index), "sys_conf/types/camera.cpp, config::PtzDev_Index2String");
    return g_kPtzDev[index].text;
}

Camera_Ptz_Model PtzDev_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kPtzDev, index), "sys_conf/types/camera.cpp, config::PtzDev_Index2Type");
    return g_kPtzDev[index].type;
}

int PtzDev_Type2Index(const Camera_Ptz_Model& type)
{
    const int row = table::findRow(g_kPtzDev, type);
    K_ASSERT(row >= 0, "sys_conf/types/camera.cpp, config::PtzDev_Type2Index");
    return row;
}

int Sharpness_MaxItemNum()
{
    return static_cast<int>(std::size(g_kSharpness));
}

Camera_Sharpness Sharpness_Index2Type(int index)
{
    K_ASSERT(table::hasRow(g_kSharpness, index), "sys_conf/types/camera.cpp, config::Sharpness_Index2Type");
    return g_kSharpness[index].type;
}

const char* Sharpness_Index2String(int index)
{
    K_ASSERT(table::hasRow(g_kSharpness, index), "sys_conf/types/camera.cpp, config::Sharpness_Index2String");
    return g_kSharpness[index].text;
}

int Sharpness_Type2Index(const Camera_Sharpness& type)
{
    const int row = table::findRow(g_kSharpness, type);
    K_ASSERT(row >= 0, "sys_conf/types/camera.cpp, config::Sharpness_Type2Index");
    return row;
}

} // namespace config
