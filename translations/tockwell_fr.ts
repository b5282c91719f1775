<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AlarmLineViews</name>
    <message>
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
</context>
<context>
    <name>AlarmSound</name>
    <message>
        <source>Tockwell could not play the sound file %1, so it rang its alarm sound instead.</source>
        <translation>Tockwell n&apos;a pas pu lire le fichier son %1 et a sonné avec son propre son d&apos;alarme.</translation>
    </message>
    <message>
        <source>Your computer&apos;s sound is muted: this alarm rang silently.</source>
        <translation>Le son de votre ordinateur est coupé : cette alarme a sonné en silence.</translation>
    </message>
    <message>
        <source>Sound is muted: alarms will unmute it to ring.</source>
        <translation>Le son est coupé : les alarmes le rétabliront pour sonner.</translation>
    </message>
    <message>
        <source>Sound is muted: alarms will ring silently.</source>
        <translation>Le son est coupé : les alarmes sonneront en silence.</translation>
    </message>
</context>
<context>
    <name>AlarmTimeForm</name>
    <message>
        <source>Alarm Time</source>
        <translation>Heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Heure&#xa0;:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minute&#xa0;:</translation>
    </message>
    <message>
        <source>AM/PM:</source>
        <translation>AM/PM&#xa0;:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message numerus="yes">
        <source>Max of %n characters:</source>
        <translation>
            <numerusform>%n caractère au maximum&#xa0;:</numerusform>
            <numerusform>%n caractères au maximum&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>You will need to enter an hour time for the alarm to be set off.</source>
        <translation>Veuillez choisir l&apos;heure à laquelle l&apos;alarme doit sonner.</translation>
    </message>
    <message>
        <source>You will need to enter a minute time for the alarm to be set off.</source>
        <translation>Veuillez choisir la minute à laquelle l&apos;alarme doit sonner.</translation>
    </message>
    <message>
        <source>You will need to enter an AM/PM time for the alarm to be set off.</source>
        <translation>Veuillez choisir AM ou PM pour l&apos;heure de l&apos;alarme.</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>En semaine</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Week-end</translation>
    </message>
    <message>
        <source>Ring once</source>
        <translation>Une seule fois</translation>
    </message>
    <message>
        <source>Rings at its next time, whatever the day, then switches itself off</source>
        <translation>Sonne à sa prochaine heure, quel que soit le jour, puis se désactive</translation>
    </message>
    <message>
        <source>You will need to choose a day for the alarm to be set off, or Ring once.</source>
        <translation>Veuillez choisir au moins un jour où l&apos;alarme doit sonner, ou « Une seule fois ».</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Son d&apos;alarme</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Carillon</translation>
    </message>
    <message>
        <source>Rising beeps</source>
        <translation>Bips montants</translation>
    </message>
    <message>
        <source>Choose a file...</source>
        <translation>Choisir un fichier…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume :</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Fichiers son</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>AppArt</name>
    <message>
        <source>Your desktop alarm clock</source>
        <translation>Votre réveil de bureau</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Tockwell © Fernhollow 2007. All rights reserved.</source>
        <translation>Tockwell © Fernhollow 2007. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>DatePattern</name>
    <message>
        <source>MMMM DD, YYYY</source>
        <extracomment>A date pattern: D day, M month, Y year. Change the letters only; their count and order stay.</extracomment>
        <translation>MMMM JJ, AAAA</translation>
    </message>
    <message>
        <source>MMM DD, YYYY</source>
        <extracomment>A date pattern: D day, M month, Y year. Change the letters only; their count and order stay.</extracomment>
        <translation>MMM JJ, AAAA</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <extracomment>A date pattern: D day, M month, Y year. Change the letters only; &quot;/&quot; stands for the date separator.</extracomment>
        <translation>MM/JJ/AAAA</translation>
    </message>
    <message>
        <source>DD MMMM, YYYY</source>
        <extracomment>A date pattern: D day, M month, Y year. Change the letters only; their count and order stay.</extracomment>
        <translation>JJ MMMM, AAAA</translation>
    </message>
    <message>
        <source>DDDD DD MMMM, YYYY</source>
        <extracomment>A date pattern: D day, M month, Y year. Change the letters only; their count and order stay.</extracomment>
        <translation>JJJJ JJ MMMM, AAAA</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Alarm Clock</source>
        <translation>Réveil</translation>
    </message>
    <message>
        <source>Record alarms that ring on time</source>
        <translation>Programmer des alarmes qui sonnent à l&apos;heure</translation>
    </message>
    <message>
        <source>alarm;clock;time;wake;reminder;</source>
        <extracomment>Search words for the application menu, each followed by a semicolon.</extracomment>
        <translation>alarme;réveil;horloge;heure;rappel;</translation>
    </message>
    <message>
        <source>Alarm clock for the desktop</source>
        <translation>Réveil pour le bureau</translation>
    </message>
    <message>
        <source>Tockwell shows the time and the date, keeps up to a hundred recorded alarms, and rings them on time with a sound and an alarm window.</source>
        <translation>Tockwell affiche l&apos;heure et la date, garde jusqu&apos;à cent alarmes enregistrées et les fait sonner à l&apos;heure avec un son et une fenêtre d&apos;alarme.</translation>
    </message>
    <message>
        <source>Record, edit and remove alarms, each with a short description</source>
        <translation>Enregistrer, modifier et supprimer des alarmes, chacune avec une courte description</translation>
    </message>
    <message>
        <source>Save the alarms to a session file and load them again</source>
        <translation>Enregistrer les alarmes dans un fichier de session et les recharger</translation>
    </message>
    <message>
        <source>Hide the window in the notification area while the alarms keep running</source>
        <translation>Masquer la fenêtre dans la zone de notification pendant que les alarmes restent actives</translation>
    </message>
    <message>
        <source>An LED clock in one of five colours, in 12-hour or 24-hour form</source>
        <translation>Une horloge à LED de l&apos;une de cinq couleurs, au format 12 heures ou 24 heures</translation>
    </message>
    <message>
        <source>alarm</source>
        <extracomment>A search word for software centres.</extracomment>
        <translation>alarme</translation>
    </message>
    <message>
        <source>clock</source>
        <extracomment>A search word for software centres.</extracomment>
        <translation>horloge</translation>
    </message>
    <message>
        <source>wake</source>
        <extracomment>A search word for software centres.</extracomment>
        <translation>réveil</translation>
    </message>
    <message>
        <source>The first release.</source>
        <translation>La première version.</translation>
    </message>
