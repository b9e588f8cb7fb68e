<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CompanionCommands</name>
    <message>
        <source>No other logo set to change to.</source>
        <translation>Non c&apos;è un altro set di logo a cui passare.</translation>
    </message>
    <message>
        <source>Installed &quot;%1&quot; (wait and shutdown screens at the next Windows start)</source>
        <translation>«%1» installato (schermate di attesa e di arresto al prossimo avvio di Windows)</translation>
    </message>
    <message>
        <source>Installed &quot;%1&quot;</source>
        <translation>«%1» installato</translation>
    </message>
    <message>
        <source>Copied the wait and shutdown screens from %1</source>
        <translation>Schermate di attesa e di arresto copiate da %1</translation>
    </message>
    <message>
        <source>Put back the screens the system had before the first installation.</source>
        <translation>Ripristinate le schermate che il sistema aveva prima della prima installazione.</translation>
    </message>
</context>
<context>
    <name>CompanionSession</name>
    <message>
        <source>the Windows folder %1 is missing</source>
        <translation>manca la cartella di Windows %1</translation>
    </message>
    <message>
        <source>there are no Bootcanvas settings on this machine yet; start bootcanvas once</source>
        <translation>su questa macchina non ci sono ancora impostazioni di Bootcanvas; avviare bootcanvas una volta</translation>
    </message>
    <message>
        <source>the logo folder %1 is missing</source>
        <translation>manca la cartella dei logo %1</translation>
    </message>
    <message>
        <source>the logo folder cannot be read: %1</source>
        <translation>la cartella dei logo non può essere letta: %1</translation>
    </message>
    <message>
        <source>the logo folder %1 holds no logo set</source>
        <translation>la cartella dei logo %1 non contiene set di logo</translation>
    </message>
    <message>
        <source>there is no logo set named &quot;%1&quot; in %2</source>
        <translation>in %2 non c&apos;è un set di logo di nome «%1»</translation>
    </message>
    <message>
        <source>nothing to copy: %1 is missing</source>
        <translation>niente da copiare: manca %1</translation>
    </message>
    <message>
        <source>%1 names no folder to copy from</source>
        <translation>%1 non indica la cartella da cui copiare</translation>
    </message>
    <message>
        <source>the folder %1 named in %2 is missing</source>
        <translation>manca la cartella %1 indicata in %2</translation>
    </message>
    <message>
        <source>nothing to copy: %1 belongs to another machine</source>
        <translation>niente da copiare: %1 appartiene a un&apos;altra macchina</translation>
    </message>
</context>
<context>
    <name>DefaultMachine</name>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossibile scrivere %1</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossibile creare la cartella %1</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>The folder %1 is not on a drive of the Windows machine. Please choose one on a drive of the machine.</source>
        <translation>La cartella %1 non si trova su un&apos;unità della macchina Windows. Sceglierne una su un&apos;unità della macchina.</translation>
    </message>
    <message>
        <source>The file %1 is not on a drive of the Windows machine. Please choose one on a drive of the machine.</source>
        <translation>Il file %1 non si trova su un&apos;unità della macchina Windows. Sceglierne uno su un&apos;unità della macchina.</translation>
    </message>
