#pragma once

#include "ProtoBuf/DVRList.pb.h"

#include <QWidget>
#include <memory>

class CInfoWidget;
class CLogWidget;

namespace Ui {
class CDVRInfoWidget;
}

// The DVR information window of the main window's information mode: a DVR's
// identity and disks on the "Info" tab, its system log on the "Log" tab.
// The main window builds it once, places it and shows or hides it.
class CDVRInfoWidget : public QWidget {
    Q_OBJECT

public:
    explicit CDVRInfoWidget(QWidget* parent = nullptr);
    ~CDVRInfoWidget() override;

    // Clears what was shown and reads the DVR again; the replies fill the
    // tabs as they arrive.
    void readData(const DVR& dvr);

    virtual void languageChange();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<Ui::CDVRInfoWidget> m_ui;
    CInfoWidget* m_info;
    CLogWidget* m_log;
};
