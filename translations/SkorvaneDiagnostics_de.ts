<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CheckExplanations</name>
    <message>
        <source>Press &quot;Download and install Skorvane&quot;: it installs Skorvane again.</source>
        <translation>Drücken Sie „Skorvane neu installieren“: Skorvane wird neu installiert.</translation>
    </message>
    <message>
        <source>Press &quot;Fix and check again&quot;: it creates the start-up shortcut.</source>
        <translation>Drücken Sie „Reparieren und prüfen“: Die Autostart-Verknüpfung wird erstellt.</translation>
    </message>
    <message>
        <source>The installation&apos;s entry HKEY_LOCAL_MACHINE\%1 could not be read (this user may not read the key), so where Skorvane is installed is not known.</source>
        <translation>Der Installationseintrag HKEY_LOCAL_MACHINE\%1 konnte nicht gelesen werden (dieser Benutzer darf den Schlüssel vielleicht nicht lesen), daher ist unbekannt, wo Skorvane installiert ist.</translation>
    </message>
    <message>
        <source>Ask your administrator to give your user the right to read that key, or start the tool as administrator.</source>
        <translation>Bitten Sie Ihren Administrator, Ihrem Benutzer das Leserecht für diesen Schlüssel zu geben, oder starten Sie das Programm als Administrator.</translation>
    </message>
    <message>
        <source>Skorvane is not installed: HKEY_LOCAL_MACHINE\%1 names no program (value &quot;DisplayIcon&quot;).</source>
        <translation>Skorvane ist nicht installiert: HKEY_LOCAL_MACHINE\%1 nennt kein Programm (Wert „DisplayIcon“).</translation>
    </message>
    <message>
        <source>Skorvane is not installed: %1 does not exist.</source>
        <translation>Skorvane ist nicht installiert: %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The file %1 is missing from the installation.</source>
        <translation>Die Datei %1 fehlt in der Installation.</translation>
    </message>
    <message>
        <source>Skorvane needs 64-bit Windows on an x64 processor.</source>
        <translation>Skorvane braucht 64-Bit-Windows auf einem x64-Prozessor.</translation>
    </message>
    <message>
        <source>This is 32-bit Windows (processor: %1).</source>
        <translation>Dies ist ein 32-Bit-Windows (Prozessor: %1).</translation>
    </message>
    <message>
        <source>Install 64-bit Windows: Skorvane does not run on 32-bit Windows.</source>
        <translation>Installieren Sie 64-Bit-Windows: Skorvane läuft nicht unter 32-Bit-Windows.</translation>
    </message>
    <message>
        <source>The processor is %1, not x64.</source>
        <translation>Der Prozessor ist %1, nicht x64.</translation>
    </message>
    <message>
        <source>Use Skorvane on a PC with an x64 processor.</source>
        <translation>Verwenden Sie Skorvane auf einem PC mit x64-Prozessor.</translation>
    </message>
    <message>
        <source>The tool asks Windows for its name and version.</source>
        <translation>Das Programm fragt Windows nach seinem Namen und seiner Version.</translation>
    </message>
    <message>
        <source>Windows did not give its name (the system information service did not answer).</source>
        <translation>Windows hat seinen Namen nicht genannt (der Systeminformationsdienst hat nicht geantwortet).</translation>
    </message>
    <message>
        <source>Start the service &quot;Windows Management Instrumentation&quot; (in Services), then press &quot;Fix and check again&quot;.</source>
        <translation>Starten Sie den Dienst „Windows-Verwaltungsinstrumentation“ (unter Dienste) und drücken Sie dann „Reparieren und prüfen“.</translation>
    </message>
    <message>
        <source>The program file must be exactly the one the installer wrote: its MD5 digest is compared with the one in the file beside it.</source>
        <translation>Die Programmdatei muss genau die sein, die das Installationsprogramm geschrieben hat: Ihr MD5-Hash wird mit dem in der Datei daneben verglichen.</translation>
    </message>
    <message>
        <source>The digest file %1 is missing.</source>
        <translation>Die Hash-Datei %1 fehlt.</translation>
    </message>
    <message>
        <source>The digest file %1 could not be read: another program may hold it open, or you may not have the right to read it.</source>
        <translation>Die Hash-Datei %1 konnte nicht gelesen werden: Ein anderes Programm hält sie vielleicht geöffnet, oder Sie dürfen sie nicht lesen.</translation>
    </message>
    <message>
        <source>The digest file %1 is %2 bytes long, far more than the 32 characters of a digest: it is not the file the installer wrote.</source>
        <translation>Die Hash-Datei %1 ist %2 Byte groß, weit mehr als die 32 Zeichen eines Hashs: Es ist nicht die Datei, die das Installationsprogramm geschrieben hat.</translation>
    </message>
    <message>
        <source>The program file %1 cannot be read.</source>
        <translation>Die Programmdatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The MD5 digest of %1 is %2, but %3 holds %4.</source>
        <translation>Der MD5-Hash von %1 ist %2, aber %3 enthält %4.</translation>
    </message>
    <message>
        <source>%1 could not be read: another program may hold it open, or you may not have the right to read it.</source>
        <translation>%1 konnte nicht gelesen werden: Ein anderes Programm hält die Datei vielleicht geöffnet, oder Sie dürfen sie nicht lesen.</translation>
    </message>
    <message>
        <source>Close the programs that may use the file (an antivirus scan, an installer), then press &quot;Fix and check again&quot;.</source>
        <translation>Schließen Sie die Programme, die die Datei verwenden könnten (ein Virenscan, ein Installationsprogramm), und drücken Sie dann „Reparieren und prüfen“.</translation>
    </message>
    <message>
        <source>The file must carry a valid digital signature.</source>
        <translation>Die Datei muss eine gültige digitale Signatur tragen.</translation>
    </message>
    <message>
        <source>%1 has no digital signature.</source>
        <translation>%1 hat keine digitale Signatur.</translation>
    </message>
    <message>
        <source>The signature of %1 (signer %2) does not verify: the file was changed after it was signed, or its certificate is not trusted.</source>
        <translation>Die Signatur von %1 (Unterzeichner %2) ist nicht gültig: Die Datei wurde nach dem Signieren verändert, oder ihr Zertifikat ist nicht vertrauenswürdig.</translation>
    </message>
    <message>
        <source>The file must be signed by its maker, %1.</source>
        <translation>Die Datei muss von ihrem Hersteller %1 signiert sein.</translation>
    </message>
    <message>
        <source>%1 has no digital signature, so no signer; %2 is expected.</source>
        <translation>%1 hat keine digitale Signatur und damit keinen Unterzeichner; erwartet wird %2.</translation>
    </message>
    <message>
        <source>%1 is signed by %2, not by %3.</source>
        <translation>%1 ist von %2 signiert, nicht von %3.</translation>
    </message>
    <message>
        <source>Explorer finds the Skorvane extension through four registered classes, each naming the installed DLL with the threading model &quot;Apartment&quot;.</source>
        <translation>Der Explorer findet die Skorvane-Erweiterung über vier registrierte Klassen, die jeweils die installierte DLL mit dem Threading-Modell „Apartment“ nennen.</translation>
    </message>
    <message>
        <source>it could not be read (this user may not read the key)</source>
        <translation>sie konnte nicht gelesen werden (dieser Benutzer darf den Schlüssel vielleicht nicht lesen)</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>the threading model is %1, not &quot;Apartment&quot;</source>
        <translation>das Threading-Modell ist %1, nicht „Apartment“</translation>
    </message>
    <message>
        <source>it names %1, not %2</source>
        <translation>sie nennt %1, nicht %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The extension&apos;s class registrations were not read.</source>
        <translation>Die Klassenregistrierungen der Erweiterung wurden nicht gelesen.</translation>
    </message>
    <message>
        <source>Press &quot;Download and install Skorvane&quot;: the installer registers the extension again.</source>
        <translation>Drücken Sie „Skorvane neu installieren“: Das Installationsprogramm registriert die Erweiterung erneut.</translation>
    </message>
    <message>
        <source>A shortcut in a start-up folder starts Skorvane when you log on.</source>
        <translation>Eine Verknüpfung in einem Autostart-Ordner startet Skorvane, wenn Sie sich anmelden.</translation>
    </message>
    <message>
        <source>There is no shortcut %1.</source>
        <translation>Es gibt keine Verknüpfung %1.</translation>
    </message>
    <message>
        <source>Nothing to do while the shortcut %1 starts Skorvane: one shortcut is enough.</source>
        <translation>Nichts zu tun, solange die Verknüpfung %1 Skorvane startet: Eine Verknüpfung genügt.</translation>
    </message>
    <message>
        <source>Press &quot;Fix and check again&quot;: it creates one shortcut, for all users when it may, else this one.</source>
        <translation>Drücken Sie „Reparieren und prüfen“: Es wird eine Verknüpfung erstellt, für alle Benutzer, wenn das erlaubt ist, sonst für diesen.</translation>
    </message>
    <message>
        <source>The start-up shortcut must start the installed Skorvane.</source>
        <translation>Die Autostart-Verknüpfung muss das installierte Skorvane starten.</translation>
    </message>
    <message>
        <source>The shortcut %1 does not start any program.</source>
        <translation>Die Verknüpfung %1 startet kein Programm.</translation>
    </message>
    <message>
        <source>The shortcut %1 starts %2, not %3.</source>
        <translation>Die Verknüpfung %1 startet %2, nicht %3.</translation>
    </message>
    <message>
        <source>Delete the shortcut %1, then press &quot;Fix and check again&quot; to create it anew.</source>
        <translation>Löschen Sie die Verknüpfung %1 und drücken Sie dann „Reparieren und prüfen“, um sie neu zu erstellen.</translation>
    </message>
    <message>
        <source>Windows starts a start-up shortcut only while its entry is enabled.</source>
        <translation>Windows startet eine Autostart-Verknüpfung nur, solange ihr Eintrag aktiviert ist.</translation>
    </message>
    <message>
        <source>The start-up entry &quot;Skorvane.lnk&quot; is disabled: %1 holds %2.</source>
        <translation>Der Autostart-Eintrag „Skorvane.lnk“ ist deaktiviert: %1 enthält %2.</translation>
    </message>
    <message>
        <source>Open the Task Manager, page &quot;Start-up&quot;, select Skorvane and press &quot;Enable&quot;.</source>
        <translation>Öffnen Sie den Task-Manager, Registerkarte „Autostart“, wählen Sie Skorvane aus und drücken Sie „Aktivieren“.</translation>
    </message>
    <message>
        <source>Skorvane must run for its copies and its Explorer extension to work.</source>
        <translation>Skorvane muss laufen, damit seine Kopien und seine Explorer-Erweiterung funktionieren.</translation>
    </message>
    <message>
        <source>No process runs %1 (it was looked for by its file name and path).</source>
        <translation>Kein Prozess führt %1 aus (gesucht nach Dateiname und Pfad).</translation>
    </message>
    <message>
        <source>Nothing to do: this pass started Skorvane after this check.</source>
        <translation>Nichts zu tun: Dieser Durchlauf hat Skorvane nach dieser Prüfung gestartet.</translation>
    </message>
    <message>
        <source>Start Skorvane from the Start menu; &quot;Quit&quot; also starts it as this tool ends.</source>
        <translation>Starten Sie Skorvane über das Startmenü; „Beenden“ startet es auch, wenn dieses Programm endet.</translation>
    </message>
    <message>
        <source>Not copied: %1.</source>
        <translation>Nicht kopiert: %1.</translation>
    </message>
    <message>
        <source>Set the environment variable TEMP to a folder of your own that you can write (usually %LOCALAPPDATA%\Temp), then start the tool again.</source>
        <translation>Setzen Sie die Umgebungsvariable TEMP auf einen eigenen Ordner, in den Sie schreiben dürfen (meist %LOCALAPPDATA%\Temp), und starten Sie das Programm dann erneut.</translation>
    </message>
    <message>
        <source>The temporary folder %1 (TEMP) is not a full path, so the test files have nowhere to go.</source>
        <translation>Der temporäre Ordner %1 (TEMP) ist kein vollständiger Pfad, die Testdateien können also nirgends hin.</translation>
    </message>
    <message>
        <source>The temporary folder %1 (TEMP) does not exist.</source>
        <translation>Der temporäre Ordner %1 (TEMP) existiert nicht.</translation>
    </message>
    <message>
        <source>No folder for the test files could be made in the temporary folder %1 (TEMP): it cannot be written.</source>
        <translation>Im temporären Ordner %1 (TEMP) konnte kein Ordner für die Testdateien angelegt werden: Er ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>The test files could not be written in %1.</source>
        <translation>Die Testdateien konnten nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Make room on the drive of the temporary folder, then press &quot;Fix and check again&quot;.</source>
        <translation>Schaffen Sie Platz auf dem Laufwerk des temporären Ordners und drücken Sie dann „Reparieren und prüfen“.</translation>
    </message>
    <message>
        <source>The tool runs Skorvane with &quot;--copy&quot; to copy two test files into %1.</source>
        <translation>Das Programm führt Skorvane mit „--copy“ aus, um zwei Testdateien nach %1 zu kopieren.</translation>
    </message>
    <message>
        <source>Press &quot;Fix and check again&quot; to repeat the test; if it fails again, press &quot;Download and install Skorvane&quot;.</source>
        <translation>Drücken Sie „Reparieren und prüfen“, um den Test zu wiederholen; schlägt er erneut fehl, drücken Sie „Skorvane neu installieren“.</translation>
    </message>
    <message>
        <source>%1 --copy was stopped: the check was ended before it finished.</source>
        <translation>%1 --copy wurde angehalten: Die Prüfung wurde beendet, bevor es fertig war.</translation>
    </message>
    <message>
        <source>%1 --copy did not end within %2 s and was stopped.</source>
        <translation>%1 --copy wurde nicht innerhalb von %2 s fertig und wurde angehalten.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>%1 --copy crashed.</source>
        <translation>%1 --copy ist abgestürzt.</translation>
    </message>
    <message>
        <source>%1 --copy ended with exit code %2.</source>
        <translation>%1 --copy endete mit dem Exit-Code %2.</translation>
    </message>
    <message>
        <source>Nothing took the request on the pipe %1 (given up after %2 ms): Skorvane does not run, or does not listen.</source>
        <translation>Niemand hat die Anfrage über die Pipe %1 angenommen (aufgegeben nach %2 ms): Skorvane läuft nicht oder hört nicht zu.</translation>
    </message>
    <message>
        <source>Skorvane took the request on the pipe %1 but did not finish its answer (given up after %2 ms).</source>
        <translation>Skorvane hat die Anfrage über die Pipe %1 angenommen, seine Antwort aber nicht beendet (aufgegeben nach %2 ms).</translation>
    </message>
    <message>
        <source>The answer to the request on the pipe %1 went past %2 MiB, far more than Skorvane ever answers, and was dropped (after %3 ms): a program other than Skorvane may hold the pipe.</source>
        <translation>Die Antwort auf die Anfrage über die Pipe %1 überschritt %2 MiB, weit mehr als Skorvane je antwortet, und wurde verworfen (nach %3 ms): Vielleicht hält ein anderes Programm als Skorvane die Pipe.</translation>
    </message>
    <message>
        <source>Quit Skorvane (from its icon by the clock) and start it again, then press &quot;Fix and check again&quot;.</source>
        <translation>Beenden Sie Skorvane (über sein Symbol neben der Uhr), starten Sie es neu und drücken Sie dann „Reparieren und prüfen“.</translation>
    </message>
    <message>
        <source>Skorvane must handle the files you drag and drop in Explorer; the tool asks it over its pipe.</source>
        <translation>Skorvane muss die Dateien verarbeiten, die Sie im Explorer ziehen und ablegen; das Programm fragt es über seine Pipe.</translation>
    </message>
    <message>
        <source>Skorvane answered on the pipe %1 that drag and drop is off.</source>
        <translation>Skorvane hat über die Pipe %1 geantwortet, dass Drag &amp; Drop ausgeschaltet ist.</translation>
    </message>
    <message>
        <source>Press &quot;Activate&quot; beside this row.</source>
        <translation>Drücken Sie „Aktivieren“ neben dieser Zeile.</translation>
    </message>
    <message>
        <source>Skorvane answered on the pipe %1 without saying whether drag and drop is on (after %2 ms).</source>
        <translation>Skorvane hat über die Pipe %1 geantwortet, ohne zu sagen, ob Drag &amp; Drop eingeschaltet ist (nach %2 ms).</translation>
    </message>
    <message>
        <source>The tool sends Skorvane the copy request that its Explorer extension sends, over the pipe %1.</source>
        <translation>Das Programm sendet Skorvane über die Pipe %1 die Kopieranfrage, die seine Explorer-Erweiterung sendet.</translation>
    </message>
    <message>
        <source>Skorvane answered (after %1 ms) but did not make every copy.</source>
        <translation>Skorvane hat geantwortet (nach %1 ms), aber nicht alle Kopien erstellt.</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>Nothing to do: run the pass without --observe to check it.</source>
        <translation>Nichts zu tun: Führen Sie den Durchlauf ohne --observe aus, um dies zu prüfen.</translation>
    </message>
    <message>
        <source>Nothing to do: run the pass as the user whose start-up it is to check it.</source>
        <translation>Nichts zu tun: Führen Sie den Durchlauf als der Benutzer aus, dessen Autostart es ist, um dies zu prüfen.</translation>
    </message>
