<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CompanionCommands</name>
    <message>
        <source>No other logo set to change to.</source>
        <translation>Es gibt keinen anderen Logosatz zum Wechseln.</translation>
    </message>
    <message>
        <source>Installed &quot;%1&quot; (wait and shutdown screens at the next Windows start)</source>
        <translation>„%1“ installiert (Warte- und Herunterfahrbildschirm beim nächsten Start von Windows)</translation>
    </message>
    <message>
        <source>Installed &quot;%1&quot;</source>
        <translation>„%1“ installiert</translation>
    </message>
    <message>
        <source>Copied the wait and shutdown screens from %1</source>
        <translation>Warte- und Herunterfahrbildschirm aus %1 kopiert</translation>
    </message>
    <message>
        <source>Put back the screens the system had before the first installation.</source>
        <translation>Die Bildschirme, die das System vor der ersten Installation hatte, sind wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>CompanionSession</name>
    <message>
        <source>the Windows folder %1 is missing</source>
        <translation>der Windows-Ordner %1 fehlt</translation>
    </message>
    <message>
        <source>there are no Bootcanvas settings on this machine yet; start bootcanvas once</source>
        <translation>auf diesem Rechner gibt es noch keine Bootcanvas-Einstellungen; starten Sie bootcanvas einmal</translation>
    </message>
    <message>
        <source>the logo folder %1 is missing</source>
        <translation>der Logo-Ordner %1 fehlt</translation>
    </message>
    <message>
        <source>the logo folder cannot be read: %1</source>
        <translation>der Logo-Ordner kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the logo folder %1 holds no logo set</source>
        <translation>der Logo-Ordner %1 enthält keinen Logosatz</translation>
    </message>
    <message>
        <source>there is no logo set named &quot;%1&quot; in %2</source>
        <translation>in %2 gibt es keinen Logosatz namens „%1“</translation>
    </message>
    <message>
        <source>nothing to copy: %1 is missing</source>
        <translation>nichts zu kopieren: %1 fehlt</translation>
    </message>
    <message>
        <source>%1 names no folder to copy from</source>
        <translation>%1 nennt keinen Ordner, aus dem kopiert werden soll</translation>
    </message>
    <message>
        <source>the folder %1 named in %2 is missing</source>
        <translation>der in %2 genannte Ordner %1 fehlt</translation>
    </message>
    <message>
        <source>nothing to copy: %1 belongs to another machine</source>
        <translation>nichts zu kopieren: %1 gehört zu einer anderen Maschine</translation>
    </message>
</context>
<context>
    <name>DefaultMachine</name>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>The folder %1 is not on a drive of the Windows machine. Please choose one on a drive of the machine.</source>
        <translation>Der Ordner %1 liegt auf keinem Laufwerk des Windows-Rechners. Bitte wählen Sie einen auf einem Laufwerk des Rechners.</translation>
    </message>
    <message>
        <source>The file %1 is not on a drive of the Windows machine. Please choose one on a drive of the machine.</source>
        <translation>Die Datei %1 liegt auf keinem Laufwerk des Windows-Rechners. Bitte wählen Sie eine auf einem Laufwerk des Rechners.</translation>
    </message>
