#include "ByteMutator.h"
#include "Common/COldQuery.h"
#include "Connection/CApplicationSender.h"
#include "Connection/CReadDVRData.h"
#include "DVRSetup/CProgressDialog.h"
#include "DVRSetup/CSetupAccount.h"
#include "DVRSetup/CSetupCamera.h"
#include "DVRSetup/CSetupEtc.h"
#include "DVRSetup/CSetupEvent.h"
#include "DVRSetup/CSetupHdd.h"
#include "DVRSetup/CSetupNetwork.h"
#include "DVRSetup/CSetupSystem.h"
#include "DVRSetup/CSetupWidget.h"
#include "DVRSetup/CUpgrade.h"
#include "FileSizeLimit.h"
#include "ReadOnlyFolder.h"
#include "Settings/CAppDir.h"
#include "ShownText.h"
#include "SyncFault.h"
#include "TestDvr.h"
#include "TestDvrConfiguration.h"
#include "WireBuilder.h"
#include "ZoneEditorSupport.h"
#include "dvr_protocol/cgi_response.pb.h"
#include "dvr_types/DvrModelInfo.h"
#include "tests/DVRSetup/SetupPageSupport.h"
#include "tests/sys_conf/ModelSizedDvrConf.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <ctime>
#include <functional>

using namespace SetupPageSupport;
using Arrange = std::function<void(TestDvr&, DVR&, CSetupWidget&)>;
Q_DECLARE_METATYPE(Arrange)

namespace {

// The time limit of a read from a silent DVR: short, and still long enough
// for a busy computer to deliver the request first.
const int SILENT_DVR_LIMIT_MS = 3000;
// Only for what never comes.
const int TIME_LIMIT_MS = 60000;
const QString TRANSFERRED = QStringLiteral("The DVR configuration is correctly transfered!");
const QString TRANSMISSION_ERROR = QStringLiteral("The transmission error occured!");

// How a row of refusedFiles reaches its file.
enum FileAction { Open, SaveReadOnly, SaveFullDisk };

// Answers the modal windows the hub opens, as an operator would: each
// dialog once by the next queued answer (none left: Cancel), each message
// box by noting its text as the operator reads it and pressing "Yes" or
// closing it.
class ModalDriver : public QObject {
public:
    using Answer = std::function<void(QDialog*)>;

    ModalDriver()
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll);
        m_timer.start(10);
    }
    void queue(const Answer& answer) { m_answers.append(answer); }

    QStringList boxes;

private:
    void poll()
    {
        QWidget* window = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(window)) {
            boxes << shownText(*box);
            if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                yes->click();
            else
                box->close();
        } else if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog != m_answered) {
            // From the event loop: an answer may raise a box of its own,
            // which this timer must be free to handle.
            m_answered = dialog;
            const Answer answer = m_answers.isEmpty() ? Answer(&QDialog::reject) : m_answers.takeFirst();
            QTimer::singleShot(0, dialog, [dialog, answer] { answer(dialog); });
        }
    }

    QTimer m_timer;
    QList<Answer> m_answers;
    QPointer<QDialog> m_answered;
};

// The address prompt filled in for the test DVR; prefilled gets the
// password it offered.
ModalDriver::Answer prompt(int port, QString* prefilled = nullptr, const QString& typed = QStringLiteral("1234"))
{
    return [port, prefilled, typed](QDialog* dialog) {
        auto* address = dialog->findChild<QLineEdit*>("address");
        address->clear();
        QTest::keyClicks(address, TestDvr::address());
        dialog->findChild<QSpinBox*>("port")->setValue(port);
        auto* password = dialog->findChild<QLineEdit*>("password");
        if (prefilled)
            *prefilled = password->text();
        password->clear();
        QTest::keyClicks(password, typed);
        dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    };
}

ModalDriver::Answer chooseFile(const QString& path)
{
    return [path](QDialog* dialog) {
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
        dialog->accept();
    };
}

// The test DVR's configuration as its model holds it (model 4, NTSC): the
// pages have nothing to repair in it.
QByteArray standard()
{
    return WireBuilder::bytesOf(ModelSizedDvrConf::build(4, 0));
}

config::DvrConf parsed(const QByteArray& bytes)
{
    config::DvrConf conf;
    conf.ParseFromString(bytes.toStdString());
    return conf;
}

// The page parts alone.
QByteArray partsOf(config::DvrConf conf)
{
    conf.clear_dvr_info();
    conf.clear_limit();
    conf.clear_buyer_info();
    return WireBuilder::bytesOf(conf);
}

QByteArray configurationWith(const std::function<void(config::DvrConf&)>& change)
{
    config::DvrConf conf = parsed(standard());
    change(conf);
    return WireBuilder::bytesOf(conf);
}

// The test DVR holds that configuration from now on.
void hold(TestDvr& dvr, const QByteArray& configuration)
{
    TestDvrContent content = dvr.content();
    content.configuration = configuration;
    dvr.setContent(content);
}

} // namespace

