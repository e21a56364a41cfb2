#include "viewer/CLiveSelection.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>

// Only a value that differs reaches the selection's followers (the title
// and the live control panel): records compare by their values.
namespace {

using Edit = std::function<void(CLiveSelection::Value&)>;

// A DVR as a list file may store it: the fields at their defaults unset.
CLiveSelection::Value listed()
{
    CLiveSelection::Value value;
    value.hasDvr = true;
    value.dvr.set_name("A");
    value.dvr.set_address("127.0.0.1");
    value.dvr.add_chname("door");
    value.connected = true;
    value.clientId = 12;
    value.channel = 3;
    return value;
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class tst_CLiveSelection : public QObject {
    Q_OBJECT

private slots:
    void changedOnlyByValue_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<bool>("changed");
        QTest::newRow("the tree's edit dialog sets the defaults") << Edit([](CLiveSelection::Value& value) {
            value.dvr.set_port(80);
            value.dvr.set_chnum(16);
            value.dvr.set_bitch(0xFFFF);
            value.dvr.set_oldprotocol(false);
        }) << false;
        QTest::newRow("renamed") << Edit([](CLiveSelection::Value& value) { value.dvr.set_name("B"); }) << true;
        QTest::newRow("a camera renamed")
            << Edit([](CLiveSelection::Value& value) { value.dvr.set_chname(0, "yard"); }) << true;
        QTest::newRow("a camera name added")
            << Edit([](CLiveSelection::Value& value) { value.dvr.add_chname("yard"); }) << true;
        QTest::newRow("another password")
            << Edit([](CLiveSelection::Value& value) { value.dvr.set_password("x"); }) << true;
    }

    void changedOnlyByValue()
    {
        QFETCH(Edit, edit);
        QFETCH(bool, changed);
        CLiveSelection selection;
        selection.set(listed());
        QSignalSpy spy(&selection, &CLiveSelection::changed);
        CLiveSelection::Value value = listed();
        edit(value);
        selection.set(value);
        QCOMPARE(spy.count(), changed ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(tst_CLiveSelection)
#include "tst_CLiveSelection.moc"