</context>
<context>
    <name>DiskImage</name>
    <message>
        <source>The disk image %1 cannot be written: %2</source>
        <translation>Impossibile scrivere l&apos;immagine disco %1: %2</translation>
    </message>
    <message>
        <source>The disk image %1 needs a repair before Bootcanvas writes into it: %2. Run &quot;bootcanvas-cli repair&quot; to check and repair it with fsck.fat.</source>
        <translation>L&apos;immagine disco %1 va riparata prima che Bootcanvas vi scriva: %2. Eseguire «bootcanvas-cli repair» per controllarla e ripararla con fsck.fat.</translation>
    </message>
    <message>
        <source>The disk image %1 cannot be opened</source>
        <translation>Impossibile aprire l&apos;immagine disco %1</translation>
    </message>
    <message>
        <source>The disk image %1 cannot be used: %2. It has been left as it was.</source>
        <translation>Impossibile usare l&apos;immagine disco %1: %2. È stata lasciata com&apos;era.</translation>
    </message>
    <message>
        <source>The disk image %1 cannot be read: %2</source>
        <translation>Impossibile leggere l&apos;immagine disco %1: %2</translation>
    </message>
    <message>
        <source>The disk image %1 is read-only; its screens can be shown but not changed.</source>
        <translation>L&apos;immagine disco %1 è di sola lettura; le sue schermate si possono mostrare ma non modificare.</translation>
    </message>
    <message>
        <source>an earlier change left %1 behind</source>
        <translation>una modifica precedente ha lasciato %1</translation>
    </message>
    <message>
        <source>the copies of its allocation table disagree</source>
        <translation>le copie della sua tabella di allocazione non coincidono</translation>
    </message>
    <message>
        <source>The disk image %1 could not be flushed</source>
        <translation>Impossibile completare la scrittura dell&apos;immagine disco %1</translation>
    </message>
    <message>
        <source>The disk image %1 is too full: %2 KB are needed, %3 KB are free, %4 KB are missing. Nothing has been changed.</source>
        <translation>L&apos;immagine disco %1 è troppo piena: servono %2 KB, ne sono liberi %3, ne mancano %4. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The disk image %1 could not be changed: %2</source>
        <translation>Impossibile modificare l&apos;immagine disco %1: %2</translation>
    </message>
    <message>
        <source>Opening the disk image %1 needs qemu-storage-daemon, which is not installed (Debian package &quot;qemu-system-common&quot;).</source>
        <translation>Per aprire l&apos;immagine disco %1 serve qemu-storage-daemon, che non è installato (pacchetto Debian «qemu-system-common»).</translation>
    </message>
    <message>
        <source>Opening the disk image %1 needs FUSE (Debian package &quot;fuse3&quot;).</source>
        <translation>Per aprire l&apos;immagine disco %1 serve FUSE (pacchetto Debian «fuse3»).</translation>
    </message>
    <message>
        <source>No private folder could be made for %1</source>
        <translation>Impossibile creare una cartella privata per %1</translation>
    </message>
    <message>
        <source>The disk image %1 could not be opened through qemu-storage-daemon: %2</source>
        <translation>Impossibile aprire l&apos;immagine disco %1 tramite qemu-storage-daemon: %2</translation>
    </message>
    <message>
        <source>a virtual machine holds QEMU&apos;s locks on it</source>
        <translation>una macchina virtuale vi tiene i blocchi di QEMU</translation>
    </message>
    <message>
        <source>a virtual machine left %1 beside it</source>
        <translation>una macchina virtuale ha lasciato %1 accanto</translation>
    </message>
    <message>
        <source>process %1 has it open for writing</source>
        <translation>il processo %1 la tiene aperta in scrittura</translation>
    </message>
    <message>
        <source>No temporary file could be written for %1</source>
        <translation>Impossibile scrivere un file temporaneo per %1</translation>
    </message>
    <message>
        <source>No temporary folder could be written for the disk image</source>
        <translation>Impossibile creare una cartella temporanea per l&apos;immagine disco</translation>
    </message>
    <message>
        <source>No private folder could be made to reach the disk image %1</source>
        <translation>Impossibile creare una cartella privata per accedere all&apos;immagine disco %1</translation>
    </message>
    <message>
        <source>Checking a disk image needs fsck.fat, which is not installed (Debian package &quot;dosfstools&quot;).</source>
        <translation>Per controllare un&apos;immagine disco serve fsck.fat, che non è installato (pacchetto Debian «dosfstools»).</translation>
    </message>
    <message>
        <source>No temporary file could be made for the check</source>
        <translation>Impossibile creare un file temporaneo per il controllo</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Bad file name</source>
        <translation>Nome di file non valido</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Il file esiste già</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Percorso non trovato</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Errore di accesso al percorso o al file</translation>
    </message>
    <message>
        <source>The file %1 is damaged (%2).</source>
        <translation>Il file %1 è danneggiato (%2).</translation>
    </message>
    <message>
        <source> A copy was kept as %1.</source>
        <translation> Una copia è stata conservata come %1.</translation>
    </message>
</context>
<context>
    <name>FolderCopy</name>
    <message>
        <source>Copying...</source>
        <translation>Copia in corso...</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Copia di %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Keeps a library of startup, wait and shutdown screens for Windows 95 and 98, and installs them.</source>
        <translation>Conserva una raccolta di schermate di avvio, di attesa e di arresto per Windows 95 e 98, e le installa.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software libero secondo la GNU General Public License, versione 3 o successiva.</translation>
    </message>
