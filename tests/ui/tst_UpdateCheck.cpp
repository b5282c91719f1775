#include "UiHarness.h"
#include "settings/UpdateCheck.h"

#include <QLabel>
#include <QPushButton>

Q_DECLARE_METATYPE(WebFetch::Result)

namespace {

const QString Server = QStringLiteral("http://updates.test");
const QString VersionUrl = Server + QStringLiteral("/tockwell/tkw-latestversion.ver");
const QString NoticeUrl = Server + QStringLiteral("/tockwell/tkw-latestversion.txt");
const QString Installer = Server + QStringLiteral("/tockwell/install-tkwnova_update.exe");
const QString Fetched64 = VersionUrl + QStringLiteral(" 64");
const QString Fetched16K = NoticeUrl + QStringLiteral(" 16384");

QString box(int style, const QString& title, const QString& text, const QString& details = {})
{
    return QStringList{QString::number(style), title, text, details}.join(u'|');
}
QString question(const QString& text)
{
    return box(MsgBox::YesNo, QStringLiteral("Download Latest Version"), text);
}
QString failure(const QString& details)
{
    return box(MsgBox::Critical, QStringLiteral("Tockwell"), QStringLiteral("Tockwell could not check for updates."),
               details);
}

} // namespace

class tst_UpdateCheck : public UiTest {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("TOCKWELL_UPDATE_SERVER", Server.toUtf8() + "/"); }
    void serverAnswers_data();
    void serverAnswers();
    void secondPressWhileChecking();
    void ownerClosedMidCheck_data();
    void ownerClosedMidCheck();

private:
    // A stand-in for the Options window: its button, its label, and the check it owns.
    QWidget* owner = nullptr;
    QPushButton* button = nullptr;
    QLabel* label = nullptr;
    UpdateCheck* check = nullptr;

    void makeOwner(const QString& running)
    {
        owner = new QWidget;
        button = new QPushButton(UpdateCheck::CheckCaption, owner);
        label = new QLabel(UpdateCheck::UnknownVersion, owner);
        check = running.isEmpty() ? new UpdateCheck(*h->context, button, label, owner)
                                  : new UpdateCheck(*h->context, button, label, owner, running);
        QObject::connect(button, &QPushButton::clicked, check, &UpdateCheck::start);
    }
    void prepare() override
    {
        makeOwner({});
        // What an earlier check of this run left behind must never answer this one.
        h->context->LatestVersion = QStringLiteral("9.9.9");
        h->context->UpdateMessage = QStringLiteral("An older notice.");
    }
    void finish() override { delete owner; }
    QStringList fetched() const
    {
        QStringList all;
        for (const FakeWebFetch::Request& request : h->fakes.web.requests)
            all << request.url + u' ' + QString::number(request.maxBytes);
        return all;
    }
};

void tst_UpdateCheck::serverAnswers_data()
{
    QTest::addColumn<QString>("running"); // empty: the program's own version, 1.0.0
    QTest::addColumn<WebFetch::Result>("version");
    QTest::addColumn<WebFetch::Result>("notice");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("shellOpens");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("latest");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<QStringList>("fetches");

    const auto ok = FakeWebFetch::ok;
    const auto failed = FakeWebFetch::failed;
    const WebFetch::Result notice = ok("Tockwell 1.0.1 rings louder.\r\n");
    const QString asked = QStringLiteral("Tockwell 1.0.1 rings louder.");
    const QString noUpdates = UpdateCheck::NoUpdates;
    const QString notFound = QStringLiteral("The server answered with HTTP status 404 (Not Found).");
    const QString unexpected = QStringLiteral("The server answered with an unexpected version text.");
    const QStringList both = {Fetched64, Fetched16K};
    const QStringList none;

    QTest::newRow("same") << "" << ok("1.0.0") << notice << 0 << true << noUpdates << "1.0.0" << none << none
                          << QStringList{Fetched64};
    QTest::newRow("newer, yes") << "" << ok("1.0.1") << notice << int(MsgBox::Yes) << true << "1.0.1"
                                << "1.0.1" << QStringList{question(asked)} << QStringList{Installer} << both;
    QTest::newRow("newer, no") << "" << ok("1.0.1") << notice << int(MsgBox::No) << true << "1.0.1"
                               << "1.0.1" << QStringList{question(asked)} << none << both;
    QTest::newRow("older") << "" << ok("0.9.9") << notice << 0 << true << noUpdates << "0.9.9" << none << none
                           << QStringList{Fetched64};
    QTest::newRow("1.0.10 after 1.0.9") << "1.0.9" << ok("1.0.10") << notice << int(MsgBox::No) << true << "1.0.10"
                                        << "1.0.10" << QStringList{question(asked)} << none << both;
    QTest::newRow("same with a line end") << "" << ok("1.0.0\r\n") << notice << 0 << true << noUpdates << "1.0.0"
                                          << none << none << QStringList{Fetched64};
    QTest::newRow("html page") << "" << ok("<!DOCTYPE html><html><head><title>Moved</title></head><body></body></html>")
                               << notice << 0 << true << "Unknown"
                               << "9.9.9" << QStringList{failure(unexpected)} << none << QStringList{Fetched64};
    QTest::newRow("empty") << "" << ok("") << notice << 0 << true << "Unknown"
                           << "9.9.9" << QStringList{failure(unexpected)} << none << QStringList{Fetched64};
    QTest::newRow("404") << "" << failed(notFound, 404) << notice << 0 << true << "Unknown"
                         << "9.9.9" << QStringList{failure(notFound)} << none << QStringList{Fetched64};
    const QString late = QStringLiteral("The server did not answer within 60 seconds.");
    QTest::newRow("time-out") << "" << failed(late, 0) << notice << 0 << true << "Unknown"
                              << "9.9.9" << QStringList{failure(late)} << none << QStringList{Fetched64};
    QTest::newRow("notice missing") << "" << ok("1.0.1") << failed(notFound, 404) << int(MsgBox::No) << true << "1.0.1"
                                    << "1.0.1"
                                    << QStringList{question(
                                           QStringLiteral("Tockwell 1.0.1 is available. Do you want to download it?"))}
                                    << none << both;
    QTest::newRow("notice over 16 KiB") << "" << ok("1.0.1") << ok(QByteArray(20000, 'n')) << int(MsgBox::No) << true
                                        << "1.0.1"
                                        << "1.0.1" << QStringList{question(QString(16384, u'n'))} << none << both;
    QTest::newRow("no program for the installer")
        << "" << ok("1.0.1") << notice << int(MsgBox::Yes) << false << "1.0.1"
        << "1.0.1"
        << QStringList{question(asked), box(MsgBox::Information, QStringLiteral("Tockwell"),
                                            QStringLiteral("No program is set up to open this address:\n") + Installer)}
        << QStringList{Installer} << both;
}

