// The backup panel: its range, its progress and its ending, alone and wired
// to a connection controller as the main window wires them, backing up
// from the test DVR into files the recorder's checkers accept.
#include "../SysData/AviFileChecker.h"
#include "../SysData/RawFileChecker.h"
#include "Common/CCoreMetaTypes.h"
#include "Common/CDateTime.h"
#include "Connection/CApplicationSender.h"
#include "Connection/CConnectDVR.h"
#include "Display/CWaitDialog.h"
#include "Recording/CBackupWidget.h"
#include "Recording/CPlaybackWidget.h"
#include "Recording/CRemoteSearch.h"
#include "Recording/CSearchWidget.h"
#include "Recording/CTimeLine.h"
#include "Settings/CAppSettings.h"
#include "Settings/CLanguage.h"
#include "ShownSearch.h"
#include "TestDvr.h"
#include "TestDvrPlayback.h"
#include "TestDvrRecordings.h"
#include "TestDvrStreams.h"

#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

std::time_t at(const char* text)
{
    return ShownSearch::at(QLatin1String(text));
}

QString shownRange(std::time_t start, std::time_t end)
{
    const auto shown = [](std::time_t t) {
        return CDateTime::convert_Timet_QDateTime(long(t)).toString(QStringLiteral("yyyy-MM-dd  hh:mm"));
    };
    return shown(start) + " ~ " + shown(end);
}

// Why the main window ends a backup, as it tells the panel.
const QString WHY = QStringLiteral("The DVR went away.");

QString lastMessage(QWidget* panel)
{
    const QList<QMessageBox*> boxes = panel->findChildren<QMessageBox*>();
    return boxes.isEmpty() ? QString() : boxes.last()->text();
}

void click(QWidget* panel, const char* name)
{
    QTest::mouseClick(panel->findChild<QAbstractButton*>(name), Qt::LeftButton);
}

} // namespace

class tst_CBackupWidget : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void range();
    void languageChangeKeepsTheLabels();
    void forgettingTheDvr_data();
    void forgettingTheDvr();
    void noDvrLineFollowsTheLanguage();
    void progress_data();
    void progress();
    void wiredBackups_data();
    void wiredBackups();

private:
    // Searched, with the range chosen by the operator.
    void prepare(CBackupWidget& panel, std::time_t start, std::time_t end);

    std::unique_ptr<TestDvr> m_dvr;
    std::unique_ptr<QTemporaryDir> m_folder;
};

void tst_CBackupWidget::initTestCase()
{
    CCoreMetaTypes::registerTypes();
    QLoggingCategory::setFilterRules(QStringLiteral("qelm.network.debug=false\nqelm.network.warning=false"));
}

void tst_CBackupWidget::init()
{
    m_dvr = std::make_unique<TestDvr>();
    QVERIFY(m_dvr->listen());
    // A minute, a minute's gap, three minutes.
    TestDvrRecordings::of(m_dvr.get())
        ->setSchedule(TestDvrSchedule()
                          .add(at("2024-03-10 10:00"), at("2024-03-10 10:01"), 0x3, {1, 2})
                          .add(at("2024-03-10 10:02"), at("2024-03-10 10:05"), 0x3, {3, 1}));
    TestDvrPlayback::of(m_dvr.get());
    TestDvrStreamSettings settings;
    settings.backupSpeed = 100;
    m_dvr->setStreamSettings(settings);
    m_folder = std::make_unique<QTemporaryDir>();
    CAppSettings().writeSetting(CAppSettings::PATH_LIST.at(2), m_folder->filePath("backup"));
}

void tst_CBackupWidget::cleanup()
{
    // A test that failed while another language was chosen leaves it to none
    // of the later ones.
    CLanguage().applyLanguage(QStringLiteral("English"));
    QTRY_COMPARE_WITH_TIMEOUT(CApplicationSender::pending(), 0, 15000);
    m_dvr.reset();
}

void tst_CBackupWidget::prepare(CBackupWidget& panel, std::time_t start, std::time_t end)
{
    panel.show();
    panel.search(m_dvr->dvrRecord(), 1, 2, 1);
    QTRY_VERIFY(!panel.findChild<CRemoteSearch*>()->waitDialog()->isVisible());
    ShownSearch::chooseBackupRange(&panel, start, end);
}

