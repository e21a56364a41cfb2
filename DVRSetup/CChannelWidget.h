#pragma once

#include <QList>
#include <QWidget>
#include <memory>

class QCheckBox;

namespace Ui {
class CChannelWidget;
}

// Sixteen channel boxes "CH1" to "CH16", of which those of the DVR's channels
// show; the checked ones make a channel mask (bit i: channel i + 1). With a
// checkable count, checking one box too many unchecks the box checked
// earliest, so clicks never check more boxes than the count.
class CChannelWidget : public QWidget {
    Q_OBJECT

public:
    explicit CChannelWidget(QWidget* parent = nullptr);
    ~CChannelWidget() override;

    // Shows the boxes of channels 1 to n; hidden boxes keep their state.
    void updateChannelCtrl(int n);
    void setChMask(unsigned long mask);
    unsigned long getChMask() const;
    // The most boxes checked at once; 0 for no limit.
    void setCheckableCount(int count);

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnChannelClicked();

private:
    std::unique_ptr<Ui::CChannelWidget> m_ui;
    QList<QCheckBox*> m_channels; // shown boxes in channel order
    QList<QCheckBox*> m_checkedOrder; // checked boxes, earliest first
    int m_checkableCount = 0;
};