</context>
<context>
    <name>KeptAlarms</name>
    <message>
        <source>Tockwell could not read the alarms it kept from its last run (Err: %1), so the list starts empty.</source>
        <translation>Tockwell n&apos;a pas pu lire les alarmes conservées lors de sa dernière exécution (erreur %1)&#xa0;; la liste commence donc vide.</translation>
    </message>
    <message>
        <source>The file was moved aside, not deleted: %1</source>
        <translation>Le fichier a été mis de côté, pas supprimé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file could not be moved aside either, so it stays as it is and the alarms of this run will not be kept: %1</source>
        <translation>Le fichier n&apos;a pas pu être mis de côté non plus&#xa0;; il reste tel quel et les alarmes de cette exécution ne seront pas conservées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Tockwell could not keep your alarms for its next start (Err: %1): %2

Until this is mended, save them to a session file before you exit.</source>
        <translation>Tockwell n&apos;a pas pu conserver vos alarmes pour son prochain démarrage (erreur %1)&#xa0;: %2

En attendant que ce soit réparé, enregistrez-les dans un fichier de session avant de quitter.</translation>
    </message>
    <message>
        <source>The file is left as it is: once this is mended, the next start brings those alarms back. Alarms set in this run are not kept; save them to a session file before you exit.</source>
        <translation>Le fichier reste tel quel : une fois le problème réglé, le prochain démarrage ramènera ces alarmes. Les alarmes enregistrées pendant cette exécution ne sont pas gardées ; enregistrez-les dans un fichier de session avant de quitter.</translation>
    </message>
    <message>
        <source>Tockwell left out what it could not read of the days, sounds and on/off switches of the alarms it kept from its last run; those alarms ring every day, with the alarm sound:</source>
        <translation>Tockwell a laissé de côté ce qu&apos;il n&apos;a pas pu lire des jours, sons et interrupteurs des alarmes conservées de sa dernière exécution ; ces alarmes sonnent tous les jours, avec le son d&apos;alarme :</translation>
    </message>
