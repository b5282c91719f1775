<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AlarmLineViews</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Einmal</translation>
    </message>
</context>
<context>
    <name>AlarmSound</name>
    <message>
        <source>Tockwell could not play the sound file %1, so it rang its alarm sound instead.</source>
        <translation>Tockwell konnte die Klangdatei %1 nicht abspielen und hat stattdessen seinen Weckton gespielt.</translation>
    </message>
    <message>
        <source>Your computer&apos;s sound is muted: this alarm rang silently.</source>
        <translation>Der Ton Ihres Computers ist stummgeschaltet: Dieser Wecker hat lautlos geklingelt.</translation>
    </message>
    <message>
        <source>Sound is muted: alarms will unmute it to ring.</source>
        <translation>Der Ton ist stummgeschaltet: Wecker schalten ihn zum Klingeln ein.</translation>
    </message>
    <message>
        <source>Sound is muted: alarms will ring silently.</source>
        <translation>Der Ton ist stummgeschaltet: Wecker klingeln lautlos.</translation>
    </message>
</context>
<context>
    <name>AlarmTimeForm</name>
    <message>
        <source>Alarm Time</source>
        <translation>Weckzeit</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Stunde:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minute:</translation>
    </message>
    <message>
        <source>AM/PM:</source>
        <translation>AM/PM:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message numerus="yes">
        <source>Max of %n characters:</source>
        <translation>
            <numerusform>Höchstens %n Zeichen:</numerusform>
            <numerusform>Höchstens %n Zeichen:</numerusform>
        </translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>You will need to enter an hour time for the alarm to be set off.</source>
        <translation>Bitte wählen Sie die Stunde, zu der der Wecker klingeln soll.</translation>
    </message>
    <message>
        <source>You will need to enter a minute time for the alarm to be set off.</source>
        <translation>Bitte wählen Sie die Minute, zu der der Wecker klingeln soll.</translation>
    </message>
    <message>
        <source>You will need to enter an AM/PM time for the alarm to be set off.</source>
        <translation>Bitte wählen Sie AM oder PM für die Weckzeit.</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Werktags</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Wochenende</translation>
    </message>
    <message>
        <source>Ring once</source>
        <translation>Nur einmal</translation>
    </message>
    <message>
        <source>Rings at its next time, whatever the day, then switches itself off</source>
        <translation>Klingelt zur nächsten passenden Uhrzeit, egal an welchem Tag, und schaltet sich dann aus</translation>
    </message>
    <message>
        <source>You will need to choose a day for the alarm to be set off, or Ring once.</source>
        <translation>Bitte wählen Sie mindestens einen Tag, an dem der Wecker klingeln soll, oder „Nur einmal“.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Weckton</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Rising beeps</source>
        <translation>Steigende Töne</translation>
    </message>
    <message>
        <source>Choose a file...</source>
        <translation>Datei auswählen …</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Lautstärke:</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Klangdateien</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>AppArt</name>
    <message>
        <source>Your desktop alarm clock</source>
        <translation>Ihr Wecker für den Desktop</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Tockwell © Fernhollow 2007. All rights reserved.</source>
        <translation>Tockwell © Fernhollow 2007. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>DatePattern</name>
    <message>
        <source>MMMM DD, YYYY</source>
        <extracomment>A date pattern: D day, M month, Y year. Change the letters only; their count and order stay.</extracomment>
        <translation>MMMM TT, JJJJ</translation>
    </message>
    <message>
        <source>MMM DD, YYYY</source>
        <extracomment>A date pattern: D day, M month, Y year. Change the letters only; their count and order stay.</extracomment>
        <translation>MMM TT, JJJJ</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <extracomment>A date pattern: D day, M month, Y year. Change the letters only; &quot;/&quot; stands for the date separator.</extracomment>
        <translation>MM/TT/JJJJ</translation>
    </message>
    <message>
        <source>DD MMMM, YYYY</source>
        <extracomment>A date pattern: D day, M month, Y year. Change the letters only; their count and order stay.</extracomment>
        <translation>TT MMMM, JJJJ</translation>
    </message>
    <message>
        <source>DDDD DD MMMM, YYYY</source>
        <extracomment>A date pattern: D day, M month, Y year. Change the letters only; their count and order stay.</extracomment>
        <translation>TTTT TT MMMM, JJJJ</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Alarm Clock</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Record alarms that ring on time</source>
        <translation>Weckzeiten eintragen, die pünktlich klingeln</translation>
    </message>
    <message>
        <source>alarm;clock;time;wake;reminder;</source>
        <extracomment>Search words for the application menu, each followed by a semicolon.</extracomment>
        <translation>Wecker;Alarm;Uhr;Zeit;wecken;Erinnerung;</translation>
    </message>
    <message>
        <source>Alarm clock for the desktop</source>
        <translation>Wecker für den Desktop</translation>
    </message>
    <message>
        <source>Tockwell shows the time and the date, keeps up to a hundred recorded alarms, and rings them on time with a sound and an alarm window.</source>
        <translation>Tockwell zeigt Uhrzeit und Datum, verwaltet bis zu hundert eingetragene Weckzeiten und weckt pünktlich mit einem Ton und einem Alarmfenster.</translation>
    </message>
    <message>
        <source>Record, edit and remove alarms, each with a short description</source>
        <translation>Weckzeiten eintragen, bearbeiten und entfernen, jede mit einer kurzen Beschreibung</translation>
    </message>
    <message>
        <source>Save the alarms to a session file and load them again</source>
        <translation>Weckzeiten in einer Sitzungsdatei speichern und wieder laden</translation>
    </message>
    <message>
        <source>Hide the window in the notification area while the alarms keep running</source>
        <translation>Das Fenster in der Systemleiste verbergen, während die Weckzeiten gültig bleiben</translation>
    </message>
    <message>
        <source>An LED clock in one of five colours, in 12-hour or 24-hour form</source>
        <translation>Eine LED-Uhr in einer von fünf Farben, im 12- oder 24-Stunden-Format</translation>
    </message>
    <message>
        <source>alarm</source>
        <extracomment>A search word for software centres.</extracomment>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>clock</source>
        <extracomment>A search word for software centres.</extracomment>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>wake</source>
        <extracomment>A search word for software centres.</extracomment>
        <translation>wecken</translation>
    </message>
    <message>
        <source>The first release.</source>
        <translation>Die erste Veröffentlichung.</translation>
    </message>