</context>
<context>
    <name>CheckPass</name>
    <message>
        <source>Architecture</source>
        <translation>Architektur</translation>
    </message>
    <message>
        <source>Windows version</source>
        <translation>Windows-Version</translation>
    </message>
    <message>
        <source>Installation paths</source>
        <translation>Installationspfade</translation>
    </message>
    <message>
        <source>Integrity of the executable</source>
        <translation>Integrität der ausführbaren Datei</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Softwareversion</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Signaturen</translation>
    </message>
    <message>
        <source>Explorer plugin registration</source>
        <translation>Registrierung der Explorer-Erweiterung</translation>
    </message>
    <message>
        <source>Explorer plugin version</source>
        <translation>Version der Explorer-Erweiterung</translation>
    </message>
    <message>
        <source>Start-up shortcuts (with repair)</source>
        <translation>Autostart-Verknüpfungen (mit Reparatur)</translation>
    </message>
    <message>
        <source>Start-up shortcuts</source>
        <translation>Autostart-Verknüpfungen</translation>
    </message>
    <message>
        <source>Start-up approval</source>
        <translation>Autostart-Freigabe</translation>
    </message>
    <message>
        <source>Running state</source>
        <translation>Laufzustand</translation>
    </message>
    <message>
        <source>Command line copy</source>
        <translation>Kopieren über die Befehlszeile</translation>
    </message>
    <message>
        <source>not checked: --observe</source>
        <translation>nicht geprüft: --observe</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Log area</source>
        <translation>Protokollbereich</translation>
    </message>
    <message>
        <source>Plugin simulation</source>
        <translation>Simulation der Erweiterung</translation>
    </message>
    <message>
        <source>not checked: no user is signed in (%1)</source>
        <translation>nicht geprüft: Kein Benutzer ist angemeldet (%1)</translation>
    </message>
    <message>
        <source>not checked: --observe, and the product does not run</source>
        <translation>nicht geprüft: --observe, und das Produkt läuft nicht</translation>
    </message>
    <message>
        <source>Plugin DLL file do not exist</source>
        <translation>DLL der Erweiterung fehlt</translation>
    </message>
