#include "Recording/CBackupWidget.h"

#include "Common/CDateHour.h"
#include "Common/CDateTime.h"
#include "Common/CSearchDataParser.h"
#include "Recording/CNoDvrLine.h"
#include "Recording/CPanelMessage.h"
#include "Recording/CRemoteSearch.h"
#include "Recording/CSearchWidget.h"
#include "ui_CBackupWidget.h"

#include <QRegularExpression>
#include <utility>

namespace {

const int TOP = 20;
const int LINE_HEIGHT = 16;
const int PROGRESS_SPARE = 20;
const std::time_t MINUTE = 60;
const std::time_t HOUR = 3600;
// A first reply shows the five minutes before the shown time.
const std::time_t FIRST_RANGE = 300;
const QLatin1String RANGE_PREFIX("Range");

QString shown(std::time_t t)
{
    return CDateTime::convert_Timet_QDateTime(long(t)).toString(QStringLiteral("yyyy-MM-dd  hh:mm"));
}

} // namespace

CBackupWidget::CBackupWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::CBackupWidget)
{
    ui->setupUi(this);
    m_search = new CSearchWidget(this);
    m_remote = new CRemoteSearch(this);
    m_noDvr = new CNoDvrLine(this);
    m_rangeButtons = findChildren<QPushButton*>(QRegularExpression(QStringLiteral("Range*")));
    connect(ui->BackupTime1, &QRadioButton::clicked, this, &CBackupWidget::OnSelectedStart);
    connect(ui->BackupTime2, &QRadioButton::clicked, this, &CBackupWidget::OnSelectedEnd);
    connect(ui->BackupStart, &QPushButton::clicked, this, &CBackupWidget::OnBackupStart);
    connect(ui->BackupStop, &QPushButton::clicked, this, &CBackupWidget::OnBackupStop);
    for (QPushButton* button : std::as_const(m_rangeButtons))
        connect(button, &QPushButton::clicked, this, &CBackupWidget::OnSetupRange);
    setRunning(false);
    m_search->setDVRChannels(16);
    m_search->clear();
    connect(m_search, &CSearchWidget::changedTime, this, &CBackupWidget::OnChangedTime);
    connect(m_search, &CSearchWidget::updateSelected, this, &CBackupWidget::updateSelectedRange);
    connect(m_remote, &CRemoteSearch::replied, this, &CBackupWidget::displaySearchData);
    if (parent)
        resize(parent->size());
    layoutPanel();
    clear();
    showNoDvr();
}

CBackupWidget::~CBackupWidget()
{
    delete ui;
}

void CBackupWidget::layoutPanel()
{
    m_search->move(0, TOP);
    ui->BackupControl->move(width() - ui->BackupControl->width(), TOP);
    ui->BackupTime->adjustSize();
    const int progressWidth = width() - ui->BackupTime->width() - ui->BackupControl->width() - PROGRESS_SPARE;
    ui->progressBar->setGeometry(0, 0, progressWidth, LINE_HEIGHT);
    // The no-DVR line has the strip above the search panel and the controls
    // to itself: the range it would run under is hidden while it shows.
    m_noDvr->setGeometry(0, 0, width(), TOP);
    // Right after the bar, never over it, however long the range reads.
    ui->BackupTime->move(progressWidth + PROGRESS_SPARE / 2, 0);
}

void CBackupWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutPanel();
}

void CBackupWidget::clear()
{
    m_search->clear();
    m_lastShown = CDateTime::currentWallClock();
    // The calendar and the hour mark show the time the next search asks
    // for, not the last one's.
    m_search->setSelectedTime(m_lastShown);
    ui->progressBar->setValue(0);
    ui->progressBar->setTextVisible(false);
}

void CBackupWidget::search(const DVR& dvr, CDirectoryEntry::Id entry, int channels, int clientId)
{
    m_search->clear();
    m_search->setDVRChannels(channels);
    m_remote->start(dvr, entry, clientId, m_lastShown);
    m_rangeDue = true;
    showNoDvr();
}

bool CBackupWidget::reloadSearchData()
{
    return m_remote->reload();
}

bool CBackupWidget::searched(const DVR& dvr, CDirectoryEntry::Id entry) const
{
    return m_remote->searches(dvr, entry);
}

void CBackupWidget::forgetDvr()
{
    clear();
    m_remote->clear();
    // A range chosen in its recordings would back up another DVR's.
    m_start = 0;
    m_end = 0;
    m_rangeShown = false;
    ui->BackupTime->clear();
    layoutPanel();
    showNoDvr();
}

void CBackupWidget::showNoDvr()
{
    const bool none = !m_remote->hasDvr();
    m_noDvr->setVisible(none);
    // The line takes the place of the idle progress bar and of the range,
    // which backs nothing up without a DVR.
    ui->progressBar->setVisible(!none);
    ui->BackupTime->setVisible(!none);
    ui->BackupStart->setEnabled(!none && !isBackup());
}

