#pragma once

#include "Common/HDD_INFO_T.h"
#include "Connection/CReadDVRData.h"
#include "Display/CControlWait.h"
#include "ProtoBuf/DVRList.pb.h"

#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class CHDDWidget;
class CInfoParser;
class QTextEdit;

namespace cgi {
class DvrInfo;
class HddInfo;
class SysLog;
} // namespace cgi

namespace Ui {
class CInfoWidget;
}

// The information tab of the DVR information window: reads a DVR's
// identity, disks and system log and shows each as its reply arrives, in
// whatever order the replies come. An old-dialect DVR answers one query with
// a text page holding all three; a new-dialect DVR answers three requests
// with one message each. What cannot be read stays empty; nothing is shown
// to the operator about failures.
class CInfoWidget : public QWidget {
    Q_OBJECT

public:
    // More panels than this would not describe a real DVR; a reply listing
    // more disks shows the first ones.
    static constexpr int MAX_HDD_PANELS = 16;
    // A reply may list millions of log entries in its largest packet; the
    // log tab shows the first ones, which a DVR's own log never exceeds.
    static constexpr int MAX_LOG_LINES = 10000;

    explicit CInfoWidget(QWidget* parent = nullptr);
    ~CInfoWidget() override;

    // Clears the tab and the log display and starts the reads. The log
    // display is the log tab's text; it is not owned.
    void readData(const DVR& dvr, QTextEdit* logDisplay);
    void clear();

    // The silence after which a read gives up; for reads started later.
    void setReadTimeLimit(int milliseconds) { m_readTimeLimitMs = milliseconds; }

    virtual void languageChange();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void OnCompleted(const QByteArray& reply);

private:
    void readDvrInfo(const DVR& dvr);
    void readHddInfo(const DVR& dvr);
    void readSysLog(const DVR& dvr);
    // Replaces the reader and sends the query. Without a query the dialect
    // has no such request; an empty one is a request the DVR cannot take.
    void startRead(std::unique_ptr<CReadDVRData>& reader, const DVR& dvr, const std::optional<QString>& query);

    void showOldReply(const QByteArray& reply);
    void showNewReply(const QByteArray& reply);
    void DisplayInfo(const CInfoParser& parser);
    void DisplayHdd(const CInfoParser& parser);
    void DisplayDvrInfo(const cgi::DvrInfo& info);
    void DisplayHddInfo(const cgi::HddInfo& info);
    void DisplaySysLog(const cgi::SysLog& log);
    // Replaces the panels: one per disk, up to MAX_HDD_PANELS.
    void showHddPanels(const std::vector<HDD_INFO_T>& disks);
    void removeHddPanels();
    void placeHddArea();

    std::unique_ptr<CReadDVRData> m_dvrInfoReader;
    std::unique_ptr<CReadDVRData> m_hddInfoReader;
    std::unique_ptr<CReadDVRData> m_sysLogReader;
    QPointer<QTextEdit> m_logDisplay;
    QList<CHDDWidget*> m_hddPanels;
    std::unique_ptr<Ui::CInfoWidget> m_ui;
    CControlWait m_wait;
    bool m_oldProtocol = false;
    int m_readTimeLimitMs = CReadDVRData::DEFAULT_TIME_LIMIT_MS;
};