</context>
<context>
    <name>CheckRows</name>
    <message>
        <source>Window 64 bits (x64 Mandatory)</source>
        <translation>Windows 64 Bit (x64 erforderlich)</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Windows version</source>
        <translation>Windows-Version</translation>
    </message>
    <message>
        <source>Integrity of software exe</source>
        <translation>Integrität der Programmdatei</translation>
    </message>
    <message>
        <source>Check exe is signed</source>
        <translation>Programmdatei ist signiert</translation>
    </message>
    <message>
        <source>Check exe is signed with good certificate name</source>
        <translation>Programmdatei mit richtigem Zertifikat signiert</translation>
    </message>
    <message>
        <source>Shortcut installed for all users</source>
        <translation>Verknüpfung für alle Benutzer</translation>
    </message>
    <message>
        <source>Shortcut point to the uninstall dir ? (all users)</source>
        <translation>Ziel: Installationsordner? (alle Benutzer)</translation>
    </message>
    <message>
        <source>Shortcut installed for current user</source>
        <translation>Verknüpfung für aktuellen Benutzer</translation>
    </message>
    <message>
        <source>Shortcut point to the uninstall dir ? (current user)</source>
        <translation>Ziel: Installationsordner? (aktueller Benutzer)</translation>
    </message>
    <message>
        <source>Shortcut allowed to run</source>
        <translation>Verknüpfung darf starten</translation>
    </message>
    <message>
        <source>Check install Explorer plugin registered</source>
        <translation>Explorer-Erweiterung registriert</translation>
    </message>
    <message>
        <source>Check plugin is signed</source>
        <translation>Erweiterung ist signiert</translation>
    </message>
    <message>
        <source>Check plugin is signed with good certificate name</source>
        <translation>Erweiterung mit richtigem Zertifikat signiert</translation>
    </message>
    <message>
        <source>Explorer Drag and Drop activated</source>
        <translation>Drag &amp; Drop im Explorer aktiviert</translation>
    </message>
    <message>
        <source>Command line copy</source>
        <translation>Kopieren über die Befehlszeile</translation>
    </message>
    <message>
        <source>is Skorvane is running</source>
        <translation>Skorvane läuft</translation>
    </message>
    <message>
        <source>Interact with Skorvane (log)</source>
        <translation>Austausch mit Skorvane (Protokoll)</translation>
    </message>
    <message>
        <source>Simulate communication from plugin</source>
        <translation>Kommunikation der Erweiterung simulieren</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