void CBackupWidget::displaySearchData(const CSearchDataParser& result)
{
    if (!result.getDateHours().empty())
        m_search->SetDateHour(result.getDateHours());
    m_search->AppendDatas(result.getMinDatas());
    m_search->setSelectedTime(m_lastShown);
    // The first reply of a new search starts a new range; a reply shown
    // again (the current DVR chosen again) keeps the range under way, which
    // a running backup backs up and a later Start will. An old DVR's reply
    // is a first reply whenever it is shown, so the reply cannot tell.
    if (std::exchange(m_rangeDue, false)) {
        ui->BackupTime1->setChecked(false);
        ui->BackupTime2->setChecked(true);
        for (QPushButton* button : std::as_const(m_rangeButtons))
            button->setEnabled(false);
        m_end = m_lastShown;
        m_start = m_lastShown - FIRST_RANGE;
    }
    m_search->updateTime(m_lastShown);
    displayTime();
}

void CBackupWidget::displayTime()
{
    m_rangeShown = true;
    ui->BackupTime->setText(shown(m_start) + QStringLiteral(" ~ ") + shown(m_end));
    layoutPanel();
    updateSelectedRange();
}

void CBackupWidget::updateSelectedRange()
{
    m_search->updateSelectedRange(ui->BackupTime1->isChecked(), m_search->getSelectedChannels(), m_start, m_end);
}

void CBackupWidget::OnChangedTime()
{
    const std::time_t t = m_search->getSelectedDateTime();
    if (t / MINUTE != m_lastShown / MINUTE) {
        if (ui->BackupTime1->isChecked())
            m_start = t;
        else
            m_end = t;
        displayTime();
    }
    if (t / HOUR != m_lastShown / HOUR && m_remote->searchesByHour()
        && !m_search->IsExistInDatas(CDateHour::fromTime(quint32(t))))
        m_remote->searchHour(t);
    m_lastShown = t;
}

void CBackupWidget::OnSelectedStart(bool)
{
    for (QPushButton* button : std::as_const(m_rangeButtons))
        button->setEnabled(true);
    m_search->updateTime(m_start);
    updateSelectedRange();
}

void CBackupWidget::OnSelectedEnd(bool)
{
    for (QPushButton* button : std::as_const(m_rangeButtons))
        button->setEnabled(false);
    m_search->updateTime(m_end);
    updateSelectedRange();
}

void CBackupWidget::OnSetupRange()
{
    const int minutes = sender()->objectName().mid(RANGE_PREFIX.size()).toInt();
    m_end = m_start + minutes * MINUTE;
    displayTime();
}

bool CBackupWidget::isBackup() const
{
    return ui->BackupStop->isEnabled();
}

void CBackupWidget::setRunning(bool running)
{
    ui->BackupStop->setEnabled(running);
    ui->BackupStart->setEnabled(!running && m_remote->hasDvr());
    ui->progressBar->setValue(0);
    ui->progressBar->setTextVisible(running);
    m_progress = 0;
}

void CBackupWidget::OnBackupStart()
{
    if (m_end <= m_start) {
        CPanelMessage::show(this, tr("Please select the backup end time again"));
        return;
    }
    setRunning(true);
    ui->progressBar->setMaximum(int(m_end - m_start - 1));
    emit backupStart(m_start, m_end, m_search->getSelectedChannels());
}

void CBackupWidget::OnUpdateProgress(int value)
{
    if (!isBackup())
        return;
    // The seconds reported run from the first frame's to the last one's, so
    // they reach the maximum (the range's seconds less one) at the first
    // frame of the range's last second: the range is complete only once
    // they pass it, or at the end report (-1), which the first frame at the
    // range's end brings.
    const int maximum = ui->progressBar->maximum();
    m_progress = value < 0 ? qint64(maximum) + 1 : m_progress + value;
    ui->progressBar->setValue(int(qMin<qint64>(m_progress, maximum)));
    if (m_progress <= maximum)
        return;
    end(QString(), tr("Backup has been completed."));
}

void CBackupWidget::end(const QString& why, const QString& otherwise)
{
    // Once: the main window may end it again while it completes the files.
    if (!isBackup() || m_completing)
        return;
    // The main window stops the recording as the page tells it; the files
    // are complete only when that succeeds.
    m_completing = true;
    m_failure.clear();
    emit backupStop();
    m_completing = false;
    setRunning(false);
    QStringList lines;
    if (!why.isEmpty())
        lines << why;
    if (!m_failure.isEmpty())
        lines << m_failure;
    else if (lines.isEmpty() && !otherwise.isEmpty())
        lines << otherwise;
    if (!lines.isEmpty())
        CPanelMessage::show(this, lines.join(QLatin1Char('\n')));
}

void CBackupWidget::OnBackupStop()
{
    end(QString());
}

void CBackupWidget::OnBackupFailed(const QString& reason)
{
    if (m_completing)
        m_failure = reason;
    else
        end(reason);
}

void CBackupWidget::OnBackupEnded(const QString& why)
{
    end(why);
}

void CBackupWidget::languageChange()
{
    ui->retranslateUi(this);
    if (m_rangeShown)
        displayTime();
}

void CBackupWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
