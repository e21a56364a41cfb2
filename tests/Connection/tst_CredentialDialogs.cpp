#include "Connection/CLogin.h"
#include "Connection/CSendDVRInfoWidget.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {

// Marks every text of the two dialogs, as a loaded translation would.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        const QByteArray name(context);
        if (name != "CSendDVRInfoWidget" && name != "CLogin")
            return QString();
        return QStringLiteral("<%1>").arg(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

// Presses OK and returns the text of the message box it raised, if any.
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
    dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
    return message;
}

QStringList labelTexts(const QWidget& widget)
{
    QStringList texts;
    for (const QLabel* label : widget.findChildren<QLabel*>())
        texts << label->text();
    texts.sort();
    return texts;
}

} // namespace

class tst_CredentialDialogs : public QObject {
    Q_OBJECT

private slots:
    void addressDialogForm();
    void addressDialogAccepts_data();
    void addressDialogAccepts();
    void loginForm();
    void loginAcceptsAnything_data();
    void loginAcceptsAnything();
    void textsFollowTheLanguage();
};

void tst_CredentialDialogs::addressDialogForm()
{
    CSendDVRInfoWidget dialog;
    QCOMPARE(dialog.findChild<QLineEdit*>("password")->echoMode(), QLineEdit::Password);
    QCOMPARE(dialog.findChild<QLineEdit*>("address")->echoMode(), QLineEdit::Normal);
    const auto* port = dialog.findChild<QSpinBox*>("port");
    QCOMPARE(port->minimum(), 0);
    QCOMPARE(port->maximum(), 65535);
    dialog.setPort(70000);
    QCOMPARE(dialog.getPort(), 65535);
}

void tst_CredentialDialogs::addressDialogAccepts_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("all filled in") << "192.168.0.10" << 80 << "1234" << true;
    QTest::newRow("port 1") << "dvr" << 1 << "x" << true;
    QTest::newRow("port 0") << "dvr" << 0 << "x" << false;
    QTest::newRow("no address") << QString() << 80 << "x" << false;
    QTest::newRow("no password") << "dvr" << 80 << QString() << false;
    QTest::newRow("password of blanks") << "dvr" << 80 << "   " << true;
    QTest::newRow("address of any form") << "not a host!" << 65535 << "p" << true;
}

void tst_CredentialDialogs::addressDialogAccepts()
{
    QFETCH(QString, address);
    QFETCH(int, port);
    QFETCH(QString, password);
    QFETCH(bool, accepted);

    CSendDVRInfoWidget dialog;
    dialog.setAddress(address);
    dialog.setPort(port);
    dialog.setPassword(password);
    dialog.show();
    const QString message = pressOk(dialog);

    QCOMPARE(message, accepted ? QString() : QStringLiteral("Please fill in all blanks."));
    QCOMPARE(dialog.result(), accepted ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(dialog.getAddress(), address);
    QCOMPARE(dialog.getPort(), port);
    QCOMPARE(dialog.getPassword(), password);
}

void tst_CredentialDialogs::loginForm()
{
    CLogin dialog;
    QCOMPARE(dialog.findChild<QLineEdit*>("Password")->echoMode(), QLineEdit::Password);
    QCOMPARE(dialog.findChild<QLineEdit*>("ID")->echoMode(), QLineEdit::Normal);
}

void tst_CredentialDialogs::loginAcceptsAnything_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("password");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("filled in") << "admin"
                               << "1234";
}

void tst_CredentialDialogs::loginAcceptsAnything()
{
    QFETCH(QString, id);
    QFETCH(QString, password);
    CLogin dialog;
    dialog.findChild<QLineEdit*>("ID")->setText(id);
    dialog.findChild<QLineEdit*>("Password")->setText(password);
    dialog.show();
    QCOMPARE(pressOk(dialog), QString());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.getID(), id);
    QCOMPARE(dialog.getPassword(), password);
}

void tst_CredentialDialogs::textsFollowTheLanguage()
{
    CSendDVRInfoWidget address;
    CLogin login;
    address.setAddress(QStringLiteral("kept"));

    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCoreApplication::processEvents();
    QCOMPARE(address.windowTitle(), QStringLiteral("<DVR>"));
    QCOMPARE(labelTexts(address), (QStringList{"<Address>", "<Admin Password>", "<Port>"}));
    QCOMPARE(login.windowTitle(), QStringLiteral("<Login>"));
    QCOMPARE(labelTexts(login), (QStringList{"<ID>", "<Password>"}));
    QCOMPARE(address.getAddress(), QStringLiteral("kept"));

    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QCoreApplication::processEvents();
    QCOMPARE(address.windowTitle(), QStringLiteral("DVR"));
    QCOMPARE(labelTexts(login), (QStringList{"ID", "Password"}));
}

QTEST_MAIN(tst_CredentialDialogs)
#include "tst_CredentialDialogs.moc"