void tst_CBackupWidget::range()
{
    const std::time_t before = CDateTime::currentWallClock();
    CBackupWidget panel;
    panel.show();
    panel.search(m_dvr->dvrRecord(), 1, 2, 1);
    QTRY_VERIFY(!panel.findChild<CRemoteSearch*>()->waitDialog()->isVisible());
    const std::time_t after = CDateTime::currentWallClock();
    auto* label = panel.findChild<QLabel*>("BackupTime");
    // The five minutes before the time shown, with "End" chosen.
    QVERIFY2(label->text() == shownRange(before - 300, before) || label->text() == shownRange(after - 300, after),
        qPrintable(label->text()));
    QVERIFY(panel.findChild<QRadioButton*>("BackupTime2")->isChecked());
    QVERIFY(!panel.findChild<QPushButton*>("Range60")->isEnabled());

    click(&panel, "BackupTime1");
    QVERIFY(panel.findChild<QPushButton*>("Range60")->isEnabled());
    ShownSearch::moveTo(panel.findChild<CSearchWidget*>(), at("2024-03-10 10:15"));
    click(&panel, "Range60");
    QCOMPARE(label->text(), "2024-03-10  10:15 ~ 2024-03-10  11:15");
    // The range reads beside the progress bar, left of the controls.
    QVERIFY(!label->geometry().intersects(panel.findChild<QProgressBar*>("progressBar")->geometry()));
    QVERIFY(label->geometry().right() < panel.findChild<QWidget*>("BackupControl")->x());

    // A start at the end is refused.
    QSignalSpy starts(&panel, &CBackupWidget::backupStart);
    ShownSearch::moveTo(panel.findChild<CSearchWidget*>(), at("2024-03-10 11:15"));
    click(&panel, "BackupStart");
    QCOMPARE(lastMessage(&panel), "Please select the backup end time again");
    QVERIFY(!panel.isBackup());
    QCOMPARE(starts.size(), 0);
}

void tst_CBackupWidget::languageChangeKeepsTheLabels()
{
    CBackupWidget backup;
    prepare(backup, at("2024-03-10 10:00"), at("2024-03-10 10:03"));
    CPlaybackWidget playback;
    playback.search(QString());
    ShownSearch::moveTo(playback.findChild<CSearchWidget*>(), at("2024-03-10 10:07"));
    for (QWidget* panel : {static_cast<QWidget*>(&backup), static_cast<QWidget*>(&playback)}) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(panel, &change);
    }
    QCOMPARE(backup.findChild<QLabel*>("BackupTime")->text(), "2024-03-10  10:00 ~ 2024-03-10  10:03");
    QCOMPARE(playback.findChild<QLabel*>("PbStartTime")->text(), "2024-03-10  10:07");
    QCOMPARE(backup.findChild<QPushButton*>("Range60")->text(), "1 hour");
}

void tst_CBackupWidget::forgettingTheDvr_data()
{
    QTest::addColumn<bool>("backup");
    // The label that reads the chosen time: the range or the start time.
    QTest::addColumn<QString>("label");
    QTest::newRow("backup") << true << "BackupTime";
    QTest::newRow("playback") << false << "PbStartTime";
}

// What a page forgets, its labels forget too: the range or the start time,
// the calendar's date and the time line's hour show now, the time the next
// search asks for. The no-DVR line reads whole in every language, under no
// label, also as the operator moves the time.
void tst_CBackupWidget::forgettingTheDvr()
{
    QFETCH(bool, backup);
    QFETCH(QString, label);
    CBackupWidget backupPage;
    CPlaybackWidget playbackPage;
    QWidget* page = backup ? static_cast<QWidget*>(&backupPage) : &playbackPage;
    // As wide as the pages are in the smallest main window.
    page->resize(901, 480);
    page->show();
    backup ? backupPage.search(m_dvr->dvrRecord(), 1, 2, 1) : playbackPage.search(m_dvr->dvrRecord(), 1, 2, 1);
    QTRY_VERIFY(!page->findChild<CRemoteSearch*>()->waitDialog()->isVisible());
    auto* search = page->findChild<CSearchWidget*>();
    if (backup)
        ShownSearch::chooseBackupRange(page, at("2024-03-10 10:00"), at("2024-03-10 10:03"));
    else
        ShownSearch::moveTo(search, at("2024-03-10 10:07"));
    auto* shown = page->findChild<QLabel*>(label);
    QVERIFY(!shown->text().isEmpty());

    const QDateTime before = CDateTime::convert_Timet_QDateTime(long(CDateTime::currentWallClock()));
    backup ? backupPage.forgetDvr() : playbackPage.forgetDvr();
    const QDateTime after = CDateTime::convert_Timet_QDateTime(long(CDateTime::currentWallClock()));
    QCOMPARE(shown->text(), QString());
    const QDate date = page->findChild<QCalendarWidget*>()->selectedDate();
    QVERIFY2(date == before.date() || date == after.date(), qPrintable(date.toString()));
    const int hour = page->findChild<CTimeLine*>()->getHour();
    QVERIFY(hour == before.time().hour() || hour == after.time().hour());
    const auto* line = page->findChild<QLabel*>("NoDvrLine");
    QVERIFY(line->isVisible());
    if (backup)
        QVERIFY(!backupPage.findChild<QPushButton*>("BackupStart")->isEnabled());

    ShownSearch::moveTo(search, at("2024-03-10 10:07"));
    QVERIFY(!shown->text().isEmpty());
    const CLanguage languages;
    const auto english = qScopeGuard([&languages] { languages.applyLanguage(QStringLiteral("English")); });
    for (const QString& language : languages.getLanguageName()) {
        languages.applyLanguage(language);
        QCoreApplication::processEvents();
        QVERIFY2(line->width() >= line->sizeHint().width(), qPrintable(language));
        QVERIFY2(line->height() >= line->sizeHint().height(), qPrintable(language));
        for (const QLabel* other : page->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (other != line && other->isVisible())
                QVERIFY2(!line->geometry().intersects(other->geometry()), qPrintable(language + ": " + other->text()));
        }
    }
}

