<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>SettingFacts</name>
    <message>
        <source>On by default.</source>
        <translation>Standardmäßig an.</translation>
    </message>
    <message>
        <source>Off by default.</source>
        <translation>Standardmäßig aus.</translation>
    </message>
    <message>
        <source>One of %1.</source>
        <translation>Einer der Werte %1.</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <translation>Von %1 bis %2.</translation>
    </message>
    <message numerus="yes">
        <source>Up to %n characters.</source>
        <translation>
            <numerusform>Bis zu %n Zeichen.</numerusform>
            <numerusform>Bis zu %n Zeichen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty by default.</source>
        <translation>Standardmäßig leer.</translation>
    </message>
    <message>
        <source>Default %1.</source>
        <translation>Standard: %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 to %2 in steps of %3</source>
        <translation>%1 bis %2 in Schritten von %3</translation>
    </message>
    <message>
        <source>Always %1.</source>
        <translation>Immer %1.</translation>
    </message>
    <message numerus="yes">
        <source>A number of up to %n characters with three decimals.</source>
        <translation>
            <numerusform>Eine Zahl mit bis zu %n Zeichen und drei Nachkommastellen.</numerusform>
            <numerusform>Eine Zahl mit bis zu %n Zeichen und drei Nachkommastellen.</numerusform>
        </translation>
    </message>
    <message>
        <source>On for a new TNC.</source>
        <translation>Bei einem neuen TNC an.</translation>
    </message>
    <message>
        <source>Off for a new TNC.</source>
        <translation>Bei einem neuen TNC aus.</translation>
    </message>
    <message numerus="yes">
        <source>Up to %n characters can be typed.</source>
        <translation>
            <numerusform>Bis zu %n Zeichen können eingegeben werden.</numerusform>
            <numerusform>Bis zu %n Zeichen können eingegeben werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>A new TNC has %1.</source>
        <translation>Ein neuer TNC hat %1.</translation>
    </message>
    <message>
        <source>When it is missing or empty, reading adds it with the value of [%1] %2 (%3 when that is missing or unusable). An unusable value gives %4.</source>
        <translation>Fehlt der Schlüssel oder ist er leer, fügt das Lesen ihn mit dem Wert von [%1] %2 hinzu (%3, wenn dieser fehlt oder unbrauchbar ist). Ein unbrauchbarer Wert ergibt %4.</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ms</source>
        <translation>
            <numerusform>%n ms</numerusform>
            <numerusform>%n ms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