</context>
<context>
    <name>DiskImage</name>
    <message>
        <source>The disk image %1 cannot be written: %2</source>
        <translation>Das Disk-Image %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The disk image %1 needs a repair before Bootcanvas writes into it: %2. Run &quot;bootcanvas-cli repair&quot; to check and repair it with fsck.fat.</source>
        <translation>Das Disk-Image %1 muss repariert werden, bevor Bootcanvas hineinschreibt: %2. Führen Sie „bootcanvas-cli repair“ aus, um es mit fsck.fat zu prüfen und zu reparieren.</translation>
    </message>
    <message>
        <source>The disk image %1 cannot be opened</source>
        <translation>Das Disk-Image %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The disk image %1 cannot be used: %2. It has been left as it was.</source>
        <translation>Das Disk-Image %1 kann nicht verwendet werden: %2. Es wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The disk image %1 cannot be read: %2</source>
        <translation>Das Disk-Image %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The disk image %1 is read-only; its screens can be shown but not changed.</source>
        <translation>Das Disk-Image %1 ist schreibgeschützt; seine Bildschirme können angezeigt, aber nicht geändert werden.</translation>
    </message>
    <message>
        <source>an earlier change left %1 behind</source>
        <translation>eine frühere Änderung hat %1 zurückgelassen</translation>
    </message>
    <message>
        <source>the copies of its allocation table disagree</source>
        <translation>die Kopien seiner Zuordnungstabelle stimmen nicht überein</translation>
    </message>
    <message>
        <source>The disk image %1 could not be flushed</source>
        <translation>Das Disk-Image %1 konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>The disk image %1 is too full: %2 KB are needed, %3 KB are free, %4 KB are missing. Nothing has been changed.</source>
        <translation>Das Disk-Image %1 ist zu voll: %2 KB werden benötigt, %3 KB sind frei, %4 KB fehlen. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The disk image %1 could not be changed: %2</source>
        <translation>Das Disk-Image %1 konnte nicht geändert werden: %2</translation>
    </message>
    <message>
        <source>Opening the disk image %1 needs qemu-storage-daemon, which is not installed (Debian package &quot;qemu-system-common&quot;).</source>
        <translation>Zum Öffnen des Disk-Images %1 wird qemu-storage-daemon benötigt, das nicht installiert ist (Debian-Paket „qemu-system-common“).</translation>
    </message>
    <message>
        <source>Opening the disk image %1 needs FUSE (Debian package &quot;fuse3&quot;).</source>
        <translation>Zum Öffnen des Disk-Images %1 wird FUSE benötigt (Debian-Paket „fuse3“).</translation>
    </message>
    <message>
        <source>No private folder could be made for %1</source>
        <translation>Für %1 konnte kein privater Ordner angelegt werden</translation>
    </message>
    <message>
        <source>The disk image %1 could not be opened through qemu-storage-daemon: %2</source>
        <translation>Das Disk-Image %1 konnte nicht über qemu-storage-daemon geöffnet werden: %2</translation>
    </message>
    <message>
        <source>a virtual machine holds QEMU&apos;s locks on it</source>
        <translation>eine virtuelle Maschine hält QEMU-Sperren darauf</translation>
    </message>
    <message>
        <source>a virtual machine left %1 beside it</source>
        <translation>eine virtuelle Maschine hat %1 daneben hinterlassen</translation>
    </message>
    <message>
        <source>process %1 has it open for writing</source>
        <translation>Prozess %1 hat es zum Schreiben geöffnet</translation>
    </message>
    <message>
        <source>No temporary file could be written for %1</source>
        <translation>Für %1 konnte keine temporäre Datei geschrieben werden</translation>
    </message>
    <message>
        <source>No temporary folder could be written for the disk image</source>
        <translation>Für das Disk-Image konnte kein temporärer Ordner angelegt werden</translation>
    </message>
    <message>
        <source>No private folder could be made to reach the disk image %1</source>
        <translation>Für den Zugriff auf das Disk-Image %1 konnte kein privater Ordner angelegt werden</translation>
    </message>
    <message>
        <source>Checking a disk image needs fsck.fat, which is not installed (Debian package &quot;dosfstools&quot;).</source>
        <translation>Zum Prüfen eines Disk-Images wird fsck.fat benötigt, das nicht installiert ist (Debian-Paket „dosfstools“).</translation>
    </message>
    <message>
        <source>No temporary file could be made for the check</source>
        <translation>Für die Prüfung konnte keine temporäre Datei angelegt werden</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Bad file name</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>The file %1 is damaged (%2).</source>
        <translation>Die Datei %1 ist beschädigt (%2).</translation>
    </message>
    <message>
        <source> A copy was kept as %1.</source>
        <translation> Eine Kopie wurde als %1 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>FolderCopy</name>
    <message>
        <source>Copying...</source>
        <translation>Kopieren...</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>%1 wird kopiert</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Keeps a library of startup, wait and shutdown screens for Windows 95 and 98, and installs them.</source>
        <translation>Verwaltet eine Sammlung von Start-, Warte- und Herunterfahrbildschirmen für Windows 95 und 98 und installiert sie.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