</context>
<context>
    <name>KeptSnoozes</name>
    <message>
        <source>The file holds no snoozed alarms.</source>
        <translation>Le fichier ne contient aucune alarme en répétition.</translation>
    </message>
    <message>
        <source>Tockwell could not read the snoozed alarms kept from its last run, so they will not ring: %1</source>
        <translation>Tockwell n&apos;a pas pu lire les alarmes en répétition gardées de sa dernière exécution ; elles ne sonneront donc pas : %1</translation>
    </message>
    <message>
        <source>The file could not be removed.</source>
        <translation>Le fichier n&apos;a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>Tockwell could not keep its snoozed alarms for its next start: %1</source>
        <translation>Tockwell n&apos;a pas pu garder ses alarmes en répétition pour son prochain démarrage : %1</translation>
    </message>
    <message>
        <source>A snoozed alarm with a very long description does not fit in the file.</source>
        <translation>Une alarme en répétition dont la description est très longue ne tient pas dans le fichier.</translation>
    </message>
</context>
<context>
    <name>LedSurface</name>
    <message>
        <source>Graphical clock</source>
        <translation>Horloge graphique</translation>
    </message>
</context>
<context>
    <name>LinkLabel</name>
    <message>
        <source>Visit the Fernhollow Website</source>
        <translation>Visiter le site web de Fernhollow</translation>
    </message>
    <message>
        <source>No program is set up to open this address:</source>
        <translation>Aucun programme n&apos;est configuré pour ouvrir cette adresse&#xa0;:</translation>
    </message>
</context>
<context>
    <name>QtAutostartEntry</name>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Tockwell cannot play its sounds: a part of the program is missing or damaged. Alarms will still show their window, with the desktop&apos;s alert sound. Installing Tockwell again should mend this.</source>
        <translation>Tockwell ne peut pas jouer ses sons&#xa0;: une partie du programme est manquante ou endommagée. Les alarmes afficheront toujours leur fenêtre, avec le son d&apos;alerte du bureau. Réinstaller Tockwell devrait corriger cela.</translation>
    </message>
</context>
<context>
    <name>QtNotifications</name>
    <message>
        <source>Show Alarm</source>
        <translation>Afficher l&apos;alarme</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Arrêter l&apos;alarme</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Répéter</translation>
    </message>
</context>
<context>
    <name>QtSleepWatcher</name>
    <message>
        <source>An alarm is ringing</source>
        <translation>Une alarme sonne</translation>
    </message>
</context>
<context>
    <name>QtWakeTimer</name>
    <message>
        <source>Tockwell cannot wake the computer from sleep: its helper program is missing (%1). Installing Tockwell again should mend this.</source>
        <translation>Tockwell ne peut pas sortir l&apos;ordinateur de la veille : son programme auxiliaire est absent (%1). Réinstaller Tockwell devrait corriger cela.</translation>
    </message>
    <message>
        <source>Tockwell cannot wake the computer from sleep: its helper program could not be started (%1).</source>
        <translation>Tockwell ne peut pas sortir l&apos;ordinateur de la veille : son programme auxiliaire n&apos;a pas pu être lancé (%1).</translation>
    </message>
    <message>
        <source>Tockwell may not wake the computer from sleep: its helper program %1 lacks the permission to (the capability cap_wake_alarm). Installing Tockwell from its package, or with &quot;sudo cmake --install&quot;, grants it; a copy of the helper, or one on a file system mounted nosuid, does not have it.</source>
        <translation>Tockwell n&apos;a pas le droit de sortir l&apos;ordinateur de la veille : son programme auxiliaire %1 n&apos;en a pas la permission (la capacité cap_wake_alarm). L&apos;installation par son paquet, ou avec « sudo cmake --install », la lui donne ; une copie du programme auxiliaire, ou un programme sur un système de fichiers monté nosuid, ne l&apos;a pas.</translation>
    </message>
    <message>
        <source>Tockwell cannot wake this computer from sleep: the system offers programs no wake-up alarm.</source>
        <translation>Tockwell ne peut pas sortir cet ordinateur de la veille : le système n&apos;offre aux programmes aucune alarme de réveil.</translation>
    </message>
    <message>
        <source>Tockwell cannot wake the computer from sleep: its helper program stopped (%1).</source>
        <translation>Tockwell ne peut pas sortir l&apos;ordinateur de la veille : son programme auxiliaire s&apos;est arrêté (%1).</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>code de sortie %1</translation>
    </message>