</context>
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
        <source>TARVO.INI was changed by another program since this window was opened.</source>
        <translation>TARVO.INI wurde von einem anderen Programm geändert, seit dieses Fenster geöffnet wurde.</translation>
    </message>
    <message>
        <source>Configruation program for Tarvo</source>
        <translation>Konfigurationsprogramm für Tarvo</translation>
    </message>
    <message>
        <source>Edit the TARVO.INI in &lt;DIR&gt;.</source>
        <translation>Die TARVO.INI in &lt;DIR&gt; bearbeiten.</translation>
    </message>
    <message>
        <source>Ask for Tarvo&apos;s program folder again and remember the answer.</source>
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
        <translation>Monitor-Header (Port 0)</translation>
    </message>
    <message>
        <source>monitor header (port 1)</source>
        <translation>Monitor-Header (Port 1)</translation>
    </message>
    <message>
        <source>monitor header (port 2)</source>
        <translation>Monitor-Header (Port 2)</translation>
    </message>
    <message>
        <source>monitor header (port 3)</source>
        <translation>Monitor-Header (Port 3)</translation>
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
        <source>Choose Tarvo&apos;s program folder</source>
        <translation>Tarvos Programmverzeichnis wählen</translation>
    </message>
    <message>
        <source>No TARVO.INI in %1. Tarvo keeps it in its program folder. Use this folder anyway?</source>
        <translation>Keine TARVO.INI in %1. Tarvo legt sie in seinem Programmverzeichnis ab. Dieses Verzeichnis trotzdem verwenden?</translation>
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
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Save anyway</source>
        <translation>&amp;Trotzdem speichern</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>C&amp;hoose another</source>
        <translation>Anderes &amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Use it</source>
        <translation>&amp;Verwenden</translation>
    </message>
    <message>
        <source>The wave file played for the sound event &quot;Startup&quot;.</source>
        <translation>Die Wave-Datei, die beim Ereignis „Programmstart“ abgespielt wird.</translation>
    </message>
    <message>
        <source>The wave file played for the sound event &quot;Connect&quot;.</source>
        <translation>Die Wave-Datei, die beim Ereignis „Connect“ abgespielt wird.</translation>
    </message>
    <message>
        <source>The wave file played for the sound event &quot;Disconnect&quot;.</source>
        <translation>Die Wave-Datei, die beim Ereignis „Disconnect“ abgespielt wird.</translation>
    </message>
    <message>
        <source>The wave file played for the sound event &quot;Reconnect&quot;.</source>
        <translation>Die Wave-Datei, die beim Ereignis „Reconnect“ abgespielt wird.</translation>
    </message>
    <message>
        <source>The wave file played for the sound event &quot;Link failure&quot;.</source>
        <translation>Die Wave-Datei, die beim Ereignis „Link-Ausfall“ abgespielt wird.</translation>
    </message>
    <message>
        <source>The wave file played for the sound event &quot;Ring&quot;.</source>
        <translation>Die Wave-Datei, die beim Ereignis „Klingeln“ abgespielt wird.</translation>
    </message>
    <message>
        <source>The wave file played for the sound event &quot;Ctrl-G&quot;.</source>
        <translation>Die Wave-Datei, die beim Ereignis „Strg-G“ abgespielt wird.</translation>
    </message>
    <message>
        <source>How the terminal program reaches the TNC: a COM port, or a SIRQ number (256 more with the DRSI option).</source>
        <translation>Wie das Terminalprogramm den TNC erreicht: über einen COM-Port oder eine SIRQ-Nummer (mit der DRSI-Option 256 mehr).</translation>
    </message>
    <message>
        <source>The packet length in characters.</source>
        <translation>Die Paketlänge in Zeichen.</translation>
    </message>
    <message>
        <source>The baud rate of the serial line to the TNC; a SIRQ port always runs at 57600.</source>
        <translation>Die Baudrate der seriellen Leitung zum TNC; ein SIRQ-Port läuft immer mit 57600.</translation>
    </message>
    <message>
        <source>The number of channels of the TNC.</source>
        <translation>Die Anzahl der Kanäle des TNC.</translation>
    </message>
    <message>
        <source>The working frequency (QRG).</source>
        <translation>Die Arbeitsfrequenz (QRG).</translation>
    </message>
    <message>
        <source>The user section that holds the TNC&apos;s initialisation commands.</source>
        <translation>Der Befehlsblock (ein Abschnitt der TARVO.INI) mit den Initialisierungsbefehlen des TNC.</translation>
    </message>
    <message>
        <source>The user section that holds the TNC&apos;s deinitialisation commands.</source>
        <translation>Der Befehlsblock (ein Abschnitt der TARVO.INI) mit den Deinitialisierungsbefehlen des TNC.</translation>
    </message>
    <message>
        <source>The TNC&apos;s hostmode type: 0 WA8DED, 1 TNC3S.</source>
        <translation>Der Hostmode-Typ des TNC: 0 WA8DED, 1 TNC3S.</translation>
    </message>
    <message>
        <source>The TNC driver file, in the folder DRIVER.TNC of the program directory.</source>
        <translation>Die TNC-Treiberdatei im Verzeichnis DRIVER.TNC des Programmverzeichnisses.</translation>
    </message>
    <message>
        <source>The directory the terminal program uses for //RPRG and //R.</source>
        <translation>Das Verzeichnis, das das Terminalprogramm für //RPRG und //R verwendet.</translation>
    </message>
    <message>
        <source>The directory the terminal program uses for //WPRG and //W.</source>
        <translation>Das Verzeichnis, das das Terminalprogramm für //WPRG und //W verwendet.</translation>
    </message>
    <message>
        <source>The mailbox directory; the mailbox&apos;s own subdirectories are made below it.</source>
        <translation>Das Mailbox-Verzeichnis; die Unterverzeichnisse der Mailbox werden darunter angelegt.</translation>
    </message>
    <message>
        <source>The directory for import files.</source>
        <translation>Das Verzeichnis für Importdateien.</translation>
    </message>
    <message>
        <source>The directory for 7Plus files.</source>
        <translation>Das Verzeichnis für 7Plus-Dateien.</translation>
    </message>
    <message>
        <source>The directory of the wave files: a wave file named without a directory is taken from here.</source>
        <translation>Das Verzeichnis der Wave-Dateien: Eine Wave-Datei ohne Verzeichnisangabe wird hier gesucht.</translation>
    </message>
    <message>
        <source>The directory for temporary files.</source>
        <translation>Das Verzeichnis für temporäre Dateien.</translation>
    </message>
    <message>
        <source>The colour of the cursor in the terminal program&apos;s text windows.</source>
        <translation>Die Farbe des Cursors in den Textfenstern des Terminalprogramms.</translation>
    </message>
    <message>
        <source>The background colour of the terminal program&apos;s text windows.</source>
        <translation>Die Hintergrundfarbe der Textfenster des Terminalprogramms.</translation>
    </message>
    <message>
        <source>The colours of ordinary output in the terminal program&apos;s text windows.</source>
        <translation>Die Farben der normalen Ausgabe in den Textfenstern des Terminalprogramms.</translation>
    </message>
    <message>
        <source>The colours of the echo of your own text in the terminal program&apos;s text windows.</source>
        <translation>Die Farben des Echos Ihres eigenen Textes in den Textfenstern des Terminalprogramms.</translation>
    </message>
    <message>
        <source>The colours of link messages in the terminal program&apos;s text windows.</source>
        <translation>Die Farben der Link-Meldungen in den Textfenstern des Terminalprogramms.</translation>
    </message>
    <message>
        <source>The colours of monitored frames in the terminal program&apos;s text windows.</source>
        <translation>Die Farben der Monitor-Frames in den Textfenstern des Terminalprogramms.</translation>
    </message>
    <message>
        <source>The colours of the monitor headers of port 0 in the terminal program&apos;s text windows.</source>
        <translation>Die Farben der Monitor-Header von Port 0 in den Textfenstern des Terminalprogramms.</translation>
    </message>
    <message>
        <source>The colours of the monitor headers of port 1 in the terminal program&apos;s text windows.</source>
        <translation>Die Farben der Monitor-Header von Port 1 in den Textfenstern des Terminalprogramms.</translation>
    </message>
    <message>
        <source>The colours of the monitor headers of port 2 in the terminal program&apos;s text windows.</source>
        <translation>Die Farben der Monitor-Header von Port 2 in den Textfenstern des Terminalprogramms.</translation>
    </message>
    <message>
        <source>The colours of the monitor headers of port 3 in the terminal program&apos;s text windows.</source>
        <translation>Die Farben der Monitor-Header von Port 3 in den Textfenstern des Terminalprogramms.</translation>
    </message>
    <message>
        <source>The colours of notifications in the terminal program&apos;s text windows.</source>
        <translation>Die Farben der Benachrichtigungen in den Textfenstern des Terminalprogramms.</translation>
    </message>
    <message>
        <source>The colour of selected edit text in the terminal program&apos;s text windows.</source>
        <translation>Die Farbe des markierten Eingabetextes in den Textfenstern des Terminalprogramms.</translation>
    </message>
    <message>
        <source>A short text the mailbox puts into mails.</source>
        <translation>Ein kurzer Text, den die Mailbox in Mails einfügt.</translation>
    </message>
    <message>
        <source>The callsign of your station.</source>
        <translation>Das Rufzeichen Ihrer Station.</translation>
    </message>
    <message>
        <source>The locator of your station.</source>
        <translation>Der Locator Ihrer Station.</translation>
    </message>
    <message>
        <source>Echoes your own text in the TX window.</source>
        <translation>Zeigt das Echo Ihres eigenen Textes im TX-Fenster.</translation>
    </message>
    <message>
        <source>The most lines the RX window keeps.</source>
        <translation>Die Höchstzahl der Zeilen, die das RX-Fenster behält.</translation>
    </message>
    <message>
        <source>The most lines the TX (edit) window keeps.</source>
        <translation>Die Höchstzahl der Zeilen, die das TX-Fenster (Eingabefenster) behält.</translation>
    </message>
    <message>
        <source>Saves the RX screen when the program ends.</source>
        <translation>Speichert das RX-Fenster beim Beenden des Programms.</translation>
    </message>
    <message>
        <source>Saves the TX screen when the program ends.</source>
        <translation>Speichert das TX-Fenster beim Beenden des Programms.</translation>
    </message>
    <message>
        <source>Draws the TX window without flicker.</source>
        <translation>Zeichnet das TX-Fenster flimmerfrei.</translation>
    </message>
    <message>
        <source>Draws the RX window without flicker.</source>
        <translation>Zeichnet das RX-Fenster flimmerfrei.</translation>
    </message>
    <message>
        <source>The language library (a DLL file of the language folder) for the visual parts of the terminal program.</source>
        <translation>Die Sprachbibliothek (eine DLL-Datei im Sprachverzeichnis) für die Oberfläche des Terminalprogramms.</translation>
    </message>
    <message>
        <source>The language of the terminal program&apos;s default output, named after a WLF file of the language folder.</source>
        <translation>Die Sprache der Standard-Ausgabe des Terminalprogramms, benannt nach einer WLF-Datei im Sprachverzeichnis.</translation>
    </message>
    <message>
        <source>The callsign of the node.</source>
        <translation>Das Rufzeichen des Nodes.</translation>
    </message>
    <message>
        <source>The time-out of the node.</source>
        <translation>Das Zeitlimit des Nodes.</translation>
    </message>
    <message>
        <source>The prompt text, in the letter case typed.</source>
        <translation>Der Prompt-Text, in der eingegebenen Groß- und Kleinschreibung.</translation>
    </message>
    <message>
        <source>The name of the fortune file.</source>
        <translation>Der Name der Spruchdatei (Fortune).</translation>
    </message>
    <message>
        <source>Loads the Digiinfo module.</source>
        <translation>Lädt das Digiinfo-Modul.</translation>
    </message>
    <message>
        <source>Loads the Spy module.</source>
        <translation>Lädt das Spy-Modul.</translation>
    </message>
    <message>
        <source>Loads the Mailbox module.</source>
        <translation>Lädt das Mailbox-Modul.</translation>
    </message>
    <message>
        <source>Loads the Broadcast RX module, only together with the Mailbox module.</source>
        <translation>Lädt das Broadcast-RX-Modul, nur zusammen mit dem Mailbox-Modul.</translation>
    </message>
    <message>
        <source>Loads the DX cluster spy module.</source>
        <translation>Lädt das DX-Cluster-Spy-Modul.</translation>
    </message>
    <message>
        <source>Reduces scroll resyncs.</source>
        <translation>Verringert die Scroll-Resyncs.</translation>
    </message>
    <message>
        <source>Uses a multi-line toolbar.</source>
        <translation>Verwendet eine mehrzeilige Werkzeugleiste.</translation>
    </message>
    <message>
        <source>Updates the display with a delay.</source>
        <translation>Aktualisiert den Bildschirm verzögert.</translation>
    </message>
    <message>
        <source>Suppresses BIN in the monitor.</source>
        <translation>Unterdrückt BIN im Monitor.</translation>
    </message>
    <message>
        <source>The poll delay, in steps of 50 ms.</source>
        <translation>Die Poll-Verzögerung, in Schritten von 50 ms.</translation>
    </message>
    <message>
        <source>A password is needed for the mailbox.</source>
        <translation>Für die Mailbox ist ein Passwort nötig.</translation>
    </message>
    <message>
        <source>The callsign of the mailbox.</source>
        <translation>Das Rufzeichen der Mailbox.</translation>
    </message>
    <message>
        <source>The hierarchical path of the mailbox.</source>
        <translation>Der hierarchische Pfad (HPath) der Mailbox.</translation>
    </message>
    <message>
        <source>The addressee of system mail.</source>
        <translation>Der Empfänger der Systemmails.</translation>
    </message>
    <message>
        <source>The default board.</source>
        <translation>Die Standard-Rubrik.</translation>
    </message>
    <message>
        <source>The default lifetime of a mail, in days.</source>
        <translation>Die Standard-Lebensdauer einer Mail, in Tagen.</translation>
    </message>
    <message>
        <source>Restarts Windows after the garbage run.</source>
        <translation>Startet Windows nach dem Aufräumen neu.</translation>
    </message>
    <message>
        <source>The time-out of the mailbox.</source>
        <translation>Das Zeitlimit der Mailbox.</translation>
    </message>
    <message>
        <source>The maximum BID count.</source>
        <translation>Die Höchstzahl der BIDs.</translation>
    </message>
    <message>
        <source>Generates a lifetime report mail.</source>
        <translation>Erzeugt eine Mail mit dem Lebensdauer-Bericht.</translation>
    </message>
    <message>
        <source>Generates a mail on routing errors.</source>
        <translation>Erzeugt eine Mail bei Routingfehlern.</translation>
    </message>
    <message>
        <source>Puts the FHeader into every mail.</source>
        <translation>Fügt den FHeader in jede Mail ein.</translation>
    </message>
    <message>
        <source>Puts the mail&apos;s BID into the FHeader.</source>
        <translation>Nimmt die BID der Mail in den FHeader auf.</translation>
    </message>
    <message>
        <source>Uses memory for the garbage run.</source>
        <translation>Nutzt den Arbeitsspeicher für das Aufräumen.</translation>
    </message>
    <message>
        <source>Parses every mail.</source>
        <translation>Wertet alle Mails aus.</translation>
    </message>
    <message>
        <source>Blinks the scroll lock LED on new mail, only together with the icon.</source>
        <translation>Lässt bei neuen Mails die LED der Rollen-Taste blinken, nur zusammen mit dem Mailbox-Symbol.</translation>
    </message>
    <message>
        <source>Blinks the mailbox icon on new mail.</source>
        <translation>Lässt bei neuen Mails das Mailbox-Symbol blinken.</translation>
    </message>
    <message>
        <source>The offset between local time and UTC. The file keeps it in seconds: an offset between two whole hours shows as the hour below it and is kept until you choose another.</source>
        <translation>Die Zeitverschiebung zwischen Ortszeit und UTC. Die Datei hält sie in Sekunden: Eine Zeitverschiebung zwischen zwei vollen Stunden zeigt sich als die volle Stunde darunter und bleibt erhalten, bis Sie eine andere wählen.</translation>
    </message>
    <message numerus="yes">
        <source>Another program is working in the folder %1.