</context>
<context>
    <name>FrmOnline</name>
    <message>
        <source>Press &apos;Check!&apos; to receive the latest information...</source>
        <translation>Klicken Sie auf „Prüfen!“, um die neuesten Informationen zu erhalten...</translation>
    </message>
    <message>
        <source>Online check</source>
        <translation>Online-Prüfung</translation>
    </message>
    <message>
        <source>Press &apos;Check!&apos; to receive the latest information about Bootcanvas over the Internet</source>
        <translation>Klicken Sie auf „Prüfen!“, um die neuesten Informationen über Bootcanvas aus dem Internet zu erhalten</translation>
    </message>
    <message>
        <source>C&amp;heck!</source>
        <translation>&amp;Prüfen!</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Bootcanvas</source>
        <translation>Bootcanvas</translation>
    </message>
    <message>
        <source>&amp;You are using version:</source>
        <translation>&amp;Ihre Version:</translation>
    </message>
    <message>
        <source>&amp;Latest version:</source>
        <translation>&amp;Neueste Version:</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>In&amp;formationen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Download from the web</source>
        <translation>Aus dem Internet herunterladen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Checking the Bootcanvas website for updates...</source>
        <translation>Die Bootcanvas-Website wird nach Aktualisierungen durchsucht...</translation>
    </message>
    <message>
        <source>Your version is updated!</source>
        <translation>Ihre Version ist aktuell!</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Neue Version verfügbar</translation>
    </message>
    <message>
        <source>Could not connect to web site - are you connected to the Internet?</source>
        <translation>Keine Verbindung zur Website – sind Sie mit dem Internet verbunden?</translation>
    </message>
    <message>
        <source>File not found on Web Server</source>
        <translation>Datei auf dem Webserver nicht gefunden</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Confirmations</source>
        <translation>Bestätigungen</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>StartUp settings</source>
        <translation>Systemstart</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Logo &amp;folder:</source>
        <translation>Logo-Or&amp;dner:</translation>
    </message>
    <message>
        <source>.&amp;..</source>
        <translation>.&amp;..</translation>
    </message>
    <message>
        <source>Choose the logo folder</source>
        <translation>Logo-Ordner auswählen</translation>
    </message>
    <message>
        <source>Double click on logo set:</source>
        <translation>Doppelklick auf einen Logosatz:</translation>
    </message>
    <message>
        <source>Sets the logo set as default</source>
        <translation>Legt den Logosatz als Standard fest</translation>
    </message>
    <message>
        <source>Opens the logo browser!</source>
        <translation>Öffnet den Logo-Browser!</translation>
    </message>
    <message>
        <source>Synchronize logos (delay wait and shutdown logo copy)</source>
        <translation>Logos synchronisieren (Warte- und Herunterfahrlogo später kopieren)</translation>
    </message>
    <message>
        <source>Show splash screen at startup</source>
        <translation>Begrüßungsbild beim Start zeigen</translation>
    </message>
    <message>
        <source>Show startup logo</source>
        <translation>Startlogo zeigen</translation>
    </message>
    <message>
        <source>Put the startup logo in:</source>
        <translation>Startlogo ablegen in:</translation>
    </message>
    <message>
        <source>Put the startup logo in</source>
        <translation>Startlogo ablegen in</translation>
    </message>
    <message>
        <source>Confirm logo type (single/multi) change</source>
        <translation>Wechsel der Logoart (einzeln/mehrfach) bestätigen</translation>
    </message>
    <message>
        <source>Confirm logo sets deletion</source>
        <translation>Löschen von Logosätzen bestätigen</translation>
    </message>
    <message>
        <source>Delete logosets in the Recycle Bin</source>
        <translation>Logosätze in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Autos&amp;how logo animation</source>
        <translation>Logo-Animation automatisch &amp;zeigen</translation>
    </message>
    <message>
        <source>Add an animated &amp;bar to new startup screens</source>
        <translation>Neuen Startbildschirmen einen animierten &amp;Balken hinzufügen</translation>
    </message>
    <message>
        <source>When I click on image</source>
        <translation>Beim Klick auf ein Bild</translation>
    </message>
    <message>
        <source>&amp;Show it in its actual size</source>
        <translation>&amp;In Originalgröße anzeigen</translation>
    </message>
    <message>
        <source>Open &amp;Paint</source>
        <translation>&amp;Paint öffnen</translation>
    </message>
    <message>
        <source>Op&amp;en program:</source>
        <translation>Programm ö&amp;ffnen:</translation>
    </message>
    <message>
        <source>Custom program name</source>
        <translation>Name des eigenen Programms</translation>
    </message>
    <message>
        <source>Custom program path</source>
        <translation>Pfad des eigenen Programms</translation>
    </message>
    <message>
        <source>Choose the custom program</source>
        <translation>Eigenes Programm auswählen</translation>
    </message>
    <message>
        <source>Every time Windows is started run:</source>
        <translation>Bei jedem Start von Windows ausführen:</translation>
    </message>
    <message>
        <source>Logo se&amp;quential change (Cyclette)</source>
        <translation>&amp;Logos der Reihe nach wechseln (Cyclette)</translation>
    </message>
    <message>
        <source>Logo &amp;random change (Shufflet)</source>
        <translation>Logos &amp;zufällig wechseln (Shufflet)</translation>
    </message>
    <message>
        <source>&amp;Nothing</source>
        <translation>&amp;Nichts</translation>
    </message>
    <message>
        <source>Could not find %1. Please reinstall Bootcanvas from the original setup package!</source>
        <translation>%1 wurde nicht gefunden. Bitte installieren Sie Bootcanvas erneut aus dem Originalpaket!</translation>
    </message>
    <message>
        <source>Choose the folder you want to add</source>
        <translation>Wählen Sie den Ordner, den Sie hinzufügen möchten</translation>
    </message>
    <message>
        <source>Applications (*.exe)|*.exe</source>
        <translation>Anwendungen (*.exe)|*.exe</translation>
    </message>
    <message>
        <source>Where is your favourite graphic program?</source>
        <translation>Wo ist Ihr bevorzugtes Grafikprogramm?</translation>
    </message>
    <message>
        <source>Custom Program</source>
        <translation>Eigenes Programm</translation>
    </message>
    <message>
        <source>Applies to the changes the companion program makes when Windows starts.</source>
        <translation>Gilt für die Wechsel, die das Begleitprogramm beim Start von Windows vornimmt.</translation>
    </message>
    <message>
        <source>No effect on this Windows: it is not running while Bootcanvas writes it, so all three screens are written at once.</source>
        <translation>Ohne Wirkung auf dieses Windows: Es läuft nicht, während Bootcanvas es beschreibt, daher werden alle drei Bilder auf einmal geschrieben.</translation>
    </message>
    <message>
        <source>The companion program and the copy of the logo sets it chooses from take %1 KB inside this Windows.</source>
        <translation>Das Begleitprogramm und die Kopie der Logosätze, aus denen es wählt, belegen in diesem Windows %1 KB.</translation>
    </message>
