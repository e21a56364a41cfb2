#include "CChannelWidget.h"

#include "Common/CChnum.h"
#include "ui_CChannelWidget.h"

#include <QCheckBox>
#include <QEvent>

CChannelWidget::CChannelWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CChannelWidget>())
{
    m_ui->setupUi(this);
    updateChannelCtrl(16);
}

CChannelWidget::~CChannelWidget() = default;

void CChannelWidget::updateChannelCtrl(int n)
{
    for (QCheckBox* box : std::as_const(m_channels))
        disconnect(box, nullptr, this, nullptr);
    m_channels = CChnum::showChannelBoxes(this, n);
    for (QCheckBox* box : std::as_const(m_channels))
        connect(box, &QCheckBox::clicked, this, &CChannelWidget::OnChannelClicked);
}

void CChannelWidget::setChMask(unsigned long mask)
{
    CChnum::setCheckBoxValue(m_channels, mask);
    m_checkedOrder.clear();
    for (QCheckBox* box : std::as_const(m_channels)) {
        if (box->isChecked())
            m_checkedOrder.append(box);
    }
}

unsigned long CChannelWidget::getChMask() const
{
    return CChnum::getCheckBoxValue(m_channels);
}

void CChannelWidget::setCheckableCount(int count)
{
    m_checkableCount = count;
}

void CChannelWidget::OnChannelClicked()
{
    auto* box = qobject_cast<QCheckBox*>(sender());
    if (!box)
        return;
    // An unchecked box leaves the order, so the box unchecked by the limit
    // is always the earliest one still checked.
    m_checkedOrder.removeAll(box);
    if (!box->isChecked())
        return;
    if (m_checkableCount > 0) {
        // More than the count may be checked after setChMask; a click brings
        // them back within it.
        while (m_checkedOrder.size() >= m_checkableCount)
            m_checkedOrder.takeFirst()->setChecked(false);
    }
    m_checkedOrder.append(box);
}

void CChannelWidget::languageChange()
{
    m_ui->retranslateUi(this);
}

void CChannelWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
