#pragma once

#include "ProtoBuf/ModelInfo.pb.h"

#include <QDialog>
#include <memory>

namespace Ui {
class CModelInfoDialog;
}

// Chooses a DVR model for offline editing by model type (the combo rows
// "HD-SDI DVR", "AHD DVR", "960H DVR"), channel count and video standard.
// HD-SDI DVRs have no 16-channel model, so that choice hides "16 channels".
class CModelInfoDialog : public QDialog {
    Q_OBJECT

public:
    explicit CModelInfoDialog(QWidget* parent = nullptr);
    ~CModelInfoDialog() override;

    void setDVRChannels(int channels);
    void setVideoType(config::VideoType type);
    // model must be a valid DvrModel id.
    void setModel(int model);
    int getDVRChannels() const;
    int getVideoType() const;
    const int& getModelType() const { return m_modelType; }

    // The model type of a valid DvrModel id: 0 HD-SDI, 1 AHD, 2 960H.
    static int ModelIndex2Type(int model);
    // The model id that stands for a model type with 4, 8 or 16 channels.
    static int ModelOfChoice(int modelType, int channels);

    virtual void languageChange();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void OnChangedModelType(int index);

private:
    std::unique_ptr<Ui::CModelInfoDialog> m_ui;
    int m_channels = 16;
    int m_videoType = 0;
    int m_modelType = 2;
};