</context>
<context>
    <name>QtWebFetch</name>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Le serveur a répondu avec le statut HTTP %1.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1 (%2).</source>
        <translation>Le serveur a répondu avec le statut HTTP %1 (%2).</translation>
    </message>
    <message>
        <source>Not a web address: %1</source>
        <translation>Ce n&apos;est pas une adresse web&#xa0;: %1</translation>
    </message>
    <message>
        <source>The server did not answer within %1 seconds.</source>
        <translation>Le serveur n&apos;a pas répondu dans les %1 secondes.</translation>
    </message>
    <message>
        <source>The server sent the request on to an address of another kind: %1</source>
        <translation>Le serveur a renvoyé la requête vers une adresse d&apos;un autre type&#xa0;: %1</translation>
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
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>No alarm set</source>
        <translation>Aucune alarme activée</translation>
    </message>
    <message>
        <source>Next alarm: %1 %2</source>
        <extracomment>A day of the week and a time of day: &quot;Monday 6:30 AM&quot;.</extracomment>
        <translation>Prochaine alarme : %1 %2</translation>
    </message>
</context>
<context>
    <name>SessionFile</name>
    <message>
        <source>The file holds %1 of the %2 lines of a session file.</source>
        <translation>Le fichier contient %1 des %2 lignes d&apos;un fichier de session.</translation>
    </message>
    <message>
        <source>an hour</source>
        <translation>une heure</translation>
    </message>
    <message>
        <source>a minute</source>
        <translation>une minute</translation>
    </message>
    <message>
        <source>Line %1 holds text where a number belongs.</source>
        <translation>La ligne %1 contient du texte là où un nombre est attendu.</translation>
    </message>
    <message>
        <source>Line %1 holds %2 (%3), which no alarm can have.</source>
        <translation>La ligne %1 contient %2 (%3) qu&apos;aucune alarme ne peut avoir.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file is too large to be a session file.</source>
        <translation>Le fichier est trop volumineux pour être un fichier de session.</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>%1 and those after it: there are more lines than alarms.</source>
        <translation>%1 et les suivantes : il y a plus de lignes que d&apos;alarmes.</translation>
    </message>
    <message>
        <source>it names no place of an alarm</source>
        <translation>elle ne désigne aucun emplacement d&apos;alarme</translation>
    </message>
    <message>
        <source>it names a place that holds no alarm</source>
        <translation>elle désigne un emplacement qui ne contient aucune alarme</translation>
    </message>
    <message>
        <source>an earlier line names the same alarm</source>
        <translation>une ligne précédente désigne la même alarme</translation>
    </message>
    <message>
        <source>it holds %1, which no alarm can have</source>
        <translation>elle contient %1, qu&apos;aucune alarme ne peut avoir</translation>
    </message>
</context>
<context>
    <name>SnoozedLines</name>
    <message>
        <source>Cancel Snooze</source>
        <translation>Annuler la répétition</translation>
    </message>
</context>
<context>
    <name>Snoozes</name>
    <message>
        <source>Snoozed: %1, rings at %2</source>
        <translation>En répétition : %1, sonne à %2</translation>
    </message>
    <message>
        <source>Snoozed: %1</source>
        <translation>En répétition : %1</translation>
    </message>
</context>
<context>
    <name>TimeTexts</name>
    <message>
        <source>Every day</source>
        <translation>Tous les jours</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Tockwell %1 is available. Do you want to download it?</source>
        <translation>Tockwell %1 est disponible. Voulez-vous le télécharger&#xa0;?</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Recherche…</translation>
    </message>
    <message>
        <source>No updates found! You are running the most up-to-date version available.</source>
        <translation>Aucune mise à jour trouvée&#xa0;! Vous utilisez la version la plus récente disponible.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnue</translation>
    </message>
    <message>
        <source>Tockwell could not check for updates.</source>
        <translation>Tockwell n&apos;a pas pu rechercher de mises à jour.</translation>
    </message>
    <message>
        <source>The server answered with an unexpected version text.</source>
        <translation>Le serveur a répondu avec un texte de version inattendu.</translation>
    </message>
    <message>
        <source>Download Latest Version</source>
        <translation>Télécharger la dernière version</translation>
    </message>