class tst_CSetupWidget : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void entryReadsTheDvr();
    void readsThatApplyNothing_data();
    void readsThatApplyNothing();
    void runningReadIsCancelled_data();
    void runningReadIsCancelled();
    void uploads_data();
    void uploads();
    void applyDuringUploadSendsNothing();
    void reloadAfterApplyAllIsByteIdentical();
    void saveThenOpen();
    void refusedFiles_data();
    void refusedFiles();
    void unconfirmedSaveIsTold();
    void modelChoice_data();
    void modelChoice();
    void clockAndReset_data();
    void clockAndReset();
    void upgrade_data();
    void upgrade();
    void mutatedConfigurations();
    void operatorDrawsZoneAndPaintsSchedule();
    void triedAsANewUser();
    void wheelOverPage_data();
    void wheelOverPage();

private:
    void enter(const DVR& record);
    config::DvrConf pages() const;
    void openFile(const QString& path);

    std::unique_ptr<TestDvr> m_dvr;
    std::unique_ptr<CSetupWidget> m_hub;
    std::unique_ptr<ModalDriver> m_driver;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_CSetupWidget::init()
{
    m_dvr = std::make_unique<TestDvr>();
    QVERIFY(m_dvr->listen());
    TestDvrConfiguration::install(m_dvr.get());
    hold(*m_dvr, standard());
    m_dir = std::make_unique<QTemporaryDir>();
    CAppDir::setCurrentPathOverride(m_dir->path());
    m_hub = std::make_unique<CSetupWidget>();
    m_hub->resize(800, 600);
    m_hub->show();
    m_driver = std::make_unique<ModalDriver>();
}

void tst_CSetupWidget::cleanup()
{
    m_driver.reset();
    m_hub.reset();
    m_dvr.reset();
}

void tst_CSetupWidget::enter(const DVR& record)
{
    m_hub->Init();
    m_hub->readData(record, 16, config::VIDEO_TYPE_NTSC);
}

config::DvrConf tst_CSetupWidget::pages() const
{
    config::DvrConf conf;
    m_hub->Make_DvrConf(true, conf, false);
    return conf;
}

void tst_CSetupWidget::openFile(const QString& path)
{
    m_driver->queue(chooseFile(path));
    m_hub->OnOpenFiles();
}

void tst_CSetupWidget::entryReadsTheDvr()
{
    DVR record = m_dvr->dvrRecord();
    record.set_id("guest");
    enter(record);
    QTRY_COMPARE(partsOf(pages()), partsOf(parsed(m_dvr->content().configuration)));
    const TestDvrRequest read = m_dvr->lastRequest();
    QCOMPARE(m_dvr->requestCount(), 1);
    QCOMPARE(read.kind, TestDvrRequest::DataRead);
    QCOMPARE(read.mode, int(cgi::MODE_CONF_READ));
    QCOMPARE(read.user.name(), std::string("admin"));
    QCOMPARE(read.user.password(), record.password());
    QVERIFY(read.dataDecoded && read.data.isEmpty());
    QVERIFY(m_driver->boxes.isEmpty());
}

void tst_CSetupWidget::readsThatApplyNothing_data()
{
    QTest::addColumn<Arrange>("arrange");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QString>("told"); // empty: nothing to tell
    const auto holding = [](const std::function<void(config::DvrConf&)>& change) {
        return Arrange([change](TestDvr& dvr, DVR&, CSetupWidget&) { hold(dvr, configurationWith(change)); });
    };
    const auto replying = [](TestDvrConfiguration::Reply reply) {
        return Arrange([reply](TestDvr& dvr, DVR&, CSetupWidget&) { TestDvrConfiguration::install(&dvr, reply); });
    };
    QTest::newRow("packet of type 1") << replying(TestDvrConfiguration::Reply::OtherType) << 1 << "not a configuration";
    QTest::newRow("cut short") << replying(TestDvrConfiguration::Reply::CutShort) << 1 << "not a configuration";
    QTest::newRow("model 18") << holding([](config::DvrConf& c) { c.mutable_dvr_info()->set_model(18); }) << 1
                              << "model 18 is unknown";
    QTest::newRow("0 channels") << holding([](config::DvrConf& c) { c.mutable_dvr_info()->set_ch_num(0); }) << 1
                                << "0 channels is unknown";
    QTest::newRow("HTTP 500") << Arrange([](TestDvr& dvr, DVR&, CSetupWidget&) {
        dvr.setFault(TestDvr::Fault::HttpError);
    }) << 1 << "did not answer";
    QTest::newRow("wrong password") << Arrange([](TestDvr&, DVR& record, CSetupWidget&) {
        record.set_password("4321");
    }) << 1 << "password miss";
    QTest::newRow("silence") << Arrange([](TestDvr& dvr, DVR&, CSetupWidget& hub) {
        dvr.setFault(TestDvr::Fault::NoAnswer);
        hub.setTimeLimit(SILENT_DVR_LIMIT_MS);
    }) << 1 << "did not answer";
    QTest::newRow("old protocol") << Arrange([](TestDvr&, DVR& record, CSetupWidget&) { record.set_oldprotocol(true); })
                                  << 0 << "old protocol";
    QTest::newRow("no DVR") << Arrange([](TestDvr&, DVR& record, CSetupWidget&) { record.clear_address(); }) << 0
                            << QString();
}

