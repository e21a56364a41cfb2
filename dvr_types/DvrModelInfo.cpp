#include "DvrModelInfo.h"

#include "dvr_types/KAssert.h"

#include <cstddef>

namespace {

enum LanguageList { ListA, ListB };

struct ModelRow {
    int model;
    unsigned channels;
    unsigned sensors;
    bool alarm;
    LanguageList languages;
};

const ModelRow modelTable[] = {
    {0, 16, 8, true, ListA},
    {1, 8, 8, true, ListA},
    {2, 4, 0, false, ListA},
    {3, 4, 0, false, ListB},
    {4, 16, 8, true, ListA},
    {5, 8, 8, true, ListA},
    {6, 4, 4, true, ListA},
    {7, 16, 8, true, ListB},
    {8, 8, 0, true, ListB},
    {9, 4, 0, false, ListB},
    {10, 16, 0, false, ListB},
    {11, 8, 0, false, ListB},
    {12, 4, 0, false, ListB},
    {13, 16, 0, false, ListB},
    {14, 8, 0, false, ListB},
    {15, 4, 0, false, ListB},
    {16, 16, 8, true, ListB},
    {17, 8, 8, true, ListB},
    {19, 16, 8, true, ListB},
    {20, 8, 8, true, ListB},
    {50, 16, 4, true, ListA},
    {51, 16, 4, true, ListA},
    {52, 8, 4, true, ListA},
    {53, 4, 4, true, ListA},
    {54, 16, 0, true, ListA},
    {55, 8, 0, true, ListA},
    {56, 4, 0, true, ListA},
    {64, 4, 4, true, ListA},
    {65, 8, 8, true, ListA},
    {67, 4, 4, true, ListB},
    {68, 8, 8, true, ListB},
    {70, 4, 4, true, ListB},
    {71, 8, 8, true, ListB},
    {73, 4, 0, false, ListB},
    {76, 4, 0, false, ListB},
    {79, 4, 0, false, ListB},
    {82, 4, 0, false, ListB},
    {85, 4, 4, true, ListB},
    {100, 16, 0, false, ListA},
};

const ModelRow* findRow(int model)
{
    for (const ModelRow& row : modelTable) {
        if (row.model == model)
            return &row;
    }
    return nullptr;
}

QStringList languageList(LanguageList list)
{
    if (list == ListB)
        return {QStringLiteral("english"), QStringLiteral("korean")};
    return {QStringLiteral("english"), QStringLiteral("korean"), QStringLiteral("russian"), QStringLiteral("turkish"),
        QStringLiteral("norwegian"), QStringLiteral("german"), QStringLiteral("french"), QStringLiteral("chinese_tw")};
}

// Neutral product names: channel count and model number, e.g. "DVR-08008".
QString modelName(const ModelRow& row)
{
    return QStringLiteral("DVR-%1%2")
        .arg(row.channels, 2, 10, QLatin1Char('0'))
        .arg(row.model, 3, 10, QLatin1Char('0'));
}

} // namespace

DvrModelInfo::DvrModelInfo(DvrModel model)
    : model(4)
{
    Init(model);
}

void DvrModelInfo::Init(DvrModel model)
{
    K_ASSERT(model.IsValid(), "dvr_types/model_info");
    const ModelRow* modelinfo = findRow(model);
    K_ASSERT(modelinfo != NULL, "dvr_types/model_info");

    this->model = model;
    name = modelName(*modelinfo);
    channels = modelinfo->channels;
    sensors = modelinfo->sensors;
    alarm = modelinfo->alarm;
    languages = languageList(modelinfo->languages);
    const QString code = name.toLower();
    appPattern = code + QStringLiteral("app_*.bin");
    kernelPattern = code + QStringLiteral("kernel_*.bin");
}