</context>
<context>
    <name>KeptAlarms</name>
    <message>
        <source>Tockwell could not read the alarms it kept from its last run (Err: %1), so the list starts empty.</source>
        <translation>Tockwell konnte die vom letzten Lauf aufbewahrten Weckzeiten nicht lesen (Fehlernummer %1), daher beginnt die Liste leer.</translation>
    </message>
    <message>
        <source>The file was moved aside, not deleted: %1</source>
        <translation>Die Datei wurde beiseitegelegt, nicht gelöscht: %1</translation>
    </message>
    <message>
        <source>The file could not be moved aside either, so it stays as it is and the alarms of this run will not be kept: %1</source>
        <translation>Die Datei konnte auch nicht beiseitegelegt werden. Sie bleibt, wie sie ist, und die Weckzeiten dieses Laufs werden nicht aufbewahrt: %1</translation>
    </message>
    <message>
        <source>Tockwell could not keep your alarms for its next start (Err: %1): %2

Until this is mended, save them to a session file before you exit.</source>
        <translation>Tockwell konnte Ihre Weckzeiten nicht für den nächsten Start aufbewahren (Fehlernummer %1): %2

Speichern Sie sie, bis das behoben ist, vor dem Beenden in einer Sitzungsdatei.</translation>
    </message>
    <message>
        <source>The file is left as it is: once this is mended, the next start brings those alarms back. Alarms set in this run are not kept; save them to a session file before you exit.</source>
        <translation>Die Datei bleibt, wie sie ist: Sobald das behoben ist, bringt der nächste Start diese Weckzeiten zurück. Weckzeiten, die Sie in diesem Lauf eintragen, werden nicht aufbewahrt; speichern Sie sie vor dem Beenden in einer Sitzungsdatei.</translation>
    </message>
    <message>
        <source>Tockwell left out what it could not read of the days, sounds and on/off switches of the alarms it kept from its last run; those alarms ring every day, with the alarm sound:</source>
        <translation>Tockwell hat ausgelassen, was es von den Tagen, Klängen und Ein/Aus-Schaltern der vom letzten Lauf aufbewahrten Weckzeiten nicht lesen konnte; diese Weckzeiten klingeln täglich mit dem Weckton:</translation>
    </message>