</context>
<context>
    <name>FrmOnline</name>
    <message>
        <source>Press &apos;Check!&apos; to receive the latest information...</source>
        <translation>Premere «Controlla!» per ricevere le ultime informazioni...</translation>
    </message>
    <message>
        <source>Online check</source>
        <translation>Controllo online</translation>
    </message>
    <message>
        <source>Press &apos;Check!&apos; to receive the latest information about Bootcanvas over the Internet</source>
        <translation>Premere «Controlla!» per ricevere da Internet le ultime informazioni su Bootcanvas</translation>
    </message>
    <message>
        <source>C&amp;heck!</source>
        <translation>&amp;Controlla!</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Bootcanvas</source>
        <translation>Bootcanvas</translation>
    </message>
    <message>
        <source>&amp;You are using version:</source>
        <translation>&amp;Versione in uso:</translation>
    </message>
    <message>
        <source>&amp;Latest version:</source>
        <translation>&amp;Ultima versione:</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Download from the web</source>
        <translation>Scarica dal web</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Checking the Bootcanvas website for updates...</source>
        <translation>Ricerca di aggiornamenti sul sito di Bootcanvas...</translation>
    </message>
    <message>
        <source>Your version is updated!</source>
        <translation>La versione in uso è aggiornata!</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Nuova versione disponibile</translation>
    </message>
    <message>
        <source>Could not connect to web site - are you connected to the Internet?</source>
        <translation>Impossibile collegarsi al sito web: la connessione a Internet è attiva?</translation>
    </message>
    <message>
        <source>File not found on Web Server</source>
        <translation>File non trovato sul server web</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Confirmations</source>
        <translation>Conferme</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>StartUp settings</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Logo &amp;folder:</source>
        <translation>Cartella &amp;logo:</translation>
    </message>
    <message>
        <source>.&amp;..</source>
        <translation>.&amp;..</translation>
    </message>
    <message>
        <source>Choose the logo folder</source>
        <translation>Scegli la cartella dei logo</translation>
    </message>
    <message>
        <source>Double click on logo set:</source>
        <translation>Doppio clic su un set di logo:</translation>
    </message>
    <message>
        <source>Sets the logo set as default</source>
        <translation>Imposta il set di logo come predefinito</translation>
    </message>
    <message>
        <source>Opens the logo browser!</source>
        <translation>Apre il browser dei logo!</translation>
    </message>
    <message>
        <source>Synchronize logos (delay wait and shutdown logo copy)</source>
        <translation>Sincronizza i logo (copia ritardata dei logo di attesa e di arresto)</translation>
    </message>
    <message>
        <source>Show splash screen at startup</source>
        <translation>Mostra la schermata iniziale all&apos;avvio</translation>
    </message>
    <message>
        <source>Show startup logo</source>
        <translation>Mostra il logo di avvio</translation>
    </message>
    <message>
        <source>Put the startup logo in:</source>
        <translation>Metti il logo di avvio in:</translation>
    </message>
    <message>
        <source>Put the startup logo in</source>
        <translation>Metti il logo di avvio in</translation>
    </message>
    <message>
        <source>Confirm logo type (single/multi) change</source>
        <translation>Conferma il cambio di tipo di logo (singolo/multiplo)</translation>
    </message>
    <message>
        <source>Confirm logo sets deletion</source>
        <translation>Conferma l&apos;eliminazione dei set di logo</translation>
    </message>
    <message>
        <source>Delete logosets in the Recycle Bin</source>
        <translation>Sposta i set di logo nel Cestino</translation>
    </message>
    <message>
        <source>Autos&amp;how logo animation</source>
        <translation>Mostra automaticamente l&apos;a&amp;nimazione del logo</translation>
    </message>
    <message>
        <source>Add an animated &amp;bar to new startup screens</source>
        <translation>Aggiungi una &amp;barra animata alle nuove schermate di avvio</translation>
    </message>
    <message>
        <source>When I click on image</source>
        <translation>Quando faccio clic su un&apos;immagine</translation>
    </message>
    <message>
        <source>&amp;Show it in its actual size</source>
        <translation>Mostrala a grandezza &amp;reale</translation>
    </message>
    <message>
        <source>Open &amp;Paint</source>
        <translation>Apri &amp;Paint</translation>
    </message>
    <message>
        <source>Op&amp;en program:</source>
        <translation>Apri pro&amp;gramma:</translation>
    </message>
    <message>
        <source>Custom program name</source>
        <translation>Nome del programma personalizzato</translation>
    </message>
    <message>
        <source>Custom program path</source>
        <translation>Percorso del programma personalizzato</translation>
    </message>
    <message>
        <source>Choose the custom program</source>
        <translation>Scegli il programma personalizzato</translation>
    </message>
    <message>
        <source>Every time Windows is started run:</source>
        <translation>A ogni avvio di Windows esegui:</translation>
    </message>
    <message>
        <source>Logo se&amp;quential change (Cyclette)</source>
        <translation>Cambio &amp;sequenziale del logo (Cyclette)</translation>
    </message>
    <message>
        <source>Logo &amp;random change (Shufflet)</source>
        <translation>Cambio &amp;casuale del logo (Shufflet)</translation>
    </message>
    <message>
        <source>&amp;Nothing</source>
        <translation>&amp;Niente</translation>
    </message>
    <message>
        <source>Could not find %1. Please reinstall Bootcanvas from the original setup package!</source>
        <translation>Impossibile trovare %1. Reinstallare Bootcanvas dal pacchetto di installazione originale!</translation>
    </message>
    <message>
        <source>Choose the folder you want to add</source>
        <translation>Scegli la cartella da aggiungere</translation>
    </message>
    <message>
        <source>Applications (*.exe)|*.exe</source>
        <translation>Applicazioni (*.exe)|*.exe</translation>
    </message>
    <message>
        <source>Where is your favourite graphic program?</source>
        <translation>Dov&apos;è il programma di grafica preferito?</translation>
    </message>
    <message>
        <source>Custom Program</source>
        <translation>Programma personalizzato</translation>
    </message>
    <message>
        <source>Applies to the changes the companion program makes when Windows starts.</source>
        <translation>Vale per i cambi che il programma di accompagnamento fa all&apos;avvio di Windows.</translation>
    </message>
    <message>
        <source>No effect on this Windows: it is not running while Bootcanvas writes it, so all three screens are written at once.</source>
        <translation>Nessun effetto su questo Windows: non è in esecuzione mentre Bootcanvas lo scrive, quindi tutte e tre le schermate vengono scritte insieme.</translation>
    </message>
    <message>
        <source>The companion program and the copy of the logo sets it chooses from take %1 KB inside this Windows.</source>
        <translation>Il programma di accompagnamento e la copia dei set di logo tra cui sceglie occupano %1 KB in questo Windows.</translation>
    </message>
