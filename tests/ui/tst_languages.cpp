#include "UiHarness.h"
#include "alarms/frmEdit.h"
#include "alarms/frmRecordNewTime.h"
#include "alarms/frmRemove.h"
#include "app/Languages.h"
#include "app/frmSplash.h"
#include "engine/frmAlarm.h"
#include "platform/QtDesktop.h"
#include "settings/UpdateCheck.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

// Every text wrapped: one that shows without the brackets never went through the translator.
struct Pseudo : QTranslator {
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QStringLiteral("[[") + QString::fromUtf8(source) + QStringLiteral("]]");
    }
    bool isEmpty() const override { return false; }
};

// Every text a window shows or tells a screen reader: what its widgets say, list, name and tip.
QStringList textsOf(QWidget* window)
{
    QStringList texts;
    const QWidgetList widgets = window->findChildren<QWidget*>() << window;
    for (QWidget* widget : widgets) {
        for (const char* name : {"text", "title", "windowTitle", "toolTip", "accessibleName", "accessibleDescription"})
            texts << widget->property(name).toString();
        for (const QAction* action : widget->actions())
            texts << action->text();
        for (int i = 0; qobject_cast<QComboBox*>(widget) && i < static_cast<QComboBox*>(widget)->count(); ++i)
            texts << static_cast<QComboBox*>(widget)->itemText(i);
        for (int i = 0; qobject_cast<QTabBar*>(widget) && i < static_cast<QTabBar*>(widget)->count(); ++i)
            texts << static_cast<QTabBar*>(widget)->tabText(i);
    }
    return texts;
}

// The widgets Tab reaches, in the order of the layouts they sit in; a tab widget: its tabs, then its pages.
QWidgetList inLayoutOrder(QLayoutItem* item)
{
    QWidgetList order;
    QWidget* widget = item ? item->widget() : nullptr;
    if (widget && (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy())
        order << widget;
    for (int i = 0; qobject_cast<QTabWidget*>(widget) && i < static_cast<QTabWidget*>(widget)->count(); ++i)
        order << (i ? QWidgetList() : QWidgetList{static_cast<QTabWidget*>(widget)->tabBar()})
              << inLayoutOrder(static_cast<QTabWidget*>(widget)->widget(i)->layout());
    QLayout* layout = widget ? widget->layout() : item ? item->layout() : nullptr;
    for (int i = 0; layout && i < layout->count(); ++i)
        order << inLayoutOrder(layout->itemAt(i));
    return order;
}

} // namespace

// The program in other languages: every text and box through the translator; the German and French
// catalogues in the windows, the dates and Qt's own buttons, with what is stored unchanged; and in every
// window, no two controls sharing a key.
class tst_languages : public UiTest {
    Q_OBJECT
private slots:
    void everyTextTranslated()
    {
        Pseudo pseudo;
        QCoreApplication::installTranslator(&pseudo);
        // The boxes no other test opens (all the others check theirs). The date in digits alone.
        h->storeSetting("Date Format", "3");
        for (int box = 0; box < 4; ++box)
            h->fakes.messages.expect({});
        main().cmdEdit_Click();
        main().cmdRemove_Click();
        h->context->form<frmRecordNewTime>().cmdAccept_Click();
        h->fakes.autostart.there = true;
        h->fakes.autostart.failure = QStringLiteral("refused");
        options().chkStartAtLogin->click();
        // The windows, the update check's answer among them.
        h->fakes.web.answers = {{UpdateCheck::serverAddress() + UpdateCheck::VersionPath, FakeWebFetch::ok("1.0.0")}};
        options().cmdCheckforUpdates->click();
        QTRY_VERIFY(options().cmdCheckforUpdates->isEnabled());
        const QStringList actions =
            QtNotifications::notifyArguments(frmAlarm::Notice({}, true), 0, false).at(5).toStringList();
        QStringList texts = {frmAlarm::Notice({}, true).summary, actions[1], actions[3]};
        for (QWidget* window : windows())
            texts << textsOf(window);
        // The day names the days of an alarm show are the locale's own.
        for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
            notTranslated(QLocale().dayName(day, QLocale::ShortFormat)), notTranslated(QLocale().dayName(day));
        for (const QString& text : texts)
            QVERIFY2(translated(text), qPrintable(text));
    }

    void catalogue_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("date"); // pattern 1 (the German labels and buttons: e2e.accessible)
        QTest::newRow("de") << u"de"_qs << u"Dezember 05, 2026"_qs;
        QTest::newRow("fr") << u"fr"_qs << u"décembre 05, 2026"_qs;
    }
    void catalogue()
    {
        QFETCH(QString, language);
        QFETCH(QString, date);
        QCOMPARE(Languages::install({"en-GB", language}), QLocale::English); // English first: English
        QCOMPARE(Languages::install({"sv", language, "en"}), QLocale(language).language());
        QCOMPARE(main().lblDate->text() + main().lblCurrentTime->text(), date + "01:05:09 PM / 13:05:09");
        // What is stored does not depend on the language.
        options().cmbClockColour->setCurrentIndex(1);
        options().cmbDateFormat->setCurrentIndex(2);
        QCOMPARE(h->fakes.settings.writes.mid(2), QStringList({"Clock Colour=2", "Date Format=3"}));
        QCOMPARE(h->context->DateFormat, "MM/DD/YYYY");
        // Every window keeps its keys (Alt and a letter) in the language, each on a control of its own.
        QList<QStringList> translated = keys();
        Languages::install({});
        const QList<QStringList> english = (h->restart(), keys());
        for (qsizetype window = 0; window < english.size(); ++window)
            QVERIFY(translated[window].size() == english[window].size() && !translated[window].removeDuplicates());
    }

    // Tab goes through a window's controls as they stand, from the first back to it.
    void tabOrder_data()
    {
        QTest::addColumn<int>("window"); // in windows(), after the splash
        int window = 0;
        for (const char* name : {"main", "alarm", "record", "edit", "remove", "options"})
            QTest::newRow(name) << ++window;
    }
    void tabOrder()
    {
        QFETCH(int, window);
        QWidget* shown = windows().at(window);
        const QWidgetList order = inLayoutOrder(shown->layout());
        QWidgetList chain;
        for (QWidget* widget = shown->nextInFocusChain(); widget != shown; widget = widget->nextInFocusChain())
            chain << (order.contains(widget) ? QWidgetList{widget} : QWidgetList());
        std::rotate(chain.begin(), chain.begin() + std::max<qsizetype>(0, chain.indexOf(order.value(0))), chain.end());
        QCOMPARE(chain, order);
    }

private:
    // The letters of each window's keys.
    QList<QStringList> keys()
    {
        QList<QStringList> all;
        for (QWidget* window : windows()) {
            all << QStringList();
            for (const QString& text : textsOf(window))
                all.last() << QRegularExpression(QStringLiteral("&([^&\\s])"))
                                  .match(QString(text).remove(QStringLiteral("&&")))
                                  .captured(1)
                                  .toLower();
            all.last().removeAll({});
        }
        return all;
    }
    // Every window of the program, shown.
    QWidgetList windows()
    {
        modMain& c = *h->context;
        const QWidgetList all = {&c.form<frmSplash>(),        &c.form<frmMain>(), &c.form<frmAlarm>(),
                                 &c.form<frmRecordNewTime>(), &c.form<frmEdit>(), &c.form<frmRemove>(),
                                 &c.form<frmOptions>()};
        for (QWidget* window : all)
            window->show();
        return all;
    }
    void finish() override { Languages::install({}); }
};

QTEST_MAIN(tst_languages)
#include "tst_languages.moc"
