#include "UiHarness.h"
#include "settings/UpdateCheck.h"

#include <QLabel>
#include <QPushButton>

Q_DECLARE_METATYPE(WebFetch::Result)

namespace {

const QString Server = QStringLiteral("http://updates.test");
const QString Installer = Server + QStringLiteral("/tockwell/install-tkwnova_update.exe");
const QString VersionUrl = Server + QStringLiteral("/tockwell/tkw-latestversion.ver");
const QString NoticeUrl = Server + QStringLiteral("/tockwell/tkw-latestversion.txt");

QString box(int style, const QString& title, const QString& text, const QString& details = {})
{
    return QString::number(style) + u' ' + title + QStringLiteral(": ") + text + QStringLiteral(" [") + details + u']';
}

} // namespace

class tst_UpdateCheck : public UiTest {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("TOCKWELL_UPDATE_SERVER", Server.toUtf8() + '/'); }
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
        delete owner;
        owner = new QWidget;
        button = new QPushButton(UpdateCheck::CheckCaption, owner);
        label = new QLabel(owner);
        check = new UpdateCheck(*h->context, button, label, owner, running);
        QObject::connect(button, &QPushButton::clicked, check, &UpdateCheck::start);
    }
    void prepare() override
    {
        makeOwner(AppInfo::runningVersion());
        // An earlier check's findings, which must never answer this one.
        h->context->LatestVersion = QStringLiteral("9.9.9");
        h->context->UpdateMessage = QStringLiteral("An older notice.");
    }
    void finish() override
    {
        delete owner;
        owner = nullptr;
    }
    // What the check did: documents fetched with their caps, message boxes shown, addresses opened.
    QStringList transcript() const
    {
        QStringList all;
        for (const FakeWebFetch::Request& request : h->fakes.web.requests)
            all << request.url.section(u'/', -1) + u' ' + QString::number(request.maxBytes);
        for (const FakeMessageBoxes::Call& call : h->fakes.messages.calls)
            all << box(call.style, call.title, call.text, call.details);
        for (const QString& address : h->fakes.shell.opened)
            all << QStringLiteral("open ") + address;
        return all;
    }
};