</context>
<context>
    <name>FrmView</name>
    <message>
        <source>Picture at actual size</source>
        <translation>Bild in Originalgröße</translation>
    </message>
    <message>
        <source>Click or press a key to close</source>
        <translation>Zum Schließen klicken oder eine Taste drücken</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>a topic line needs a number and a title</source>
        <translation>eine Themenzeile braucht eine Nummer und einen Titel</translation>
    </message>
    <message>
        <source>topic %1 appears twice</source>
        <translation>Thema %1 kommt zweimal vor</translation>
    </message>
    <message>
        <source>more than %1 topics</source>
        <translation>mehr als %1 Themen</translation>
    </message>
    <message>
        <source>unknown line &quot;%1&quot;</source>
        <translation>unbekannte Zeile „%1“</translation>
    </message>
    <message>
        <source>text before the first topic</source>
        <translation>Text vor dem ersten Thema</translation>
    </message>
    <message>
        <source>the file is bigger than %1 bytes</source>
        <translation>die Datei ist größer als %1 Byte</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>die Datei ist kein Text</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>die Datei ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file has no topic</source>
        <translation>die Datei enthält kein Thema</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>topic %1</source>
        <translation>Thema %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The help file %1 cannot be opened: %2.</source>
        <translation>Die Hilfedatei %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>Bootcanvas Help</source>
        <translation>Bootcanvas-Hilfe</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Help topic text</source>
        <translation>Text des Hilfethemas</translation>
    </message>
</context>
<context>
    <name>ImageMachine</name>
    <message>
        <source>The default machine&apos;s program folder is not a folder on the host</source>
        <translation>Der Programmordner des Standardrechners ist kein Ordner auf dem Host</translation>
    </message>
    <message>
        <source>No disk image at %1</source>
        <translation>Kein Disk-Image unter %1</translation>
    </message>
</context>
<context>
    <name>Installation</name>
    <message>
        <source>An installation that was cut short could not be finished: %1</source>
        <translation>Eine abgebrochene Installation konnte nicht abgeschlossen werden: %1</translation>
    </message>
    <message>
        <source>This Bootcanvas was built without the Windows companion programs (%1)</source>
        <translation>Dieses Bootcanvas wurde ohne die Windows-Begleitprogramme erstellt (%1)</translation>
    </message>
    <message>
        <source>The folder %1 for the installation&apos;s record cannot be made</source>
        <translation>Der Ordner %1 für das Protokoll der Installation kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The disk holding %1 is too full: %2 KB are needed, %3 KB are free. Nothing has been changed.</source>
        <translation>Das Laufwerk mit %1 ist zu voll: %2 KB werden benötigt, %3 KB sind frei. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 did not read back as written; the next command finishes the installation</source>
        <translation>%1 ließ sich nicht so zurücklesen, wie es geschrieben wurde; der nächste Befehl schließt die Installation ab</translation>
    </message>
    <message>
        <source>Another Bootcanvas command (%1) is changing the machine in %2; try again when it has finished.</source>
        <translation>Ein anderer Bootcanvas-Befehl (%1) ändert gerade die Maschine in %2; versuchen Sie es erneut, wenn er fertig ist.</translation>
    </message>
    <message>
        <source>unknown process</source>
        <translation>unbekannter Prozess</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Cannot find the program %1.</source>
        <translation>Das Programm %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Cannot start the program %1: %2</source>
        <translation>Das Programm %1 kann nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>LogoList</name>
    <message>
        <source>Logo sets</source>
        <translation>Logosätze</translation>
    </message>
</context>
<context>
    <name>LogoPack</name>
    <message>
        <source>%1 would be written outside the logo folder</source>
        <translation>%1 würde außerhalb des Logo-Ordners geschrieben</translation>
    </message>
    <message>
        <source>%1 is a link</source>
        <translation>%1 ist eine Verknüpfung</translation>
    </message>
    <message>
        <source>it unpacks to more than the limit of %1 MiB</source>
        <translation>es entpackt sich zu mehr als der Grenze von %1 MiB</translation>
    </message>
    <message>
        <source>%1 is packed more than %2 to 1, as no picture is</source>
        <translation>%1 ist stärker als %2 zu 1 gepackt, was bei keinem Bild vorkommt</translation>
    </message>
    <message>
        <source>the pack is larger than the limit of %1 MiB</source>
        <translation>das Paket ist größer als die Grenze von %1 MiB</translation>
    </message>
    <message>
        <source>not a ZIP archive, or a damaged one</source>
        <translation>kein ZIP-Archiv oder ein beschädigtes</translation>
    </message>
    <message>
        <source>it holds more than the limit of %1 entries</source>
        <translation>es enthält mehr als die Grenze von %1 Einträgen</translation>
    </message>
    <message>
        <source>a damaged ZIP archive</source>
        <translation>ein beschädigtes ZIP-Archiv</translation>
    </message>
    <message>
        <source>%1 cannot be unpacked</source>
        <translation>%1 kann nicht entpackt werden</translation>
    </message>
    <message>
        <source>it holds no logo screens (LOGO.SYS, LOGOW.SYS, LOGOS.SYS)</source>
        <translation>es enthält keine Logo-Bildschirme (LOGO.SYS, LOGOW.SYS, LOGOS.SYS)</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot be unpacked: %1</source>
        <translation>kann nicht entpackt werden: %1</translation>
    </message>
    <message>
        <source>no room for temporary files: %1</source>
        <translation>kein Platz für temporäre Dateien: %1</translation>
    </message>
    <message>
        <source>the set name &quot;%1&quot; cannot be used: %2</source>
        <translation>der Set-Name „%1“ kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>a logo set named &quot;%1&quot; already exists</source>
        <translation>ein Logo-Set namens „%1“ existiert bereits</translation>
    </message>
    <message>
        <source>there is no logo set named &quot;%1&quot;</source>
        <translation>es gibt kein Logo-Set namens „%1“</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>MachineCaption</name>
    <message>
        <source>(read-only)</source>
        <translation>(schreibgeschützt)</translation>
    </message>
