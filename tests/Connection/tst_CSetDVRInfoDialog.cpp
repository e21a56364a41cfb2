#include "Connection/CSetDVRInfoDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

// The DVR dialog as the operator fills it in: what it opens with, what it
// refuses, how the division decides the channels, and the record it gives.
namespace {

template <typename T> T* field(const QDialog& dialog, const QString& name)
{
    T* found = dialog.findChild<T*>(name);
    if (!found)
        qFatal("no field %s", qPrintable(name));
    return found;
}

QCheckBox* channelBox(const QDialog& dialog, int channel)
{
    return field<QCheckBox>(dialog, QStringLiteral("ch_%1").arg(channel));
}

// Bit i: box i checked (or enabled).
quint32 boxes(const QDialog& dialog, bool enabledState)
{
    quint32 mask = 0;
    for (int i = 0; i < 16; ++i) {
        const QCheckBox* box = channelBox(dialog, i);
        if (enabledState ? box->isEnabled() : box->isChecked())
            mask |= 1U << i;
    }
    return mask;
}

// Presses OK; returns the text of the message box it raised, if any.
QString pressOk(QDialog& dialog)
{
    QString message;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message = box->text();
            box->close();
        }
    });
    watcher.start(10);
    QTest::mouseClick(
        field<QDialogButtonBox>(dialog, QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok), Qt::LeftButton);
    return message;
}

DVR filledRecord()
{
    DVR dvr;
    dvr.set_name("Lobby \xea\xb0\x80");
    dvr.set_address("10.0.0.7");
    dvr.set_port(8081);
    dvr.set_id("guard");
    dvr.set_password("p w");
    dvr.set_chnum(8);
    dvr.set_bitch(0x81);
    dvr.set_oldprotocol(true);
    dvr.add_chname("Door");
    return dvr;
}

} // namespace

class tst_CSetDVRInfoDialog : public QObject {
    Q_OBJECT

private slots:
    void opensForANewDVR()
    {
        CSetDVRInfoDialog dialog;
        dialog.setDVR(DVR());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("DVR Info"));
        QCOMPARE(field<QSpinBox>(dialog, "port")->value(), 80);
        QCOMPARE(field<QComboBox>(dialog, "chnum")->currentText(), QStringLiteral("16"));
        QCOMPARE(boxes(dialog, false), 0xFFFFU);
        QCOMPARE(boxes(dialog, true), 0xFFFFU);
        QVERIFY(!field<QCheckBox>(dialog, "check_oldProtocol")->isChecked());
        QCOMPARE(field<QLineEdit>(dialog, "password")->echoMode(), QLineEdit::Password);
    }

    void blanksAreRefused_data()
    {
        QTest::addColumn<QString>("emptied");
        QTest::addColumn<bool>("accepted");
        for (const char* name : {"name", "address", "id", "password"})
            QTest::newRow(name) << name << false;
        QTest::newRow("blanks only count as filled") << QString() << true;
    }

    void blanksAreRefused()
    {
        QFETCH(QString, emptied);
        QFETCH(bool, accepted);
        CSetDVRInfoDialog dialog;
        dialog.setDVR(filledRecord());
        field<QLineEdit>(dialog, "id")->setText(QStringLiteral("  "));
        if (!emptied.isEmpty())
            field<QLineEdit>(dialog, emptied)->clear();
        dialog.show();
        QSignalSpy accepts(&dialog, &QDialog::accepted);

        QCOMPARE(pressOk(dialog), accepted ? QString() : QStringLiteral("Please fill in all blanks."));
        QCOMPARE(accepts.size(), accepted ? 1 : 0);
        QCOMPARE(dialog.isVisible(), !accepted);
    }

    // Choosing a division decides the channels whatever was checked; the
    // boxes beyond it cannot be checked.
    void divisionDecidesTheChannels()
    {
        CSetDVRInfoDialog dialog;
        dialog.setDVR(DVR());
        dialog.show();
        auto* division = field<QComboBox>(dialog, "chnum");
        division->setCurrentText(QStringLiteral("8"));
        QCOMPARE(boxes(dialog, true), 0x00FFU);
        QTest::mouseClick(channelBox(dialog, 2), Qt::LeftButton);
        QTest::mouseClick(channelBox(dialog, 12), Qt::LeftButton);
        QCOMPARE(dialog.getDVR().bitch(), 0x00FBU);
        QCOMPARE(dialog.getDVR().chnum(), 8);

        // A 4-channel record: the division is already shown, the rest still closed.
        DVR four;
        four.set_chnum(4);
        four.set_bitch(0x5);
        division->setCurrentText(QStringLiteral("4"));
        dialog.setDVR(four);
        QCOMPARE(boxes(dialog, true), 0x000FU);
        QCOMPARE(dialog.getDVR().bitch(), 0x5U);
    }

    void nameTakesTwentyCharacters()
    {
        CSetDVRInfoDialog dialog;
        dialog.show();
        QTest::keyClicks(field<QLineEdit>(dialog, "name"), QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
        QCOMPARE(dialog.getDVR().name(), std::string("abcdefghijklmnopqrst"));
    }

    // Every field comes back as given, and no channel names with it.
    void recordRoundTrip()
    {
        CSetDVRInfoDialog dialog;
        dialog.setDVR(filledRecord());
        DVR expected = filledRecord();
        expected.clear_chname();
        QCOMPARE(dialog.getDVR().SerializeAsString(), expected.SerializeAsString());
        // Defaults are stored too.
        dialog.setDVR(DVR());
        const DVR given = dialog.getDVR();
        QVERIFY(given.has_name() && given.has_address() && given.has_port() && given.has_id() && given.has_password()
            && given.has_chnum() && given.has_bitch() && given.has_oldprotocol());
    }

    // A record of another channel count shows no division and offers no
    // channel; it keeps its count when no division is chosen.
    void otherChannelCountIsKept()
    {
        DVR twelve = filledRecord();
        twelve.set_chnum(12);
        twelve.set_bitch(0x0F0F);
        CSetDVRInfoDialog dialog;
        dialog.setDVR(twelve);
        QCOMPARE(field<QComboBox>(dialog, "chnum")->currentIndex(), -1);
        QCOMPARE(boxes(dialog, true), 0U);
        QCOMPARE(boxes(dialog, false), 0x0F0FU);
        field<QLineEdit>(dialog, "name")->setText(QStringLiteral("Renamed"));
        QCOMPARE(dialog.getDVR().chnum(), 12);
        QCOMPARE(dialog.getDVR().bitch(), 0x0F0FU);
    }
};

QTEST_MAIN(tst_CSetDVRInfoDialog)
#include "tst_CSetDVRInfoDialog.moc"