</context>
<context>
    <name>DownloadAction</name>
    <message>
        <source>You are going to install Skorvane !</source>
        <translation>Sie installieren jetzt Skorvane!</translation>
    </message>
</context>
<context>
    <name>InstallerVerdict</name>
    <message>
        <source>The downloaded installer is not signed, so nobody can tell who made it. It was not run.</source>
        <translation>Das heruntergeladene Installationsprogramm ist nicht signiert, niemand kann also sagen, wer es erstellt hat. Es wurde nicht ausgeführt.</translation>
    </message>
    <message>
        <source>The downloaded installer&apos;s signature does not match its content: it was changed after it was signed, or the signature cannot be trusted. It was not run.</source>
        <translation>Die Signatur des heruntergeladenen Installationsprogramms passt nicht zu seinem Inhalt: Es wurde nach dem Signieren verändert, oder der Signatur kann nicht vertraut werden. Es wurde nicht ausgeführt.</translation>
    </message>
    <message>
        <source>The downloaded installer is signed by &quot;%1&quot;, not by %2, the maker of Skorvane. It was not run.</source>
        <translation>Das heruntergeladene Installationsprogramm ist von „%1“ signiert, nicht von %2, dem Hersteller von Skorvane. Es wurde nicht ausgeführt.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skorvane Diagnostic</source>
        <translation>Skorvane Diagnostic</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Window 64 bits (x64 Mandatory)</source>
        <translation>Windows 64 Bit (x64 erforderlich)</translation>
    </message>
    <message>
        <source>Windows version</source>
        <translation>Windows-Version</translation>
    </message>
    <message>
        <source>Check Install</source>
        <translation>Installation prüfen</translation>
    </message>
    <message>
        <source>Integrity of software exe</source>
        <translation>Integrität der Programmdatei</translation>
    </message>
    <message>
        <source>Check exe is signed</source>
        <translation>Programmdatei ist signiert</translation>
    </message>
    <message>
        <source>Check exe is signed with good certificate name</source>
        <translation>Programmdatei mit richtigem Zertifikat signiert</translation>
    </message>
    <message>
        <source>Check shortcuts</source>
        <translation>Verknüpfungen prüfen</translation>
    </message>
    <message>
        <source>Shortcut installed for all users</source>
        <translation>Verknüpfung für alle Benutzer</translation>
    </message>
    <message>
        <source>Shortcut point to the uninstall dir ?</source>
        <translation>Ziel: Installationsordner?</translation>
    </message>
    <message>
        <source>Shortcut installed for current user</source>
        <translation>Verknüpfung für aktuellen Benutzer</translation>
    </message>
    <message>
        <source>Shortcut allowed to run</source>
        <translation>Verknüpfung darf starten</translation>
    </message>
    <message>
        <source>Check Explorer plugin:</source>
        <translation>Explorer-Erweiterung prüfen:</translation>
    </message>
    <message>
        <source>Check install Explorer plugin registered</source>
        <translation>Explorer-Erweiterung registriert</translation>
    </message>
    <message>
        <source>Check plugin is signed</source>
        <translation>Erweiterung ist signiert</translation>
    </message>
    <message>
        <source>Check plugin is signed with good certificate name</source>
        <translation>Erweiterung mit richtigem Zertifikat signiert</translation>
    </message>
    <message>
        <source>Explorer Drag and Drop activated</source>
        <translation>Drag &amp; Drop im Explorer aktiviert</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Check level UAC by process</source>
        <translation>UAC-Stufe je Prozess prüfen</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Explorer</translation>
    </message>
    <message>
        <source>Diagnostic</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>Skorvane</source>
        <translation>Skorvane</translation>
    </message>
    <message>
        <source>Automatic copy test</source>
        <translation>Automatischer Kopiertest</translation>
    </message>
    <message>
        <source>Command line copy</source>
        <translation>Kopieren über die Befehlszeile</translation>
    </message>
    <message>
        <source>Command clipboard past and copy</source>
        <translation>Kopieren durch Einfügen aus der Zwischenablage</translation>
    </message>
    <message>
        <source>is Skorvane is running</source>
        <translation>Skorvane läuft</translation>
    </message>
    <message>
        <source>Plugin/Exe communication</source>
        <translation>Kommunikation Erweiterung/Programm</translation>
    </message>
    <message>
        <source>Simulate communication from plugin</source>
        <translation>Kommunikation der Erweiterung simulieren</translation>
    </message>
    <message>
        <source>Interact with Skorvane</source>
        <translation>Austausch mit Skorvane</translation>
    </message>
    <message>
        <source>Skorvane is launched</source>
        <translation>Skorvane ist gestartet</translation>
    </message>
    <message>
        <source>What to do</source>
        <translation>Was zu tun ist</translation>
    </message>
    <message>
        <source>Download and install Skorvane</source>
        <translation>Skorvane neu installieren</translation>
    </message>
    <message>
        <source>Fix and check again</source>
        <translation>Reparieren und prüfen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Send report</source>
        <translation>Bericht senden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>%1 - %2 of %3</source>
        <translation>%1 - %2 von %3</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2&lt;br&gt;&lt;b&gt;Cause:&lt;/b&gt; %3&lt;br&gt;&lt;b&gt;What to do:&lt;/b&gt; %4</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2&lt;br&gt;&lt;b&gt;Ursache:&lt;/b&gt; %3&lt;br&gt;&lt;b&gt;Was zu tun ist:&lt;/b&gt; %4</translation>
    </message>
    <message>
        <source>Sending the report that waited…</source>
        <translation>Der wartende Bericht wird gesendet…</translation>
    </message>
    <message>
        <source>Sending waiting report %1 of %2…</source>
        <translation>Wartender Bericht %1 von %2 wird gesendet…</translation>
    </message>
    <message>
        <source>Report number %1 sent: quote it to support.</source>
        <translation>Bericht Nummer %1 gesendet: Nennen Sie sie dem Support.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cause: %1 What to do: %2</source>
        <translation>Ursache: %1 Was zu tun ist: %2</translation>
    </message>