</context>
<context>
    <name>MachineSetup</name>
    <message>
        <source>Bootcanvas cannot prepare its Windows machine in %1: %2</source>
        <translation>Bootcanvas kann seinen Windows-Rechner in %1 nicht vorbereiten: %2</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>PictureActions</name>
    <message>
        <source>Open with</source>
        <translation>Öffnen mit</translation>
    </message>
    <message>
        <source>&amp;View actual size</source>
        <translation>In &amp;Originalgröße anzeigen</translation>
    </message>
    <message>
        <source>&amp;Open Paint</source>
        <translation>In &amp;Paint öffnen</translation>
    </message>
    <message>
        <source>Open custom program</source>
        <translation>Mit eigenem Programm öffnen</translation>
    </message>
    <message>
        <source>Cannot find the file %1 or it is not an executable file. Check it out and retry.</source>
        <translation>Die Datei %1 wurde nicht gefunden oder ist keine ausführbare Datei. Bitte prüfen Sie sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>You haven&apos;t specified a custom program. Would you like to do it now?</source>
        <translation>Sie haben kein eigenes Programm angegeben. Möchten Sie das jetzt tun?</translation>
    </message>
</context>
<context>
    <name>PictureReason</name>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>is a folder, not a picture file</source>
        <translation>ist ein Ordner, keine Bilddatei</translation>
    </message>
    <message>
        <source>cannot be opened for reading</source>
        <translation>kann nicht zum Lesen geöffnet werden</translation>
    </message>
    <message>
        <source>is larger than the limit of %1 MiB for a picture file</source>
        <translation>ist größer als die Grenze von %1 MiB für eine Bilddatei</translation>
    </message>
    <message>
        <source>empty: the file holds no picture</source>
        <translation>leer: die Datei enthält kein Bild</translation>
    </message>
    <message>
        <source>not a picture Bootcanvas can read (it reads BMP, GIF, JPEG, PNG, WebP, TIFF)</source>
        <translation>kein Bild, das Bootcanvas lesen kann (es liest BMP, GIF, JPEG, PNG, WebP, TIFF)</translation>
    </message>
    <message>
        <source>damaged: its header gives no usable picture size</source>
        <translation>beschädigt: der Dateikopf nennt keine brauchbare Bildgröße</translation>
    </message>
    <message>
        <source>%1 x %2 pixels is larger than the limit of %3 pixels a side and %4 pixels in all</source>
        <translation>%1 x %2 Pixel ist größer als die Grenze von %3 Pixeln je Seite und %4 Pixeln insgesamt</translation>
    </message>
    <message>
        <source>%1 x %2 pixels at this depth is larger than the limit of %3 MiB a decoded picture may take</source>
        <translation>%1 x %2 Pixel in dieser Farbtiefe ist größer als die Grenze von %3 MiB für ein dekodiertes Bild</translation>
    </message>
    <message>
        <source>truncated: the file ends before its picture does</source>
        <translation>abgeschnitten: die Datei endet vor ihrem Bild</translation>
    </message>
    <message>
        <source>damaged: its picture data cannot be decoded</source>
        <translation>beschädigt: die Bilddaten können nicht dekodiert werden</translation>
    </message>
    <message>
        <source>is a folder; give the logo screen&apos;s file name</source>
        <translation>ist ein Ordner; geben Sie den Dateinamen des Logo-Bildschirms an</translation>
    </message>
    <message>
        <source>cannot write: its folder does not exist</source>
        <translation>kann nicht schreiben: der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>kann nicht schreiben: %1</translation>
    </message>
    <message>
        <source>cannot write the logo screen</source>
        <translation>der Logo-Bildschirm kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>PictureReasonLabel</name>
    <message>
        <source>Why the picture cannot be used</source>
        <translation>Warum das Bild nicht verwendet werden kann</translation>
    </message>
</context>
<context>
    <name>Principale</name>
    <message>
        <source>Bootcanvas</source>
        <translation>Bootcanvas</translation>
    </message>
    <message>
        <source>Default logo set</source>
        <translation>Standard-Logosatz</translation>
    </message>
    <message>
        <source>Startup screen preview</source>
        <translation>Vorschau des Startbildschirms</translation>
    </message>
    <message>
        <source>Wait screen preview</source>
        <translation>Vorschau des Wartebildschirms</translation>
    </message>
    <message>
        <source>Shutdown screen preview</source>
        <translation>Vorschau des Herunterfahrbildschirms</translation>
    </message>
    <message>
        <source>LOGO.SYS<byte value="xd"/>