void tst_CSetupWidget::readsThatApplyNothing()
{
    QFETCH(Arrange, arrange);
    QFETCH(int, requests);
    QFETCH(QString, told);
    CSetupWidget offline;
    offline.Init();
    config::DvrConf defaults;
    offline.Make_DvrConf(true, defaults, false);
    DVR record = m_dvr->dvrRecord();
    arrange(*m_dvr, record, *m_hub);
    enter(record);
    if (!told.isEmpty()) {
        QTRY_COMPARE_WITH_TIMEOUT(m_driver->boxes.size(), 1, TIME_LIMIT_MS);
        QVERIFY2(m_driver->boxes.first().contains(told), qPrintable(m_driver->boxes.first()));
        QVERIFY(m_driver->boxes.first().contains("The pages show the default settings."));
    }
    QCOMPARE(m_dvr->requestCount(), requests);
    QCOMPARE(WireBuilder::bytesOf(pages()), WireBuilder::bytesOf(defaults));
}

void tst_CSetupWidget::runningReadIsCancelled_data()
{
    QTest::addColumn<QString>("by");
    QTest::addColumn<int>("running");
    QTest::newRow("re-entering") << "entry" << 0;
    QTest::newRow("newer read") << "read" << 1;
    QTest::newRow("file opened") << "file" << 0;
    QTest::newRow("model chosen") << "model" << 0;
}