</context>
<context>
    <name>NetworkProxy</name>
    <message>
        <source>The proxy setting &quot;%1&quot; is not &quot;system&quot;, &quot;none&quot; or an address http://host:port: the system&apos;s proxy configuration is used.</source>
        <translation>Die Proxy-Einstellung „%1“ ist weder „system“ noch „none“ noch eine Adresse http://host:port: Die Proxy-Konfiguration des Systems wird verwendet.</translation>
    </message>
</context>
<context>
    <name>Orv::HttpsExchange</name>
    <message>
        <source>nothing moved for %1 ms</source>
        <translation>nichts wurde %1 ms lang übertragen</translation>
    </message>
    <message>
        <source>%1 bytes moved in %2 ms</source>
        <translation>%1 Byte in %2 ms übertragen</translation>
    </message>
    <message>
        <source>the proxy refused the user name and password</source>
        <translation>der Proxy hat Benutzername und Passwort abgelehnt</translation>
    </message>
    <message>
        <source>the proxy asked for a user name and password</source>
        <translation>der Proxy hat nach Benutzername und Passwort gefragt</translation>
    </message>
    <message>
        <source>not an https:// address</source>
        <translation>keine https://-Adresse</translation>
    </message>
    <message>
        <source>the answer&apos;s header fields pass %1 bytes</source>
        <translation>die Kopfzeilen der Antwort überschreiten %1 Byte</translation>
    </message>
    <message>
        <source>the answer has more than %1 header fields</source>
        <translation>die Antwort hat mehr als %1 Kopfzeilen</translation>
    </message>
    <message>
        <source>a header line is not a field: %1</source>
        <translation>eine Kopfzeile ist kein Feld: %1</translation>
    </message>
    <message>
        <source>not an HTTP status line: %1</source>
        <translation>keine HTTP-Statuszeile: %1</translation>
    </message>
    <message>
        <source>the answer&apos;s framing is not HTTP/1.1&apos;s: Transfer-Encoding %1%2</source>
        <translation>die Rahmung der Antwort ist nicht die von HTTP/1.1: Transfer-Encoding %1%2</translation>
    </message>
    <message>
        <source>the answer&apos;s length is not a number: %1</source>
        <translation>die Länge der Antwort ist keine Zahl: %1</translation>
    </message>
    <message>
        <source>the answer announced two different lengths</source>
        <translation>die Antwort hat zwei verschiedene Längen angekündigt</translation>
    </message>
    <message>
        <source>a chunk-size line passes %1 bytes</source>
        <translation>eine Chunk-Größenzeile überschreitet %1 Byte</translation>
    </message>
    <message>
        <source>an invalid chunk size: %1</source>
        <translation>eine ungültige Chunk-Größe: %1</translation>
    </message>
    <message>
        <source>a chunk is longer than its size said</source>
        <translation>ein Chunk ist länger als seine Größe angab</translation>
    </message>
    <message>
        <source>the connection closed before an answer came</source>
        <translation>die Verbindung wurde geschlossen, bevor eine Antwort kam</translation>
    </message>
    <message>
        <source>the connection closed after %1 of the %2 bytes announced</source>
        <translation>die Verbindung wurde nach %1 der %2 angekündigten Byte geschlossen</translation>
    </message>
    <message>
        <source>the connection closed before the last chunk</source>
        <translation>die Verbindung wurde vor dem letzten Chunk geschlossen</translation>
    </message>
</context>
<context>
    <name>Orv::NetworkProxy</name>
    <message>
        <source>no https_proxy in the environment</source>
        <translation>kein https_proxy in der Umgebung</translation>
    </message>
    <message>
        <source>https_proxy is not a proxy address</source>
        <translation>https_proxy ist keine Proxy-Adresse</translation>
    </message>
    <message>
        <source>https_proxy in the environment</source>
        <translation>https_proxy in der Umgebung</translation>
    </message>
    <message>
        <source>the system&apos;s proxy configuration (Internet Options)</source>
        <translation>die Proxy-Konfiguration des Systems (Internetoptionen)</translation>
    </message>
    <message>
        <source>the system&apos;s proxy configuration names no proxy</source>
        <translation>die Proxy-Konfiguration des Systems nennt keinen Proxy</translation>
    </message>
    <message>
        <source>the setting &lt;Network proxy=&quot;none&quot;/&gt;</source>
        <translation>die Einstellung &lt;Network proxy=&quot;none&quot;/&gt;</translation>
    </message>
    <message>
        <source>the setting &lt;Network proxy=...&gt;</source>
        <translation>die Einstellung &lt;Network proxy=...&gt;</translation>
    </message>
</context>
<context>
    <name>Orv::ProxyAuthentication</name>
    <message>
        <source>the proxy asked for a sign-in %1 times</source>
        <translation>der Proxy hat %1-mal nach einer Anmeldung gefragt</translation>
    </message>
    <message>
        <source>the proxy&apos;s NTLM challenge is malformed</source>
        <translation>die NTLM-Challenge des Proxys ist fehlerhaft</translation>
    </message>
    <message>
        <source>the proxy refused the user name and password</source>
        <translation>der Proxy hat Benutzername und Passwort abgelehnt</translation>
    </message>
    <message>
        <source>the proxy asks for a sign-in this program cannot give (%1)</source>
        <translation>der Proxy verlangt eine Anmeldung, die dieses Programm nicht geben kann (%1)</translation>
    </message>
    <message>
        <source>the proxy asked for a user name and password</source>
        <translation>der Proxy hat nach Benutzername und Passwort gefragt</translation>
    </message>