</context>
<context>
    <name>FrmView</name>
    <message>
        <source>Picture at actual size</source>
        <translation>Immagine a grandezza reale</translation>
    </message>
    <message>
        <source>Click or press a key to close</source>
        <translation>Fare clic o premere un tasto per chiudere</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>a topic line needs a number and a title</source>
        <translation>una riga di argomento richiede un numero e un titolo</translation>
    </message>
    <message>
        <source>topic %1 appears twice</source>
        <translation>l&apos;argomento %1 compare due volte</translation>
    </message>
    <message>
        <source>more than %1 topics</source>
        <translation>più di %1 argomenti</translation>
    </message>
    <message>
        <source>unknown line &quot;%1&quot;</source>
        <translation>riga sconosciuta «%1»</translation>
    </message>
    <message>
        <source>text before the first topic</source>
        <translation>testo prima del primo argomento</translation>
    </message>
    <message>
        <source>the file is bigger than %1 bytes</source>
        <translation>il file supera i %1 byte</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>il file non è testo</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>il file non è testo UTF-8</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>the file has no topic</source>
        <translation>il file non contiene argomenti</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>il file non può essere letto</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>il file manca</translation>
    </message>
    <message>
        <source>topic %1</source>
        <translation>argomento %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The help file %1 cannot be opened: %2.</source>
        <translation>Impossibile aprire il file della guida %1: %2.</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>Bootcanvas Help</source>
        <translation>Guida di Bootcanvas</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Argomenti della guida</translation>
    </message>
    <message>
        <source>Help topic text</source>
        <translation>Testo dell&apos;argomento della guida</translation>
    </message>
</context>
<context>
    <name>ImageMachine</name>
    <message>
        <source>The default machine&apos;s program folder is not a folder on the host</source>
        <translation>La cartella dei programmi della macchina predefinita non è una cartella dell&apos;host</translation>
    </message>
    <message>
        <source>No disk image at %1</source>
        <translation>Nessuna immagine disco in %1</translation>
    </message>
</context>
<context>
    <name>Installation</name>
    <message>
        <source>An installation that was cut short could not be finished: %1</source>
        <translation>Impossibile completare un&apos;installazione interrotta: %1</translation>
    </message>
    <message>
        <source>This Bootcanvas was built without the Windows companion programs (%1)</source>
        <translation>Questo Bootcanvas è stato compilato senza i programmi di supporto per Windows (%1)</translation>
    </message>
    <message>
        <source>The folder %1 for the installation&apos;s record cannot be made</source>
        <translation>Impossibile creare la cartella %1 per il registro dell&apos;installazione</translation>
    </message>
    <message>
        <source>The disk holding %1 is too full: %2 KB are needed, %3 KB are free. Nothing has been changed.</source>
        <translation>Il disco che contiene %1 è troppo pieno: servono %2 KB, ne sono liberi %3. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>%1 did not read back as written; the next command finishes the installation</source>
        <translation>%1 non si rilegge come è stato scritto; il prossimo comando completerà l&apos;installazione</translation>
    </message>
    <message>
        <source>Another Bootcanvas command (%1) is changing the machine in %2; try again when it has finished.</source>
        <translation>Un altro comando di Bootcanvas (%1) sta modificando la macchina in %2; riprovare quando avrà finito.</translation>
    </message>
    <message>
        <source>unknown process</source>
        <translation>processo sconosciuto</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Cannot find the program %1.</source>
        <translation>Impossibile trovare il programma %1.</translation>
    </message>
    <message>
        <source>Cannot start the program %1: %2</source>
        <translation>Impossibile avviare il programma %1: %2</translation>
    </message>
</context>
<context>
    <name>LogoList</name>
    <message>
        <source>Logo sets</source>
        <translation>Set di logo</translation>
    </message>
</context>
<context>
    <name>LogoPack</name>
    <message>
        <source>%1 would be written outside the logo folder</source>
        <translation>%1 verrebbe scritto fuori dalla cartella dei logo</translation>
    </message>
    <message>
        <source>%1 is a link</source>
        <translation>%1 è un collegamento</translation>
    </message>
    <message>
        <source>it unpacks to more than the limit of %1 MiB</source>
        <translation>scompattato supera il limite di %1 MiB</translation>
    </message>
    <message>
        <source>%1 is packed more than %2 to 1, as no picture is</source>
        <translation>%1 è compresso più di %2 a 1, come nessuna immagine</translation>
    </message>
    <message>
        <source>the pack is larger than the limit of %1 MiB</source>
        <translation>il pacchetto supera il limite di %1 MiB</translation>
    </message>
    <message>
        <source>not a ZIP archive, or a damaged one</source>
        <translation>non è un archivio ZIP, o è danneggiato</translation>
    </message>
    <message>
        <source>it holds more than the limit of %1 entries</source>
        <translation>contiene più del limite di %1 voci</translation>
    </message>
    <message>
        <source>a damaged ZIP archive</source>
        <translation>un archivio ZIP danneggiato</translation>
    </message>
    <message>
        <source>%1 cannot be unpacked</source>
        <translation>impossibile estrarre %1</translation>
    </message>
    <message>
        <source>it holds no logo screens (LOGO.SYS, LOGOW.SYS, LOGOS.SYS)</source>
        <translation>non contiene schermate logo (LOGO.SYS, LOGOW.SYS, LOGOS.SYS)</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>impossibile scriverlo</translation>
    </message>
    <message>
        <source>cannot be unpacked: %1</source>
        <translation>impossibile estrarlo: %1</translation>
    </message>
    <message>
        <source>no room for temporary files: %1</source>
        <translation>nessuno spazio per i file temporanei: %1</translation>
    </message>
    <message>
        <source>the set name &quot;%1&quot; cannot be used: %2</source>
        <translation>il nome di set «%1» non si può usare: %2</translation>
    </message>
    <message>
        <source>a logo set named &quot;%1&quot; already exists</source>
        <translation>esiste già un set di logo di nome «%1»</translation>
    </message>
    <message>
        <source>there is no logo set named &quot;%1&quot;</source>
        <translation>non esiste alcun set di logo di nome «%1»</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>impossibile leggere %1</translation>
    </message>