Waiting for it to finish: at most %n more second(s).</source>
        <translation>
            <numerusform>Ein anderes Programm arbeitet im Verzeichnis %1.
Warte, bis es fertig ist: höchstens noch %n Sekunde.</numerusform>
            <numerusform>Ein anderes Programm arbeitet im Verzeichnis %1.
Warte, bis es fertig ist: höchstens noch %n Sekunden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) in TARVO.INI could not be used and were replaced; OK will write the replacements.</source>
        <translation>
            <numerusform>%n Wert in TARVO.INI war unbrauchbar und wurde ersetzt; OK schreibt den Ersatz.</numerusform>
            <numerusform>%n Werte in TARVO.INI waren unbrauchbar und wurden ersetzt; OK schreibt die Ersatzwerte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Edits TARVO.INI, the settings of the Tarvo packet-radio terminal.

Started from a folder that holds TARVO.INI (a copy or link in Tarvo&apos;s
folder), it edits that folder; from another folder it asks first (Choose
another, Use it, Cancel). Installed in a bin folder, it asks for Tarvo&apos;s
program folder at the first start and remembers the answer in
%1.</source>
        <translation>Bearbeitet TARVO.INI, die Einstellungen des Packet-Radio-Terminals Tarvo.

Aus einem Verzeichnis mit TARVO.INI gestartet (eine Kopie oder ein Link in
Tarvos Verzeichnis), bearbeitet es dieses Verzeichnis; aus einem anderen
fragt es zuerst (Anderes wählen, Verwenden, Abbrechen). In einem
bin-Verzeichnis installiert, fragt es beim ersten Start nach Tarvos
Programmverzeichnis und merkt sich die Antwort in
%1.</translation>
    </message>
    <message numerus="yes">
        <source>The audio output cannot play %1 Hz with %n channel(s)</source>
        <translation>
            <numerusform>Die Audioausgabe kann %1 Hz mit %n Kanal nicht abspielen</numerusform>
            <numerusform>Die Audioausgabe kann %1 Hz mit %n Kanälen nicht abspielen</numerusform>
        </translation>
    </message>
    <message>
        <source>The time of day of the garbage run.</source>
        <translation>Die Uhrzeit des Aufräumens.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Reset to &amp;default</source>
        <translation>Auf &amp;Standard zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Revert to the value in the file</source>
        <translation>Auf den Wert in der &amp;Datei zurücksetzen</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>dunkelblau</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>dunkelgrün</translation>
    </message>
    <message>
        <source>dark cyan</source>
        <translation>dunkeltürkis</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>dunkelrot</translation>
    </message>
    <message>
        <source>dark magenta</source>
        <translation>dunkelmagenta</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>braun</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>hellgrau</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>dunkelgrau</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>türkis</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