void tst_CSetupWidget::runningReadIsCancelled()
{
    QFETCH(QString, by);
    QFETCH(int, running);
    m_dvr->setFault(TestDvr::Fault::NoAnswer);
    enter(m_dvr->dvrRecord());
    QVERIFY(m_dvr->waitForRequests(1));
    if (by == "entry") {
        m_hub->Init();
    } else if (by == "read") {
        enter(m_dvr->dvrRecord());
    } else if (by == "file") {
        QFile file(m_dir->filePath("opened.conf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(standard());
        file.close();
        openFile(file.fileName());
    } else {
        m_driver->queue(&QDialog::accept);
        m_hub->OnSetupModel();
    }
    int stillRunning = 0;
    for (const CReadDVRData* reader : m_hub->findChildren<CReadDVRData*>())
        stillRunning += reader->isRunning() ? 1 : 0;
    QCOMPARE(stillRunning, running);
    QVERIFY(m_driver->boxes.isEmpty());
}

void tst_CSetupWidget::uploads_data()
{
    QTest::addColumn<int>("tab"); // -1: "Apply All"
    QTest::addColumn<QString>("id"); // of the DVR's record
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("parts");
    QTest::addColumn<QString>("told");
    const int none = int(TestDvr::Fault::None);
    const QString all = "dvr_info limit account camera event hdd network record system";
    QTest::newRow("System") << 0 << "admin" << none << "dvr_info limit system" << TRANSFERRED;
    QTest::newRow("Network") << 1 << "ADMIN" << none << "dvr_info limit network" << TRANSFERRED;
    QTest::newRow("Record") << 2 << "guest" << none << "dvr_info limit record" << TRANSFERRED;
    QTest::newRow("HDD") << 3 << "admin" << none << "dvr_info limit hdd" << TRANSFERRED;
    QTest::newRow("Event") << 4 << "admin" << none << "dvr_info limit event" << TRANSFERRED;
    QTest::newRow("Account") << 5 << "admin" << none << "dvr_info limit account" << TRANSFERRED;
    QTest::newRow("Camera") << 6 << "admin" << none << "dvr_info limit camera" << TRANSFERRED;
    QTest::newRow("Apply All") << -1 << "admin" << none << all << TRANSFERRED;
    QTest::newRow("HTTP 500") << -1 << "admin" << int(TestDvr::Fault::HttpError) << all << TRANSMISSION_ERROR;
    QTest::newRow("closed connection") << -1 << "admin" << int(TestDvr::Fault::CloseConnection) << QString()
                                       << TRANSMISSION_ERROR;
    QTest::newRow("silence") << -1 << "admin" << int(TestDvr::Fault::NoAnswer) << all << TRANSMISSION_ERROR;
}

void tst_CSetupWidget::uploads()
{
    QFETCH(int, tab);
    QFETCH(QString, id);
    QFETCH(int, fault);
    QFETCH(QString, parts);
    QFETCH(QString, told);
    DVR record = m_dvr->dvrRecord();
    record.set_id(id.toStdString());
    enter(record);
    QTRY_COMPARE(partsOf(pages()), partsOf(parsed(m_dvr->content().configuration)));
    m_dvr->setFault(static_cast<TestDvr::Fault>(fault));
    if (fault == int(TestDvr::Fault::NoAnswer))
        m_hub->setTimeLimit(SILENT_DVR_LIMIT_MS);
    m_hub->findChild<QTabWidget*>("tabWidget")->setCurrentIndex(qMax(tab, 0));
    const auto apply = tab < 0 ? &CSetupWidget::OnSendAll : &CSetupWidget::OnSend;
    (m_hub.get()->*apply)(); // cancelled: nothing is sent
    QString offered;
    m_driver->queue(prompt(m_dvr->port(), &offered));
    (m_hub.get()->*apply)();
    QTRY_COMPARE_WITH_TIMEOUT(m_driver->boxes, QStringList{told}, TIME_LIMIT_MS);
    QCOMPARE(offered, id == "guest" ? QString() : QStringLiteral("1234"));
    if (parts.isEmpty())
        return;
    QCOMPARE(m_dvr->requestCount(), 2);

    const TestDvrRequest upload = m_dvr->lastRequest();
    QByteArrayList names;
    for (const TestDvrUploadPart& part : upload.parts)
        names << part.name;
    QCOMPARE(names, QByteArrayList({"REQ", "MODE", "USER", "DATA", "agree"}));
    QCOMPARE(upload.param("MODE"), QByteArray("9"));
    QCOMPARE(upload.param("DATA"), QByteArray());
    QCOMPARE(upload.parts.last().content, QByteArray("1"));
    QCOMPARE(upload.user.name(), std::string("admin"));
    QVERIFY(upload.authorized);
    const config::DvrConf sent = parsed(upload.parts.first().content);
    QStringList present;
    const std::pair<bool, const char*> fields[] = {{sent.has_dvr_info(), "dvr_info"}, {sent.has_limit(), "limit"},
        {sent.has_account(), "account"}, {sent.has_camera(), "camera"}, {sent.has_event(), "event"},
        {sent.has_hdd(), "hdd"}, {sent.has_network(), "network"}, {sent.has_record(), "record"},
        {sent.has_system(), "system"}, {sent.has_buyer_info(), "buyer_info"}};
    for (const auto& [has, name] : fields) {
        if (has)
            present << name;
    }
    QCOMPARE(present.join(' '), parts);
    QVERIFY(sent.limit().apply_network_tcpip()); // the DVR's own configuration confirms
}

void tst_CSetupWidget::applyDuringUploadSendsNothing()
{
    m_hub->Init();
    m_dvr->setUploadReadRate(8000);
    QCOMPARE(m_hub->SetDvrConf(parsed(standard())), 0);
    m_driver->queue(prompt(m_dvr->port()));
    m_hub->OnSendAll();
    m_hub->OnSend();
    QTRY_COMPARE(m_driver->boxes.size(), 2);
    QVERIFY(m_driver->boxes.first().contains("still being sent"));
    QCOMPARE(m_driver->boxes.last(), TRANSFERRED);
    QCOMPARE(m_dvr->requestCount(), 1);
}

void tst_CSetupWidget::reloadAfterApplyAllIsByteIdentical()
{
    const config::DvrConf edited = parsed(configurationWith([](config::DvrConf& c) {
        c.mutable_system()->mutable_name_id()->set_dvr_name("Edited");
        c.mutable_hdd()->mutable_smart()->set_smart(false);
    }));
    m_hub->Init();
    QCOMPARE(m_hub->SetDvrConf(edited), 0);
    m_driver->queue(prompt(m_dvr->port()));
    m_hub->OnSendAll();
    QTRY_COMPARE(m_driver->boxes, QStringList{TRANSFERRED});
    QCOMPARE(partsOf(parsed(m_dvr->content().configuration)), partsOf(edited));

    m_hub->OnLoadDefault();
    QVERIFY(partsOf(pages()) != partsOf(edited));
    m_driver->queue(prompt(m_dvr->port()));
    m_hub->OnReload();
    QTRY_COMPARE(partsOf(pages()), partsOf(edited));
}

void tst_CSetupWidget::saveThenOpen()
{
    enter(m_dvr->dvrRecord());
    QTRY_COMPARE(partsOf(pages()), partsOf(parsed(m_dvr->content().configuration)));
    auto* network = m_hub->findChild<CSetupNetwork*>();
    QVERIFY(network->GetApplyNetworkTCPIP());
    m_driver->queue(chooseFile(m_dir->filePath("setup")));
    m_hub->OnSaveFiles();
    QFile file(m_dir->filePath("setup.conf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    m_driver->queue(prompt(m_dvr->port()));
    m_hub->OnSendAll();
    QTRY_COMPARE(m_driver->boxes, QStringList{TRANSFERRED});
    QCOMPARE(m_dvr->lastRequest().parts.first().content, file.readAll());

    const config::DvrConf before = pages();
    m_hub->Init();
    QVERIFY(!network->GetApplyNetworkTCPIP());
    openFile(file.fileName());
    QCOMPARE(WireBuilder::bytesOf(pages()), WireBuilder::bytesOf(before));
    QVERIFY(network->GetApplyNetworkTCPIP());
    QCOMPARE(m_driver->boxes.size(), 1);
}

void tst_CSetupWidget::refusedFiles_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // of the file there before
    QTest::addColumn<QString>("told");
    QTest::newRow("extension in capitals") << int(SaveReadOnly) << "x.CONF" << QByteArray() << "was not saved";
    QTest::newRow("read-only folder") << int(SaveReadOnly) << "locked/x.conf" << QByteArray("old bytes")
                                      << "was not saved";
    QTest::newRow("full disk") << int(SaveFullDisk) << "full/x.conf" << QByteArray("old bytes")
                               << "was not saved: " + qt_error_string(EFBIG);
    QTest::newRow("not a configuration") << int(Open) << "bad.conf" << QByteArray("\xff\xff\xff", 3)
                                         << "not a configuration";
    QTest::newRow("name holding markup") << int(Open) << "<b>bad.conf" << QByteArray("\xff", 1)
                                         << "<b>bad.conf was not opened";
    QTest::newRow("unknown model") << int(Open) << "model18.conf"
                                   << configurationWith([](config::DvrConf& c) { c.mutable_dvr_info()->set_model(18); })
                                   << "model 18 is unknown";
}

void tst_CSetupWidget::refusedFiles()
{
    QFETCH(int, action);
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, told);
    const QString path = m_dir->filePath(name);
    const QString folder = QFileInfo(path).absolutePath();
    QDir().mkpath(folder);
    QFile file(path);
    if (!content.isEmpty()) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
    }
    m_hub->Init();
    const QByteArray before = WireBuilder::bytesOf(pages());
    if (action == Open) {
        openFile(path);
    } else if (action == SaveFullDisk) {
        m_driver->queue(chooseFile(path));
        const FileSizeLimit full(0);
        m_hub->OnSaveFiles();
    } else {
        QVERIFY(withReadOnlyFolder(folder, [&] {
            m_driver->queue(chooseFile(path));
            m_hub->OnSaveFiles();
            return true;
        }));
    }
    // Saving over the old file may be asked first.
    QTRY_VERIFY2(m_driver->boxes.join('\n').contains(told), qPrintable(m_driver->boxes.join('\n')));
    QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), content);
    QCOMPARE(WireBuilder::bytesOf(pages()), before);
}