</context>
<context>
    <name>MachineCaption</name>
    <message>
        <source>(read-only)</source>
        <translation>(sola lettura)</translation>
    </message>
</context>
<context>
    <name>MachineSetup</name>
    <message>
        <source>Bootcanvas cannot prepare its Windows machine in %1: %2</source>
        <translation>Bootcanvas non può preparare la sua macchina Windows in %1: %2</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Interrompi</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Riprova</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>I&amp;gnora</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>PictureActions</name>
    <message>
        <source>Open with</source>
        <translation>Apri con</translation>
    </message>
    <message>
        <source>&amp;View actual size</source>
        <translation>&amp;Visualizza a grandezza reale</translation>
    </message>
    <message>
        <source>&amp;Open Paint</source>
        <translation>Apri &amp;Paint</translation>
    </message>
    <message>
        <source>Open custom program</source>
        <translation>Apri con il programma personalizzato</translation>
    </message>
    <message>
        <source>Cannot find the file %1 or it is not an executable file. Check it out and retry.</source>
        <translation>Impossibile trovare il file %1, oppure non è un file eseguibile. Verificarlo e riprovare.</translation>
    </message>
    <message>
        <source>You haven&apos;t specified a custom program. Would you like to do it now?</source>
        <translation>Non è stato indicato un programma personalizzato. Indicarlo ora?</translation>
    </message>
</context>
<context>
    <name>PictureReason</name>
    <message>
        <source>no such file</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>is a folder, not a picture file</source>
        <translation>è una cartella, non un file immagine</translation>
    </message>
    <message>
        <source>cannot be opened for reading</source>
        <translation>impossibile aprirlo in lettura</translation>
    </message>
    <message>
        <source>is larger than the limit of %1 MiB for a picture file</source>
        <translation>supera il limite di %1 MiB per un file immagine</translation>
    </message>
    <message>
        <source>empty: the file holds no picture</source>
        <translation>vuoto: il file non contiene alcuna immagine</translation>
    </message>
    <message>
        <source>not a picture Bootcanvas can read (it reads BMP, GIF, JPEG, PNG, WebP, TIFF)</source>
        <translation>non è un&apos;immagine che Bootcanvas sa leggere (legge BMP, GIF, JPEG, PNG, WebP, TIFF)</translation>
    </message>
    <message>
        <source>damaged: its header gives no usable picture size</source>
        <translation>danneggiato: l&apos;intestazione non indica dimensioni utilizzabili</translation>
    </message>
    <message>
        <source>%1 x %2 pixels is larger than the limit of %3 pixels a side and %4 pixels in all</source>
        <translation>%1 x %2 pixel supera il limite di %3 pixel per lato e %4 pixel in tutto</translation>
    </message>
    <message>
        <source>%1 x %2 pixels at this depth is larger than the limit of %3 MiB a decoded picture may take</source>
        <translation>%1 x %2 pixel a questa profondità supera il limite di %3 MiB per un&apos;immagine decodificata</translation>
    </message>
    <message>
        <source>truncated: the file ends before its picture does</source>
        <translation>troncato: il file finisce prima dell&apos;immagine</translation>
    </message>
    <message>
        <source>damaged: its picture data cannot be decoded</source>
        <translation>danneggiato: i dati dell&apos;immagine non si possono decodificare</translation>
    </message>
    <message>
        <source>is a folder; give the logo screen&apos;s file name</source>
        <translation>è una cartella; indicare il nome del file della schermata logo</translation>
    </message>
    <message>
        <source>cannot write: its folder does not exist</source>
        <translation>impossibile scrivere: la cartella non esiste</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>impossibile scrivere: %1</translation>
    </message>
    <message>
        <source>cannot write the logo screen</source>
        <translation>impossibile scrivere la schermata logo</translation>
    </message>
</context>
<context>
    <name>PictureReasonLabel</name>
    <message>
        <source>Why the picture cannot be used</source>
        <translation>Perché l&apos;immagine non si può usare</translation>
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
        <translation>Set di logo predefinito</translation>
    </message>
    <message>
        <source>Startup screen preview</source>
        <translation>Anteprima della schermata di avvio</translation>
    </message>
    <message>
        <source>Wait screen preview</source>
        <translation>Anteprima della schermata di attesa</translation>
    </message>
    <message>
        <source>Shutdown screen preview</source>
        <translation>Anteprima della schermata di arresto</translation>
    </message>
    <message>
        <source>LOGO.SYS<byte value="xd"/>
