#include "CInfoWidget.h"

#include "Common/CDataParser.h"
#include "Common/CDateTime.h"
#include "Common/CEucKr.h"
#include "Common/CInfoParser.h"
#include "Common/COldQuery.h"
#include "Settings/CHDDWidget.h"
#include "dvr_protocol/cgi_protocol.h"
#include "dvr_protocol/cgi_response.pb.h"
#include "dvr_types/DvrModelInfo.h"
#include "ui_CInfoWidget.h"

#include <QEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

namespace {

const int OLD_MODE_INFO = 6;
const int OLD_OP_INFO = 17;
const int HDD_AREA_GAP = 10;
const int HDD_ROWS = 2;
const QString LOG_TIME_FORMAT = QStringLiteral("yyyy/MM/dd hh:mm:ss");

QString narrow(const std::string& text)
{
    return CEucKr::toUnicode(QByteArrayView(text.data(), qsizetype(text.size())));
}

QString newQuery(cgi::Mode mode, const DVR& dvr)
{
    cgi::User user;
    user.set_name(dvr.id());
    user.set_password(dvr.password());
    std::string query;
    if (cgi::Data2Url(mode, user, cgi::NullMsg(), &query) != cgi::DATA2URL_OK)
        return QString();
    return QString::fromStdString(query);
}

QString oldInfoQuery(const DVR& dvr)
{
    return COldQuery()
        .add("MODE", OLD_MODE_INFO)
        .addCredential("ID", QString::fromStdString(dvr.id()))
        .addCredential("PW", QString::fromStdString(dvr.password()))
        .add("OP", OLD_OP_INFO)
        .text();
}

// The model table's name of a model number, empty for a number it lacks.
QString modelName(std::uint32_t model)
{
    const int number = model <= std::uint32_t(INT32_MAX) ? int(model) : -1;
    return DvrModel::IsValid(number) ? DvrModelInfo(DvrModel(number)).name : QString();
}

// A disk whose used space exceeds its total has no free space left.
HDD_INFO_T diskOf(const cgi::HddInfo::Info& entry)
{
    const std::int64_t total = entry.total();
    const std::int64_t used = entry.used();
    return {total, used, std::max<std::int64_t>(total - used, 0)};
}

template <typename Message> bool parsePayload(const std::vector<char>& payload, Message* message)
{
    return message->ParseFromArray(payload.data(), int(payload.size()));
}

} // namespace

CInfoWidget::CInfoWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CInfoWidget>())
{
    m_ui->setupUi(this);
    // The panels stand on the tab's own background.
    m_ui->HddArea->viewport()->setAutoFillBackground(false);
    m_ui->HddPanels->setAutoFillBackground(false);
    placeHddArea();
}

CInfoWidget::~CInfoWidget() = default;

void CInfoWidget::readData(const DVR& dvr, QTextEdit* logDisplay)
{
    m_wait.show(this);
    m_logDisplay = logDisplay;
    clear();
    readDvrInfo(dvr);
    readHddInfo(dvr);
    readSysLog(dvr);
}

void CInfoWidget::readDvrInfo(const DVR& dvr)
{
    startRead(m_dvrInfoReader, dvr, dvr.oldprotocol() ? oldInfoQuery(dvr) : newQuery(cgi::MODE_DVR_INFO, dvr));
}

// The old dialect's information page already holds the disks and the log:
// its readers are made, but send nothing.
void CInfoWidget::readHddInfo(const DVR& dvr)
{
    startRead(m_hddInfoReader, dvr,
        dvr.oldprotocol() ? std::nullopt : std::optional<QString>(newQuery(cgi::MODE_HDD_INFO, dvr)));
}

void CInfoWidget::readSysLog(const DVR& dvr)
{
    startRead(m_sysLogReader, dvr,
        dvr.oldprotocol() ? std::nullopt : std::optional<QString>(newQuery(cgi::MODE_SYS_LOG, dvr)));
}

void CInfoWidget::startRead(std::unique_ptr<CReadDVRData>& reader, const DVR& dvr, const std::optional<QString>& query)
{
    reader = std::make_unique<CReadDVRData>(this);
    connect(reader.get(), &CReadDVRData::completed, this, &CInfoWidget::OnCompleted);
    m_oldProtocol = dvr.oldprotocol();
    reader->setTimeLimit(m_readTimeLimitMs);
    if (!query)
        return;
    if (query->isEmpty()) {
        // A request the DVR could not take ends like one it did not answer.
        m_wait.hide();
        return;
    }
    reader->startRead(dvr, *query);
}

void CInfoWidget::OnCompleted(const QByteArray& reply)
{
    if (!reply.isEmpty()) {
        if (m_oldProtocol)
            showOldReply(reply);
        else
            showNewReply(reply);
    }
    m_wait.hide();
}

void CInfoWidget::showOldReply(const QByteArray& reply)
{
    CInfoParser parser;
    parser.setData(reply.constData());
    DisplayInfo(parser);
    DisplayHdd(parser);
}

void CInfoWidget::showNewReply(const QByteArray& reply)
{
    CDataParser packets;
    if (!packets.setReceivedData(reply.constData(), unsigned(reply.size())))
        return;
    const std::vector<char>& payload = packets.getResultData();
    switch (packets.getDataType()) {
    case cgi::DATA_DVR_INFO: {
        cgi::DvrInfo info;
        if (parsePayload(payload, &info))
            DisplayDvrInfo(info);
        break;
    }
    case cgi::DATA_HDD_INFO: {
        cgi::HddInfo info;
        if (parsePayload(payload, &info))
            DisplayHddInfo(info);
        break;
    }
    case cgi::DATA_SYS_LOG: {
        cgi::SysLog log;
        if (parsePayload(payload, &log))
            DisplaySysLog(log);
        break;
    }
    default:
        break;
    }
}