</context>
<context>
    <name>trv::ChangesForm</name>
    <message>
        <source>What OK writes</source>
        <translation>Was OK schreibt</translation>
    </message>
    <message>
        <source>Changes OK writes</source>
        <translation>Änderungen, die OK schreibt</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>In der Datei</translation>
    </message>
    <message>
        <source>New value</source>
        <translation>Neuer Wert</translation>
    </message>
    <message>
        <source>&amp;Revert all</source>
        <translation>Alle &amp;zurücknehmen</translation>
    </message>
    <message>
        <source>Puts every value typed in the window back to the value in the file.</source>
        <translation>Setzt jeden im Fenster eingegebenen Wert auf den Wert in der Datei zurück.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Return or a double click goes to the field.</source>
        <translation>Eingabetaste oder Doppelklick springt zum Feld.</translation>
    </message>
    <message>
        <source>Your edits</source>
        <translation>Ihre Eingaben</translation>
    </message>
    <message>
        <source>Written in OK&apos;s form without an edit</source>
        <translation>Ohne Eingabe in der Form von OK geschrieben</translation>
    </message>
    <message>
        <source>OK writes nothing: the file holds every value the window shows.</source>
        <translation>OK schreibt nichts: Die Datei enthält jeden Wert, den das Fenster zeigt.</translation>
    </message>
    <message>
        <source>OK writes these values into TARVO.INI.</source>
        <translation>OK schreibt diese Werte in TARVO.INI.</translation>
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
    <name>trv::ColorGrid</name>
    <message>
        <source>FB</source>
        <comment>colour grid cell: foreground and background</comment>
        <translation>VH</translation>
    </message>
    <message>
        <source>FG</source>
        <comment>colour grid cell: foreground</comment>
        <translation>VG</translation>
    </message>
    <message>
        <source>BG</source>
        <comment>colour grid cell: background</comment>
        <translation>HG</translation>
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
    <message>
        <source>Screen elements</source>
        <translation>Bildschirmelemente</translation>
    </message>
    <message>
        <source>Color grid</source>
        <translation>Farbraster</translation>
    </message>
    <message>
        <source>Preview of the text windows</source>
        <translation>Vorschau der Textfenster</translation>
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
        <source>Wine is running in %1. It keeps the prefix&apos;s registry in memory and writes it back when it ends, so nothing is changed now. Close the programs running in Wine (or run wineserver -k) and map the port again.</source>
        <translation>Wine läuft in %1. Es hält die Registry des Präfixes im Arbeitsspeicher und schreibt sie beim Beenden zurück, daher wird jetzt nichts geändert. Beenden Sie die Programme, die in Wine laufen (oder rufen Sie wineserver -k auf), und ordnen Sie den Port erneut zu.</translation>
    </message>
    <message>
        <source>It replaces &quot;COM%1&quot;=&quot;%2&quot;.
</source>
        <translation>Er ersetzt &quot;COM%1&quot;=&quot;%2&quot;.
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
        <source>COM %1: %2 cannot be read (%3)</source>
        <translation>COM %1: %2 kann nicht gelesen werden (%3)</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>COM %1 is %2, which you may not open</source>
        <translation>COM %1 ist %2, das Sie nicht öffnen dürfen</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Choose a device or type its path.</source>
        <translation>Wählen Sie eine Schnittstelle oder geben Sie ihren Pfad ein.</translation>
    </message>
    <message>
        <source>Type the device&apos;s full path, such as /dev/ttyUSB0</source>
        <translation>Geben Sie den vollständigen Pfad der Schnittstelle ein, etwa /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>Wine skips a device path longer than 255 bytes.</source>
        <translation>Wine übergeht einen Schnittstellenpfad, der länger als 255 Byte ist.</translation>
    </message>
    <message>
        <source>The registry takes a device path in printable ASCII only.</source>
        <translation>Die Registry nimmt einen Schnittstellenpfad nur in druckbarem ASCII an.</translation>
    </message>
    <message>
        <source>%1 does not exist now; Wine maps the port to it all the same.
