#pragma once

#include "dvr_types/DvrModel.h"

#include <QString>
#include <QStringList>

// The fixed facts of one DVR model, from the table compiled into the program.
struct DvrModelInfo {
    explicit DvrModelInfo(DvrModel model);

    // Replaces every field by the table's row of the model.
    void Init(DvrModel model);

    DvrModel model;
    QString name;
    unsigned channels = 0;
    // Sensor inputs; the event page sizes its sensor list by it.
    unsigned sensors = 0;
    // The model has alarm outputs: relay page and sensor record modes.
    bool alarm = false;
    // Menu languages of the DVR, in order.
    QStringList languages;
    // File-name patterns of the application and kernel firmware images.
    QString appPattern;
    QString kernelPattern;
};
