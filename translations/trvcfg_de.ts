<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>trv</name>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>%1: %2 in the file, %3 in this window</source>
        <translation>%1: %2 in der Datei, %3 in diesem Fenster</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Changed in both:</source>
        <translation>In beiden geändert:</translation>
    </message>
    <message>
        <source>Save anyway writes the settings of this window over those changes; the other changes in the file stay. Reload reads the file again into the pages: the changes made in this window are lost. Cancel goes back to the window.</source>
        <translation>Trotzdem speichern schreibt die Einstellungen dieses Fensters über diese Änderungen; die übrigen Änderungen in der Datei bleiben. Neu laden liest die Datei erneut in die Seiten: die Änderungen in diesem Fenster gehen verloren. Abbrechen kehrt zum Fenster zurück.</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>TARVO.INI was changed by another program since this window was opened.</source>
        <translation>TARVO.INI wurde von einem anderen Programm geändert, seit dieses Fenster geöffnet wurde.</translation>
    </message>
    <message>
        <source>Configruation program for Tarvo</source>
        <translation>Konfigurationsprogramm für Tarvo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Another program is working in the folder %1.
Waiting for it to finish: at most %2 more seconds.</source>
        <translation>Ein anderes Programm arbeitet im Verzeichnis %1.
Warte, bis es fertig ist: höchstens noch %2 Sekunden.</translation>
    </message>
    <message>
        <source>Edits TARVO.INI, the settings of the Tarvo packet-radio terminal.

Installed in a bin folder, it asks for Tarvo's program folder at the first start and remembers
the answer in %1.</source>
        <translation>Bearbeitet TARVO.INI, die Einstellungen des Packet-Radio-Terminals Tarvo.

In einem bin-Verzeichnis installiert, fragt es beim ersten Start nach Tarvos Programmverzeichnis und merkt sich
die Antwort in %1.</translation>
    </message>
    <message>
        <source>Edit the TARVO.INI in &lt;DIR&gt;.</source>
        <translation>Die TARVO.INI in &lt;DIR&gt; bearbeiten.</translation>
    </message>
    <message>
        <source>Ask for Tarvo's program folder again and remember the answer.</source>
        <translation>Erneut nach Tarvos Programmverzeichnis fragen und die Antwort merken.</translation>
    </message>
    <message>
        <source>trvcfg: --dir and --choose cannot be used together</source>
        <translation>trvcfg: --dir und --choose können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>The folder %1 does not exist</source>
        <translation>Das Verzeichnis %1 existiert nicht</translation>
    </message>
    <message>
        <source>cursor</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>default background</source>
        <translation>Standard-Hintergrund</translation>
    </message>
    <message>
        <source>default output</source>
        <translation>Standard-Ausgabe</translation>
    </message>
    <message>
        <source>echo of own text</source>
        <translation>Echo des eigenen Textes</translation>
    </message>
    <message>
        <source>link message</source>
        <translation>Link-Meldung</translation>
    </message>
    <message>
        <source>monitor frames</source>
        <translation>Monitor-Frames</translation>
    </message>
    <message>
        <source>monitor header (port 0)</source>
        <translation>Monitor-Kopf (Port 0)</translation>
    </message>
    <message>
        <source>monitor header (port 1)</source>
        <translation>Monitor-Kopf (Port 1)</translation>
    </message>
    <message>
        <source>monitor header (port 2)</source>
        <translation>Monitor-Kopf (Port 2)</translation>
    </message>
    <message>
        <source>monitor header (port 3)</source>
        <translation>Monitor-Kopf (Port 3)</translation>
    </message>
    <message>
        <source>notification</source>
        <translation>Benachrichtigung</translation>
    </message>
    <message>
        <source>selection of edit text</source>
        <translation>Markierung im Eingabetext</translation>
    </message>
    <message>
        <source>dir for //RPRG and //R</source>
        <translation>Verz. für //RPRG und //R</translation>
    </message>
    <message>
        <source>dir for //WPRG and //W</source>
        <translation>Verz. für //WPRG und //W</translation>
    </message>
    <message>
        <source>dir for mailbox</source>
        <translation>Verz. für Mailbox</translation>
    </message>
    <message>
        <source>dir for 7Plus files</source>
        <translation>Verz. für 7Plus-Dateien</translation>
    </message>
    <message>
        <source>dir for wave files</source>
        <translation>Verz. für Wave-Dateien</translation>
    </message>
    <message>
        <source>dir for import files</source>
        <translation>Verz. für Importdateien</translation>
    </message>
    <message>
        <source>dir for temporary files</source>
        <translation>Verz. für temporäre Dateien</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Programmstart</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Reconnect</translation>
    </message>
    <message>
        <source>Link failure</source>
        <translation>Link-Ausfall</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Klingeln</translation>
    </message>
    <message>
        <source>Ctrl-G</source>
        <translation>Strg-G</translation>
    </message>
    <message>
        <source>Choose Tarvo's program folder</source>
        <translation>Tarvos Programmverzeichnis wählen</translation>
    </message>
    <message>
        <source>No TARVO.INI in %1. Tarvo keeps it in its program folder. Use this folder anyway?</source>
        <translation>Keine TARVO.INI in %1. Tarvo legt sie in seinem Programmverzeichnis ab. Dieses Verzeichnis trotzdem verwenden?</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Anderes wählen</translation>
    </message>
    <message>
        <source>Use it</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>The audio output could not be opened</source>
        <translation>Die Audioausgabe ließ sich nicht öffnen</translation>
    </message>
    <message>
        <source>The audio output could not be written to</source>
        <translation>In die Audioausgabe ließ sich nicht schreiben</translation>
    </message>
    <message>
        <source>The audio output failed</source>
        <translation>Die Audioausgabe ist ausgefallen</translation>
    </message>
    <message>
        <source>No audio output device</source>
        <translation>Kein Audioausgabegerät</translation>
    </message>
    <message>
        <source>The audio output cannot play %1 Hz with %2 channel(s)</source>
        <translation>Die Audioausgabe kann %1 Hz mit %2 Kanal/Kanälen nicht abspielen</translation>
    </message>
    <message>
        <source>1 value in TARVO.INI could not be used and was replaced; OK will write the replacement.</source>
        <translation>1 Wert in TARVO.INI war unbrauchbar und wurde ersetzt; OK schreibt den Ersatz.</translation>
    </message>
    <message>
        <source>%1 values in TARVO.INI could not be used and were replaced; OK will write the replacements.</source>
        <translation>%1 Werte in TARVO.INI waren unbrauchbar und wurden ersetzt; OK schreibt die Ersatzwerte.</translation>
    </message>
    <message>
        <source>Not a wave file.</source>
        <translation>Keine Wave-Datei.</translation>
    </message>
    <message>
        <source>Only mono and stereo wave files can be played.</source>
        <translation>Nur Wave-Dateien in Mono und Stereo können abgespielt werden.</translation>
    </message>
    <message>
        <source>The wave file holds no audio data.</source>
        <translation>Die Wave-Datei enthält keine Audiodaten.</translation>
    </message>