// The line that says there is no DVR to search reads in the language the
// operator switches to while it shows.
void tst_CBackupWidget::noDvrLineFollowsTheLanguage()
{
    CBackupWidget backup;
    CPlaybackWidget playback;
    playback.search(QString());
    const QList<QLabel*> lines{backup.findChild<QLabel*>("NoDvrLine"), playback.findChild<QLabel*>("NoDvrLine")};
    const auto texts = [&lines] {
        QStringList shown;
        for (const QLabel* line : lines)
            shown << line->text();
        return shown;
    };
    QVERIFY(CLanguage().applyLanguage(QStringLiteral("French")));
    QTRY_COMPARE(texts(), QStringList(2, "Aucun DVR à rechercher : double-cliquez sur un DVR de la liste."));
    QVERIFY(CLanguage().applyLanguage(QStringLiteral("Korean")));
    QTRY_COMPARE(texts(), QStringList(2, "검색할 DVR이 없습니다. 목록에서 DVR을 더블 클릭하십시오."));
}

void tst_CBackupWidget::progress_data()
{
    QTest::addColumn<QList<int>>("reports");
    // How it ends after the reports: "stop" (its button), "failure" (while
    // it runs), "ended" (by the main window, with why); "incomplete": the
    // files cannot be completed as it ends.
    QTest::addColumn<QString>("ending");
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("message");
    const QString done = "Backup has been completed.";
    const QString full = "[ERROR] disk full";
    // The range is an hour: 3599 seconds from its first frame to the first
    // of its last second, whose frames are still to come.
    QTest::newRow("the end reached") << QList<int>{-1} << "" << false << done;
    QTest::newRow("the last second reached") << QList<int>{1800, 1799} << "" << true << "";
    QTest::newRow("past the last second") << QList<int>{3000, 1000} << "" << false << done;
    QTest::newRow("a failure while running") << QList<int>{1000} << "failure" << false << full;
    QTest::newRow("a failure to complete the files") << QList<int>{-1} << "incomplete" << false << full;
    QTest::newRow("Stop") << QList<int>{1000} << "stop" << false << "";
    QTest::newRow("Stop, the files not completed") << QList<int>{1000} << "stop incomplete" << false << full;
    QTest::newRow("ended by the main window") << QList<int>{1000} << "ended" << false << WHY;
    QTest::newRow("ended, the files not completed")
        << QList<int>{1000} << "ended incomplete" << false << WHY + "\n" + full;
}

void tst_CBackupWidget::progress()
{
    QFETCH(QList<int>, reports);
    QFETCH(QString, ending);
    QFETCH(bool, running);
    QFETCH(QString, message);
    CBackupWidget panel;
    prepare(panel, at("2024-03-10 10:15"), at("2024-03-10 11:15"));
    QSignalSpy starts(&panel, &CBackupWidget::backupStart);
    QSignalSpy stops(&panel, &CBackupWidget::backupStop);
    // As the controller reports a recording it cannot complete when stopped.
    if (ending.contains("incomplete"))
        connect(&panel, &CBackupWidget::backupStop, &panel, [&] { panel.OnBackupFailed("[ERROR] disk full"); });
    click(&panel, "BackupStart");
    QCOMPARE(starts.size(), 1);
    QCOMPARE(starts.at(0).at(0).value<time_t>(), at("2024-03-10 10:15"));
    QCOMPARE(starts.at(0).at(1).value<time_t>(), at("2024-03-10 11:15"));
    QCOMPARE(starts.at(0).at(2).toInt(), 0x3);
    QVERIFY(panel.isBackup());
    for (int report : reports)
        panel.OnUpdateProgress(report);
    if (ending.startsWith("failure"))
        panel.OnBackupFailed("[ERROR] disk full");
    else if (ending.startsWith("stop"))
        click(&panel, "BackupStop");
    else if (ending.startsWith("ended"))
        panel.OnBackupEnded(WHY);
    QCOMPARE(panel.isBackup(), running);
    QCOMPARE(stops.size(), running ? 0 : 1);
    QCOMPARE(lastMessage(&panel), message);
    // Reports and ends while idle are not heard.
    if (!running) {
        panel.OnUpdateProgress(-1);
        panel.OnBackupEnded(WHY);
        QCOMPARE(stops.size(), 1);
        QCOMPARE(panel.findChildren<QMessageBox*>().size(), message.isEmpty() ? 0 : 1);
    }
}