</context>
<context>
    <name>frmAlarm</name>
    <message>
        <source>One of your recorded alarms has gone off!</source>
        <translation>Une de vos alarmes enregistrées s&apos;est déclenchée&#xa0;!</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Alarm Information</source>
        <translation>Informations sur l&apos;alarme</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Arrêter l&apos;alarme</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Stop Alarm &amp; Close</source>
        <translation>Arrêter l&apos;alarme et fermer</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Répéter</translation>
    </message>
    <message>
        <source>Ring again in 1 minute</source>
        <translation>Sonner à nouveau dans 1 minute</translation>
    </message>
    <message numerus="yes">
        <source>Ring again in %n minutes</source>
        <translation>
            <numerusform>Sonner à nouveau dans %n minute</numerusform>
            <numerusform>Sonner à nouveau dans %n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmEdit</name>
    <message>
        <source>Edit Alarm</source>
        <translation>Modifier l&apos;alarme</translation>
    </message>
    <message>
        <source>This alarm was changed or removed while you were editing it, so it was not updated. Please select it again from your &apos;&apos;Recorded Alarms&apos;&apos; list.</source>
        <translation>Cette alarme a été modifiée ou supprimée pendant que vous la modifiiez&#xa0;; elle n&apos;a donc pas été mise à jour. Veuillez la sélectionner à nouveau dans votre liste «&#xa0;Alarmes enregistrées&#xa0;».</translation>
    </message>
    <message>
        <source>You have already recorded this time to your current session.</source>
        <translation>Vous avez déjà enregistré cette heure dans votre session actuelle.</translation>
    </message>
    <message>
        <source>This alarm was successfully updated.</source>
        <translation>Cette alarme a bien été mise à jour.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Tockwell Session</source>
        <translation>Session Tockwell</translation>
    </message>
    <message>
        <source>Current Status</source>
        <translation>État actuel</translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation>Heure&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>12 hour</source>
        <translation>12 heures</translation>
    </message>
    <message>
        <source>Toggle to 12 Hour Time</source>
        <translation>Passer à l&apos;affichage sur 12 heures</translation>
    </message>
    <message>
        <source>24 hour</source>
        <translation>24 heures</translation>
    </message>
    <message>
        <source>Toggle to 24 Hour Time</source>
        <translation>Passer à l&apos;affichage sur 24 heures</translation>
    </message>
    <message>
        <source>Toggle Graphical Clock ON/OFF</source>
        <translation>Afficher/masquer l&apos;horloge graphique</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>Recorded Alarms</source>
        <translation>Alarmes enregistrées</translation>
    </message>
    <message>
        <source>Record New Alarm</source>
        <translation>Nouvelle alarme</translation>
    </message>
    <message>
        <source>Load Alarm Times</source>
        <translation>Charger des alarmes</translation>
    </message>
    <message>
        <source>Save Alarm Times</source>
        <translation>Enregistrer les alarmes</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit Alarm(s)</source>
        <translation>Modifier l&apos;alarme</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove Alarm(s)</source>
        <translation>Supprimer des alarmes</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Hide/Show Tockwell</source>
        <translation>Masquer/afficher Tockwell</translation>
    </message>
    <message>
        <source>Fernhollow Website</source>
        <translation>Site web de Fernhollow</translation>
    </message>
    <message>
        <source>Exit Tockwell</source>
        <translation>Quitter Tockwell</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Tockwell?</source>
        <translation>Voulez-vous vraiment quitter Tockwell&#xa0;?</translation>
    </message>
    <message>
        <source>Please select an alarm from your &apos;&apos;Recorded Alarms&apos;&apos; list before continuing.</source>
        <translation>Veuillez d&apos;abord sélectionner une alarme dans votre liste «&#xa0;Alarmes enregistrées&#xa0;».</translation>
    </message>
    <message>
        <source>You can only edit one alarm at a time. Please deselect all but one alarm from your session list.</source>
        <translation>Vous ne pouvez modifier qu&apos;une alarme à la fois. Veuillez désélectionner toutes les alarmes sauf une dans votre liste de session.</translation>
    </message>
    <message>
        <source>There are no recorded alarms to be removed.</source>
        <translation>Il n&apos;y a aucune alarme enregistrée à supprimer.</translation>
    </message>
    <message>
        <source>An alarm has gone off but since your last alarm was not closed properly, a new page has not been opened</source>
        <translation>Une alarme s&apos;est déclenchée, mais comme votre dernière alarme n&apos;a pas été fermée correctement, aucune nouvelle fenêtre n&apos;a été ouverte</translation>
    </message>
    <message>
        <source>An error has occurred while saving your session (Err: %1). Please try again.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;enregistrement de votre session (erreur %1). Veuillez réessayer.</translation>
    </message>
    <message>
        <source>You have successfully saved your session.</source>
        <translation>Votre session a bien été enregistrée.</translation>
    </message>
    <message>
        <source>An error has occurred during loading your session (Err: %1). Please try again.</source>
        <translation>Une erreur s&apos;est produite lors du chargement de votre session (erreur %1). Veuillez réessayer.</translation>
    </message>
    <message>
        <source>You have successfully loaded your session.</source>
        <translation>Votre session a bien été chargée.</translation>
    </message>
    <message>
        <source>Missed alarms</source>
        <translation>Alarmes manquées</translation>
    </message>
    <message>
        <source>These alarms did not ring: their time passed more than an hour before Tockwell could look at the clock (the computer was asleep, or its clock was set forward).</source>
        <translation>Ces alarmes n&apos;ont pas sonné : leur heure était passée depuis plus d&apos;une heure quand Tockwell a pu regarder l&apos;horloge (l&apos;ordinateur était en veille, ou son horloge a été avancée).</translation>
    </message>
    <message>
        <source>Waking the computer from sleep for alarms is turned off in Options.</source>
        <translation>La sortie de veille de l&apos;ordinateur pour les alarmes est désactivée dans les Options.</translation>
    </message>
    <message>
        <source>Tockwell left out what it could not read of the days, sounds and on/off switches of these alarms; those alarms ring every day, with the alarm sound:</source>
        <translation>Tockwell a laissé de côté ce qu&apos;il n&apos;a pas pu lire des jours, sons et interrupteurs de ces alarmes ; ces alarmes sonnent tous les jours, avec le son d&apos;alarme :</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Red (Default)</source>
        <translation>Rouge (par défaut)</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Show Graphical-Clock on Startup</source>
        <translation>Afficher l&apos;horloge graphique au démarrage</translation>
    </message>
    <message>
        <source>Start Tockwell when I log in</source>
        <translation>Démarrer Tockwell à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Note: All settings altered will changed immediately. To restore all settings to original default positions hit &quot;Restore to Default&quot; below:</source>
        <translation>Remarque&#xa0;: toute modification s&apos;applique immédiatement. Pour rétablir tous les réglages d&apos;origine, cliquez ci-dessous sur «&#xa0;Rétablir les réglages&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source>Restore to Default</source>
        <translation>Rétablir les réglages</translation>
    </message>
    <message>
        <source>Time &amp;&amp; Display</source>
        <translation>Heure &amp;&amp; affichage</translation>
    </message>
    <message>
        <source>Clock Colour:</source>
        <translation>Couleur de l&apos;horloge&#xa0;:</translation>
    </message>
    <message>
        <source>Clock Colour</source>
        <translation>Couleur de l&apos;horloge</translation>
    </message>
    <message>
        <source>Note: Only active when Graphical-Clock is turned ON.</source>
        <translation>Remarque&#xa0;: actif uniquement lorsque l&apos;horloge graphique est affichée.</translation>
    </message>
    <message>
        <source>Default Time Setting:</source>
        <translation>Format au démarrage&#xa0;:</translation>
    </message>
    <message>
        <source>12 hour</source>
        <translation>12 heures</translation>
    </message>
    <message>
        <source>Toggle to 12 Hour Time</source>
        <translation>Passer à l&apos;affichage sur 12 heures</translation>
    </message>
    <message>
        <source>24 hour</source>
        <translation>24 heures</translation>
    </message>
    <message>
        <source>Toggle to 24 Hour Time</source>
        <translation>Passer à l&apos;affichage sur 24 heures</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Date Format:</source>
        <translation>Format de date&#xa0;:</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>Display date in form caption</source>
        <translation>Afficher la date dans la barre de titre</translation>
    </message>
    <message>
        <source>Display date in system tray</source>
        <translation>Afficher la date dans la zone de notification</translation>
    </message>
    <message>
        <source>Version Information</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Version installée&#xa0;:</translation>
    </message>
    <message>
        <source>Available Version:</source>
        <translation>Version disponible&#xa0;:</translation>
    </message>
    <message>
        <source>Note: This requires dial-up users to connect to the internet manually.</source>
        <translation>Remarque&#xa0;: avec une connexion par modem, connectez-vous d&apos;abord vous-même à Internet.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Copyright © 2007 Fernhollow. All rights reserved.</source>
        <translation>Copyright © 2007 Fernhollow. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Written by the Fernhollow clock team.</source>
        <translation>Écrit par l&apos;équipe horlogère de Fernhollow.</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web&#xa0;:</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>Courriel&#xa0;:</translation>
    </message>
    <message>
        <source>Tockwell could not set itself to start when you log in.</source>
        <translation>Tockwell n&apos;a pas pu se programmer pour démarrer à l&apos;ouverture de session.</translation>
    </message>
    <message>
        <source>Tockwell could not stop starting when you log in.</source>
        <translation>Tockwell n&apos;a pas pu cesser de démarrer à l&apos;ouverture de session.</translation>
    </message>
    <message>
        <source>Are you sure you wish to reset all settings back to default?</source>
        <translation>Voulez-vous vraiment rétablir tous les réglages par défaut&#xa0;?</translation>
    </message>
    <message>
        <source>All settings were successfully restored to default values.</source>
        <translation>Tous les réglages ont bien été rétablis à leurs valeurs par défaut.</translation>
    </message>
    <message>
        <source>Wake the computer from sleep for alarms</source>
        <translation>Sortir l&apos;ordinateur de la veille pour les alarmes</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Répéter après</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>Ring for</source>
        <translation>Sonner pendant</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Start quietly and grow louder over</source>
        <translation>Commencer doucement et monter en volume sur</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Ring even when the computer&apos;s sound is muted</source>
        <translation>Sonner même quand le son de l&apos;ordinateur est coupé</translation>
    </message>