</source>
        <translation>%1 existiert zurzeit nicht; Wine ordnet ihr den Port trotzdem zu.
</translation>
    </message>
    <message>
        <source>You may not open %1.
</source>
        <translation>Sie dürfen %1 nicht öffnen.
</translation>
    </message>
    <message>
        <source>You may not open %1 (add yourself to the group %2).
</source>
        <translation>Sie dürfen %1 nicht öffnen (tragen Sie sich in die Gruppe %2 ein).
</translation>
    </message>
    <message>
        <source>%1 is COM %2 as well: both ports lead to the same device.
</source>
        <translation>%1 ist auch COM %2: beide Ports führen zur selben Schnittstelle.
</translation>
    </message>
    <message>
        <source>Remove &quot;COM%1&quot;=&quot;%2&quot; from %3, under the key [Software\Wine\Ports]?

</source>
        <translation>&quot;COM%1&quot;=&quot;%2&quot; aus %3 entfernen, unter dem Schlüssel [Software\Wine\Ports]?

</translation>
    </message>
    <message>
        <source>From its next start on Wine leaves COM %1 unmapped.
</source>
        <translation>Ab seinem nächsten Start lässt Wine COM %1 ohne Zuordnung.
</translation>
    </message>
    <message>
        <source>From its next start on Wine maps COM %1 to %2.
</source>
        <translation>Ab seinem nächsten Start ordnet Wine COM %1 der Schnittstelle %2 zu.
</translation>
    </message>
    <message>
        <source>Nothing else in the Wine prefix changes.</source>
        <translation>Sonst ändert sich nichts im Wine-Präfix.</translation>
    </message>
    <message>
        <source>COM %1 is %2 already.</source>
        <translation>COM %1 ist bereits %2.</translation>
    </message>
    <message>
        <source>Map COM %1 to %2?

This sets one value in %3, under the key [Software\Wine\Ports]:
&quot;COM%1&quot;=&quot;%2&quot;
</source>
        <translation>COM %1 der Schnittstelle %2 zuordnen?

Das setzt einen Wert in %3, unter dem Schlüssel [Software\Wine\Ports]:
&quot;COM%1&quot;=&quot;%2&quot;
</translation>
    </message>
    <message>
        <source>Nothing else in the Wine prefix changes. Wine maps the port this way from its next start on.</source>
        <translation>Sonst ändert sich nichts im Wine-Präfix. Wine ordnet den Port ab seinem nächsten Start so zu.</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>trv::DirectoryPage</name>
    <message>
        <source>&amp;Path</source>
        <translation>&amp;Pfad</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Verzeichnisse</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Verzeichnisbaum</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>The drive whose folders the tree above shows.</source>
        <translation>Das Laufwerk, dessen Verzeichnisse der Baum darüber zeigt.</translation>
    </message>
</context>
<context>
    <name>trv::DisplayPage</name>
    <message>
        <source>&amp;echo own text in TX window</source>
        <translation>&amp;Echo des eigenen Textes im TX-Fenster</translation>
    </message>
    <message>
        <source>&amp;Save RX screen at end of program</source>
        <translation>RX-Fenster beim Beenden &amp;speichern</translation>
    </message>
    <message>
        <source>Sa&amp;ve TX screen at end of program</source>
        <translation>TX-Fenster beim Beenden spei&amp;chern</translation>
    </message>
    <message>
        <source>&amp;Use flicker free RX window</source>
        <translation>&amp;Flimmerfreies RX-Fenster</translation>
    </message>
    <message>
        <source>Use flicker free TX &amp;window</source>
        <translation>Fl&amp;immerfreies TX-Fenster</translation>
    </message>
    <message>
        <source>Max&amp;RXLines</source>
        <translation>Max. &amp;RX-Zeilen</translation>
    </message>
    <message>
        <source>MaxT&amp;XLines</source>
        <translation>Max. &amp;TX-Zeilen</translation>
    </message>
</context>
<context>
    <name>trv::ExtraPage</name>
    <message>
        <source>De&amp;layed display update</source>
        <translation>Verzögerte &amp;Bildschirmaktualisierung</translation>
    </message>
    <message>
        <source>&amp;Reduce scroll resyncs</source>
        <translation>Weniger Scroll-&amp;Resyncs</translation>
    </message>
    <message>
        <source>&amp;Multi line toolbar</source>
        <translation>&amp;Mehrzeilige Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;suppress BIN in monitor</source>
        <translation>B&amp;IN im Monitor unterdrücken</translation>
    </message>
    <message>
        <source>&amp;Fortune</source>
        <translation>Spruch (&amp;Fortune)</translation>
    </message>
    <message>
        <source>&amp;UTC</source>
        <translation>&amp;UTC</translation>
    </message>
    <message>
        <source>Poll &amp;delay</source>
        <translation>Poll-&amp;Verzögerung</translation>
    </message>
    <message>
        <source>&amp;Node call</source>
        <translation>&amp;Node-Rufzeichen</translation>
    </message>
    <message>
        <source>&amp;Prompt</source>
        <translation>&amp;Prompt</translation>
    </message>
</context>
<context>
    <name>trv::FieldMark</name>
    <message>
        <source>Changed: OK saves a value other than the file&apos;s.</source>
        <translation>Geändert: OK speichert einen anderen Wert als den der Datei.</translation>
    </message>
    <message>
        <source>Differs from its default.</source>
        <translation>Weicht vom Standard ab.</translation>
    </message>
</context>
<context>
    <name>trv::LanguagePage</name>
    <message>
        <source>&amp;Visual parts</source>
        <translation>O&amp;berfläche</translation>
    </message>
    <message>
        <source>Default program o&amp;utput</source>
        <translation>Standard-&amp;Programmausgabe</translation>
    </message>
</context>
<context>
    <name>trv::LoadNotice</name>
    <message>
        <source>De&amp;tails...</source>
        <translation>&amp;Details...</translation>
    </message>