</context>
<context>
    <name>Orv::ProxyTunnel</name>
    <message>
        <source>the proxy&apos;s answer passes %1 bytes</source>
        <translation>die Antwort des Proxys überschreitet %1 Byte</translation>
    </message>
    <message>
        <source>the proxy&apos;s answer has more than %1 header fields</source>
        <translation>die Antwort des Proxys hat mehr als %1 Kopfzeilen</translation>
    </message>
    <message>
        <source>the proxy&apos;s answer is not HTTP: %1</source>
        <translation>die Antwort des Proxys ist kein HTTP: %1</translation>
    </message>
    <message>
        <source>the proxy sent more than its answer before the site spoke</source>
        <translation>der Proxy hat mehr als seine Antwort gesendet, bevor die Website sprach</translation>
    </message>
    <message>
        <source>the proxy answered %1 %2</source>
        <translation>der Proxy hat %1 %2 geantwortet</translation>
    </message>
    <message>
        <source>the proxy asked for a user name and password</source>
        <translation>der Proxy hat nach Benutzername und Passwort gefragt</translation>
    </message>
    <message>
        <source>the proxy closed the connection before it opened the way</source>
        <translation>der Proxy hat die Verbindung geschlossen, bevor er den Weg öffnete</translation>
    </message>
</context>
<context>
    <name>Orv::UIDialogDownloadAndInstallUpdate</name>
    <message>
        <source>Downloading...</source>
        <translation>Wird heruntergeladen…</translation>
    </message>
    <message>
        <source>The installer is downloaded. Install Skorvane now?</source>
        <translation>Das Installationsprogramm ist heruntergeladen. Skorvane jetzt installieren?</translation>
    </message>
    <message>
        <source>The download failed. %1</source>
        <translation>Der Download ist fehlgeschlagen. %1</translation>
    </message>
    <message>
        <source>Windows asked for permission to run the installer, and it was not given. Nothing was installed: press Install to be asked again.</source>
        <translation>Windows hat um die Erlaubnis gebeten, das Installationsprogramm auszuführen, und sie wurde nicht erteilt. Es wurde nichts installiert: Drücken Sie Installieren, um erneut gefragt zu werden.</translation>
    </message>
    <message>
        <source>The installer %1 is no longer there; an antivirus may have removed it. Nothing was installed.</source>
        <translation>Das Installationsprogramm %1 ist nicht mehr da; vielleicht hat ein Virenschutz es entfernt. Es wurde nichts installiert.</translation>
    </message>
    <message>
        <source>This computer did not allow the installer %1 to run (access denied). Nothing was installed.</source>
        <translation>Dieser Computer hat dem Installationsprogramm %1 die Ausführung nicht erlaubt (Zugriff verweigert). Es wurde nichts installiert.</translation>
    </message>
    <message>
        <source>The file %1 is not a program this computer can run. Nothing was installed.</source>
        <translation>Die Datei %1 ist kein Programm, das dieser Computer ausführen kann. Es wurde nichts installiert.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started (error %2). Nothing was installed.</source>
        <translation>Das Installationsprogramm %1 konnte nicht gestartet werden (Fehler %2). Es wurde nichts installiert.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Update file doesn&apos;t exist anymore, maybe antivirus removed it, start without updating.</source>
        <translation>Die Update-Datei existiert nicht mehr, vielleicht hat ein Virenschutz sie entfernt; Start ohne Update.</translation>
    </message>
    <message>
        <source>Installer refused</source>
        <translation>Installationsprogramm abgelehnt</translation>
    </message>
    <message>
        <source>The installer did not start</source>
        <translation>Das Installationsprogramm ist nicht gestartet</translation>
    </message>
</context>
<context>
    <name>OutboxSender</name>
    <message>
        <source>the site asked to wait until %1</source>
        <translation>die Website hat gebeten, bis %1 zu warten</translation>
    </message>
    <message>
        <source>1 waiting report sent.</source>
        <translation>1 wartender Bericht gesendet.</translation>
    </message>
    <message>
        <source>%1 waiting reports sent.</source>
        <translation>%1 wartende Berichte gesendet.</translation>
    </message>
    <message>
        <source>1 report refused by the site.</source>
        <translation>1 Bericht von der Website abgelehnt.</translation>
    </message>
    <message>
        <source>%1 reports refused by the site.</source>
        <translation>%1 Berichte von der Website abgelehnt.</translation>
    </message>
    <message>
        <source>1 report still waiting to be sent.</source>
        <translation>1 Bericht wartet noch darauf, gesendet zu werden.</translation>
    </message>
    <message>
        <source>%1 reports still waiting to be sent.</source>
        <translation>%1 Berichte warten noch darauf, gesendet zu werden.</translation>
    </message>
</context>
<context>
    <name>QCheckSplash</name>
    <message>
        <source>%1 - %2 of %3</source>
        <translation>%1 - %2 von %3</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>ReportHtml</name>
    <message>
        <source>What to do:</source>
        <translation>Was zu tun ist:</translation>
    </message>
    <message>
        <source>(no screenshot)</source>
        <translation>(kein Bildschirmfoto)</translation>
    </message>
    <message>
        <source>Report number</source>
        <translation>Berichtsnummer</translation>
    </message>
    <message>
        <source>%1 %2 - diagnostic report</source>
        <translation>%1 %2 - Diagnosebericht</translation>
    </message>
    <message>
        <source>(none: anonymous)</source>
        <translation>(keine: anonym)</translation>
    </message>
    <message>
        <source>en</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Why it failed</source>
        <translation>Warum sie fehlschlug</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>(%1 lines)</source>
        <translation>(%1 Zeilen)</translation>
    </message>
    <message>
        <source>    Cause: %1
    What to do: %2
</source>
        <translation>    Ursache: %1
    Was zu tun ist: %2
</translation>
    </message>
</context>
<context>
    <name>ReportOutbox</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 bytes, larger than any report</source>
        <translation>%1 Byte, größer als jeder Bericht</translation>
    </message>
    <message>
        <source>not a report this program wrote</source>
        <translation>kein Bericht, den dieses Programm geschrieben hat</translation>
    </message>
    <message>
        <source>cut short or damaged</source>
        <translation>abgeschnitten oder beschädigt</translation>
    </message>
    <message>
        <source>%1 in the outbox is %2: set aside, not sent.</source>
        <translation>%1 im Postausgang ist %2: beiseitegelegt, nicht gesendet.</translation>
    </message>
    <message>
        <source>%1 in the outbox is %2, and could not be set aside.</source>
        <translation>%1 im Postausgang ist %2 und konnte nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>older than %1 days</source>
        <translation>älter als %1 Tage</translation>
    </message>
    <message>
        <source>more than %1 reports wait</source>
        <translation>mehr als %1 Berichte warten</translation>
    </message>
    <message>
        <source>the reports waiting pass %1 MiB</source>
        <translation>die wartenden Berichte überschreiten %1 MiB</translation>
    </message>
</context>
<context>
    <name>SendWaiting</name>
    <message>
        <source>No report waits.</source>
        <translation>Kein Bericht wartet.</translation>
    </message>
