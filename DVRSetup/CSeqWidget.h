#pragma once

#include <QList>
#include <QWidget>
#include <memory>

class QCheckBox;

namespace Ui {
class CSeqWidget;
}

// One sequence of the camera page: the single channels and multi-screen
// steps it passes through, as one mask (bits 0 to 15 channels 1 to 16, bits
// 16 to 22 the steps "M1-4" to "M1-16"), and its dwell time (a
// config::Camera_SeqTime value). The steps offered follow the channel count.
class CSeqWidget : public QWidget {
    Q_OBJECT

public:
    explicit CSeqWidget(QWidget* parent = nullptr);
    ~CSeqWidget() override;

    // Offers the channels and steps of nCh channels; with hide the steps are
    // hidden yet still read and written through the mask.
    void updateChannelCtrl(int nCh, bool hide);
    // Fills the dwell-time choices.
    void addItems();
    void setChMask(unsigned long mask);
    unsigned long getChMask() const;
    void setTime(int time);
    int getTime() const;

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private:
    // The mask bit of the i-th step of the multi list.
    int multiBit(int i) const;
    void applyMultiTexts();

    std::unique_ptr<Ui::CSeqWidget> m_ui;
    int m_channelCount = 16;
    QList<QCheckBox*> m_single;
    QList<QCheckBox*> m_multi;
};