// The file is in place, but the system could not confirm that it is on the
// disk: the operator reads that, not a success nor a failure.
void tst_CSetupWidget::unconfirmedSaveIsTold()
{
    m_hub->Init();
    const QString path = m_dir->filePath(QStringLiteral("setup.conf"));
    m_driver->queue(chooseFile(path));
    SyncFault::failNext(true, EIO);
    m_hub->OnSaveFiles();
    QCOMPARE(m_driver->boxes,
        QStringList{path + " was saved, but the system could not confirm that it is on the disk ("
            + qt_error_string(EIO) + ")."});
    QVERIFY(QFile::exists(path));
}

void tst_CSetupWidget::modelChoice_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("vtype");
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("spotModes");
    QTest::newRow("AHD 8 PAL") << 1 << 8 << 1 << 52 << "Single|Quad|9 Split|Sequence";
    QTest::newRow("AHD 16 NTSC") << 1 << 16 << 0 << 51 << "Single|Quad|9 Split|16 Split|Sequence";
    QTest::newRow("960H 4 NTSC") << 2 << 4 << 0 << 6 << "Single|Quad|Sequence";
    QTest::newRow("HD-SDI 8 PAL") << 0 << 8 << 1 << 65 << "Single|Sequence";
}

void tst_CSetupWidget::modelChoice()
{
    QFETCH(int, type);
    QFETCH(int, channels);
    QFETCH(int, vtype);
    QFETCH(int, model);
    QFETCH(QString, spotModes);
    m_hub->Init();
    m_driver->queue([=](QDialog* dialog) {
        dialog->findChild<QComboBox*>("combo_dvrModel")->setCurrentIndex(type);
        dialog->findChild<QRadioButton*>(QStringLiteral("channels%1").arg(channels))->click();
        dialog->findChild<QRadioButton*>(QStringLiteral("videoType%1").arg(vtype))->click();
        dialog->accept();
    });
    m_hub->OnSetupModel();
    const config::DvrConf_DvrInfo info = pages().dvr_info();
    QCOMPARE(int(info.model()), model);
    QCOMPARE(int(info.ch_num()), channels);
    QCOMPARE(int(info.vtype()), vtype);
    QCOMPARE(info.languages_size(), DvrModelInfo(DvrModel(model)).languages.size());
    QCOMPARE(m_dvr->requestCount(), 0);

    // The pages offer what the chosen model has.
    auto* camera = m_hub->findChild<CSetupCamera*>();
    int names = 0;
    for (int ch = 0; ch < 16; ++ch)
        names += shownValue(camera, QStringLiteral("name%1.shown").arg(ch)) == "true" ? 1 : 0;
    QCOMPARE(names, channels);
    QCOMPARE(shownValue(camera, "ptzChannel.maximum"), QString::number(channels));
    QCOMPARE(shownValue(camera, "spotMode.items"), spotModes);
    QStringList streams;
    for (int ch = 1; ch <= channels; ++ch)
        streams << QStringLiteral("Ch %1").arg(ch);
    auto* network = m_hub->findChild<CSetupNetwork*>();
    QCOMPARE(shownValue(network, "streamChannel.items"), (streams << "All").join('|'));
    QVERIFY(shownValue(network, "streamFPS.items").endsWith(vtype ? "|12|25" : "|15|30"));
    const bool sensors = DvrModelInfo(DvrModel(model)).sensors != 0;
    QCOMPARE(shownValue(m_hub->findChild<CSetupSystem*>(), "sensorLabel.shown"), sensors ? "true" : "false");
}