</context>
<context>
    <name>trv::CheckedNumberEdit</name>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
</context>
<context>
    <name>trv::ColorsPage</name>
    <message>
        <source>This is an example text..</source>
        <translation>Dies ist ein Beispieltext..</translation>
    </message>
    <message>
        <source>Left click or F: foreground. Right click or B: background.</source>
        <translation>Linksklick oder F: Vordergrund. Rechtsklick oder B: Hintergrund.</translation>
    </message>
</context>
<context>
    <name>trv::ComPortLine</name>
    <message>
        <source>&amp;Map...</source>
        <translation>&amp;Zuordnen...</translation>
    </message>
    <message>
        <source>Choose the serial device that Wine maps to this COM port</source>
        <translation>Die serielle Schnittstelle wählen, die Wine diesem COM-Port zuordnet</translation>
    </message>
    <message>
        <source>Map the COM port to a serial device</source>
        <translation>Den COM-Port einer seriellen Schnittstelle zuordnen</translation>
    </message>
    <message>
        <source>COM %1 is not mapped in this Wine prefix</source>
        <translation>COM %1 ist in diesem Wine-Präfix nicht zugeordnet</translation>
    </message>
    <message>
        <source>COM %1 is %2, which does not exist</source>
        <translation>COM %1 ist %2, das nicht existiert</translation>
    </message>
    <message>
        <source>COM %1 is %2, which you may not open (add yourself to the group %3)</source>
        <translation>COM %1 ist %2, das Sie nicht öffnen dürfen (tragen Sie sich in die Gruppe %3 ein)</translation>
    </message>
    <message>
        <source>COM %1 is %2 (present)</source>
        <translation>COM %1 ist %2 (vorhanden)</translation>
    </message>
    <message>
        <source>COM %1 is %2 (%3, present)</source>
        <translation>COM %1 ist %2 (%3, vorhanden)</translation>
    </message>
    <message>
        <source>Wine is running in %1. It keeps the prefix's registry in memory and writes it back when it ends, so nothing is changed now. Close the programs running in Wine (or run wineserver -k) and map the port again.</source>
        <translation>Wine läuft in %1. Es hält die Registry des Präfixes im Speicher und schreibt sie beim Beenden zurück, daher wird jetzt nichts geändert. Beenden Sie die Programme, die in Wine laufen (oder rufen Sie wineserver -k auf), und ordnen Sie den Port erneut zu.</translation>
    </message>
    <message>
        <source>No serial device is present.</source>
        <translation>Keine serielle Schnittstelle vorhanden.</translation>
    </message>
    <message>
        <source>Map COM %1 to %2?