</context>
<context>
    <name>KeptSnoozes</name>
    <message>
        <source>The file holds no snoozed alarms.</source>
        <translation>Die Datei enthält keine schlummernden Weckzeiten.</translation>
    </message>
    <message>
        <source>Tockwell could not read the snoozed alarms kept from its last run, so they will not ring: %1</source>
        <translation>Tockwell konnte die schlummernden Weckzeiten seines letzten Laufs nicht lesen, sie werden daher nicht klingeln: %1</translation>
    </message>
    <message>
        <source>The file could not be removed.</source>
        <translation>Die Datei konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Tockwell could not keep its snoozed alarms for its next start: %1</source>
        <translation>Tockwell konnte seine schlummernden Weckzeiten nicht für den nächsten Start aufbewahren: %1</translation>
    </message>
    <message>
        <source>A snoozed alarm with a very long description does not fit in the file.</source>
        <translation>Eine schlummernde Weckzeit mit sehr langer Beschreibung passt nicht in die Datei.</translation>
    </message>
</context>
<context>
    <name>LedSurface</name>
    <message>
        <source>Graphical clock</source>
        <translation>Grafische Uhr</translation>
    </message>
</context>
<context>
    <name>LinkLabel</name>
    <message>
        <source>Visit the Fernhollow Website</source>
        <translation>Die Fernhollow-Website besuchen</translation>
    </message>
    <message>
        <source>No program is set up to open this address:</source>
        <translation>Kein Programm ist zum Öffnen dieser Adresse eingerichtet:</translation>
    </message>
</context>
<context>
    <name>QtAutostartEntry</name>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Tockwell cannot play its sounds: a part of the program is missing or damaged. Alarms will still show their window, with the desktop&apos;s alert sound. Installing Tockwell again should mend this.</source>
        <translation>Tockwell kann seine Töne nicht abspielen: Ein Teil des Programms fehlt oder ist beschädigt. Alarme zeigen weiterhin ihr Fenster, mit dem Warnton der Arbeitsumgebung. Eine erneute Installation von Tockwell sollte das beheben.</translation>
    </message>
</context>
<context>
    <name>QtNotifications</name>
    <message>
        <source>Show Alarm</source>
        <translation>Alarm anzeigen</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Alarm stoppen</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
</context>
<context>
    <name>QtSleepWatcher</name>
    <message>
        <source>An alarm is ringing</source>
        <translation>Ein Wecker klingelt</translation>
    </message>
</context>
<context>
    <name>QtWakeTimer</name>
    <message>
        <source>Tockwell cannot wake the computer from sleep: its helper program is missing (%1). Installing Tockwell again should mend this.</source>
        <translation>Tockwell kann den Computer nicht aus dem Ruhezustand wecken: Sein Hilfsprogramm fehlt (%1). Tockwell erneut zu installieren, sollte das beheben.</translation>
    </message>
    <message>
        <source>Tockwell cannot wake the computer from sleep: its helper program could not be started (%1).</source>
        <translation>Tockwell kann den Computer nicht aus dem Ruhezustand wecken: Sein Hilfsprogramm ließ sich nicht starten (%1).</translation>
    </message>
    <message>
        <source>Tockwell may not wake the computer from sleep: its helper program %1 lacks the permission to (the capability cap_wake_alarm). Installing Tockwell from its package, or with &quot;sudo cmake --install&quot;, grants it; a copy of the helper, or one on a file system mounted nosuid, does not have it.</source>
        <translation>Tockwell darf den Computer nicht aus dem Ruhezustand wecken: Seinem Hilfsprogramm %1 fehlt die Berechtigung dazu (die Capability cap_wake_alarm). Die Installation aus dem Paket oder mit „sudo cmake --install“ erteilt sie; eine Kopie des Hilfsprogramms oder eines auf einem mit nosuid eingehängten Dateisystem hat sie nicht.</translation>
    </message>
    <message>
        <source>Tockwell cannot wake this computer from sleep: the system offers programs no wake-up alarm.</source>
        <translation>Tockwell kann diesen Computer nicht aus dem Ruhezustand wecken: Das System bietet Programmen keinen Weckalarm.</translation>
    </message>
    <message>
        <source>Tockwell cannot wake the computer from sleep: its helper program stopped (%1).</source>
        <translation>Tockwell kann den Computer nicht aus dem Ruhezustand wecken: Sein Hilfsprogramm wurde beendet (%1).</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>Exit-Status %1</translation>
    </message>
