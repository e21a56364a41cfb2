#include "CSeqWidget.h"

#include "Common/CChnum.h"
#include "ui_CSeqWidget.h"

#include <QCheckBox>
#include <QEvent>
#include <QRegularExpression>
#include <algorithm>

namespace {

const QRegularExpression MCHANNEL_REGEX(QStringLiteral("chM([0-9]+)"));

constexpr int FIRST_MULTI_BIT = 16;
// With 8 channels the steps offered are "M1-4", "M5-8" and "M1-8".
constexpr int EIGHT_CHANNEL_STEPS[] = {1, 2, 5};

int numberIn(const QRegularExpression& pattern, const QCheckBox* box)
{
    const QRegularExpressionMatch match = pattern.match(box->objectName());
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

bool stepOffered(int channels, int step)
{
    switch (channels) {
    case 4:
        return step == 1;
    case 8:
        return std::find(std::begin(EIGHT_CHANNEL_STEPS), std::end(EIGHT_CHANNEL_STEPS), step)
            != std::end(EIGHT_CHANNEL_STEPS);
    default:
        return true;
    }
}

} // namespace

CSeqWidget::CSeqWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CSeqWidget>())
{
    m_ui->setupUi(this);
    updateChannelCtrl(16, false);
}

CSeqWidget::~CSeqWidget() = default;

void CSeqWidget::updateChannelCtrl(int nCh, bool hide)
{
    m_channelCount = nCh;
    m_single = CChnum::showChannelBoxes(this, nCh);

    m_multi.clear();
    for (QCheckBox* box : findChildren<QCheckBox*>()) {
        const int step = numberIn(MCHANNEL_REGEX, box);
        if (step < 0)
            continue;
        const bool offered = stepOffered(nCh, step);
        box->setVisible(offered && !hide);
        if (offered)
            m_multi.append(box);
    }
    std::sort(m_multi.begin(), m_multi.end(), [](const QCheckBox* a, const QCheckBox* b) {
        return numberIn(MCHANNEL_REGEX, a) < numberIn(MCHANNEL_REGEX, b);
    });
    applyMultiTexts();
}

void CSeqWidget::applyMultiTexts()
{
    m_ui->chM5->setText(m_channelCount == 8 ? tr("M1-8") : tr("M1-9"));
}

void CSeqWidget::addItems()
{
    m_ui->seqTime->clear();
    m_ui->seqTime->addItems(
        {QStringLiteral("1 sec"), QStringLiteral("2 secs"), QStringLiteral("4 secs"), QStringLiteral("5 secs"),
            QStringLiteral("8 secs"), QStringLiteral("10 secs"), QStringLiteral("15 secs"), QStringLiteral("30 secs")});
}

int CSeqWidget::multiBit(int i) const
{
    if (m_channelCount == 8)
        return FIRST_MULTI_BIT + EIGHT_CHANNEL_STEPS[i] - 1;
    return FIRST_MULTI_BIT + i;
}

void CSeqWidget::setChMask(unsigned long mask)
{
    CChnum::setCheckBoxValue(m_single, mask);
    for (int i = 0; i < m_multi.size(); ++i)
        m_multi.at(i)->setChecked((mask >> multiBit(i)) & 1UL);
}

unsigned long CSeqWidget::getChMask() const
{
    unsigned long mask = CChnum::getCheckBoxValue(m_single);
    for (int i = 0; i < m_multi.size(); ++i) {
        if (m_multi.at(i)->isChecked())
            mask |= 1UL << multiBit(i);
    }
    return mask;
}

void CSeqWidget::setTime(int time)
{
    m_ui->seqTime->setCurrentIndex(time);
}

int CSeqWidget::getTime() const
{
    return m_ui->seqTime->currentIndex();
}

void CSeqWidget::languageChange()
{
    m_ui->retranslateUi(this);
    applyMultiTexts();
}

void CSeqWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