</context>
<context>
    <name>frmRecordNewTime</name>
    <message>
        <source>Record New Time</source>
        <translation>Nouvelle alarme</translation>
    </message>
    <message>
        <source>You have already recorded this time to your current session.</source>
        <translation>Vous avez déjà enregistré cette heure dans votre session actuelle.</translation>
    </message>
    <message numerus="yes">
        <source>All %n places for alarms are in use, so this alarm cannot be recorded. Please remove an alarm first.</source>
        <translation>
            <numerusform>%n place pour les alarmes est occupée, cette alarme ne peut donc pas être enregistrée. Veuillez d&apos;abord supprimer une alarme.</numerusform>
            <numerusform>Les %n places pour les alarmes sont occupées, cette alarme ne peut donc pas être enregistrée. Veuillez d&apos;abord supprimer une alarme.</numerusform>
        </translation>
    </message>
    <message>
        <source>This alarm was successfully saved to your recorded alarms/session list.</source>
        <translation>Cette alarme a bien été ajoutée à votre liste d&apos;alarmes.</translation>
    </message>
</context>
<context>
    <name>frmRemove</name>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select which alarms you wish to remove:</source>
        <translation>Sélectionnez les alarmes à supprimer&#xa0;:</translation>
    </message>
    <message>
        <source>Recorded Alarms</source>
        <translation>Alarmes enregistrées</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message numerus="yes">
        <source>A total of %n alarms(s) were deleted from your session.</source>
        <translation>
            <numerusform>Au total, %n alarme a été supprimée de votre session.</numerusform>
            <numerusform>Au total, %n alarmes ont été supprimées de votre session.</numerusform>
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
        <translation>Tockwell, un réveil pour le bureau.</translation>
    </message>
    <message>
        <source>Start put away in the notification area (minimised where there is none), without the splash: the start at login.</source>
        <translation>Démarrer rangé dans la zone de notification (réduit s&apos;il n&apos;y en a pas), sans écran d&apos;accueil&#xa0;: le démarrage à l&apos;ouverture de session.</translation>
    </message>
    <message>
        <source>tockwell: unexpected argument &apos;%1&apos;; try --help</source>
        <translation>tockwell&#xa0;: argument inattendu «&#xa0;%1&#xa0;»&#xa0;; essayez --help</translation>
    </message>
    <message>
        <source>Tockwell needs a graphical desktop session: no X11 or Wayland display was found (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>Tockwell a besoin d&apos;une session de bureau graphique&#xa0;: aucun affichage X11 ou Wayland n&apos;a été trouvé (DISPLAY et WAYLAND_DISPLAY ne sont pas définis).</translation>
    </message>
</context>
</TS>