</context>
<context>
    <name>QtWebFetch</name>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Der Server antwortete mit dem HTTP-Status %1.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1 (%2).</source>
        <translation>Der Server antwortete mit dem HTTP-Status %1 (%2).</translation>
    </message>
    <message>
        <source>Not a web address: %1</source>
        <translation>Keine Webadresse: %1</translation>
    </message>
    <message>
        <source>The server did not answer within %1 seconds.</source>
        <translation>Der Server hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>The server sent the request on to an address of another kind: %1</source>
        <translation>Der Server hat die Anfrage an eine Adresse anderer Art weitergeleitet: %1</translation>
    </message>
</context>
<context>
    <name>Ringing</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An alarm&apos;s line, then the day it was missed on.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>No alarm set</source>
        <translation>Keine Weckzeit eingeschaltet</translation>
    </message>
    <message>
        <source>Next alarm: %1 %2</source>
        <extracomment>A day of the week and a time of day: &quot;Monday 6:30 AM&quot;.</extracomment>
        <translation>Nächster Alarm: %1 %2</translation>
    </message>
</context>
<context>
    <name>SessionFile</name>
    <message>
        <source>The file holds %1 of the %2 lines of a session file.</source>
        <translation>Die Datei enthält %1 der %2 Zeilen einer Sitzungsdatei.</translation>
    </message>
    <message>
        <source>an hour</source>
        <translation>eine Stunde</translation>
    </message>
    <message>
        <source>a minute</source>
        <translation>eine Minute</translation>
    </message>
    <message>
        <source>Line %1 holds text where a number belongs.</source>
        <translation>Zeile %1 enthält Text, wo eine Zahl stehen muss.</translation>
    </message>
    <message>
        <source>Line %1 holds %2 (%3), which no alarm can have.</source>
        <translation>Zeile %1 enthält %2 (%3), die keine Weckzeit haben kann.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Dies ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The file is too large to be a session file.</source>
        <translation>Die Datei ist zu groß für eine Sitzungsdatei.</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1 and those after it: there are more lines than alarms.</source>
        <translation>%1 und die folgenden: Es gibt mehr Zeilen als Weckzeiten.</translation>
    </message>
    <message>
        <source>it names no place of an alarm</source>
        <translation>sie nennt keinen Platz einer Weckzeit</translation>
    </message>
    <message>
        <source>it names a place that holds no alarm</source>
        <translation>sie nennt einen Platz, an dem keine Weckzeit steht</translation>
    </message>
    <message>
        <source>an earlier line names the same alarm</source>
        <translation>eine frühere Zeile nennt dieselbe Weckzeit</translation>
    </message>
    <message>
        <source>it holds %1, which no alarm can have</source>
        <translation>sie enthält %1, was keine Weckzeit haben kann</translation>
    </message>
</context>
<context>
    <name>SnoozedLines</name>
    <message>
        <source>Cancel Snooze</source>
        <translation>Schlummern abbrechen</translation>
    </message>
</context>
<context>
    <name>Snoozes</name>
    <message>
        <source>Snoozed: %1, rings at %2</source>
        <translation>Schlummert: %1, klingelt um %2</translation>
    </message>
    <message>
        <source>Snoozed: %1</source>
        <translation>Schlummert: %1</translation>
    </message>
</context>
<context>
    <name>TimeTexts</name>
    <message>
        <source>Every day</source>
        <translation>Täglich</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Tockwell %1 is available. Do you want to download it?</source>
        <translation>Tockwell %1 ist verfügbar. Möchten Sie es herunterladen?</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Suche läuft …</translation>
    </message>
    <message>
        <source>No updates found! You are running the most up-to-date version available.</source>
        <translation>Keine Aktualisierungen gefunden! Sie verwenden die neueste verfügbare Version.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Tockwell could not check for updates.</source>
        <translation>Tockwell konnte nicht nach Aktualisierungen suchen.</translation>
    </message>
    <message>
        <source>The server answered with an unexpected version text.</source>
        <translation>Der Server antwortete mit einem unerwarteten Versionstext.</translation>
    </message>
    <message>
        <source>Download Latest Version</source>
        <translation>Neueste Version herunterladen</translation>
    </message>