void tst_CBackupWidget::wiredBackups_data()
{
    QTest::addColumn<int>("format"); // -1: no Backup folder can be made
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("message");
    const QString done = "Backup has been completed.";
    const char* start = "2024-03-10 10:00";
    const char* end = "2024-03-10 10:03";
    QTest::newRow("raw files across the gap") << 0 << start << end << done;
    QTest::newRow("AVI files across the gap") << 1 << start << end << done;
    QTest::newRow("a Backup folder that cannot be made")
        << -1 << start << end << "[ERROR] Can not create the recording folder";
    QTest::newRow("a range past the recordings") << 0 << "2024-03-10 10:10"
                                                 << "2024-03-10 10:13"
                                                 << "There is no more backup data. Or Connection failed";
}

void tst_CBackupWidget::wiredBackups()
{
    QFETCH(int, format);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, message);
    CAppSettings settings;
    settings.writeSetting(CAppSettings::FILE_FORMAT, qMax(format, 0));
    if (format < 0) {
        // A file where the folder should be.
        QFile blocker(m_folder->filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        settings.writeSetting(CAppSettings::PATH_LIST.at(2), blocker.fileName() + "/backup");
    }
    QCOMPARE(settings.save(), CWholeFileWriter::Result::Written);
    CBackupWidget panel;
    CConnectDVR controller;
    controller.setDVR(m_dvr->dvrRecord());
    // Wired as the main window wires them.
    connect(&panel, &CBackupWidget::backupStart, &controller, [&](time_t from, time_t to, int channels) {
        CConnectDVR::PbBackupParam p;
        p.mode = CHttpConnect::BACKUP;
        p.startTime = from;
        p.endTime = to;
        p.channelMask = quint32(channels);
        controller.startPlayback(p);
    });
    connect(&controller, &CConnectDVR::updateBackupProgress, &panel, &CBackupWidget::OnUpdateProgress);
    connect(&controller, &CConnectDVR::recordFailed, &panel, &CBackupWidget::OnBackupFailed);
    connect(&panel, &CBackupWidget::backupStop, &controller, [&] { controller.recordStop(); });
    prepare(panel, ShownSearch::at(start), ShownSearch::at(end));
    click(&panel, "BackupStart");
    QTRY_VERIFY_WITH_TIMEOUT(!lastMessage(&panel).isEmpty(), 20000);
    QVERIFY2(lastMessage(&panel).startsWith(message), qPrintable(lastMessage(&panel)));
    QVERIFY(!panel.isBackup());
    if (message != "Backup has been completed.")
        return;
    QTRY_COMPARE(m_dvr->streams()->runningCount(), 0);
    controller.disconnect();

    // Every video frame the DVR sent before the range's end, from the first.
    const TestDvrStreams::Record sent = m_dvr->streams()->records().first();
    const qint64 expected = sent.videoFrames - 2; // one a channel at the end
    const QString folder = m_folder->filePath("backup/Test DVR");
    qint64 written = 0;
    if (format == 0) {
        const RawFileChecker checker(folder);
        QVERIFY2(checker.ok(), qPrintable(checker.problems()));
        QCOMPARE(checker.pairs.first().entries.first().seconds, quint32(ShownSearch::at(start)));
        for (const RawFileChecker::Pair& pair : checker.pairs)
            written += std::count_if(pair.entries.cbegin(), pair.entries.cend(), [](auto& e) { return e.type != 3; });
    } else {
        const QStringList files = QDir(folder).entryList({"*.avi"});
        QCOMPARE(files.size(), 2); // one a channel
        for (const QString& file : files) {
            const AviFileChecker checker(folder + "/" + file);
            QVERIFY2(checker.ok(), qPrintable(file + ": " + checker.problems()));
            written += std::count_if(
                checker.chunks.cbegin(), checker.chunks.cend(), [](auto& chunk) { return chunk.code == "00dc"; });
        }
    }
    QCOMPARE(written, expected);
}

QTEST_MAIN(tst_CBackupWidget)
#include "tst_CBackupWidget.moc"