</context>
<context>
    <name>trv::Mailbox1Page</name>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>&amp;Call</source>
        <translation>&amp;Rufzeichen</translation>
    </message>
    <message>
        <source>&amp;HPath</source>
        <translation>&amp;HPath</translation>
    </message>
    <message>
        <source>Default &amp;lifetime</source>
        <translation>Standard-&amp;Lebensdauer</translation>
    </message>
    <message>
        <source>&amp;Sysmail to</source>
        <translation>&amp;Sysmail an</translation>
    </message>
    <message>
        <source>Default &amp;Board</source>
        <translation>Standard-R&amp;ubrik</translation>
    </message>
    <message>
        <source>&amp;Max. BID count</source>
        <translation>&amp;Max. Anzahl BIDs</translation>
    </message>
    <message>
        <source>FH&amp;eader</source>
        <translation>FH&amp;eader</translation>
    </message>
    <message>
        <source>T&amp;imeout</source>
        <translation>&amp;Zeitlimit</translation>
    </message>
</context>
<context>
    <name>trv::Mailbox2Page</name>
    <message>
        <source>The closed-time list is full: TARVO.INI cannot hold another window. Delete one first.</source>
        <translation>Die Liste der Sperrzeiten ist voll: TARVO.INI kann keine weitere Sperrzeit aufnehmen. Löschen Sie zuerst eine.</translation>
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
        <source>I&amp;nclude BID in FHeader</source>
        <translation>&amp;BID in FHeader aufnehmen</translation>
    </message>
    <message>
        <source>Generate li&amp;fetime report mail</source>
        <translation>&amp;Lebensdauer-Bericht als Mail erzeugen</translation>
    </message>
    <message>
        <source>Generate &amp;routing error mail</source>
        <translation>&amp;Routingfehler-Mail erzeugen</translation>
    </message>
    <message>
        <source>Use &amp;memory for garbage</source>
        <translation>Arbeit&amp;sspeicher für Aufräumen nutzen</translation>
    </message>
    <message>
        <source>Enable &amp;QZ-DOS</source>
        <translation>&amp;QZ-DOS einschalten</translation>
    </message>
    <message>
        <source>&amp;pw for box necessary</source>
        <translation>&amp;Passwort für Mailbox nötig</translation>
    </message>
    <message>
        <source>pars&amp;e all mails</source>
        <translation>Alle Mails aus&amp;werten</translation>
    </message>
    <message>
        <source>blink of mailbox i&amp;con if new mails</source>
        <translation>Mailbox-Symbol bl&amp;inkt bei neuen Mails</translation>
    </message>
    <message>
        <source>blink of scroll lock &amp;LED if new mails</source>
        <translation>LED der Rollen-Taste blin&amp;kt bei neuen Mails</translation>
    </message>
    <message>
        <source>Restart &amp;windows after garbage</source>
        <translation>Windows nach Aufräumen neu s&amp;tarten</translation>
    </message>
    <message>
        <source>&amp;Garbage at:</source>
        <translation>Aufräumen &amp;um:</translation>
    </message>
    <message>
        <source>Gar&amp;bage</source>
        <translation>Au&amp;fräumen</translation>
    </message>
    <message>
        <source>Clo&amp;sed time</source>
        <translation>Sperr&amp;zeiten</translation>
    </message>
    <message>
        <source>Insert F&amp;Header into every mail</source>
        <translation>FHeader in jede Mail &amp;einfügen</translation>
    </message>
    <message>
        <source>A&amp;dd time</source>
        <translation>Zeit &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Delete t&amp;ime</source>
        <translation>Zeit lös&amp;chen</translation>
    </message>
    <message>
        <source>Garbage at: hour</source>
        <translation>Aufräumen um: Stunde</translation>
    </message>
    <message>
        <source>Garbage at: minutes</source>
        <translation>Aufräumen um: Minuten</translation>
    </message>
    <message>
        <source>Closed times</source>
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
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>trv::ModulsPage</name>
    <message>
        <source>Load D&amp;igiinfo</source>
        <translation>D&amp;igiinfo laden</translation>
    </message>
    <message>
        <source>Load &amp;Spy</source>
        <translation>&amp;Spy laden</translation>
    </message>
    <message>
        <source>Load &amp;Mailbox</source>
        <translation>&amp;Mailbox laden</translation>
    </message>
    <message>
        <source>Load &amp;DX cluster spy</source>
        <translation>DX-&amp;Cluster-Spy laden</translation>
    </message>
    <message>
        <source>Load &amp;Broadcast RX</source>
        <translation>&amp;Broadcast RX laden</translation>
    </message>
</context>
<context>
    <name>trv::QrgEdit</name>
    <message numerus="yes">
        <source>a number of at most %n characters with three decimals</source>
        <translation>
            <numerusform>eine Zahl mit höchstens %n Zeichen und drei Nachkommastellen</numerusform>
            <numerusform>eine Zahl mit höchstens %n Zeichen und drei Nachkommastellen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trv::ReplacementNotice</name>
    <message>
        <source>%1: &quot;%2&quot; was replaced by %3 (%4).</source>
        <translation>%1: „%2“ wurde durch %3 ersetzt (%4).</translation>
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
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Device path</source>
        <translation>Schnittstellenpfad</translation>
    </message>
    <message>
        <source>The full host path of the device; a device that is not in the list can be typed, such as a pseudo-terminal or /dev/rfcomm0</source>
        <translation>Der vollständige Pfad der Schnittstelle auf dem Rechner; eine Schnittstelle, die nicht in der Liste steht, kann eingegeben werden, etwa ein Pseudoterminal oder /dev/rfcomm0</translation>
    </message>
    <message>
        <source>&amp;Device path:</source>
        <translation>Schnittstellen&amp;pfad:</translation>
    </message>
    <message>
        <source>&amp;Unmap</source>
        <translation>Zuordnung auf&amp;heben</translation>
    </message>
    <message>
        <source>Remove the port&apos;s value from the Wine registry</source>
        <translation>Den Wert des Ports aus der Wine-Registry entfernen</translation>
    </message>