Startup screen</source>
        <translation>LOGO.SYS
Startbildschirm</translation>
    </message>
    <message>
        <source>LOGOW.SYS<byte value="xd"/>
Wait screen</source>
        <translation>LOGOW.SYS
Wartebildschirm</translation>
    </message>
    <message>
        <source>LOGOS.SYS<byte value="xd"/>
Shutdown screen</source>
        <translation>LOGOS.SYS
Herunterfahren</translation>
    </message>
    <message>
        <source>Logoset name</source>
        <translation>Name des Logosatzes</translation>
    </message>
    <message>
        <source>&amp;Logo</source>
        <translation>&amp;Logo</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Rename selected logo set</source>
        <translation>Ausgewählten Logosatz umbenennen</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete selected logo set</source>
        <translation>Ausgewählten Logosatz löschen</translation>
    </message>
    <message>
        <source>Set as default</source>
        <translation>Als Standard festlegen</translation>
    </message>
    <message>
        <source>Logo &amp;browser...</source>
        <translation>Logo-&amp;Browser...</translation>
    </message>
    <message>
        <source>Logo browser</source>
        <translation>Logo-Browser</translation>
    </message>
    <message>
        <source>E&amp;xplore</source>
        <translation>Ordner ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Opens the folder in Explorer</source>
        <translation>Öffnet den Ordner im Dateimanager</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Refreshed the logo sets list</source>
        <translation>Aktualisiert die Liste der Logosätze</translation>
    </message>
    <message>
        <source>Import logo &amp;pack...</source>
        <translation>Logopaket &amp;importieren...</translation>
    </message>
    <message>
        <source>Import the logo sets of a ZIP pack</source>
        <translation>Importiert die Logosätze eines ZIP-Pakets</translation>
    </message>
    <message>
        <source>Expor&amp;t logo pack...</source>
        <translation>Logopaket e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Save the selected logo set as a ZIP pack</source>
        <translation>Speichert den gewählten Logosatz als ZIP-Paket</translation>
    </message>
    <message>
        <source>View as l&amp;ist</source>
        <translation>Als &amp;Liste anzeigen</translation>
    </message>
    <message>
        <source>View as &amp;report</source>
        <translation>Als &amp;Tabelle anzeigen</translation>
    </message>
    <message>
        <source>Show current &amp;logo setting</source>
        <translation>&amp;Aktuelle Logo-Einstellung zeigen</translation>
    </message>
    <message>
        <source>Show current logo setting</source>
        <translation>Aktuelle Logo-Einstellung zeigen</translation>
    </message>
    <message>
        <source>Rando&amp;m Change</source>
        <translation>&amp;Zufälliger Wechsel</translation>
    </message>
    <message>
        <source>Random change</source>
        <translation>Zufälliger Wechsel</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Online check...</source>
        <translation>&amp;Online-Prüfung...</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Hauptleiste</translation>
    </message>
    <message>
        <source>Autoshow animation</source>
        <translation>Animation automatisch zeigen</translation>
    </message>
    <message>
        <source>The selected folder &apos;%1&apos; already exist in your logo folder. Would you like to overwrite the existing files?</source>
        <translation>Der gewählte Ordner „%1“ existiert bereits in Ihrem Logo-Ordner. Möchten Sie die vorhandenen Dateien überschreiben?</translation>
    </message>
    <message>
        <source>Showing current logo setting</source>
        <translation>Die aktuelle Logo-Einstellung wird gezeigt</translation>
    </message>
    <message>
        <source>Current logo setting</source>
        <translation>Aktuelle Logo-Einstellung</translation>
    </message>
    <message>
        <source>

Repair it now? Install the set again afterwards.</source>
        <translation>

Jetzt reparieren? Installieren Sie den Satz danach erneut.</translation>
    </message>
    <message>
        <source>The disk image %1 has been repaired.</source>
        <translation>Das Disk-Image %1 wurde repariert.</translation>
    </message>
    <message>
        <source>Single logo</source>
        <translation>Einzellogo</translation>
    </message>
    <message>
        <source>Multi logo</source>
        <translation>Mehrfachlogo</translation>
    </message>
    <message>
        <source> logo set</source>
        <translation> Logosatz</translation>
    </message>
    <message>
        <source> logo sets</source>
        <translation> Logosätze</translation>
    </message>
    <message>
        <source>Cannot rename folder. The folder already exists or has an invalid name</source>
        <translation>Der Ordner kann nicht umbenannt werden. Der Ordner existiert bereits oder hat einen ungültigen Namen</translation>
    </message>
    <message>
        <source>Would you like to change your logoset format from Multi Logo to Single Logo?</source>
        <translation>Möchten Sie Ihren Logosatz von Mehrfachlogo in Einzellogo umwandeln?</translation>
    </message>
    <message>
        <source>Would you like to change your logoset format from Single Logo to Multi Logo?</source>
        <translation>Möchten Sie Ihren Logosatz von Einzellogo in Mehrfachlogo umwandeln?</translation>
    </message>
    <message>
        <source>Logo packs (*.zip)</source>
        <translation>Logo-Pakete (*.zip)</translation>
    </message>
    <message>
        <source>Import logo pack</source>
        <translation>Logo-Paket importieren</translation>
    </message>
    <message>
        <source>The logo pack %1 was not imported: %2</source>
        <translation>Das Logo-Paket %1 wurde nicht importiert: %2</translation>
    </message>
    <message>
        <source>Select the logo set to export first.</source>
        <translation>Wählen Sie zuerst das zu exportierende Logo-Set aus.</translation>
    </message>
    <message>
        <source>Export logo pack</source>
        <translation>Logo-Paket exportieren</translation>
    </message>
    <message>
        <source>The logo set %1 was not exported to %2: %3</source>
        <translation>Das Logo-Set %1 wurde nicht nach %2 exportiert: %3</translation>
    </message>