void tst_CSetupWidget::clockAndReset_data()
{
    QTest::addColumn<bool>("oldProtocol");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDateTime>("shown"); // invalid: "Reset"
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("mode"); // -1: refused, nothing sent
    QTest::addColumn<QByteArray>("query"); // old dialect: the command's body; refused: what is told
    const QDateTime tenSeconds(QDate(1970, 1, 1), QTime(0, 0, 10));
    const QDateTime march5(QDate(2015, 3, 5), QTime(14, 7, 9));
    QTest::newRow("clock, UTC") << false << QByteArray("UTC") << tenSeconds << "1234" << int(cgi::MODE_DVR_TIME)
                                << QByteArray();
    QTest::newRow("clock, UTC+9") << false << QByteArray("Asia/Seoul") << tenSeconds << "1234"
                                  << int(cgi::MODE_DVR_TIME) << QByteArray();
    QTest::newRow("old clock") << true << QByteArray("America/New_York") << march5 << "pw!1" << 5
                               << QByteArray("MODE=5&OP=19&ID=admin&PW=pw!1&LEN=12&REQ=150305140709");
    const QByteArray refused = COldQuery::errorText(COldQuery::CREDENTIAL_REFUSED).toUtf8();
    QTest::newRow("old clock, a&b") << true << QByteArray("UTC") << march5 << "a&b" << -1 << refused;
    QTest::newRow("reset") << false << QByteArray("UTC") << QDateTime() << "1234" << int(cgi::MODE_RESET)
                           << QByteArray();
    QTest::newRow("old reset") << true << QByteArray("UTC") << QDateTime() << "1234" << 5
                               << QByteArray("MODE=5&ID=admin&PW=1234&OP=18");
    QTest::newRow("old reset, a&b") << true << QByteArray("UTC") << QDateTime() << "a&b" << -1 << refused;
    QTest::newRow("reset, password too long")
        << false << QByteArray("UTC") << QDateTime() << QString(300, QLatin1Char('p')) << -1 << QByteArray("too long");
}

void tst_CSetupWidget::clockAndReset()
{
    QFETCH(bool, oldProtocol);
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, shown);
    QFETCH(QString, password);
    QFETCH(int, mode);
    QFETCH(QByteArray, query);
    const QByteArray savedZone = qgetenv("TZ");
    qputenv("TZ", zone);
    tzset();
    m_dvr->setCredentials(QStringLiteral("admin"), password);
    DVR record = m_dvr->dvrRecord(oldProtocol);
    record.set_id("guest");
    enter(record);
    const int before = oldProtocol || mode < 0 ? 0 : 1; // the read on entry
    QVERIFY(m_dvr->waitForRequests(before));
    auto* overlay = m_hub->findChild<CSetupEtc*>();
    auto* date = overlay->findChild<QDateEdit*>("dateEdit");
    date->setDate(QDate(2001, 2, 3));
    m_driver->queue(prompt(m_dvr->port(), nullptr, password));
    if (shown.isValid()) {
        m_hub->OnDateTime();
        QVERIFY(overlay->isVisible());
        QVERIFY(qAbs(date->date().daysTo(QDate::currentDate())) <= 1); // the PC's time when opened
        date->setDate(shown.date());
        overlay->findChild<QTimeEdit*>("timeEdit")->setTime(shown.time());
        QTest::mouseClick(overlay->findChild<QPushButton*>("apply"), Qt::LeftButton);
    } else {
        m_hub->OnResetDVR();
    }
    qputenv("TZ", savedZone);
    tzset();
    if (mode < 0) {
        // After the notice that an old-protocol DVR's configuration cannot be read.
        QTRY_VERIFY2(m_driver->boxes.join('\n').contains(query), qPrintable(m_driver->boxes.join('\n')));
        QCOMPARE(m_dvr->requestCount(), before);
        return;
    }
    QVERIFY(m_dvr->waitForRequests(before + 1));
    const TestDvrRequest command = m_dvr->lastRequest();
    QCOMPARE(command.kind, TestDvrRequest::Command);
    QCOMPARE(command.mode, mode);
    QVERIFY(command.authorized);
    if (oldProtocol) {
        QCOMPARE(command.query, query);
        return;
    }
    cgi::DvrTime time;
    QVERIFY(time.ParseFromString(command.data.toStdString()));
    QCOMPARE(time.time(), shown.isValid() ? 10u : 0u);
}

void tst_CSetupWidget::upgrade_data()
{
    QTest::addColumn<int>("size"); // -1: no such file
    QTest::addColumn<bool>("abort");
    QTest::addColumn<QStringList>("told");
    QTest::newRow("kernel") << 5 * 1024 * 1024 << false << QStringList{"The upgrade is completed!"};
    QTest::newRow("missing file") << -1 << false << QStringList{"The upgrade is failed!"};
    QTest::newRow("aborted") << 5 * 1024 * 1024 << true << QStringList();
}

