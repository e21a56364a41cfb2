#include "CHDDWidget.h"

#include "ui_CHDDWidget.h"

#include <QEvent>
#include <algorithm>
#include <limits>

namespace {

// Whole percent of used in total, rounded down; 0 without a total. The bar
// ignores values outside its range, so figures that do not add up are held
// to 0..100 rather than leaving the previous disk's bar standing.
int usedPercent(const HDD_INFO_T& info)
{
    if (info.total <= 0 || info.used <= 0)
        return 0;
    if (info.used >= info.total)
        return 100;
    const qint64 percent = info.used <= std::numeric_limits<qint64>::max() / 100 ? info.used * 100 / info.total
                                                                                 : info.used / (info.total / 100);
    return int(std::clamp<qint64>(percent, 0, 100));
}

QString megabytes(qint64 value)
{
    return QStringLiteral("%L1 MB").arg(value);
}

} // namespace

CHDDWidget::CHDDWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CHDDWidget>())
{
    m_ui->setupUi(this);
}

CHDDWidget::~CHDDWidget() = default;

void CHDDWidget::setInfo(int index, const HDD_INFO_T& info)
{
    m_shown = Shown{index, info};
    showFigures(*m_shown);
}

void CHDDWidget::showFigures(const Shown& shown)
{
    m_ui->HddGroup->setTitle(shown.index >= 0 ? QStringLiteral("HDD %1").arg(shown.index + 1) : QString());
    m_ui->totalspace->setText(megabytes(shown.info.total));
    m_ui->usedspace->setText(megabytes(shown.info.used));
    m_ui->freespace->setText(megabytes(shown.info.free));
    m_ui->HddProgress->setValue(usedPercent(shown.info));
}

void CHDDWidget::languageChange()
{
    m_ui->retranslateUi(this);
    if (m_shown)
        showFigures(*m_shown);
}

void CHDDWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