</context>
<context>
    <name>trv::SettingSearch</name>
    <message>
        <source>Find a setting (Ctrl+F)</source>
        <translation>Einstellung suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Find a setting</source>
        <translation>Einstellung suchen</translation>
    </message>
    <message>
        <source>Finds a setting by its label, by what it does or by its key in TARVO.INI, such as [MAILBOX] TIMEOUT. Return goes to the first match, Down chooses another.</source>
        <translation>Findet eine Einstellung an ihrer Beschriftung, an dem, was sie bewirkt, oder an ihrem Schlüssel in TARVO.INI, etwa [MAILBOX] TIMEOUT. Die Eingabetaste springt zum ersten Treffer, Pfeil nach unten wählt einen anderen.</translation>
    </message>
    <message>
        <source>Settings found</source>
        <translation>Gefundene Einstellungen</translation>
    </message>
    <message>
        <source>No setting matches</source>
        <translation>Keine Einstellung passt</translation>
    </message>
</context>
<context>
    <name>trv::SoundPage</name>
    <message>
        <source>Choose a wave file</source>
        <translation>Eine Wave-Datei wählen</translation>
    </message>
    <message>
        <source>Directory for wave files</source>
        <translation>Verzeichnis für Wave-Dateien</translation>
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
    <message>
        <source>Use MC&amp;I sound</source>
        <translation>M&amp;CI-Sound verwenden</translation>
    </message>
    <message>
        <source>&amp;disable Sound</source>
        <translation>Sound a&amp;bschalten</translation>
    </message>
    <message>
        <source>Only &amp;last connect sound</source>
        <translation>Nur den &amp;letzten Connect-Sound spielen</translation>
    </message>
    <message>
        <source>&amp;File name:</source>
        <translation>Datei&amp;name:</translation>
    </message>
    <message>
        <source>Sound events</source>
        <translation>Sound-Ereignisse</translation>
    </message>
</context>
<context>
    <name>trv::StationPage</name>
    <message>
        <source>&amp;Call</source>
        <translation>&amp;Rufzeichen</translation>
    </message>
    <message>
        <source>&amp;Locator</source>
        <translation>&amp;Locator</translation>
    </message>
</context>
<context>
    <name>trv::TClosedTimeForm</name>
    <message>
        <source>ClosedTime</source>
        <translation>Sperrzeit</translation>
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
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>From: hour</source>
        <translation>Von: Stunde</translation>
    </message>
    <message>
        <source>From: minutes</source>
        <translation>Von: Minuten</translation>
    </message>
    <message>
        <source>To: hour</source>
        <translation>Bis: Stunde</translation>
    </message>
    <message>
        <source>To: minutes</source>
        <translation>Bis: Minuten</translation>
    </message>
</context>
<context>
    <name>trv::TEditSectionForm</name>
    <message>
        <source>Edit section...</source>
        <translation>Befehlsblock bearbeiten...</translation>
    </message>
    <message>
        <source>Throw away the changes to [%1]?</source>
        <translation>Die Änderungen an [%1] verwerfen?</translation>
    </message>
    <message>
        <source>Lines of the section</source>
        <translation>Zeilen des Befehlsblocks</translation>
    </message>
    <message numerus="yes">
        <source>TARVO.INI can hold at most %n line(s) in one block, and this block has %1. Please shorten it.</source>
        <translation>
            <numerusform>TARVO.INI kann in einem Befehlsblock höchstens %n Zeile aufnehmen, und dieser hat %1. Bitte kürzen Sie ihn.</numerusform>
            <numerusform>TARVO.INI kann in einem Befehlsblock höchstens %n Zeilen aufnehmen, und dieser hat %1. Bitte kürzen Sie ihn.</numerusform>
        </translation>
    </message>
    <message>
        <source>lines past what TARVO.INI lists of a block</source>
        <translation>Zeilen jenseits dessen, was TARVO.INI von einem Befehlsblock auflistet</translation>
    </message>
    <message>
        <source>lines longer than %1 characters</source>
        <translation>Zeilen länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>keys that are not line numbers</source>
        <translation>Schlüssel, die keine Zeilennummern sind</translation>
    </message>
    <message>
        <source>empty lines</source>
        <translation>leere Zeilen</translation>
    </message>
    <message>
        <source>Not shown whole: %1. Saving changed lines drops them; OK without a change writes nothing.</source>
        <translation>Nicht ganz angezeigt: %1. Speichern geänderter Zeilen verwirft sie; OK ohne Änderung schreibt nichts.</translation>
    </message>
    <message>
        <source>Saving [%1] drops what this editor does not show of it: %2. Save anyway?</source>
        <translation>Beim Speichern von [%1] geht verloren, was dieser Editor davon nicht zeigt: %2. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>[%1] was changed by another program since this editor was opened.</source>
        <translation>[%1] wurde von einem anderen Programm geändert, seit dieser Editor geöffnet wurde.</translation>
    </message>
    <message>
        <source>Save anyway writes these lines over that change. Reload shows the block as it is now: the changes made here are lost. Cancel goes back to the editor.</source>
        <translation>Trotzdem speichern schreibt diese Zeilen über jene Änderung. Neu laden zeigt den Befehlsblock, wie er jetzt ist: die hier gemachten Änderungen gehen verloren. Abbrechen kehrt zum Editor zurück.</translation>
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
        <translation>Sound</translation>
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
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Save the changes?</source>
        <translation>Die Änderungen speichern?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>%1 is no longer a file: since this window was opened, something else took its place. Nothing was saved. Move it away and press OK again to save the settings of this window.</source>
        <translation>%1 ist keine Datei mehr: seit dieses Fenster geöffnet wurde, steht etwas anderes an ihrer Stelle. Nichts wurde gespeichert. Schaffen Sie es fort und drücken Sie erneut OK, um die Einstellungen dieses Fensters zu speichern.</translation>
    </message>
    <message>
        <source>%1 is gone: it was deleted or renamed since this window was opened.</source>
        <translation>%1 ist nicht mehr da: die Datei wurde gelöscht oder umbenannt, seit dieses Fenster geöffnet wurde.</translation>
    </message>
    <message>
        <source>Save writes the settings this window shows as a new TARVO.INI: every section of the program in full, nothing else of the old file. Cancel goes back to the window.</source>
        <translation>Speichern schreibt die Einstellungen dieses Fensters als neue TARVO.INI: jeder Abschnitt des Programms vollständig, nichts sonst von der alten Datei. Abbrechen kehrt zum Fenster zurück.</translation>
    </message>
    <message>
        <source>&amp;Your changes...</source>
        <translation>&amp;Änderungen...</translation>
    </message>
    <message>
        <source>Lists what OK writes into TARVO.INI, with the value the file holds now.</source>
        <translation>Zeigt, was OK in TARVO.INI schreibt, mit dem Wert, den die Datei jetzt enthält.</translation>
    </message>
    <message>
        <source>A save that was stopped left the file it replaced as %1. It may hold changes another program made; look at it, then remove it.</source>
        <translation>Ein abgebrochenes Speichern hat die Datei, die es ersetzt hat, als %1 zurückgelassen. Sie kann Änderungen eines anderen Programms enthalten; sehen Sie sie durch und entfernen Sie sie dann.</translation>
    </message>
    <message>
        <source>%1 is empty now: it held settings when this window was opened, and another program may be writing it right now.</source>
        <translation>%1 ist jetzt leer: beim Öffnen dieses Fensters enthielt die Datei Einstellungen, und vielleicht schreibt ein anderes Programm sie gerade.</translation>
    </message>
    <message>
        <source>Save writes the settings this window shows as the whole TARVO.INI: every section of the program in full, nothing else. Cancel goes back to the window; press OK again later to look at the file anew.</source>
        <translation>Speichern schreibt die Einstellungen dieses Fensters als ganze TARVO.INI: jeder Abschnitt des Programms vollständig, nichts sonst. Abbrechen kehrt zum Fenster zurück; drücken Sie später erneut OK, um die Datei neu anzusehen.</translation>
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
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Replaced values</source>
        <translation>Ersetzte Werte</translation>
    </message>