</context>
<context>
    <name>frmAlarm</name>
    <message>
        <source>One of your recorded alarms has gone off!</source>
        <translation>Eine Ihrer Weckzeiten ist erreicht!</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Alarm Information</source>
        <translation>Angaben zum Alarm</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Alarm stoppen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Stop Alarm &amp; Close</source>
        <translation>Alarm stoppen und schließen</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Schlummern</translation>
    </message>
    <message>
        <source>Ring again in 1 minute</source>
        <translation>In 1 Minute erneut klingeln</translation>
    </message>
    <message numerus="yes">
        <source>Ring again in %n minutes</source>
        <translation>
            <numerusform>In %n Minute erneut klingeln</numerusform>
            <numerusform>In %n Minuten erneut klingeln</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmEdit</name>
    <message>
        <source>Edit Alarm</source>
        <translation>Weckzeit bearbeiten</translation>
    </message>
    <message>
        <source>This alarm was changed or removed while you were editing it, so it was not updated. Please select it again from your &apos;&apos;Recorded Alarms&apos;&apos; list.</source>
        <translation>Diese Weckzeit wurde geändert oder entfernt, während Sie sie bearbeitet haben, und wurde daher nicht aktualisiert. Bitte wählen Sie sie erneut aus Ihrer Liste „Eingetragene Weckzeiten“.</translation>
    </message>
    <message>
        <source>You have already recorded this time to your current session.</source>
        <translation>Sie haben diese Zeit bereits in Ihre aktuelle Sitzung eingetragen.</translation>
    </message>
    <message>
        <source>This alarm was successfully updated.</source>
        <translation>Die Weckzeit wurde erfolgreich aktualisiert.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Tockwell Session</source>
        <translation>Tockwell-Sitzung</translation>
    </message>
    <message>
        <source>Current Status</source>
        <translation>Aktueller Stand</translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>12 hour</source>
        <translation>12 Stunden</translation>
    </message>
    <message>
        <source>Toggle to 12 Hour Time</source>
        <translation>Auf 12-Stunden-Anzeige umschalten</translation>
    </message>
    <message>
        <source>24 hour</source>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>Toggle to 24 Hour Time</source>
        <translation>Auf 24-Stunden-Anzeige umschalten</translation>
    </message>
    <message>
        <source>Toggle Graphical Clock ON/OFF</source>
        <translation>Grafische Uhr ein-/ausschalten</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>In die Systemleiste minimieren</translation>
    </message>
    <message>
        <source>Recorded Alarms</source>
        <translation>Eingetragene Weckzeiten</translation>
    </message>
    <message>
        <source>Record New Alarm</source>
        <translation>Neue Weckzeit</translation>
    </message>
    <message>
        <source>Load Alarm Times</source>
        <translation>Weckzeiten laden</translation>
    </message>
    <message>
        <source>Save Alarm Times</source>
        <translation>Weckzeiten speichern</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit Alarm(s)</source>
        <translation>Weckzeit bearbeiten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove Alarm(s)</source>
        <translation>Weckzeiten entfernen</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Hide/Show Tockwell</source>
        <translation>Tockwell aus-/einblenden</translation>
    </message>
    <message>
        <source>Fernhollow Website</source>
        <translation>Fernhollow-Website</translation>
    </message>
    <message>
        <source>Exit Tockwell</source>
        <translation>Tockwell beenden</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Tockwell?</source>
        <translation>Möchten Sie Tockwell wirklich beenden?</translation>
    </message>
    <message>
        <source>Please select an alarm from your &apos;&apos;Recorded Alarms&apos;&apos; list before continuing.</source>
        <translation>Bitte wählen Sie zuerst eine Weckzeit aus Ihrer Liste „Eingetragene Weckzeiten“.</translation>
    </message>
    <message>
        <source>You can only edit one alarm at a time. Please deselect all but one alarm from your session list.</source>
        <translation>Sie können immer nur eine Weckzeit bearbeiten. Bitte wählen Sie in Ihrer Sitzungsliste alle Weckzeiten bis auf eine ab.</translation>
    </message>
    <message>
        <source>There are no recorded alarms to be removed.</source>
        <translation>Es gibt keine eingetragenen Weckzeiten, die entfernt werden könnten.</translation>
    </message>
    <message>
        <source>An alarm has gone off but since your last alarm was not closed properly, a new page has not been opened</source>
        <translation>Ein Alarm wurde ausgelöst, aber da Ihr letzter Alarm nicht richtig geschlossen wurde, wurde kein neues Fenster geöffnet</translation>
    </message>
    <message>
        <source>An error has occurred while saving your session (Err: %1). Please try again.</source>
        <translation>Beim Speichern Ihrer Sitzung ist ein Fehler aufgetreten (Fehlernummer %1). Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>You have successfully saved your session.</source>
        <translation>Ihre Sitzung wurde erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>An error has occurred during loading your session (Err: %1). Please try again.</source>
        <translation>Beim Laden Ihrer Sitzung ist ein Fehler aufgetreten (Fehlernummer %1). Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>You have successfully loaded your session.</source>
        <translation>Ihre Sitzung wurde erfolgreich geladen.</translation>
    </message>
    <message>
        <source>Missed alarms</source>
        <translation>Verpasste Weckzeiten</translation>
    </message>
    <message>
        <source>These alarms did not ring: their time passed more than an hour before Tockwell could look at the clock (the computer was asleep, or its clock was set forward).</source>
        <translation>Diese Weckzeiten haben nicht geklingelt: Ihre Zeit war schon über eine Stunde vorbei, als Tockwell auf die Uhr sehen konnte (der Computer war im Ruhezustand, oder seine Uhr wurde vorgestellt).</translation>
    </message>
    <message>
        <source>Waking the computer from sleep for alarms is turned off in Options.</source>
        <translation>Das Wecken des Computers aus dem Ruhezustand ist in den Einstellungen ausgeschaltet.</translation>
    </message>
    <message>
        <source>Tockwell left out what it could not read of the days, sounds and on/off switches of these alarms; those alarms ring every day, with the alarm sound:</source>
        <translation>Tockwell hat ausgelassen, was es von den Tagen, Klängen und Ein/Aus-Schaltern dieser Weckzeiten nicht lesen konnte; diese Weckzeiten klingeln täglich mit dem Weckton:</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Red (Default)</source>
        <translation>Rot (Standard)</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Show Graphical-Clock on Startup</source>
        <translation>Grafische Uhr beim Start anzeigen</translation>
    </message>
    <message>
        <source>Start Tockwell when I log in</source>
        <translation>Tockwell bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Note: All settings altered will changed immediately. To restore all settings to original default positions hit &quot;Restore to Default&quot; below:</source>
        <translation>Hinweis: Jede Änderung gilt sofort. Um alle Einstellungen auf ihre ursprünglichen Werte zurückzusetzen, klicken Sie unten auf „Standard wiederherstellen“:</translation>
    </message>
    <message>
        <source>Restore to Default</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Time &amp;&amp; Display</source>
        <translation>Zeit &amp;&amp; Anzeige</translation>
    </message>
    <message>
        <source>Clock Colour:</source>
        <translation>Farbe der Uhr:</translation>
    </message>
    <message>
        <source>Clock Colour</source>
        <translation>Farbe der Uhr</translation>
    </message>
    <message>
        <source>Note: Only active when Graphical-Clock is turned ON.</source>
        <translation>Hinweis: Nur wirksam, wenn die grafische Uhr eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Default Time Setting:</source>
        <translation>Zeitanzeige beim Start:</translation>
    </message>
    <message>
        <source>12 hour</source>
        <translation>12 Stunden</translation>
    </message>
    <message>
        <source>Toggle to 12 Hour Time</source>
        <translation>Auf 12-Stunden-Anzeige umschalten</translation>
    </message>
    <message>
        <source>24 hour</source>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>Toggle to 24 Hour Time</source>
        <translation>Auf 24-Stunden-Anzeige umschalten</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date Format:</source>
        <translation>Datumsformat:</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Display date in form caption</source>
        <translation>Datum in der Titelleiste anzeigen</translation>
    </message>
    <message>
        <source>Display date in system tray</source>
        <translation>Datum in der Systemleiste anzeigen</translation>
    </message>
    <message>
        <source>Version Information</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Installierte Version:</translation>
    </message>
    <message>
        <source>Available Version:</source>
        <translation>Verfügbare Version:</translation>
    </message>
    <message>
        <source>Note: This requires dial-up users to connect to the internet manually.</source>
        <translation>Hinweis: Mit einer Einwahlverbindung müssen Sie sich dazu selbst mit dem Internet verbinden.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Copyright © 2007 Fernhollow. All rights reserved.</source>
        <translation>Copyright © 2007 Fernhollow. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Written by the Fernhollow clock team.</source>
        <translation>Geschrieben vom Uhrenteam von Fernhollow.</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Tockwell could not set itself to start when you log in.</source>
        <translation>Tockwell konnte seinen Start bei der Anmeldung nicht einrichten.</translation>
    </message>
    <message>
        <source>Tockwell could not stop starting when you log in.</source>
        <translation>Tockwell konnte seinen Start bei der Anmeldung nicht abschalten.</translation>
    </message>
    <message>
        <source>Are you sure you wish to reset all settings back to default?</source>
        <translation>Möchten Sie wirklich alle Einstellungen auf die Standardwerte zurücksetzen?</translation>
    </message>
    <message>
        <source>All settings were successfully restored to default values.</source>
        <translation>Alle Einstellungen wurden erfolgreich auf die Standardwerte zurückgesetzt.</translation>
    </message>
    <message>
        <source>Wake the computer from sleep for alarms</source>
        <translation>Computer für Weckzeiten aus dem Ruhezustand wecken</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Schlummerdauer</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Ring for</source>
        <translation>Klingeln für</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Start quietly and grow louder over</source>
        <translation>Leise beginnen und lauter werden über</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Ring even when the computer&apos;s sound is muted</source>
        <translation>Auch klingeln, wenn der Ton des Computers stummgeschaltet ist</translation>
    </message>