</context>
<context>
    <name>SelPictureForm</name>
    <message>
        <source>Are you sure you want to delete %1 logo set? This operation will delete all files contained in &apos;%2&apos; folder!</source>
        <translation>Möchten Sie den Logosatz %1 wirklich löschen? Dabei werden alle Dateien im Ordner „%2“ gelöscht!</translation>
    </message>
    <message>
        <source>Confirm deletions</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Logo browser</source>
        <translation>Logo-Browser</translation>
    </message>
    <message>
        <source>Picture preview</source>
        <translation>Bildvorschau</translation>
    </message>
    <message>
        <source>Select log&amp;os:</source>
        <translation>L&amp;ogos wählen:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>Ordnerinhalt</translation>
    </message>
    <message>
        <source>no logo selected</source>
        <translation>kein Logo ausgewählt</translation>
    </message>
    <message>
        <source>Startup screen slot</source>
        <translation>Platz für den Startbildschirm</translation>
    </message>
    <message>
        <source>Wait screen slot</source>
        <translation>Platz für den Wartebildschirm</translation>
    </message>
    <message>
        <source>Shutdown screen slot</source>
        <translation>Platz für den Herunterfahrbildschirm</translation>
    </message>
    <message>
        <source>Add as startup screen</source>
        <translation>Als Startbildschirm hinzufügen</translation>
    </message>
    <message>
        <source>Add as wait screen</source>
        <translation>Als Wartebildschirm hinzufügen</translation>
    </message>
    <message>
        <source>Add as shutdown screen</source>
        <translation>Als Herunterfahrbildschirm hinzufügen</translation>
    </message>
    <message>
        <source>Delete startup screen</source>
        <translation>Startbildschirm entfernen</translation>
    </message>
    <message>
        <source>Delete wait screen</source>
        <translation>Wartebildschirm entfernen</translation>
    </message>
    <message>
        <source>Delete shutdown screen</source>
        <translation>Herunterfahrbildschirm entfernen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Default wait/shutdown screens</source>
        <translation>Standard-Warte- und Herunterfahrbildschirme</translation>
    </message>
    <message>
        <source>Only startup logo</source>
        <translation>Nur Startlogo</translation>
    </message>
    <message>
        <source>Choose type of logo set</source>
        <translation>Art des Logosatzes wählen</translation>
    </message>
    <message>
        <source>&amp;Startup screen only</source>
        <translation>Nur &amp;Startbildschirm</translation>
    </message>
    <message>
        <source>Co&amp;mplete set</source>
        <translation>&amp;Vollständiger Satz</translation>
    </message>
    <message>
        <source>De&amp;fault wait/shutdown screens</source>
        <translation>Stan&amp;dard für Warten/Beenden</translation>
    </message>
    <message>
        <source>&amp;Name of the logo set:</source>
        <translation>&amp;Name des Logosatzes:</translation>
    </message>
    <message>
        <source>Name of the logo set</source>
        <translation>Name des Logosatzes</translation>
    </message>
    <message>
        <source>Ac&amp;tion...</source>
        <translation>A&amp;ktion...</translation>
    </message>
    <message>
        <source>Finis&amp;h</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Create n&amp;ew set</source>
        <translation>&amp;Neuen Satz erstellen</translation>
    </message>
    <message>
        <source>Up&amp;date set</source>
        <translation>Satz &amp;aktualisieren</translation>
    </message>
    <message>
        <source>De&amp;lete set</source>
        <translation>Satz &amp;löschen</translation>
    </message>
    <message>
        <source>Delete &amp;all images</source>
        <translation>Alle &amp;Bilder entfernen</translation>
    </message>
    <message>
        <source>&amp;Manage</source>
        <translation>&amp;Verwalten</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Set as &amp;LOGO.SYS</source>
        <translation>Als L&amp;OGO.SYS festlegen</translation>
    </message>
    <message>
        <source>Set as LOGO&amp;W.SYS</source>
        <translation>Als LOGO&amp;W.SYS festlegen</translation>
    </message>
    <message>
        <source>Set as LOGO&amp;S.SYS</source>
        <translation>Als LOGO&amp;S.SYS festlegen</translation>
    </message>
    <message>
        <source>LOGO.SYS: startup screen</source>
        <translation>LOGO.SYS: Startbildschirm</translation>
    </message>
    <message>
        <source>LOGOW.SYS: wait screen</source>
        <translation>LOGOW.SYS: Wartebildschirm</translation>
    </message>
    <message>
        <source>LOGOS.SYS: shutdown screen</source>
        <translation>LOGOS.SYS: Herunterfahrbildschirm</translation>
    </message>
    <message>
        <source>You haven&apos;t saved the last changes. Would you like to discard them?</source>
        <translation>Sie haben die letzten Änderungen nicht gespeichert. Möchten Sie sie verwerfen?</translation>
    </message>
    <message>
        <source>Drive %1 isn&apos;t accessible! Check it and retry.</source>
        <translation>Laufwerk %1 ist nicht erreichbar! Bitte prüfen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>the name is not allowed</source>
        <translation>der Name ist nicht zulässig</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>„%1“ kann nicht in „%2“ umbenannt werden: %3</translation>
    </message>
    <message>
        <source>A directory named %1 already exist or bad directory name!</source>
        <translation>Ein Ordner namens %1 existiert bereits, oder der Ordnername ist ungültig!</translation>
    </message>
    <message>
        <source>Cannot create directory</source>
        <translation>Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Save se&amp;tting</source>
        <translation>Einstellung s&amp;peichern</translation>
    </message>
    <message>
        <source>The picture %1 could not be converted into a logo screen.</source>
        <translation>Das Bild %1 konnte nicht in einen Logobildschirm umgewandelt werden.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Type a folder, such as C:\Pictures or /home</source>
        <translation>Einen Ordner eingeben, etwa C:\Bilder oder /home</translation>
    </message>
    <message>
        <source>The folder %1 cannot be found.</source>
        <translation>Der Ordner %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The picture cannot be used: %1</source>
        <translation>Das Bild kann nicht verwendet werden: %1</translation>
    </message>