</context>
<context>
    <name>trv::TabMarks</name>
    <message>
        <source>Show se&amp;ttings that differ from their default</source>
        <translation>Vom Standard abweichende Einstellungen zei&amp;gen</translation>
    </message>
    <message>
        <source>Marks every field whose value is not its default, as well as the fields you changed.</source>
        <translation>Markiert jedes Feld, dessen Wert nicht der Standard ist, neben den Feldern, die Sie geändert haben.</translation>
    </message>
    <message>
        <source>This page holds changes.</source>
        <translation>Diese Seite enthält Änderungen.</translation>
    </message>
    <message>
        <source>This page holds settings that differ from their default.</source>
        <translation>Diese Seite enthält Einstellungen, die vom Standard abweichen.</translation>
    </message>
</context>
<context>
    <name>trv::TerminalPreview</name>
    <message>
        <source>How the terminal program&apos;s text windows look in these colours. Click a line to choose its screen element.</source>
        <translation>So sehen die Textfenster des Terminalprogramms in diesen Farben aus. Ein Klick auf eine Zeile wählt ihr Bildschirmelement.</translation>
    </message>
    <message>
        <source>Welcome to the DB0ABC node</source>
        <translation>Willkommen am Node DB0ABC</translation>
    </message>
    <message>
        <source>Good morning, all on the node</source>
        <translation>Guten Morgen an alle am Node</translation>
    </message>
    <message>
        <source>New mail for DL1ABC</source>
        <translation>Neue Mail für DL1ABC</translation>
    </message>
    <message>
        <source>selected text</source>
        <translation>markierter Text</translation>
    </message>
</context>
<context>
    <name>trv::TncPage</name>
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
        <source>[%1] holds the program&apos;s own settings and cannot be a command block. Please choose another name.</source>
        <translation>[%1] enthält die Einstellungen des Programms selbst und kann kein Befehlsblock sein. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>A command block&apos;s name may not hold a comma or square brackets: the TNC line in TARVO.INI separates its fields with commas, and brackets enclose a section&apos;s name. Please choose another name.</source>
        <translation>Der Name eines Befehlsblocks darf weder Komma noch eckige Klammern enthalten: die TNC-Zeile in TARVO.INI trennt ihre Felder mit Kommas, und Klammern umschließen den Namen eines Abschnitts. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Edit the initialisation block</source>
        <translation>Den Initialisierungsblock bearbeiten</translation>
    </message>
    <message>
        <source>Edit the deinitialisation block</source>
        <translation>Den Deinitialisierungsblock bearbeiten</translation>
    </message>
    <message>
        <source>Add a TNC</source>
        <translation>Einen TNC hinzufügen</translation>
    </message>
    <message>
        <source>Delete the selected TNC</source>
        <translation>Den ausgewählten TNC löschen</translation>
    </message>
    <message>
        <source>COM &amp;port</source>
        <translation>COM-&amp;Port</translation>
    </message>
    <message>
        <source>D&amp;RSI</source>
        <translation>D&amp;RSI</translation>
    </message>
    <message>
        <source>A&amp;utoParam</source>
        <translation>A&amp;utoParam</translation>
    </message>
    <message>
        <source>UseXHo&amp;st</source>
        <translation>UseXHo&amp;st</translation>
    </message>
    <message>
        <source>&amp;FastPoll</source>
        <translation>&amp;FastPoll</translation>
    </message>
    <message>
        <source>&amp;Driver</source>
        <translation>&amp;Treiber</translation>
    </message>
    <message>
        <source>&amp;Baud rate</source>
        <translation>&amp;Baudrate</translation>
    </message>
    <message>
        <source>Packet &amp;length</source>
        <translation>Paket&amp;länge</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Kanäle</translation>
    </message>
    <message>
        <source>TNC &amp;Initialisation</source>
        <translation>TNC-&amp;Initialisierung</translation>
    </message>
    <message>
        <source>&amp;QRG</source>
        <translation>&amp;QRG</translation>
    </message>
    <message>
        <source>&amp;Hostmode type</source>
        <translation>&amp;Hostmode-Typ</translation>
    </message>
    <message>
        <source>Fla&amp;gs</source>
        <translation>Optio&amp;nen</translation>
    </message>
    <message>
        <source>TNC D&amp;einitialisation</source>
        <translation>TNC-D&amp;einitialisierung</translation>
    </message>
    <message>
        <source>TNCs</source>
        <translation>TNCs</translation>
    </message>
    <message numerus="yes">
        <source>%n chars</source>
        <translation>
            <numerusform>%n Zeichen</numerusform>
            <numerusform>%n Zeichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n Kanal</numerusform>
            <numerusform>%n Kanäle</numerusform>
        </translation>
    </message>
</context>
</TS>