This sets one value in %3, under the key [Software\Wine\Ports]:
"COM%1"="%2"
%4Nothing else in the Wine prefix changes. Wine maps the port this way from its next start on.</source>
        <translation>COM %1 der Schnittstelle %2 zuordnen?

Das setzt einen Wert in %3, unter dem Schlüssel [Software\Wine\Ports]:
"COM%1"="%2"
%4Sonst ändert sich nichts im Wine-Präfix. Wine ordnet den Port ab seinem nächsten Start so zu.</translation>
    </message>
    <message>
        <source>It replaces "COM%1"="%2".
</source>
        <translation>Er ersetzt "COM%1"="%2".
</translation>
    </message>
    <message>
        <source>%1 does not exist: start a program in this Wine prefix once, then map the port</source>
        <translation>%1 existiert nicht: starten Sie einmal ein Programm in diesem Wine-Präfix und ordnen Sie dann den Port zu</translation>
    </message>
    <message>
        <source>%1 cannot be written into the Wine registry</source>
        <translation>%1 kann nicht in die Wine-Registry geschrieben werden</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>trv::DirectoryPage</name>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
</context>
<context>
    <name>trv::DisplayPage</name>
    <message>
        <source>echo own text in TX window</source>
        <translation>Eigenen Text im TX-Fenster zeigen</translation>
    </message>
    <message>
        <source>Save RX screen at end of program</source>
        <translation>RX-Fenster beim Beenden speichern</translation>
    </message>
    <message>
        <source>Save TX screen at end of program</source>
        <translation>TX-Fenster beim Beenden speichern</translation>
    </message>
    <message>
        <source>Use flicker free RX window</source>
        <translation>Flimmerfreies RX-Fenster</translation>
    </message>
    <message>
        <source>Use flicker free TX window</source>
        <translation>Flimmerfreies TX-Fenster</translation>
    </message>
    <message>
        <source>MaxRXLines</source>
        <translation>Max. RX-Zeilen</translation>
    </message>
    <message>
        <source>MaxTXLines</source>
        <translation>Max. TX-Zeilen</translation>
    </message>
</context>
<context>
    <name>trv::ExtraPage</name>
    <message>
        <source>Delayed display update</source>
        <translation>Verzögerte Bildschirmaktualisierung</translation>
    </message>
    <message>
        <source>Reduce scroll resyncs</source>
        <translation>Weniger Scroll-Resyncs</translation>
    </message>
    <message>
        <source>Multi line toolbar</source>
        <translation>Mehrzeilige Werkzeugleiste</translation>
    </message>
    <message>
        <source>suppress BIN in monitor</source>
        <translation>BIN im Monitor unterdrücken</translation>
    </message>
    <message>
        <source>Fortune</source>
        <translation>Spruch (Fortune)</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>Poll delay</source>
        <translation>Poll-Verzögerung</translation>
    </message>
    <message>
        <source>Node call</source>
        <translation>Node-Rufzeichen</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Prompt</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
</context>
<context>
    <name>trv::LanguagePage</name>
    <message>
        <source>Visual parts</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Default program output</source>
        <translation>Standard-Programmausgabe</translation>
    </message>
</context>
<context>
    <name>trv::LoadNotice</name>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Details...</translation>
    </message>
</context>
<context>
    <name>trv::Mailbox1Page</name>
    <message>
        <source>Call</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>HPath</source>
        <translation>HPath</translation>
    </message>
    <message>
        <source>FHeader</source>
        <translation>FHeader</translation>
    </message>
    <message>
        <source>Default lifetime</source>
        <translation>Standard-Lebensdauer</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Sysmail to</source>
        <translation>Sysmail an</translation>
    </message>
    <message>
        <source>Default Board</source>
        <translation>Standard-Rubrik</translation>
    </message>
    <message>
        <source>Max. BID count</source>
        <translation>Max. Anzahl BIDs</translation>
    </message>