</context>
<context>
    <name>SetName</name>
    <message>
        <source>A set name cannot hold any of the characters \ / : * ? &quot; &lt; &gt; |.</source>
        <translation>Ein Set-Name darf keines der Zeichen \ / : * ? &quot; &lt; &gt; | enthalten.</translation>
    </message>
    <message>
        <source>A set name cannot hold control characters.</source>
        <translation>Ein Set-Name darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>%1 is the name of a DOS device, which no disk can hold, with or without an extension.</source>
        <translation>%1 ist der Name eines DOS-Geräts, den kein Datenträger enthalten kann, mit oder ohne Erweiterung.</translation>
    </message>
    <message>
        <source>A set name can have at most %1 characters in this logo folder.</source>
        <translation>Ein Set-Name darf in diesem Logo-Ordner höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>A set name needs more than dots and blanks.</source>
        <translation>Ein Set-Name braucht mehr als Punkte und Leerzeichen.</translation>
    </message>
    <message>
        <source>The logo set has no name. Type a name for it first.</source>
        <translation>Das Logo-Set hat keinen Namen. Geben Sie zuerst einen Namen ein.</translation>
    </message>
</context>
<context>
    <name>ShellHelpers</name>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cannot find Paint! If you want to edit your logos install it from Add/Remove Software from the Control Panel.</source>
        <translation>Paint wurde nicht gefunden! Wenn Sie Ihre Logos bearbeiten möchten, installieren Sie es über „Software“ in der Systemsteuerung.</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>Are you sure you want to send &apos;%1&apos; to the Recycle Bin?</source>
        <translation>Möchten Sie „%1“ wirklich in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Are you sure you want to send these %1 items to the Recycle Bin?</source>
        <translation>Möchten Sie diese %1 Elemente wirklich in den Papierkorb verschieben?</translation>
    </message>
</context>
<context>
    <name>WebPicture</name>
    <message>
        <source>the picture is larger than the limit of %1 MiB for a download</source>
        <translation>das Bild ist größer als die Grenze von %1 MiB für einen Download</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 wird heruntergeladen …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Picture from the web</source>
        <translation>Bild aus dem Web</translation>
    </message>
    <message>
        <source>the download failed: %1</source>
        <translation>der Download ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>no picture came with it</source>
        <translation>es kam kein Bild mit</translation>
    </message>
    <message>
        <source>the picture cannot be saved in the temporary folder</source>
        <translation>das Bild kann nicht im temporären Ordner gespeichert werden</translation>
    </message>
</context>
<context>
    <name>bootcanvas-cli</name>
    <message>
        <source>%1 is not --animate or --animate=COLOURS with %2 to %3 colours</source>
        <translation>%1 ist weder --animate noch --animate=FARBEN mit %2 bis %3 Farben</translation>
    </message>
    <message>
        <source>%1: not an 8-bit BMP screen</source>
        <translation>%1: kein 8-Bit-BMP-Bildschirm</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: kann nicht geschrieben werden (%2)</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Startup, wait and shutdown screens</source>
        <translation>Start-, Warte- und Herunterfahrbildschirme</translation>
    </message>
    <message>
        <source>for Windows 95 and 98</source>
        <translation>für Windows 95 und 98</translation>
    </message>
</context>
</TS>