void CInfoWidget::DisplayInfo(const CInfoParser& parser)
{
    const auto text = [&](CInfoParser::INFO_INDEX index) { return narrow(parser.getInfo(index)); };
    m_ui->ModelName->setText(text(CInfoParser::MODEL_NAME));
    m_ui->VideoType->setText(text(CInfoParser::VIDEO_TYPE));
    m_ui->HardwareVersion->setText(text(CInfoParser::HARDWARE_VERSION));
    m_ui->KernelVersion->setText(text(CInfoParser::KERNEL_VERSION));
    m_ui->RamdiskVersion->setText(text(CInfoParser::RAMDISK_VERSION));
    m_ui->MacAddress->setText(text(CInfoParser::MAC_ADDRESS));
    if (m_logDisplay)
        m_logDisplay->setPlainText(text(CInfoParser::SYSTEM_LOGS));
}

void CInfoWidget::DisplayHdd(const CInfoParser& parser)
{
    showHddPanels(parser.getHddInfo());
}

void CInfoWidget::DisplayDvrInfo(const cgi::DvrInfo& info)
{
    m_ui->ModelName->setText(info.model_name().empty() ? modelName(info.model()) : narrow(info.model_name()));
    m_ui->VideoType->setText(info.vtype() != 0 ? tr("PAL") : tr("NTSC"));
    m_ui->HardwareVersion->setText(narrow(info.hardware_version()));
    m_ui->KernelVersion->setText(narrow(info.kernel_version()));
    m_ui->RamdiskVersion->setText(narrow(info.app_version()));
    m_ui->MacAddress->setText(narrow(info.mac_address()));
}

void CInfoWidget::DisplayHddInfo(const cgi::HddInfo& info)
{
    std::vector<HDD_INFO_T> disks;
    for (int i = 0; i < std::min(info.info_size(), MAX_HDD_PANELS); ++i)
        disks.push_back(diskOf(info.info(i)));
    showHddPanels(disks);
}

void CInfoWidget::DisplaySysLog(const cgi::SysLog& log)
{
    if (!m_logDisplay || log.log_size() == 0)
        return;
    const int count = std::min(log.log_size(), MAX_LOG_LINES);
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        const cgi::SysLog::Log& entry = log.log(i);
        // All three at once: a user or log text holding "%3" stays as it is.
        lines << QStringLiteral("%1    %2    %3")
                     .arg(CDateTime::convert_Timet_QDateTime(long(entry.time())).toString(LOG_TIME_FORMAT),
                         narrow(entry.user()), narrow(entry.log()));
    }
    // One insertion, as plain text: a long log is laid out once, and no
    // text from the DVR is read as markup.
    QTextCursor end(m_logDisplay->document());
    end.movePosition(QTextCursor::End);
    if (!m_logDisplay->document()->isEmpty())
        end.insertBlock();
    end.insertText(lines.join(QLatin1Char('\n')));
}

void CInfoWidget::showHddPanels(const std::vector<HDD_INFO_T>& disks)
{
    removeHddPanels();
    QWidget* content = m_ui->HddPanels;
    const int count = int(std::min<std::size_t>(disks.size(), MAX_HDD_PANELS));
    for (int i = 0; i < count; ++i) {
        auto* panel = new CHDDWidget(content);
        m_hddPanels.append(panel);
        panel->setInfo(i, disks[std::size_t(i)]);
        // Two rows, filled column by column from the upper left.
        panel->move(i / HDD_ROWS * panel->width(), i % HDD_ROWS * panel->height());
        panel->show();
    }
    if (count > 0) {
        const QSize panel = m_hddPanels.first()->size();
        content->resize(
            panel.width() * ((count + HDD_ROWS - 1) / HDD_ROWS), panel.height() * std::min(count, HDD_ROWS));
    }
}

void CInfoWidget::clear()
{
    for (QLabel* value : {m_ui->ModelName, m_ui->VideoType, m_ui->HardwareVersion, m_ui->KernelVersion,
             m_ui->RamdiskVersion, m_ui->MacAddress})
        value->clear();
    removeHddPanels();
    if (m_logDisplay)
        m_logDisplay->clear();
}

void CInfoWidget::removeHddPanels()
{
    qDeleteAll(m_hddPanels);
    m_hddPanels.clear();
    m_ui->HddPanels->resize(0, 0);
}

// The disk panels stand in an area under the caption frame that reaches to
// the tab's edges and scrolls when the panels need more room.
void CInfoWidget::placeHddArea()
{
    const QRect captions = m_ui->InfoLabelFrame->geometry();
    const QPoint topLeft(captions.left(), captions.bottom() + HDD_AREA_GAP);
    m_ui->HddArea->setGeometry(QRect(topLeft, QPoint(width() - 1, height() - 1)));
}

void CInfoWidget::resizeEvent(QResizeEvent* event)
{
    placeHddArea();
    QWidget::resizeEvent(event);
}

void CInfoWidget::languageChange()
{
    m_ui->retranslateUi(this);
}

void CInfoWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