</context>
<context>
    <name>SiteAddress</name>
    <message>
        <source>The site address &quot;%1&quot; is not an https:// address, so nothing is sent to it. Set an https:// address in data/GlobalConfig.xml (&lt;Site address=&quot;...&quot;/&gt;).</source>
        <translation>Die Website-Adresse „%1“ ist keine https://-Adresse, daher wird nichts an sie gesendet. Tragen Sie eine https://-Adresse in data/GlobalConfig.xml ein (&lt;Site address=&quot;...&quot;/&gt;).</translation>
    </message>
</context>
<context>
    <name>SiteCheck</name>
    <message>
        <source>through the proxy %1 (%2)</source>
        <translation>über den Proxy %1 (%2)</translation>
    </message>
    <message>
        <source>direct, no proxy (%1)</source>
        <translation>direkt, ohne Proxy (%1)</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 ist %2</translation>
    </message>
    <message>
        <source>%1 could not be found (DNS): %2</source>
        <translation>%1 wurde nicht gefunden (DNS): %2</translation>
    </message>
    <message>
        <source>%1: no answer from the name service within %2 s</source>
        <translation>%1: keine Antwort vom Namensdienst innerhalb von %2 s</translation>
    </message>
    <message>
        <source>connected to %1</source>
        <translation>verbunden mit %1</translation>
    </message>
    <message>
        <source>%1 refused the connection</source>
        <translation>%1 hat die Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the proxy did not open the way: %1</source>
        <translation>der Proxy hat den Weg nicht geöffnet: %1</translation>
    </message>
    <message>
        <source>the proxy opened the way to %1</source>
        <translation>der Proxy hat den Weg zu %1 geöffnet</translation>
    </message>
    <message>
        <source>not trusted: %1</source>
        <translation>nicht vertrauenswürdig: %1</translation>
    </message>
    <message>
        <source>not trusted: the certificate was issued by &quot;%1&quot;, which this computer does not trust</source>
        <translation>nicht vertrauenswürdig: Das Zertifikat wurde von „%1“ ausgestellt, dem dieser Computer nicht vertraut</translation>
    </message>
    <message>
        <source>trusted, certificate issued by &quot;%1&quot;</source>
        <translation>vertrauenswürdig, Zertifikat ausgestellt von „%1“</translation>
    </message>
    <message>
        <source>HTTP %1 %2</source>
        <translation>HTTP %1 %2</translation>
    </message>
    <message>
        <source>no answer: %1</source>
        <translation>keine Antwort: %1</translation>
    </message>
    <message>
        <source>nothing within the bound</source>
        <translation>nichts innerhalb der Frist</translation>
    </message>
    <message>
        <source>Route to %1</source>
        <translation>Weg zu %1</translation>
    </message>
    <message>
        <source>The site can be reached.</source>
        <translation>Die Website ist erreichbar.</translation>
    </message>
    <message>
        <source>The site cannot be reached.</source>
        <translation>Die Website ist nicht erreichbar.</translation>
    </message>
</context>
<context>
    <name>SkorvaneDiagnosticsCli</name>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>    Cause: %1
    Fix:   %2
</source>
        <translation>    Ursache: %1
    Abhilfe: %2
</translation>
    </message>
</context>
<context>
    <name>TransferAdvice</name>
    <message>
        <source>Check the proxy&apos;s address in the Internet Options, or ask your IT for it.</source>
        <translation>Prüfen Sie die Adresse des Proxys in den Internetoptionen, oder fragen Sie Ihre IT danach.</translation>
    </message>
    <message>
        <source>Check the Internet connection. In a company, ask your IT which proxy to use: the tool takes the one of the Internet Options, or &lt;Network proxy=&quot;...&quot;/&gt;.</source>
        <translation>Prüfen Sie die Internetverbindung. Fragen Sie in einer Firma Ihre IT, welchen Proxy Sie verwenden sollen: Das Programm nimmt den aus den Internetoptionen oder &lt;Network proxy=&quot;...&quot;/&gt;.</translation>
    </message>
    <message>
        <source>Ask your IT whether the proxy %1 works and lets this program out.</source>
        <translation>Fragen Sie Ihre IT, ob der Proxy %1 funktioniert und dieses Programm hinauslässt.</translation>
    </message>
    <message>
        <source>Check the Internet connection and the firewall, then press &quot;Retry&quot;.</source>
        <translation>Prüfen Sie die Internetverbindung und die Firewall und drücken Sie dann „Erneut versuchen“.</translation>
    </message>
    <message>
        <source>Ask your IT for the user name and password of the proxy %1, then press &quot;Retry&quot;.</source>
        <translation>Fragen Sie Ihre IT nach Benutzername und Passwort des Proxys %1 und drücken Sie dann „Erneut versuchen“.</translation>
    </message>
    <message>
        <source>Ask your IT to let the proxy %1 open the way to the maker&apos;s site.</source>
        <translation>Bitten Sie Ihre IT, den Proxy %1 den Weg zur Website des Herstellers öffnen zu lassen.</translation>
    </message>
    <message>
        <source>Check the computer&apos;s date and time; in a company, ask your IT whether HTTPS is inspected.</source>
        <translation>Prüfen Sie Datum und Uhrzeit des Computers; fragen Sie in einer Firma Ihre IT, ob HTTPS untersucht wird.</translation>
    </message>
    <message>
        <source>Ask your IT to add &quot;%1&quot; to this computer&apos;s trusted root certificates.</source>
        <translation>Bitten Sie Ihre IT, „%1“ zu den vertrauenswürdigen Stammzertifikaten dieses Computers hinzuzufügen.</translation>
    </message>
    <message>
        <source>Press &quot;Retry&quot; later; if it fails again, save the report and send it by e-mail.</source>
        <translation>Drücken Sie später „Erneut versuchen“; schlägt es wieder fehl, speichern Sie den Bericht und senden Sie ihn per E-Mail.</translation>
    </message>
</context>
<context>
    <name>UIDialogDownloadAndInstallUpdate</name>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Wird heruntergeladen…</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>UIDialogProxyCredentials</name>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Used for this run only: never saved, never written to a log or a report.</source>
        <translation>Nur für diesen Lauf verwendet: nie gespeichert, nie in ein Protokoll oder einen Bericht geschrieben.</translation>
    </message>
    <message>
        <source>The proxy %1 asks for a user name and password before it lets this program reach the maker&apos;s site.</source>
        <translation>Der Proxy %1 verlangt Benutzername und Passwort, bevor er dieses Programm die Website des Herstellers erreichen lässt.</translation>
    </message>
</context>
<context>
    <name>UIDialogQuestion</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save all</source>
        <translation>Alle speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Yes to all</source>
        <translation>Ja für alle</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>No to all</source>
        <translation>Nein für alle</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Restore to defaults</source>
        <translation>Standardwerte wiederherstellen</translation>
    </message>