void tst_UpdateCheck::serverAnswers_data()
{
    QTest::addColumn<QString>("running");
    QTest::addColumn<WebFetch::Result>("version");
    QTest::addColumn<WebFetch::Result>("notice");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("shellOpens");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("done");

    const auto ok = FakeWebFetch::ok;
    const QString ver = QStringLiteral("tkw-latestversion.ver 64");
    const QString txt = QStringLiteral("tkw-latestversion.txt 16384");
    const QString open = QStringLiteral("open ") + Installer;
    const WebFetch::Result notice = ok("Tockwell 1.0.1 rings louder.\r\n");
    const auto question = [](const QString& text) {
        return box(MsgBox::YesNo, QStringLiteral("Download Latest Version"), text);
    };
    const QString asked = question(QString::fromUtf8(notice.body.trimmed()));
    const QString noUpdates =
        QStringLiteral("No updates found! You are running the most up-to-date version available.");
    const WebFetch::Result notFound = FakeWebFetch::failed(QStringLiteral("HTTP status 404 (Not Found)."), 404);
    const WebFetch::Result late = FakeWebFetch::failed(QStringLiteral("No answer within 60 seconds."));
    const auto failure = [](const QString& details) {
        return box(MsgBox::Critical, QStringLiteral("Tockwell"),
                   QStringLiteral("Tockwell could not check for updates."), details);
    };
    const QString unexpected = failure(QStringLiteral("The server answered with an unexpected version text."));
    const int yes = MsgBox::Yes;
    const int no = MsgBox::No;

    QTest::newRow("same") << "1.0.0" << ok("1.0.0") << notice << no << true << noUpdates << QStringList{ver};
    QTest::newRow("newer, yes") << "1.0.0" << ok("1.0.1") << notice << yes << true << "1.0.1"
                                << QStringList{ver, txt, asked, open};
    QTest::newRow("newer, no") << "1.0.0" << ok("1.0.1") << notice << no << true << "1.0.1"
                               << QStringList{ver, txt, asked};
    QTest::newRow("older") << "1.0.0" << ok("0.9.9") << notice << no << true << noUpdates << QStringList{ver};
    QTest::newRow("1.0.10 after 1.0.9") << "1.0.9" << ok("1.0.10") << notice << no << true << "1.0.10"
                                        << QStringList{ver, txt, asked};
    QTest::newRow("line end") << "1.0.0" << ok("1.0.0\r\n") << notice << no << true << noUpdates << QStringList{ver};
    QTest::newRow("html page") << "1.0.0"
                               << ok("<!DOCTYPE html><html><head><title>301 Moved Permanently</title></head></html>")
                               << notice << no << true << "Unknown" << QStringList{ver, unexpected};
    QTest::newRow("empty") << "1.0.0" << ok("") << notice << no << true << "Unknown" << QStringList{ver, unexpected};
    QTest::newRow("404") << "1.0.0" << notFound << notice << no << true << "Unknown"
                         << QStringList{ver, failure(notFound.error)};
    QTest::newRow("time-out") << "1.0.0" << late << notice << no << true << "Unknown"
                              << QStringList{ver, failure(late.error)};
    QTest::newRow("notice missing")
        << "1.0.0" << ok("1.0.1") << notFound << no << true << "1.0.1"
        << QStringList{ver, txt, question(QStringLiteral("Tockwell 1.0.1 is available. Do you want to download it?"))};
    QTest::newRow("notice over 16 KiB") << "1.0.0" << ok("1.0.1") << ok(QByteArray(20000, 'n')) << no << true << "1.0.1"
                                        << QStringList{ver, txt, question(QString(16384, u'n'))};
    QTest::newRow("no program for the installer")
        << "1.0.0" << ok("1.0.1") << notice << yes << false << "1.0.1"
        << QStringList{ver, txt, asked,
                       box(MsgBox::Information, QStringLiteral("Tockwell"),
                           QStringLiteral("No program is set up to open this address:\n") + Installer),
                       open};
}

void tst_UpdateCheck::serverAnswers()
{
    QFETCH(QString, running);
    QFETCH(WebFetch::Result, version);
    QFETCH(WebFetch::Result, notice);
    QFETCH(int, answer);
    QFETCH(bool, shellOpens);
    QFETCH(QString, label);
    QFETCH(QStringList, done);

    makeOwner(running);
    h->fakes.web.answers = {{VersionUrl, version}, {NoticeUrl, notice}};
    h->fakes.shell.succeeds = shellOpens;
    for (const QString& step : done) {
        if (step.contains(u':') && !step.startsWith(QStringLiteral("open ")))
            h->fakes.messages.expect({}, answer);
    }

    button->click();
    QVERIFY(!button->isEnabled());
    QCOMPARE(button->text(), QStringLiteral("Checking..."));
    QTRY_VERIFY(!check->isRunning());
    QCOMPARE(transcript(), done);
    QCOMPARE(this->label->text(), label);
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
    const auto close = [this] {
        delete owner;
        owner = nullptr;
    };
    if (answered >= 1)
        web.answers.insert(VersionUrl, FakeWebFetch::ok("1.0.1"));
    if (answered == 2) {
        web.answers.insert(NoticeUrl, FakeWebFetch::ok("Get it."));
        h->fakes.messages.expect(QStringLiteral("Get it."), MsgBox::Yes, close);
    }
    check->start();
    if (answered < 2) {
        QTRY_COMPARE(web.requests.size(), answered + 1);
        close();
        QVERIFY(web.requests.last().context.isNull());
    }
    // What was found before the window went stays found, and a Yes given then still counts.
    QTRY_COMPARE(h->fakes.shell.opened, answered == 2 ? QStringList{Installer} : QStringList{});
    QCOMPARE(h->context->LatestVersion, answered ? QStringLiteral("1.0.1") : QStringLiteral("9.9.9"));
}

QTEST_MAIN(tst_UpdateCheck)
#include "tst_UpdateCheck.moc"