void tst_CSetupWidget::upgrade()
{
    QFETCH(int, size);
    QFETCH(bool, abort);
    QFETCH(QStringList, told);
    QByteArray firmware(qMax(size, 0), Qt::Uninitialized);
    for (int i = 0; i < firmware.size(); ++i)
        firmware[i] = char(i * 13 + (i >> 12));
    QFile file(m_dir->filePath("kernel.img"));
    if (size >= 0) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(firmware);
        file.close();
    }
    if (abort)
        m_dvr->setUploadReadRate(256 * 1024);
    m_hub->Init();
    m_driver->queue(prompt(m_dvr->port()));
    m_hub->OnUpgrade();
    auto* overlay = m_hub->findChild<CUpgrade*>();
    QVERIFY(overlay->isVisible());
    overlay->findChild<QComboBox*>("type")->setCurrentIndex(1);
    overlay->findChild<QLineEdit*>("fileName")->setText(file.fileName());
    auto* start = overlay->findChild<QPushButton*>("upgrade");
    QTest::mouseClick(start, Qt::LeftButton);
    if (abort) {
        auto* progress = overlay->findChild<CProgressDialog*>();
        QTRY_VERIFY(progress->findChild<QProgressBar*>()->value() > 0);
        QVERIFY(!start->isEnabled());
        progress->findChild<QPushButton*>("abortButton")->click();
        QTRY_VERIFY(start->isEnabled());
        QVERIFY(!progress->isVisible());
    }
    QTRY_COMPARE(m_driver->boxes, told);
    if (size < 0 || abort)
        return;
    const TestDvrRequest upload = m_dvr->lastRequest();
    QCOMPARE(upload.mode, int(cgi::MODE_SW_UPGRADE));
    QCOMPARE(upload.parts.first().fileName, QByteArray("kernel.img"));
    QVERIFY(upload.parts.first().content == firmware);
    cgi::SwUpgrade type;
    QVERIFY(type.ParseFromString(upload.data.toStdString()));
    QCOMPARE(type.type(), cgi::SwUpgrade::TYPE_KERNEL);
}

void tst_CSetupWidget::mutatedConfigurations()
{
    const QByteArray conf = standard();
    ByteMutator mutator({WireBuilder::packet(1, cgi::DATA_CONF, conf), conf}, 20, 4096);
    m_hub->Init();
    int applied = 0;
    for (int i = 0; i < 2000; ++i) {
        config::DvrConf read;
        if (CSetupWidget::Byte2Conf(mutator.next(), read) != 0)
            continue;
        const QByteArray before = WireBuilder::bytesOf(pages());
        if (m_hub->SetDvrConf(read) == 0)
            ++applied;
        else
            QCOMPARE(WireBuilder::bytesOf(pages()), before);
    }
    QVERIFY(applied > 0);
}

// As an operator new to the hub: a zone drawn on channel 2 reaches the DVR
// with Apply, a schedule hour painted "Motion" survives Apply All and Reload.
void tst_CSetupWidget::operatorDrawsZoneAndPaintsSchedule()
{
    const QByteArray held = configurationWith([](config::DvrConf& c) {
        c.mutable_record()->mutable_schedule(0)->set_record_mode(32, config::RECORD_MANUAL);
    });
    hold(*m_dvr, held);
    enter(m_dvr->dvrRecord());
    QTRY_COMPARE(partsOf(pages()), partsOf(parsed(held)));
    auto* tabs = m_hub->findChild<QTabWidget*>("tabWidget");
    tabs->setCurrentIndex(4);
    QTest::keyClick(m_hub->findChild<QComboBox*>("motionCh"), Qt::Key_Down);
    const QRect block(QPoint(3, 1), QPoint(5, 2));
    m_driver->queue(ZoneEditorSupport::drawBlock(block, true, true));
    QTest::mouseClick(m_hub->findChild<QPushButton*>("detectZone"), Qt::LeftButton);
    m_driver->queue(prompt(m_dvr->port()));
    m_hub->OnSend();
    QTRY_COMPARE(m_driver->boxes, QStringList{TRANSFERRED});
    config::Event expected = parsed(standard()).event();
    for (int row = block.top(); row <= block.bottom(); ++row) {
        for (int column = block.left(); column <= block.right(); ++column)
            expected.mutable_motion_conf()->mutable_motion(1)->set_zone(row * 16 + column, true);
    }
    QCOMPARE(WireBuilder::bytesOf(parsed(m_dvr->content().configuration).event()), WireBuilder::bytesOf(expected));

    tabs->setCurrentIndex(2);
    auto* grid = m_hub->findChild<QTableWidget*>("schedule");
    QTest::mouseClick(m_hub->findChild<QPushButton*>("motion"), Qt::LeftButton);
    const QPoint monday8 = grid->visualRect(grid->model()->index(1, 8)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, monday8);
    m_driver->queue(prompt(m_dvr->port()));
    m_hub->OnSendAll();
    QTRY_COMPARE(m_driver->boxes.size(), 2);
    m_hub->OnLoadDefault();
    QVERIFY(pages().record().schedule(0).record_mode(32) != config::RECORD_MOTION);
    m_driver->queue(prompt(m_dvr->port()));
    m_hub->OnReload();
    QTRY_COMPARE(pages().record().schedule(0).record_mode(32), int(config::RECORD_MOTION));
    const QColor shown = grid->viewport()->grab().toImage().pixelColor(monday8);
    QVERIFY2(shown.green() > shown.red() + 40 && shown.green() > shown.blue() + 40, qPrintable(shown.name()));
    QTRY_COMPARE(CApplicationSender::pending(), 0);
}

