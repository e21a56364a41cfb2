#include "SysData/HavFileHeader.h"

#include "Common/CEucKr.h"
#include "dvr_types/DvrModel.h"

namespace {
const int MODEL_AT = 4;
const int DVR_NAME_AT = 8;
const int CAMERA_NAMES_AT = 29;
const int NAME_FIELD = 21;
// The last byte of a name field is its terminating NUL.
const int NAME_BYTES = NAME_FIELD - 1;

QString utf8Field(const char* field)
{
    qsizetype length = 0;
    while (length < NAME_BYTES && field[length] != '\0')
        ++length;
    return QString::fromUtf8(field, length);
}
} // namespace

bool HavFileHeader::read(const QByteArray& bytes, HavFileHeader* header)
{
    if (bytes.size() < SIZE || !bytes.startsWith("HAV"))
        return false;
    const char* data = bytes.constData();
    const int model = static_cast<unsigned char>(data[MODEL_AT]);
    header->model = DvrModel::IsValid(model) ? model : 0;
    // The DVR's name is narrow text; camera names are kept as the DVR sent them.
    header->dvrName = CEucKr::fieldToUnicode(data + DVR_NAME_AT, NAME_BYTES);
    for (int channel = 0; channel < int(header->cameraNames.size()); ++channel)
        header->cameraNames[channel] = utf8Field(data + CAMERA_NAMES_AT + NAME_FIELD * channel);
    return true;
}