void tst_UpdateCheck::serverAnswers()
{
    QFETCH(QString, running);
    QFETCH(WebFetch::Result, version);
    QFETCH(WebFetch::Result, notice);
    QFETCH(int, answer);
    QFETCH(bool, shellOpens);
    QFETCH(QString, label);
    QFETCH(QString, latest);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, opened);
    QFETCH(QStringList, fetches);

    if (!running.isEmpty()) {
        delete owner;
        makeOwner(running);
    }
    h->fakes.web.answers = {{VersionUrl, version}, {NoticeUrl, notice}};
    h->fakes.shell.opens = shellOpens;
    for (const QString& expected : boxes)
        h->fakes.messages.expect(expected.section(u'|', 2, 2), answer ? answer : int(MsgBox::Ok));

    button->click();
    QVERIFY(!button->isEnabled());
    QCOMPARE(button->text(), QStringLiteral("Checking..."));
    QTRY_VERIFY(!check->isRunning());

    QStringList shown;
    for (const FakeMessageBoxes::Call& call : h->fakes.messages.calls)
        shown << box(call.style, call.title, call.text, call.details);
    QCOMPARE(shown, boxes);
    QCOMPARE(this->label->text(), label);
    QCOMPARE(h->context->LatestVersion, latest);
    QCOMPARE(h->fakes.shell.opened, opened);
    QCOMPARE(fetched(), fetches);
    QVERIFY(button->isEnabled());
    QCOMPARE(button->text(), QStringLiteral("Check for Updates"));
}

void tst_UpdateCheck::secondPressWhileChecking()
{
    check->start();
    check->start();
    QCOMPARE(h->fakes.web.requests.size(), 1);
    h->fakes.web.answer(0, FakeWebFetch::ok("1.0.0"));
    QTRY_VERIFY(!check->isRunning());
    check->start();
    QCOMPARE(h->fakes.web.requests.size(), 2);
}

void tst_UpdateCheck::ownerClosedMidCheck_data()
{
    QTest::addColumn<int>("answered"); // documents the server answers before the window closes
    QTest::newRow("while the version is fetched") << 0;
    QTest::newRow("while the notice is fetched") << 1;
    QTest::newRow("while the question is open") << 2;
}

void tst_UpdateCheck::ownerClosedMidCheck()
{
    QFETCH(int, answered);
    FakeWebFetch& web = h->fakes.web;
    if (answered >= 1)
        web.answers.insert(VersionUrl, FakeWebFetch::ok("1.0.1"));
    if (answered >= 2) {
        web.answers.insert(NoticeUrl, FakeWebFetch::ok("Get it."));
        h->fakes.messages.expect(QStringLiteral("Get it."), MsgBox::Yes, [this] {
            delete owner;
            owner = nullptr;
        });
    }
    check->start();
    if (answered < 2) {
        QTRY_COMPARE(web.requests.size(), answered + 1);
        delete owner;
        owner = nullptr;
        QVERIFY(web.requests.last().context.isNull());
        web.answer(answered, FakeWebFetch::ok("1.0.1"));
        QCoreApplication::processEvents();
        QCOMPARE(h->context->LatestVersion, answered ? QStringLiteral("1.0.1") : QStringLiteral("9.9.9"));
    }
    // The user's Yes, given before the window went, still counts.
    QTRY_COMPARE(h->fakes.shell.opened, answered == 2 ? QStringList{Installer} : QStringList{});
    QCOMPARE(web.requests.size(), answered + (answered == 2 ? 0 : 1));
}

QTEST_MAIN(tst_UpdateCheck)
#include "tst_UpdateCheck.moc"