</context>
<context>
    <name>trv::Mailbox2Page</name>
    <message>
        <source>The closed-time list is full: TARVO.INI cannot hold another window. Delete one first.</source>
        <translation>Die Liste der Sperrzeiten ist voll: TARVO.INI kann kein weiteres Zeitfenster aufnehmen. Löschen Sie zuerst eines.</translation>
    </message>
    <message>
        <source>Insert FHeader into every mail</source>
        <translation>FHeader in jede Mail einfügen</translation>
    </message>
    <message>
        <source>Include BID in FHeader</source>
        <translation>BID in FHeader aufnehmen</translation>
    </message>
    <message>
        <source>Generate lifetime report mail</source>
        <translation>Lebensdauer-Bericht als Mail</translation>
    </message>
    <message>
        <source>Generate routing error mail</source>
        <translation>Routingfehler-Mail erzeugen</translation>
    </message>
    <message>
        <source>Use memory for garbage</source>
        <translation>Speicher für Aufräumen nutzen</translation>
    </message>
    <message>
        <source>Enable QZ-DOS</source>
        <translation>QZ-DOS einschalten</translation>
    </message>
    <message>
        <source>pw for box necessary</source>
        <translation>Passwort für Box nötig</translation>
    </message>
    <message>
        <source>parse all mails</source>
        <translation>Alle Mails auswerten</translation>
    </message>
    <message>
        <source>blink of mailbox icon if new mails</source>
        <translation>Mailbox-Symbol blinkt bei neuen Mails</translation>
    </message>
    <message>
        <source>blink of scroll lock LED if new mails</source>
        <translation>Rollen-LED blinkt bei neuen Mails</translation>
    </message>
    <message>
        <source>Restart windows after garbage</source>
        <translation>Windows nach Aufräumen neu starten</translation>
    </message>
    <message>
        <source>Garbage at:</source>
        <translation>Aufräumen um:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Garbage</source>
        <translation>Aufräumen</translation>
    </message>
    <message>
        <source>Add time</source>
        <translation>Zeit hinzufügen</translation>
    </message>
    <message>
        <source>Delete time</source>
        <translation>Zeit löschen</translation>
    </message>
    <message>
        <source>Closed time</source>
        <translation>Sperrzeiten</translation>
    </message>
</context>
<context>
    <name>trv::MediaPlayer</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>trv::ModulsPage</name>
    <message>
        <source>Load Digiinfo</source>
        <translation>Digiinfo laden</translation>
    </message>
    <message>
        <source>Load Spy</source>
        <translation>Spy laden</translation>
    </message>
    <message>
        <source>Load Mailbox</source>
        <translation>Mailbox laden</translation>
    </message>
    <message>
        <source>Load DX cluster spy</source>
        <translation>DX-Cluster-Spy laden</translation>
    </message>
    <message>
        <source>Load Broadcast RX</source>
        <translation>Broadcast RX laden</translation>
    </message>
</context>
<context>
    <name>trv::QrgEdit</name>
    <message>
        <source>a number of at most %1 characters with three decimals</source>
        <translation>eine Zahl mit höchstens %1 Zeichen und drei Nachkommastellen</translation>
    </message>
</context>
<context>
    <name>trv::ReplacementNotice</name>
    <message>
        <source>%1: "%2" was replaced by %3 (%4).</source>
        <translation>%1: "%2" wurde durch %3 ersetzt (%4).</translation>
    </message>
</context>
<context>
    <name>trv::SerialDeviceForm</name>
    <message>
        <source>Map COM %1</source>
        <translation>COM %1 zuordnen</translation>
    </message>
    <message>
        <source>Serial devices</source>
        <translation>Serielle Schnittstellen</translation>
    </message>
    <message>
        <source>&amp;Serial device for COM %1:</source>
        <translation>&amp;Serielle Schnittstelle für COM %1:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>trv::SoundPage</name>
    <message>
        <source>Choose a wave file</source>
        <translation>Eine Wave-Datei wählen</translation>
    </message>
    <message>
        <source>Use MCI sound</source>
        <translation>MCI-Sound verwenden</translation>
    </message>
    <message>
        <source>disable Sound</source>
        <translation>Sound abschalten</translation>
    </message>
    <message>
        <source>Only last connect sound</source>
        <translation>Nur letzten Connect-Sound</translation>
    </message>
    <message>
        <source>Directory for wave files</source>
        <translation>Verzeichnis für Wave-Dateien</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>The drive is not mapped</source>
        <translation>Das Laufwerk ist nicht zugeordnet</translation>
    </message>
    <message>
        <source>Choose wave file...</source>
        <translation>Wave-Datei wählen...</translation>
    </message>
    <message>
        <source>Wave files (*.WAV)</source>
        <translation>Wave-Dateien (*.WAV)</translation>
    </message>
    <message>
        <source>The file is on no drive the program can name</source>
        <translation>Die Datei liegt auf keinem Laufwerk, das das Programm benennen kann</translation>
    </message>