// Shown the DVR's settings, an operator adds a user, writes once, renames
// channel 3 and applies all: the DVR holds exactly those changes, and a
// reload shows them.
void tst_CSetupWidget::triedAsANewUser()
{
    const QByteArray held = configurationWith(
        [](config::DvrConf& c) { c.mutable_hdd()->mutable_mode()->set_write_mode(config::Hdd::WRITE_OVERWRITE); });
    hold(*m_dvr, held);
    enter(m_dvr->dvrRecord());
    QTRY_COMPARE(partsOf(pages()), partsOf(parsed(held)));
    auto* tabs = m_hub->findChild<QTabWidget*>("tabWidget");
    QWidget* network = m_hub->findChild<CSetupNetwork*>();
    QWidget* account = m_hub->findChild<CSetupAccount*>();
    QWidget* camera = m_hub->findChild<CSetupCamera*>();
    QCOMPARE(shownValue(m_hub->findChild<CSetupSystem*>(), "systemName.text"), "Front door");
    showTabOf(*tabs, *network);
    QCOMPARE(shownValue(network, "ipAddress.text"), "10.0.0.20");
    showTabOf(*tabs, *account);
    QCOMPARE(shownValue(account, "userList.count"), "4");
    perform(account, "click clear; type name newbie; type password pw; click userAdd");
    showTabOf(*tabs, *m_hub->findChild<CSetupHdd*>());
    perform(m_hub->findChild<CSetupHdd*>(), "pick writeMode ONCE");
    showTabOf(*tabs, *camera);
    perform(camera, "type name2 Garage");
    m_driver->queue(prompt(m_dvr->port()));
    m_hub->OnSendAll();
    QTRY_COMPARE(m_driver->boxes, QStringList{TRANSFERRED});

    config::DvrConf expected = parsed(held);
    config::Account_User& user = *expected.mutable_account()->add_users();
    user.set_name("newbie");
    user.set_password("pw");
    user.set_ch_mask(0xFFFF);
    user.set_ptz(false);
    user.set_playback(false);
    user.set_backup(false);
    user.set_network(true);
    user.set_network_timeout(config::Account::NETWORK_TIMEOUT_OFF);
    expected.mutable_hdd()->mutable_mode()->set_write_mode(config::Hdd::WRITE_ONCE);
    expected.mutable_camera()->mutable_channel(2)->set_name("Garage");
    QCOMPARE(partsOf(parsed(m_dvr->content().configuration)), partsOf(expected));

    m_hub->OnLoadDefault();
    m_driver->queue(prompt(m_dvr->port()));
    m_hub->OnReload();
    QTRY_COMPARE(partsOf(pages()), partsOf(expected));
    QCOMPARE(shownValue(camera, "name2.text"), "Garage");
    QCOMPARE(shownValue(account, "userList.count"), "5");
}

// Over a setting not clicked into, a wheel turn scrolls the page, taller
// than its tab, and leaves the setting; a setting that has focus takes it.
// Tab goes from the tab bar straight to the page's first control.
void tst_CSetupWidget::wheelOverPage_data()
{
    QTest::addColumn<QString>("control"); // none: the control Tab reaches
    QTest::newRow("combo box") << "relayTime";
    QTest::newRow("spin box") << "smtpPort";
    QTest::newRow("reached with Tab") << QString();
}

void tst_CSetupWidget::wheelOverPage()
{
    QFETCH(QString, control);
    m_hub->resize(800, 400);
    auto* tabs = m_hub->findChild<QTabWidget*>("tabWidget");
    auto* page = m_hub->findChild<CSetupEvent*>();
    showTabOf(*tabs, *page);
    const QScrollBar* bar = qobject_cast<QScrollArea*>(page->parentWidget()->parentWidget())->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    const bool focused = control.isEmpty();
    QWidget* setting = page->findChild<QWidget*>(control);
    if (focused) {
        m_hub->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_hub.get()));
        tabs->tabBar()->setFocus();
        QTest::keyClick(tabs->tabBar(), Qt::Key_Tab);
        setting = m_hub->focusWidget();
        QVERIFY2(page->isAncestorOf(setting), setting->metaObject()->className());
    }
    // A real turn first gives focus to a control that takes it from the wheel.
    QVERIFY(setting->focusPolicy() != Qt::WheelFocus);
    const QMetaProperty value = setting->metaObject()->userProperty();
    const QVariant before = value.read(setting);
    QWheelEvent turn(QPointF(setting->rect().center()), QPointF(setting->mapToGlobal(setting->rect().center())),
        QPoint(), QPoint(0, -QWheelEvent::DefaultDeltasPerStep), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
        false);
    QApplication::sendEvent(setting, &turn);
    QCOMPARE(value.read(setting) != before, focused);
    QCOMPARE(bar->value() > 0, !focused);
}

QTEST_MAIN(tst_CSetupWidget)
#include "tst_CSetupWidget.moc"
