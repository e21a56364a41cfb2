#include "CStreamIdentity.h"

#include "Common/CEucKr.h"
#include "Common/CUFrame.h"
#include "dvr_types/DvrModel.h"

#include <algorithm>
#include <cstring>

namespace {

const std::size_t NAME_OFFSET = 6;
const std::size_t NAME_SIZE = 13;

int modelByChannels(bool oldProtocol, int channels, int current)
{
    switch (channels) {
    case 4:
        return oldProtocol ? 19 : 6;
    case 8:
        return oldProtocol ? 20 : 5;
    case 16:
        return oldProtocol ? 21 : 4;
    default:
        return current;
    }
}

} // namespace

cgi::DvrInfo CStreamIdentity::fromOldRecord(const unsigned char* data, std::size_t len)
{
    unsigned char record[OLD_RECORD_SIZE] = {};
    const std::size_t taken = std::min(len, OLD_RECORD_SIZE);
    if (taken > 0)
        std::memcpy(record, data, taken);

    cgi::DvrInfo info;
    info.set_ch_num(record[0]);
    info.set_available_chmask(static_cast<quint32>(record[2] << 8 | record[3]));
    info.set_model(record[4]);
    for (int i = 0; i < MAX_NAMES; ++i) {
        const std::size_t at = NAME_OFFSET + NAME_SIZE * std::size_t(i);
        if (at + NAME_SIZE > taken)
            break;
        const char* slot = reinterpret_cast<const char*>(record + at);
        info.add_ch_name(CEucKr::fieldToUnicode(slot, NAME_SIZE).toStdString());
    }
    return info;
}

bool CStreamIdentity::fromMessage(const unsigned char* data, std::size_t len, cgi::DvrInfo* info)
{
    if (len > std::size_t(INT_MAX))
        return false;
    cgi::DvrInfo parsed;
    if (!parsed.ParseFromArray(data, static_cast<int>(len)))
        return false;
    info->Swap(&parsed);
    return true;
}

int CStreamIdentity::normalisedModel(bool oldProtocol, int model, int channels, int current)
{
    const bool known = oldProtocol ? CUFrame::IsValidModel(model) : DvrModel::IsValid(model);
    return known ? model : modelByChannels(oldProtocol, channels, current);
}

int CStreamIdentity::namedChannels(const cgi::DvrInfo& info)
{
    return static_cast<int>(std::min<quint64>({info.ch_num(), quint64(info.ch_name_size()), quint64(MAX_NAMES)}));
}