Startup screen</source>
        <translation>LOGO.SYS
Avvio</translation>
    </message>
    <message>
        <source>LOGOW.SYS<byte value="xd"/>
Wait screen</source>
        <translation>LOGOW.SYS
Attesa</translation>
    </message>
    <message>
        <source>LOGOS.SYS<byte value="xd"/>
Shutdown screen</source>
        <translation>LOGOS.SYS
Arresto</translation>
    </message>
    <message>
        <source>Logoset name</source>
        <translation>Nome del set di logo</translation>
    </message>
    <message>
        <source>&amp;Logo</source>
        <translation>&amp;Logo</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>&amp;Rinomina</translation>
    </message>
    <message>
        <source>Rename selected logo set</source>
        <translation>Rinomina il set di logo selezionato</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Delete selected logo set</source>
        <translation>Elimina il set di logo selezionato</translation>
    </message>
    <message>
        <source>Set as default</source>
        <translation>Imposta come predefinito</translation>
    </message>
    <message>
        <source>Logo &amp;browser...</source>
        <translation>&amp;Browser dei logo...</translation>
    </message>
    <message>
        <source>Logo browser</source>
        <translation>Browser dei logo</translation>
    </message>
    <message>
        <source>E&amp;xplore</source>
        <translation>Es&amp;plora</translation>
    </message>
    <message>
        <source>Opens the folder in Explorer</source>
        <translation>Apre la cartella nel gestore di file</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ggiorna</translation>
    </message>
    <message>
        <source>Refreshed the logo sets list</source>
        <translation>Aggiorna l&apos;elenco dei set di logo</translation>
    </message>
    <message>
        <source>Import logo &amp;pack...</source>
        <translation>&amp;Importa pacchetto di logo...</translation>
    </message>
    <message>
        <source>Import the logo sets of a ZIP pack</source>
        <translation>Importa i set di logo di un pacchetto ZIP</translation>
    </message>
    <message>
        <source>Expor&amp;t logo pack...</source>
        <translation>Esporta pa&amp;cchetto di logo...</translation>
    </message>
    <message>
        <source>Save the selected logo set as a ZIP pack</source>
        <translation>Salva il set di logo selezionato come pacchetto ZIP</translation>
    </message>
    <message>
        <source>View as l&amp;ist</source>
        <translation>Visualizza come &amp;elenco</translation>
    </message>
    <message>
        <source>View as &amp;report</source>
        <translation>Visualizza come &amp;dettagli</translation>
    </message>
    <message>
        <source>Show current &amp;logo setting</source>
        <translation>Mostra &amp;impostazione logo attuale</translation>
    </message>
    <message>
        <source>Show current logo setting</source>
        <translation>Mostra l&apos;impostazione logo attuale</translation>
    </message>
    <message>
        <source>Rando&amp;m Change</source>
        <translation>&amp;Cambio casuale</translation>
    </message>
    <message>
        <source>Random change</source>
        <translation>Cambio casuale</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferenze...</translation>
    </message>
    <message>
        <source>&amp;Online check...</source>
        <translation>Controllo &amp;online...</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Esercitazione</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni su...</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Che cos&apos;è?</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Barra principale</translation>
    </message>
    <message>
        <source>Autoshow animation</source>
        <translation>Mostra automaticamente l&apos;animazione</translation>
    </message>
    <message>
        <source>The selected folder &apos;%1&apos; already exist in your logo folder. Would you like to overwrite the existing files?</source>
        <translation>La cartella selezionata «%1» esiste già nella cartella dei logo. Sovrascrivere i file esistenti?</translation>
    </message>
    <message>
        <source>Showing current logo setting</source>
        <translation>Impostazione logo attuale mostrata</translation>
    </message>
    <message>
        <source>Current logo setting</source>
        <translation>Impostazione logo attuale</translation>
    </message>
    <message>
        <source>

Repair it now? Install the set again afterwards.</source>
        <translation>

Ripararla ora? Installare di nuovo il set in seguito.</translation>
    </message>
    <message>
        <source>The disk image %1 has been repaired.</source>
        <translation>L&apos;immagine disco %1 è stata riparata.</translation>
    </message>
    <message>
        <source>Single logo</source>
        <translation>Logo singolo</translation>
    </message>
    <message>
        <source>Multi logo</source>
        <translation>Logo multiplo</translation>
    </message>
    <message>
        <source> logo set</source>
        <translation> set di logo</translation>
    </message>
    <message>
        <source> logo sets</source>
        <translation> set di logo</translation>
    </message>
    <message>
        <source>Cannot rename folder. The folder already exists or has an invalid name</source>
        <translation>Impossibile rinominare la cartella. La cartella esiste già o ha un nome non valido</translation>
    </message>
    <message>
        <source>Would you like to change your logoset format from Multi Logo to Single Logo?</source>
        <translation>Trasformare il set di logo da logo multiplo a logo singolo?</translation>
    </message>
    <message>
        <source>Would you like to change your logoset format from Single Logo to Multi Logo?</source>
        <translation>Trasformare il set di logo da logo singolo a logo multiplo?</translation>
    </message>
    <message>
        <source>Logo packs (*.zip)</source>
        <translation>Pacchetti di logo (*.zip)</translation>
    </message>
    <message>
        <source>Import logo pack</source>
        <translation>Importa pacchetto di logo</translation>
    </message>
    <message>
        <source>The logo pack %1 was not imported: %2</source>
        <translation>Il pacchetto di logo %1 non è stato importato: %2</translation>
    </message>
    <message>
        <source>Select the logo set to export first.</source>
        <translation>Selezionare prima il set di logo da esportare.</translation>
    </message>
    <message>
        <source>Export logo pack</source>
        <translation>Esporta pacchetto di logo</translation>
    </message>
    <message>
        <source>The logo set %1 was not exported to %2: %3</source>
        <translation>Il set di logo %1 non è stato esportato in %2: %3</translation>
    </message>