</context>
<context>
    <name>frmRecordNewTime</name>
    <message>
        <source>Record New Time</source>
        <translation>Neue Weckzeit</translation>
    </message>
    <message>
        <source>You have already recorded this time to your current session.</source>
        <translation>Sie haben diese Zeit bereits in Ihre aktuelle Sitzung eingetragen.</translation>
    </message>
    <message numerus="yes">
        <source>All %n places for alarms are in use, so this alarm cannot be recorded. Please remove an alarm first.</source>
        <translation>
            <numerusform>%n Platz für Weckzeiten ist belegt, daher kann diese Weckzeit nicht eingetragen werden. Bitte entfernen Sie zuerst eine Weckzeit.</numerusform>
            <numerusform>Alle %n Plätze für Weckzeiten sind belegt, daher kann diese Weckzeit nicht eingetragen werden. Bitte entfernen Sie zuerst eine Weckzeit.</numerusform>
        </translation>
    </message>
    <message>
        <source>This alarm was successfully saved to your recorded alarms/session list.</source>
        <translation>Diese Weckzeit wurde erfolgreich in Ihre Liste eingetragen.</translation>
    </message>
</context>
<context>
    <name>frmRemove</name>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Select which alarms you wish to remove:</source>
        <translation>Wählen Sie die Weckzeiten, die Sie entfernen möchten:</translation>
    </message>
    <message>
        <source>Recorded Alarms</source>
        <translation>Eingetragene Weckzeiten</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message numerus="yes">
        <source>A total of %n alarms(s) were deleted from your session.</source>
        <translation>
            <numerusform>Insgesamt wurde %n Weckzeit aus Ihrer Sitzung gelöscht.</numerusform>
            <numerusform>Insgesamt wurden %n Weckzeiten aus Ihrer Sitzung gelöscht.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version 1.00</source>
        <translation>Version 1.00</translation>
    </message>
    <message>
        <source>Version %1.%2%3</source>
        <translation>Version %1.%2%3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tockwell, an alarm clock for the desktop.</source>
        <translation>Tockwell, ein Wecker für den Desktop.</translation>
    </message>
    <message>
        <source>Start put away in the notification area (minimised where there is none), without the splash: the start at login.</source>
        <translation>In der Systemleiste starten (minimiert, wo es keine gibt), ohne Startbild: der Start bei der Anmeldung.</translation>
    </message>
    <message>
        <source>tockwell: unexpected argument &apos;%1&apos;; try --help</source>
        <translation>tockwell: unerwartetes Argument „%1“; siehe --help</translation>
    </message>
    <message>
        <source>Tockwell needs a graphical desktop session: no X11 or Wayland display was found (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>Tockwell benötigt eine grafische Desktop-Sitzung: Es wurde keine X11- oder Wayland-Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt).</translation>
    </message>
</context>
</TS>