</context>
<context>
    <name>UIDialogReportDetails</name>
    <message>
        <source>What the report carries</source>
        <translation>Was der Bericht enthält</translation>
    </message>
    <message>
        <source>(no screenshot)</source>
        <translation>(kein Bildschirmfoto)</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Product:</source>
        <translation>Produkt:</translation>
    </message>
    <message>
        <source>Report number:</source>
        <translation>Berichtsnummer:</translation>
    </message>
    <message>
        <source>Explanation:</source>
        <translation>Erklärung:</translation>
    </message>
    <message>
        <source>Check results:</source>
        <translation>Prüfergebnisse:</translation>
    </message>
    <message>
        <source>The report, as sent:</source>
        <translation>Der Bericht, wie er gesendet wird:</translation>
    </message>
    <message>
        <source>(none: the report is anonymous)</source>
        <translation>(keine: Der Bericht ist anonym)</translation>
    </message>
    <message>
        <source>A crash report: the crash dump file %1</source>
        <translation>Ein Absturzbericht: die Speicherabbilddatei %1</translation>
    </message>
</context>
<context>
    <name>UIPanelDumpSend</name>
    <message>
        <source>Sorry, a crash occurred during the last launch.</source>
        <translation>Leider ist beim letzten Start ein Absturz aufgetreten.</translation>
    </message>
    <message>
        <source>Please describe the way it occur (Optional)</source>
        <translation>Bitte beschreiben Sie, wie es dazu kam (optional)</translation>
    </message>
    <message>
        <source>e-mail (Optional)</source>
        <translation>E-Mail (optional)</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Add executable parameters to facilitate debugging (Optional)</source>
        <translation>Programmparameter zur leichteren Fehlersuche hinzufügen (optional)</translation>
    </message>
    <message>
        <source>Details…</source>
        <translation>Details…</translation>
    </message>
    <message>
        <source>Save report…</source>
        <translation>Bericht speichern…</translation>
    </message>
    <message>
        <source>Submit diagnostics</source>
        <translation>Diagnose senden</translation>
    </message>
    <message>
        <source>Submit bug report and continue</source>
        <translation>Fehlerbericht senden und fortfahren</translation>
    </message>
    <message>
        <source>Skip bug report and continue</source>
        <translation>Fehlerbericht überspringen und fortfahren</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>Webseite (*.html)</translation>
    </message>
    <message>
        <source>Explain your problem (Optional)</source>
        <translation>Beschreiben Sie Ihr Problem (optional)</translation>
    </message>
    <message>
        <source>Diagnotic report</source>
        <translation>Diagnosebericht</translation>
    </message>
    <message>
        <source>Do you want to send an anonymous report?
Please note that we won’t be able to reply directly unless you provide an email address.</source>
        <translation>Möchten Sie einen anonymen Bericht senden?
Bitte beachten Sie, dass wir Ihnen ohne E-Mail-Adresse nicht direkt antworten können.</translation>
    </message>
    <message>
        <source>Anonymous report</source>
        <translation>Anonymer Bericht</translation>
    </message>
    <message>
        <source>The website moved fewer than %1 bytes in %2 seconds: too slow to ever finish.</source>
        <translation>Die Website hat in %2 Sekunden weniger als %1 Byte übertragen: zu langsam, um je fertig zu werden.</translation>
    </message>
    <message>
        <source>The proxy %1 did not answer for %2 s.</source>
        <translation>Der Proxy %1 hat %2 s lang nicht geantwortet.</translation>
    </message>
    <message>
        <source>The website did not answer for 1 second.</source>
        <translation>Die Website hat 1 Sekunde lang nicht geantwortet.</translation>
    </message>
    <message>
        <source>The website did not answer for %1 seconds.</source>
        <translation>Die Website hat %1 Sekunden lang nicht geantwortet.</translation>
    </message>
    <message>
        <source>Can&apos;t connect to website</source>
        <translation>Keine Verbindung zur Website möglich</translation>
    </message>
    <message>
        <source>Can&apos;t connect to website: its certificate was issued by &quot;%1&quot;, which this computer does not trust.</source>
        <translation>Keine Verbindung zur Website möglich: Ihr Zertifikat wurde von „%1“ ausgestellt, dem dieser Computer nicht vertraut.</translation>
    </message>
    <message>
        <source>The proxy asked for a user name and password (proxy %1).</source>
        <translation>Der Proxy hat nach Benutzername und Passwort gefragt (Proxy %1).</translation>
    </message>
    <message>
        <source>The proxy %1 did not open the way to the website: %2</source>
        <translation>Der Proxy %1 hat den Weg zur Website nicht geöffnet: %2</translation>
    </message>
    <message>
        <source>The website&apos;s name could not be found: no Internet connection, or a wrong site address.</source>
        <translation>Der Name der Website wurde nicht gefunden: keine Internetverbindung oder eine falsche Website-Adresse.</translation>
    </message>
    <message>
        <source>The proxy&apos;s name %1 could not be found.</source>
        <translation>Der Name des Proxys %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Website problem or firewall blocking Internet access!</source>
        <translation>Problem der Website oder eine Firewall blockiert den Internetzugang!</translation>
    </message>
    <message>
        <source>Thank you for sending your diagnostic report.</source>
        <translation>Danke, dass Sie Ihren Diagnosebericht gesendet haben.</translation>
    </message>
    <message>
        <source>Thank you for sending your crash report.</source>
        <translation>Danke, dass Sie Ihren Absturzbericht gesendet haben.</translation>
    </message>
    <message>
        <source>Report number %1: quote it to support.</source>
        <translation>Berichtsnummer %1: Nennen Sie sie dem Support.</translation>
    </message>
    <message>
        <source>Your report is kept on this computer and will be sent when the site can be reached.</source>
        <translation>Ihr Bericht wird auf diesem Computer aufbewahrt und gesendet, sobald die Website erreichbar ist.</translation>
    </message>
    <message>
        <source>The report could not be kept on this computer (%1): use &quot;Save report…&quot; to keep it.</source>
        <translation>Der Bericht konnte nicht auf diesem Computer aufbewahrt werden (%1): Verwenden Sie „Bericht speichern…“, um ihn zu behalten.</translation>
    </message>
    <message>
        <source>The report could not be saved to %1:
%2
Nothing was lost: choose another place.</source>
        <translation>Der Bericht konnte nicht unter %1 gespeichert werden:
%2
Nichts ging verloren: Wählen Sie einen anderen Ort.</translation>
    </message>
    <message>
        <source>Report (Anonymous)</source>
        <translation>Bericht (anonym)</translation>
    </message>
    <message>
        <source>Report (Email shared, we may contact you for more information)</source>
        <translation>Bericht (E-Mail geteilt, wir können Sie für weitere Informationen kontaktieren)</translation>
    </message>
</context>
<context>
    <name>UIPanelFailedOrSucceed</name>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Save report…</source>
        <translation>Bericht speichern…</translation>
    </message>
</context>
</TS>