</context>
<context>
    <name>SelPictureForm</name>
    <message>
        <source>Are you sure you want to delete %1 logo set? This operation will delete all files contained in &apos;%2&apos; folder!</source>
        <translation>Eliminare davvero il set di logo %1? L&apos;operazione eliminerà tutti i file contenuti nella cartella «%2»!</translation>
    </message>
    <message>
        <source>Confirm deletions</source>
        <translation>Conferma eliminazione</translation>
    </message>
    <message>
        <source>Logo browser</source>
        <translation>Browser dei logo</translation>
    </message>
    <message>
        <source>Picture preview</source>
        <translation>Anteprima dell&apos;immagine</translation>
    </message>
    <message>
        <source>Select log&amp;os:</source>
        <translation>Seleziona l&amp;ogo:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>Contenuto della cartella</translation>
    </message>
    <message>
        <source>no logo selected</source>
        <translation>nessun logo selezionato</translation>
    </message>
    <message>
        <source>Startup screen slot</source>
        <translation>Posto della schermata di avvio</translation>
    </message>
    <message>
        <source>Wait screen slot</source>
        <translation>Posto della schermata di attesa</translation>
    </message>
    <message>
        <source>Shutdown screen slot</source>
        <translation>Posto della schermata di arresto</translation>
    </message>
    <message>
        <source>Add as startup screen</source>
        <translation>Aggiungi come schermata di avvio</translation>
    </message>
    <message>
        <source>Add as wait screen</source>
        <translation>Aggiungi come schermata di attesa</translation>
    </message>
    <message>
        <source>Add as shutdown screen</source>
        <translation>Aggiungi come schermata di arresto</translation>
    </message>
    <message>
        <source>Delete startup screen</source>
        <translation>Elimina la schermata di avvio</translation>
    </message>
    <message>
        <source>Delete wait screen</source>
        <translation>Elimina la schermata di attesa</translation>
    </message>
    <message>
        <source>Delete shutdown screen</source>
        <translation>Elimina la schermata di arresto</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Default wait/shutdown screens</source>
        <translation>Schermate di attesa e arresto predefinite</translation>
    </message>
    <message>
        <source>Only startup logo</source>
        <translation>Solo logo di avvio</translation>
    </message>
    <message>
        <source>Choose type of logo set</source>
        <translation>Scegli il tipo di set di logo</translation>
    </message>
    <message>
        <source>&amp;Startup screen only</source>
        <translation>Solo schermata di &amp;avvio</translation>
    </message>
    <message>
        <source>Co&amp;mplete set</source>
        <translation>Set &amp;completo</translation>
    </message>
    <message>
        <source>De&amp;fault wait/shutdown screens</source>
        <translation>Attesa/arresto pre&amp;definiti</translation>
    </message>
    <message>
        <source>&amp;Name of the logo set:</source>
        <translation>&amp;Nome del set di logo:</translation>
    </message>
    <message>
        <source>Name of the logo set</source>
        <translation>Nome del set di logo</translation>
    </message>
    <message>
        <source>Ac&amp;tion...</source>
        <translation>Az&amp;ione...</translation>
    </message>
    <message>
        <source>Finis&amp;h</source>
        <translation>&amp;Fine</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Create n&amp;ew set</source>
        <translation>&amp;Crea nuovo set</translation>
    </message>
    <message>
        <source>Up&amp;date set</source>
        <translation>&amp;Aggiorna set</translation>
    </message>
    <message>
        <source>De&amp;lete set</source>
        <translation>&amp;Elimina set</translation>
    </message>
    <message>
        <source>Delete &amp;all images</source>
        <translation>Elimina &amp;tutte le immagini</translation>
    </message>
    <message>
        <source>&amp;Manage</source>
        <translation>&amp;Gestisci</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Rinomina</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>A&amp;ggiorna</translation>
    </message>
    <message>
        <source>Set as &amp;LOGO.SYS</source>
        <translation>Imposta come &amp;LOGO.SYS</translation>
    </message>
    <message>
        <source>Set as LOGO&amp;W.SYS</source>
        <translation>Imposta come LOGO&amp;W.SYS</translation>
    </message>
    <message>
        <source>Set as LOGO&amp;S.SYS</source>
        <translation>Imposta come LOGO&amp;S.SYS</translation>
    </message>
    <message>
        <source>LOGO.SYS: startup screen</source>
        <translation>LOGO.SYS: schermata di avvio</translation>
    </message>
    <message>
        <source>LOGOW.SYS: wait screen</source>
        <translation>LOGOW.SYS: schermata di attesa</translation>
    </message>
    <message>
        <source>LOGOS.SYS: shutdown screen</source>
        <translation>LOGOS.SYS: schermata di arresto</translation>
    </message>
    <message>
        <source>You haven&apos;t saved the last changes. Would you like to discard them?</source>
        <translation>Le ultime modifiche non sono state salvate. Scartarle?</translation>
    </message>
    <message>
        <source>Drive %1 isn&apos;t accessible! Check it and retry.</source>
        <translation>L&apos;unità %1 non è accessibile! Verificarla e riprovare.</translation>
    </message>
    <message>
        <source>the name is not allowed</source>
        <translation>il nome non è consentito</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>Impossibile rinominare «%1» in «%2»: %3</translation>
    </message>
    <message>
        <source>A directory named %1 already exist or bad directory name!</source>
        <translation>Esiste già una cartella di nome %1, oppure il nome della cartella non è valido!</translation>
    </message>
    <message>
        <source>Cannot create directory</source>
        <translation>Impossibile creare la cartella</translation>
    </message>
    <message>
        <source>Save se&amp;tting</source>
        <translation>&amp;Salva impostazione</translation>
    </message>
    <message>
        <source>The picture %1 could not be converted into a logo screen.</source>
        <translation>Impossibile convertire l&apos;immagine %1 in una schermata logo.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Type a folder, such as C:\Pictures or /home</source>
        <translation>Digitare una cartella, ad esempio C:\Immagini o /home</translation>
    </message>
    <message>
        <source>The folder %1 cannot be found.</source>
        <translation>Impossibile trovare la cartella %1.</translation>
    </message>
    <message>
        <source>The picture cannot be used: %1</source>
        <translation>L&apos;immagine non si può usare: %1</translation>
    </message>