</context>
<context>
    <name>trv::StationPage</name>
    <message>
        <source>Call</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Locator</source>
        <translation>Locator</translation>
    </message>
</context>
<context>
    <name>trv::TClosedTimeForm</name>
    <message>
        <source>ClosedTime</source>
        <translation>Sperrzeit</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>trv::TEditSectionForm</name>
    <message>
        <source>Edit section...</source>
        <translation>Abschnitt bearbeiten...</translation>
    </message>
    <message>
        <source>Throw away the changes to [%1]?</source>
        <translation>Die Änderungen an [%1] verwerfen?</translation>
    </message>
    <message>
        <source>The block has %1 lines, but TARVO.INI can hold at most %2 lines in one block. Please shorten it.</source>
        <translation>Der Block hat %1 Zeilen, TARVO.INI kann aber höchstens %2 Zeilen in einem Block aufnehmen. Bitte kürzen Sie ihn.</translation>
    </message>
</context>
<context>
    <name>trv::TForm2</name>
    <message>
        <source>TRVCFG for Tarvo32 v%1</source>
        <translation>TRVCFG für Tarvo32 v%1</translation>
    </message>
    <message>
        <source>TNC</source>
        <translation>TNC</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Verzeichnisse</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Moduls</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Mailbox 1</source>
        <translation>Mailbox 1</translation>
    </message>
    <message>
        <source>Mailbox 2</source>
        <translation>Mailbox 2</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>trv::TLoadFindingsForm</name>
    <message>
        <source>Values replaced while loading TARVO.INI</source>
        <translation>Beim Laden von TARVO.INI ersetzte Werte</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Was geschah</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>trv::TncPage</name>
    <message>
        <source>%1 chars</source>
        <translation>%1 Zeichen</translation>
    </message>
    <message>
        <source>%1 channel(s)</source>
        <translation>%1 Kanal/Kanäle</translation>
    </message>
    <message>
        <source>The maximum number of TNCs are already added!</source>
        <translation>Die Höchstzahl an TNCs ist bereits erreicht!</translation>
    </message>
    <message>
        <source>All TNCs are removed!</source>
        <translation>Alle TNCs sind entfernt!</translation>
    </message>
    <message>
        <source>Delete selected TNC?</source>
        <translation>Ausgewählten TNC löschen?</translation>
    </message>
    <message>
        <source>[%1] holds the program's own settings and cannot be a command block. Please choose another name.</source>
        <translation>[%1] enthält die Einstellungen des Programms selbst und kann kein Befehlsblock sein. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>A command block's name may not hold a comma: the TNC line in TARVO.INI separates its fields with commas. Please choose another name.</source>
        <translation>Der Name eines Befehlsblocks darf kein Komma enthalten: die TNC-Zeile in TARVO.INI trennt ihre Felder mit Kommas. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>DRSI</source>
        <translation>DRSI</translation>
    </message>
    <message>
        <source>Edit the initialisation block</source>
        <translation>Den Initialisierungsblock bearbeiten</translation>
    </message>
    <message>
        <source>WA8DED</source>
        <translation>WA8DED</translation>
    </message>
    <message>
        <source>TNC3S</source>
        <translation>TNC3S</translation>
    </message>
    <message>
        <source>AutoParam</source>
        <translation>AutoParam</translation>
    </message>
    <message>
        <source>UseXHost</source>
        <translation>UseXHost</translation>
    </message>
    <message>
        <source>FastPoll</source>
        <translation>FastPoll</translation>
    </message>
    <message>
        <source>Edit the deinitialisation block</source>
        <translation>Den Deinitialisierungsblock bearbeiten</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Treiber</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Packet length</source>
        <translation>Paketlänge</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>TNC Initialisation</source>
        <translation>TNC-Initialisierung</translation>
    </message>
    <message>
        <source>QRG</source>
        <translation>QRG</translation>
    </message>
    <message>
        <source>Hostmode type</source>
        <translation>Hostmode-Typ</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>TNC Deinitialisation</source>
        <translation>TNC-Deinitialisierung</translation>
    </message>
    <message>
        <source>Add a TNC</source>
        <translation>Einen TNC hinzufügen</translation>
    </message>
    <message>
        <source>Delete the selected TNC</source>
        <translation>Den ausgewählten TNC löschen</translation>
    </message>
</context>
</TS>