#pragma once

#include "ProtoBuf/DVRList.pb.h"
#include "ProtoBuf/EMapList.pb.h"

#include <QWidget>

// One open map in the main window's display area: the map image with its
// camera icons, live in view mode, draggable in edit mode. Deletes itself
// when closed.
class CEMapWidget : public QWidget {
    Q_OBJECT

public:
    explicit CEMapWidget(QWidget* parent = nullptr);
    ~CEMapWidget() override;

    // Set once, before the map is shown.
    void setEditable(bool editable);
    void updateImageSize();
    void closeVideoWidget();

public slots:
    void setSelectedEMap(const EMap& map);
    // The camera being dragged out of the DVR tree.
    void setCameraItem(const DVR& dvr, int channel);

signals:
    void signalSaveEMap(const EMap& map);
    void updateLog(const QString& line);
};