</context>
<context>
    <name>SetName</name>
    <message>
        <source>A set name cannot hold any of the characters \ / : * ? &quot; &lt; &gt; |.</source>
        <translation>Il nome di un set non può contenere alcuno dei caratteri \ / : * ? &quot; &lt; &gt; |.</translation>
    </message>
    <message>
        <source>A set name cannot hold control characters.</source>
        <translation>Il nome di un set non può contenere caratteri di controllo.</translation>
    </message>
    <message>
        <source>%1 is the name of a DOS device, which no disk can hold, with or without an extension.</source>
        <translation>%1 è il nome di un dispositivo DOS, che nessun disco può contenere, con o senza estensione.</translation>
    </message>
    <message>
        <source>A set name can have at most %1 characters in this logo folder.</source>
        <translation>In questa cartella dei logo il nome di un set può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>A set name needs more than dots and blanks.</source>
        <translation>Il nome di un set deve contenere più di punti e spazi.</translation>
    </message>
    <message>
        <source>The logo set has no name. Type a name for it first.</source>
        <translation>Il set di logo non ha un nome. Digitare prima un nome.</translation>
    </message>
</context>
<context>
    <name>ShellHelpers</name>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Cannot find Paint! If you want to edit your logos install it from Add/Remove Software from the Control Panel.</source>
        <translation>Impossibile trovare Paint! Per modificare i logo, installarlo da Installazione applicazioni nel Pannello di controllo.</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>Are you sure you want to send &apos;%1&apos; to the Recycle Bin?</source>
        <translation>Spostare davvero «%1» nel Cestino?</translation>
    </message>
    <message>
        <source>Are you sure you want to send these %1 items to the Recycle Bin?</source>
        <translation>Spostare davvero questi %1 elementi nel Cestino?</translation>
    </message>
</context>
<context>
    <name>WebPicture</name>
    <message>
        <source>the picture is larger than the limit of %1 MiB for a download</source>
        <translation>l&apos;immagine supera il limite di %1 MiB per un download</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Download di %1 in corso...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Picture from the web</source>
        <translation>Immagine dal web</translation>
    </message>
    <message>
        <source>the download failed: %1</source>
        <translation>il download non è riuscito: %1</translation>
    </message>
    <message>
        <source>no picture came with it</source>
        <translation>non è arrivata alcuna immagine</translation>
    </message>
    <message>
        <source>the picture cannot be saved in the temporary folder</source>
        <translation>impossibile salvare l&apos;immagine nella cartella temporanea</translation>
    </message>
</context>
<context>
    <name>bootcanvas-cli</name>
    <message>
        <source>%1 is not --animate or --animate=COLOURS with %2 to %3 colours</source>
        <translation>%1 non è --animate né --animate=COLORI con da %2 a %3 colori</translation>
    </message>
    <message>
        <source>%1: not an 8-bit BMP screen</source>
        <translation>%1: non è una schermata BMP a 8 bit</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: impossibile scrivere (%2)</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Startup, wait and shutdown screens</source>
        <translation>Schermate di avvio, attesa e arresto</translation>
    </message>
    <message>
        <source>for Windows 95 and 98</source>
        <translation>per Windows 95 e 98</translation>
    </message>
</context>
</TS>
