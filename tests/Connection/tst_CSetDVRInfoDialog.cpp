#include "Connection/CSetDVRInfoDialog.h"
#include "ModalAnswers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// The DVR dialog as the operator fills it in: what a record shows, what
// comes back, what is refused, and how the division decides the channels.
namespace {

template <typename T = QWidget> T* field(const QDialog& dialog, const QString& name)
{
    return dialog.findChild<T*>(name);
}

// Bit i set when channel box i is checked (enabled, with `enabled`).
quint32 boxes(const QDialog& dialog, bool enabled)
{
    quint32 mask = 0;
    for (int i = 0; i < 16; ++i) {
        const auto* box = field<QCheckBox>(dialog, QStringLiteral("ch_%1").arg(i));
        mask |= (enabled ? box->isEnabled() : box->isChecked()) ? 1U << i : 0;
    }
    return mask;
}

DVR filled(int chnum, quint32 channels)
{
    DVR dvr;
    dvr.set_name("Lobby \xea\xb0\x80");
    dvr.set_address("10.0.0.7");
    dvr.set_port(8081);
    dvr.set_id("guard");
    dvr.set_password(" ");
    dvr.set_chnum(chnum);
    dvr.set_bitch(channels);
    dvr.set_oldprotocol(true);
    return dvr;
}

} // namespace

class tst_CSetDVRInfoDialog : public QObject {
    Q_OBJECT

private slots:
    // Every field given comes back explicitly set, without channel names; a
    // count the dialog does not offer shows no division and is kept.
    void records_data()
    {
        QTest::addColumn<DVR>("given");
        QTest::addColumn<QString>("division");
        QTest::addColumn<quint32>("enabled");
        QTest::addColumn<DVR>("back");

        DVR defaults;
        defaults.set_name("");
        defaults.set_address("");
        defaults.set_port(80);
        defaults.set_id("");
        defaults.set_password("");
        defaults.set_chnum(16);
        defaults.set_bitch(0xFFFF);
        defaults.set_oldprotocol(false);
        QTest::newRow("new DVR") << DVR() << "16" << 0xFFFFU << defaults;
        DVR named = filled(8, 0x81);
        named.add_chname("Door");
        QTest::newRow("eight channels") << named << "8" << 0x00FFU << filled(8, 0x81);
        // The division shown at the start does not leave channels open.
        QTest::newRow("four channels") << filled(4, 0x5) << "4" << 0x000FU << filled(4, 0x5);
        QTest::newRow("twelve channels") << filled(12, 0x0F0F) << "" << 0U << filled(12, 0x0F0F);
    }

    void records()
    {
        QFETCH(DVR, given);
        QFETCH(QString, division);
        QFETCH(quint32, enabled);
        QFETCH(DVR, back);
        CSetDVRInfoDialog dialog;
        dialog.setDVR(given);
        QCOMPARE(field<QComboBox>(dialog, "chnum")->currentText(), division);
        QCOMPARE(boxes(dialog, true), enabled);
        QCOMPARE(boxes(dialog, false), given.bitch());
        QCOMPARE(dialog.getDVR().SerializeAsString(), back.SerializeAsString());
        QCOMPARE(field<QLineEdit>(dialog, "password")->echoMode(), QLineEdit::Password);
    }

    void blanksAreRefused_data()
    {
        QTest::addColumn<QString>("emptied");
        for (const char* name : {"name", "address", "id", "password"})
            QTest::newRow(name) << name;
        QTest::newRow("blanks count as filled") << QString();
    }

    void blanksAreRefused()
    {
        QFETCH(QString, emptied);
        CSetDVRInfoDialog dialog;
        dialog.setDVR(filled(16, 1));
        if (!emptied.isEmpty())
            field<QLineEdit>(dialog, emptied)->clear();
        dialog.show();
        QSignalSpy accepts(&dialog, &QDialog::accepted);
        ModalAnswers user;
        QTest::mouseClick(field<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok), Qt::LeftButton);
        const bool refused = !emptied.isEmpty();
        QCOMPARE(user.messages, refused ? QStringList{"Please fill in all blanks."} : QStringList());
        QCOMPARE(accepts.size(), refused ? 0 : 1);
        QCOMPARE(dialog.isVisible(), refused);
    }

    void typing()
    {
        CSetDVRInfoDialog dialog;
        dialog.setDVR(filled(16, 0xFFFF));
        dialog.show();
        field<QComboBox>(dialog, "chnum")->setCurrentText("8");
        QCOMPARE(boxes(dialog, true), 0x00FFU);
        QTest::mouseClick(field(dialog, "ch_2"), Qt::LeftButton);
        QTest::mouseClick(field(dialog, "ch_12"), Qt::LeftButton);
        QCOMPARE(dialog.getDVR().bitch(), 0x00FBU);

        field<QLineEdit>(dialog, "name")->clear();
        QTest::keyClicks(field(dialog, "name"), QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
        QCOMPARE(dialog.getDVR().name(), std::string("abcdefghijklmnopqrst"));
    }
};

QTEST_MAIN(tst_CSetDVRInfoDialog)
#include "tst_CSetDVRInfoDialog.moc"
