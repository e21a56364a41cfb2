#pragma once

#include "DVRSetup/CLiveCommand.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QByteArray>
#include <QWidget>
#include <memory>

class CReadDVRData;
class QSlider;

namespace Ui {
class CPictureWidget;
}

// The picture page of the live control panel: contrast, brightness,
// saturation and horizontal and vertical sharpness (0 to 15) of the selected
// channel. A DVR's values are read once when the DVR changes and then kept
// up to date by the page's own writes; every change the operator makes is
// written at once, a drag once at its release, and showing values writes
// nothing. New dialect only.
class CPictureWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr int DEFAULT_VALUE = 8;

    explicit CPictureWidget(QWidget* parent = nullptr);
    ~CPictureWidget() override;

    // The client id is not used: the page does not stream.
    void SetConnectedDVR(const DVR& dvr, int clientId);
    // Forgets the values: the next DVR, even the same again, is read anew.
    void clearConnectedDVR();
    void SetChannel(int channel);
    // The silence after which a read of the values gives up.
    void setReadTimeLimit(int milliseconds);

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void sliderPressed();
    void contrastReleased();
    void brightnessReleased();
    void saturationReleased();
    void hsharpnessReleased();
    void vsharpnessReleased();
    void ChangeContrast(int value);
    void ChangeBrightness(int value);
    void ChangeSaturation(int value);
    void ChangeHSharpness(int value);
    void ChangeVSharpness(int value);
    void SetDefault();
    void PictureControlReaded(const QByteArray& data);

private:
    enum Row { CONTRAST, BRIGHTNESS, SATURATION, HSHARPNESS, VSHARPNESS, ROW_COUNT };

    QSlider* slider(Row row) const;
    google::protobuf::RepeatedField<google::protobuf::uint32>& values(Row row);
    void fillValues();
    void refreshSliders();
    void changeValue(Row row, int value);
    void releaseSlider(Row row);
    void sendSet(cgi::PictureControlSet::Type type, int value);
    void replaceReader();

    std::unique_ptr<Ui::CPictureWidget> m_ui;
    CLiveCommand m_command;
    int m_channel = 0;
    cgi::PictureControlGet m_values;
    CReadDVRData* m_reader = nullptr;
    int m_readTimeLimitMs;
    bool m_pressed = false;
};
