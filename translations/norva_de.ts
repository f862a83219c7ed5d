<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CloneFile</name>
    <message>
        <source>Backup data not available, please wait</source>
        <translation>Sicherungsdaten nicht verfügbar, bitte warten</translation>
    </message>
    <message>
        <source>Saving Parameters</source>
        <translation>Parameter speichern</translation>
    </message>
    <message>
        <source>saving all</source>
        <translation>Speichern aller Daten</translation>
    </message>
    <message>
        <source>no file was written</source>
        <translation>es wurde keine Datei geschrieben</translation>
    </message>
    <message>
        <source>The unit&apos;s configuration was saved to %1.</source>
        <translation>Die Konfiguration des Steuergeräts wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <source>writing the clone file</source>
        <translation>Schreiben der Klondatei</translation>
    </message>
    <message>
        <source>programming</source>
        <translation>Programmieren</translation>
    </message>
    <message>
        <source>the clone write</source>
        <translation>des Schreibvorgangs der Klondatei</translation>
    </message>
    <message>
        <source>Programming the NORVA</source>
        <translation>NORVA wird programmiert</translation>
    </message>
    <message>
        <source>Also write the engine&apos;s counters (cycle count, total time): only to restore this unit&apos;s own backup</source>
        <translation>Auch die Zähler des Triebwerks schreiben (Zyklenzahl, Gesamtzeit): nur zum Wiederherstellen der eigenen Sicherung dieses Steuergeräts</translation>
    </message>
</context>
<context>
    <name>Download</name>
    <message>
        <source>Backup data not available, please wait</source>
        <translation>Sicherungsdaten nicht verfügbar, bitte warten</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Download läuft</translation>
    </message>
    <message>
        <source>The run log was not whole after %1 bytes (%2)</source>
        <translation>Das Laufprotokoll war nach %1 Bytes unvollständig (%2)</translation>
    </message>
    <message>
        <source>downloading</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>The raw run log could not be kept in %1.</source>
        <translation>Das Roh-Laufprotokoll konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The run log cannot be kept in the working folder %1; nothing was sent.</source>
        <translation>Das Laufprotokoll kann nicht im Arbeitsordner %1 gespeichert werden; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>, asked twice; nothing was exported.</source>
        <translation>, zweimal angefordert; es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes were received; nothing was exported</source>
        <translation>%1 von %2 Bytes wurden empfangen; es wurde nichts exportiert</translation>
    </message>
    <message>
        <source>The run log could not be read: %1; nothing was exported.</source>
        <translation>Das Laufprotokoll konnte nicht gelesen werden: %1; es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>The download was kept as %1; no file was exported.</source>
        <translation>Der Download wurde als %1 gespeichert; es wurde keine Datei exportiert.</translation>
    </message>
    <message>
        <source>The unit stayed in normal mode for %1 s after the download command</source>
        <translation>Das Steuergerät blieb nach dem Download-Befehl %1 s lang im Normalbetrieb</translation>
    </message>
    <message>
        <source>The download could not be kept with the recent downloads: %1</source>
        <translation>Der Download konnte nicht bei den letzten Downloads gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1. The download was kept as %2.</source>
        <translation>%1. Der Download wurde als %2 gespeichert.</translation>
    </message>
</context>
<context>
    <name>EngineReport</name>
    <message>
        <source>Peak start EGT (C)</source>
        <translation>Spitzen-EGT beim Start (C)</translation>
    </message>
    <message>
        <source>Time to idle (s)</source>
        <translation>Zeit bis Leerlauf (s)</translation>
    </message>
    <message>
        <source>Time from light-off (s)</source>
        <translation>Zeit ab Zündung (s)</translation>
    </message>
    <message>
        <source>Idle EGT (C)</source>
        <translation>Leerlauf-EGT (C)</translation>
    </message>
    <message>
        <source>Idle pump (%)</source>
        <translation>Pumpe im Leerlauf (%)</translation>
    </message>
    <message>
        <source>Full-throttle EGT (C)</source>
        <translation>Vollgas-EGT (C)</translation>
    </message>
    <message>
        <source>Full-throttle pump (%)</source>
        <translation>Pumpe bei Vollgas (%)</translation>
    </message>
    <message>
        <source> over %1 runs</source>
        <translation> über %1 Läufe</translation>
    </message>
    <message>
        <source>nothing measured yet</source>
        <translation>noch nichts gemessen</translation>
    </message>
    <message>
        <source>Engine report: %1</source>
        <translation>Triebwerksbericht: %1</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>Seriennr. %1</translation>
    </message>
    <message>
        <source>welcome text &quot;%1&quot;</source>
        <translation>Begrüßungstext „%1“</translation>
    </message>
    <message>
        <source>The unit&apos;s count: %1 cycles, %2 minutes in total (newest download)</source>
        <translation>Zählerstand des Steuergeräts: insgesamt %1 Zyklen, %2 Minuten (neuester Download)</translation>
    </message>
    <message>
        <source> since the service</source>
        <translation> seit der Wartung</translation>
    </message>
    <message>
        <source> (%1 s from light-off)</source>
        <translation> (%1 s ab Zündung)</translation>
    </message>
    <message>
        <source>No measured start yet: no baseline.</source>
        <translation>Noch kein gemessener Start: keine Referenz.</translation>
    </message>
    <message>
        <source>SHIFT: %1</source>
        <translation>ABWEICHUNG: %1</translation>
    </message>
    <message>
        <source>Flagged runs and events</source>
        <translation>Markierte Läufe und Ereignisse</translation>
    </message>
    <message>
        <source>%1  cycle %2: %3  (%4)</source>
        <translation>%1  Zyklus %2: %3  (%4)</translation>
    </message>
    <message>
        <source>; dotted: the baseline</source>
        <translation>; gepunktet: die Referenz</translation>
    </message>
    <message>
        <source>; squares: flagged</source>
        <translation>; Quadrate: markiert</translation>
    </message>
    <message>
        <source>Runs: %1    starts measured: %2    minutes of running: %3    flagged runs: %4    events: %5</source>
        <translation>Läufe: %1    gemessene Starts: %2    Minuten Laufzeit: %3    markierte Läufe: %4    Ereignisse: %5</translation>
    </message>
    <message>
        <source>Last service: %1; since then %2 runs, %3 minutes of running</source>
        <translation>Letzte Wartung: %1; seither %2 Läufe, %3 Minuten Laufzeit</translation>
    </message>
    <message>
        <source>Baseline (median of the first %1 measured starts%2): peak start EGT %3 C, time to idle %4 s%5</source>
        <translation>Referenz (Median der ersten %1 gemessenen Starts%2): Spitzen-EGT beim Start %3 C, Zeit bis Leerlauf %4 s%5</translation>
    </message>
    <message>
        <source>Flagged: a start at the unit&apos;s EGT limit, more than %1 C hotter than the baseline, or taking more than %2 times as long to idle.</source>
        <translation>Markiert: ein Start an der EGT-Grenze des Steuergeräts, mehr als %1 C heißer als die Referenz oder mit mehr als %2-mal so langer Zeit bis zum Leerlauf.</translation>
    </message>
</context>
<context>
    <name>FactoryCommands</name>
    <message>
        <source>Hardware test: step %1 of %2</source>
        <translation>Hardwaretest: Schritt %1 von %2</translation>
    </message>
    <message>
        <source>testing the hardware (step %1 of %2)</source>
        <translation>Testen der Hardware (Schritt %1 von %2)</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>the cells written so far were </source>
        <translation>die bisher geschriebenen Zellen waren </translation>
    </message>
    <message>
        <source>writing address %1</source>
        <translation>Schreiben der Adresse %1</translation>
    </message>
    <message>
        <source>setting the maximum speed</source>
        <translation>Einstellen der Höchstdrehzahl</translation>
    </message>
    <message>
        <source>Max. Authorized R.P.M.</source>
        <translation>Max. zulässige R.P.M.</translation>
    </message>
    <message>
        <source>Input the desired Maximum Authorized R.P.M. value in thousands</source>
        <translation>Gewünschte maximal zulässige R.P.M. in Tausend eingeben</translation>
    </message>
    <message>
        <source>calibrating the temperature</source>
        <translation>Kalibrieren der Temperatur</translation>
    </message>
    <message>
        <source>both calibration cells were cleared</source>
        <translation>beide Kalibrierzellen wurden gelöscht</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>programming</source>
        <translation>Programmieren</translation>
    </message>
    <message>
        <source>Programming the NORVA</source>
        <translation>NORVA wird programmiert</translation>
    </message>
    <message>
        <source>the fast setup</source>
        <translation>des Schnell-Setups</translation>
    </message>
    <message>
        <source>testing the hardware</source>
        <translation>Testen der Hardware</translation>
    </message>
    <message>
        <source>the unit could not be put back as it was</source>
        <translation>das Steuergerät konnte nicht in den vorherigen Zustand zurückversetzt werden</translation>
    </message>
    <message>
        <source>; the values it held before were put back</source>
        <translation>; die zuvor enthaltenen Werte wurden wiederhergestellt</translation>
    </message>
    <message>
        <source>The hardware test read no current at step 3; %1.</source>
        <translation>Der Hardwaretest hat bei Schritt 3 keinen Strom gemessen; %1.</translation>
    </message>
    <message>
        <source>; the values the unit held before the test were put back</source>
        <translation>; die Werte, die das Steuergerät vor dem Test enthielt, wurden wiederhergestellt</translation>
    </message>
    <message>
        <source>Stop the engine and let it cool below 100 °C first.</source>
        <translation>Stellen Sie zuerst das Triebwerk ab und lassen Sie es unter 100 °C abkühlen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no speed: give the thousands of RPM as a number from 0 to 255. Nothing was sent.</source>
        <translation>„%1“ ist keine Drehzahl: Geben Sie die Drehzahl in Tausend RPM als Zahl von 0 bis 255 an. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The unit did not clear its temperature calibration, so nothing was calibrated%1.</source>
        <translation>Das Steuergerät hat seine Temperaturkalibrierung nicht gelöscht, daher wurde nichts kalibriert%1.</translation>
    </message>
    <message>
        <source>the values the unit held before the test were put back</source>
        <translation>die Werte, die das Steuergerät vor dem Test enthielt, wurden wiederhergestellt</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>%1: the engine did not run</source>
        <translation>%1: das Triebwerk lief nicht</translation>
    </message>
    <message>
        <source>cannot write the picture %1</source>
        <translation>das Bild %1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>keine Berechtigung</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>too large for this kind of file (more than %1 bytes)</source>
        <translation>zu groß für diese Art Datei (mehr als %1 Bytes)</translation>
    </message>
    <message>
        <source>more than %1 values; this file holds %1</source>
        <translation>mehr als %1 Werte; diese Datei enthält %1</translation>
    </message>
    <message>
        <source>the file ends after %1 values; it must hold %2</source>
        <translation>die Datei endet nach %1 Werten; sie muss %2 enthalten</translation>
    </message>
    <message>
        <source>an output file needs a name</source>
        <translation>eine Ausgabedatei braucht einen Namen</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>no permission to write it</source>
        <translation>keine Berechtigung, sie zu schreiben</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>ihr Ordner existiert nicht</translation>
    </message>
    <message>
        <source>its folder is not a folder</source>
        <translation>ihr Ordner ist kein Ordner</translation>
    </message>
    <message>
        <source>no permission to write in its folder</source>
        <translation>keine Berechtigung, in ihren Ordner zu schreiben</translation>
    </message>
    <message>
        <source>expected a whole number from %1 to %2 for %3, found %4</source>
        <translation>ganze Zahl von %1 bis %2 für %3 erwartet, gefunden: %4</translation>
    </message>
    <message>
        <source>expected a number, found %1</source>
        <translation>Zahl erwartet, gefunden: %1</translation>
    </message>
    <message>
        <source>cannot be written: %1</source>
        <translation>kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation>das Geschriebene lässt sich nicht unverändert zurücklesen</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>Gauges</name>
    <message>
        <source>Engine speed</source>
        <translation>Triebwerksdrehzahl</translation>
    </message>
    <message>
        <source> RPM</source>
        <translation> RPM</translation>
    </message>
    <message>
        <source>Exhaust gas temperature</source>
        <translation>Abgastemperatur</translation>
    </message>
    <message>
        <source>Stick position</source>
        <translation>Gashebel</translation>
    </message>
    <message>
        <source>Pump power</source>
        <translation>Pumpenleistung</translation>
    </message>
    <message>
        <source>Battery current</source>
        <translation>Batteriestrom</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <translation>Batteriespannung</translation>
    </message>
    <message>
        <source>Terminal line 1:</source>
        <translation>Terminalzeile 1:</translation>
    </message>
    <message>
        <source>Terminal line 2:</source>
        <translation>Terminalzeile 2:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Download läuft</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Data Backup= 100%</source>
        <translation>Datensicherung= 100%</translation>
    </message>
    <message>
        <source>Data Backup= </source>
        <translation>Datensicherung= </translation>
    </message>
</context>
<context>
    <name>HidBackend</name>
    <message>
        <source>USB unit</source>
        <translation>USB-Steuergerät</translation>
    </message>
    <message>
        <source>Replay of %1 at x%2</source>
        <translation>Wiedergabe von %1 mit x%2</translation>
    </message>
    <message>
        <source>Simulated unit</source>
        <translation>Simuliertes Steuergerät</translation>
    </message>
</context>
<context>
    <name>LogDownload</name>
    <message>
        <source>serial number %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>welcome text &quot;%1&quot;</source>
        <translation>Begrüßungstext „%1“</translation>
    </message>
    <message>
        <source>Logbook</source>
        <translation>Logbuch</translation>
    </message>
    <message>
        <source>This unit (%1) is new to the logbook. The engine&apos;s name:%2</source>
        <translation>Dieses Steuergerät (%1) ist neu im Logbuch. Name des Triebwerks:%2</translation>
    </message>
    <message>
        <source>
(known: %1)</source>
        <translation>
(bekannt: %1)</translation>
    </message>
    <message>
        <source>The download was not added to the logbook.</source>
        <translation>Der Download wurde nicht in das Logbuch aufgenommen.</translation>
    </message>
    <message>
        <source>%1 (serial %2)</source>
        <translation>%1 (Seriennr. %2)</translation>
    </message>
    <message>
        <source>%1 (%2 unit)</source>
        <translation>%1 (%2-Steuergerät)</translation>
    </message>
    <message>
        <source>New engine</source>
        <translation>Neues Triebwerk</translation>
    </message>
    <message>
        <source>; the download was not logged.</source>
        <translation>; der Download wurde nicht in das Logbuch aufgenommen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is another unit&apos;s engine: this unit&apos;s downloads go to &quot;%2&quot;.</source>
        <translation>„%1“ ist das Triebwerk eines anderen Steuergeräts: Die Downloads dieses Steuergeräts gehören zu „%2“.</translation>
    </message>
</context>
<context>
    <name>LogbookCommands</name>
    <message>
        <source>no engine named &quot;%1&quot; in the logbook %2</source>
        <translation>kein Triebwerk namens „%1“ im Logbuch %2</translation>
    </message>
    <message>
        <source>--engine needs a name, not blanks</source>
        <translation>--engine braucht einen Namen, keine Leerzeichen</translation>
    </message>
    <message>
        <source>%1; the file was not imported</source>
        <translation>%1; die Datei wurde nicht importiert</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>LogbookWindow</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Zyklus</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Length s</source>
        <translation>Dauer s</translation>
    </message>
    <message>
        <source>Idle after s</source>
        <translation>Leerlauf nach s</translation>
    </message>
    <message>
        <source>Start EGT C</source>
        <translation>Start-EGT C</translation>
    </message>
    <message>
        <source>Max RPM</source>
        <translation>Max. RPM</translation>
    </message>
    <message>
        <source>Max EGT C</source>
        <translation>Max. EGT C</translation>
    </message>
    <message>
        <source>Mean pump %</source>
        <translation>Mittl. Pumpe %</translation>
    </message>
</context>
<context>
    <name>Maintenance</name>
    <message>
        <source>setting the serial number</source>
        <translation>Einstellen der Seriennummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Set engine serial number</source>
        <translation>Triebwerks-Seriennummer setzen</translation>
    </message>
    <message>
        <source>clearing the service timer</source>
        <translation>Zurücksetzen des Wartungstimers</translation>
    </message>
    <message>
        <source>Clear the service timer?</source>
        <translation>Wartungstimer zurücksetzen?</translation>
    </message>
    <message>
        <source>clearing the timers</source>
        <translation>Zurücksetzen der Timer</translation>
    </message>
    <message>
        <source>This unit keeps no serial number or timers: only units whose configuration streams downwards do.</source>
        <translation>Dieses Steuergerät speichert weder Seriennummer noch Timer: Das tun nur Steuergeräte, deren Konfiguration abwärts übertragen wird.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no serial number: give a whole number from 0 to 65535. Nothing was sent.</source>
        <translation>„%1“ ist keine Seriennummer: Geben Sie eine ganze Zahl von 0 bis 65535 an. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Clear all timers? The cycle count and the total engine time become 0.</source>
        <translation>Alle Timer löschen? Zyklenzahl und Gesamtlaufzeit des Triebwerks werden auf 0 gesetzt.</translation>
    </message>
</context>
<context>
    <name>OperationTools</name>
    <message>
        <source>The unit was lost while %1: %2.</source>
        <translation>Verbindung zum Steuergerät beim %1 verloren: %2.</translation>
    </message>
    <message>
        <source>Cancelled while %1: %2.</source>
        <translation>Abgebrochen beim %1: %2.</translation>
    </message>
    <message>
        <source>The unit did not answer while %1: %2.</source>
        <translation>Das Steuergerät hat beim %1 nicht geantwortet: %2.</translation>
    </message>
    <message>
        <source>%1 of %2 reports were sent</source>
        <translation>%1 von %2 Datenpaketen wurden gesendet</translation>
    </message>
    <message>
        <source>%1. Nothing was sent.</source>
        <translation>%1. Es wurde nichts gesendet.</translation>
    </message>
</context>
<context>
    <name>ParameterFile</name>
    <message>
        <source>Saving Parameters</source>
        <translation>Parameter speichern</translation>
    </message>
    <message>
        <source>reading address %1</source>
        <translation>Lesen der Adresse %1</translation>
    </message>
    <message>
        <source>The unit&apos;s 71 parameters were saved to %1.</source>
        <translation>Die 71 Parameter des Steuergeräts wurden in %1 gespeichert.</translation>
    </message>
    <message>
        <source>writing parameters</source>
        <translation>Schreiben der Parameter</translation>
    </message>
    <message>
        <source>reading its access level</source>
        <translation>Lesen der Zugriffsstufe des Steuergeräts</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>Norva Write Protected</source>
        <translation>Norva schreibgeschützt</translation>
    </message>
    <message>
        <source>programming</source>
        <translation>Programmieren</translation>
    </message>
    <message>
        <source>the parameter write</source>
        <translation>des Parameter-Schreibvorgangs</translation>
    </message>
    <message>
        <source>%1 of %2 values were read; no file was written</source>
        <translation>%1 von %2 Werten wurden gelesen; es wurde keine Datei geschrieben</translation>
    </message>
    <message>
        <source>address %1</source>
        <translation>Adresse %1</translation>
    </message>
</context>
<context>
    <name>RunCommand</name>
    <message>
        <source>no translation into &apos;%1&apos; (there are: %2); English is used</source>
        <translation>keine Übersetzung nach „%1“ (vorhanden: %2); Englisch wird verwendet</translation>
    </message>
</context>
<context>
    <name>RunningOperation</name>
    <message>
        <source>No unit is connected.</source>
        <translation>Es ist kein Steuergerät verbunden.</translation>
    </message>
    <message>
        <source>Another operation is still running. Wait until it has finished, or cancel it with Escape in its window.</source>
        <translation>Ein anderer Vorgang läuft noch. Warten Sie, bis er beendet ist, oder brechen Sie ihn in seinem Fenster mit Escape ab.</translation>
    </message>
</context>
<context>
    <name>SummaryCommand</name>
    <message>
        <source>%1 of 256 bytes</source>
        <translation>%1 von 256 Bytes</translation>
    </message>
    <message>
        <source>the unit&apos;s configuration did not arrive within %1 s (%2; %3)</source>
        <translation>die Konfiguration des Steuergeräts kam nicht innerhalb von %1 s an (%2; %3)</translation>
    </message>
</context>
<context>
    <name>WaitTexts</name>
    <message>
        <source>no unit was found within %1 s</source>
        <translation>innerhalb von %1 s wurde kein Steuergerät gefunden</translation>
    </message>
    <message>
        <source>Cancelled while waiting for the unit.</source>
        <translation>Abgebrochen beim Warten auf das Steuergerät.</translation>
    </message>
    <message>
        <source>Cancelled while waiting for the unit&apos;s configuration (%1 of 256 bytes).</source>
        <translation>Abgebrochen beim Warten auf die Konfiguration des Steuergeräts (%1 von 256 Bytes).</translation>
    </message>
    <message>
        <source>the unit was lost while its configuration arrived (%1 of 256 bytes)</source>
        <translation>die Verbindung zum Steuergerät ging verloren, während seine Konfiguration ankam (%1 von 256 Bytes)</translation>
    </message>
</context>
<context>
    <name>WriteGate</name>
    <message>
        <source>Reading the unit&apos;s configuration %1%</source>
        <translation>Lesen der Konfiguration des Steuergeräts %1%</translation>
    </message>
    <message>
        <source>The unit&apos;s configuration did not arrive whole while %1 (%2).</source>
        <translation>Die Konfiguration des Steuergeräts kam beim %1 nicht vollständig an (%2).</translation>
    </message>
    <message>
        <source>The unit&apos;s configuration before this write is kept in %1</source>
        <translation>Die Konfiguration des Steuergeräts vor diesem Schreibvorgang ist gesichert in %1</translation>
    </message>
    <message>
        <source>address %1 did not come back</source>
        <translation>Adresse %1 wurde nicht zurückgemeldet</translation>
    </message>
    <message>
        <source>address %1 holds %2 (%3 was sent)</source>
        <translation>Adresse %1 enthält %2 (gesendet: %3)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>%1 of %2 values confirmed by the unit</source>
        <translation>%1 von %2 Werten vom Steuergerät bestätigt</translation>
    </message>
    <message>
        <source>Confirming the write</source>
        <translation>Bestätigen des Schreibvorgangs</translation>
    </message>
    <message>
        <source>Written, not confirmed: the check was cancelled (%1).</source>
        <translation>Geschrieben, nicht bestätigt: Die Prüfung wurde abgebrochen (%1).</translation>
    </message>
    <message>
        <source>confirming </source>
        <translation>Bestätigen </translation>
    </message>
    <message>
        <source>everything was sent, </source>
        <translation>alles wurde gesendet, </translation>
    </message>
    <message>
        <source>The unit does not hold what was written: </source>
        <translation>Das Steuergerät enthält nicht die geschriebenen Werte: </translation>
    </message>
    <message>
        <source>Written and confirmed by the unit: %1 values</source>
        <translation>Geschrieben und vom Steuergerät bestätigt: %1 Werte</translation>
    </message>
    <message>
        <source>The unit already holds these values: nothing was sent.</source>
        <translation>Das Steuergerät enthält diese Werte bereits: Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>1 change</source>
        <translation>1 Änderung</translation>
    </message>
    <message>
        <source>%1 changes</source>
        <translation>%1 Änderungen</translation>
    </message>
    <message>
        <source>Also written:</source>
        <translation>Ebenfalls geschrieben:</translation>
    </message>
    <message>
        <source>Kept as the unit holds them, unless asked:</source>
        <translation>Wie im Steuergerät belassen, sofern nicht anders gewünscht:</translation>
    </message>
    <message>
        <source>Write this change?</source>
        <translation>Diese Änderung schreiben?</translation>
    </message>
    <message>
        <source>Write these %1 changes?</source>
        <translation>Diese %1 Änderungen schreiben?</translation>
    </message>
    <message>
        <source>; nothing was sent (dry run).</source>
        <translation>; es wurde nichts gesendet (Testmodus).</translation>
    </message>
    <message>
        <source>%1 of 255 bytes of its configuration had come; nothing was written</source>
        <translation>%1 von 255 Bytes der Konfiguration waren angekommen; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>The unit&apos;s configuration could not be kept before writing: %1: nothing was sent.</source>
        <translation>Die Konfiguration des Steuergeräts konnte vor dem Schreiben nicht gesichert werden: %1; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>A replay is playing: stop it to write to a unit.</source>
        <translation>Eine Wiedergabe läuft: Beenden Sie sie, um in ein Steuergerät zu schreiben.</translation>
    </message>
    <message>
        <source>Stop the engine first.</source>
        <translation>Stellen Sie zuerst das Triebwerk ab.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>no display: run with a desktop session or use a command</source>
        <translation>keine Anzeige: in einer Desktop-Sitzung starten oder einen Befehl verwenden</translation>
    </message>
</context>
<context>
    <name>norva::App</name>
    <message>
        <source>The settings could not be saved: %1.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>norva::ChartRun</name>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1: the point could not be recorded: %2</source>
        <translation>%1: der Punkt konnte nicht aufgezeichnet werden: %2</translation>
    </message>
</context>
<context>
    <name>norva::CloneImage</name>
    <message>
        <source>address %1</source>
        <translation>Adresse %1</translation>
    </message>
</context>
<context>
    <name>norva::CommandLine</name>
    <message>
        <source>Ground support for the NORVA engine control unit: the main window, or one command without windows.</source>
        <translation>Bodenunterstützung für das NORVA-Triebwerkssteuergerät: das Hauptfenster oder ein einzelner Befehl ohne Fenster.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>print this help, or a command&apos;s with COMMAND --help</source>
        <translation>diese Hilfe ausgeben, oder die eines Befehls mit COMMAND --help</translation>
    </message>
    <message>
        <source>print the program&apos;s version</source>
        <translation>die Programmversion ausgeben</translation>
    </message>
    <message>
        <source>hid (default), sim[:OPTION]..., tcp:HOST:PORT or replay:FILE.txt[:speed=N]; the simulated unit&apos;s options: downward, rate=N, answer=K, burst=N, queue=N, preamble=N, silent-after=N, refuse-writes=A,B-C, unplug-after=N, engine=off; a replay plays an exported run log N times real time (1 to 32)</source>
        <translation>hid (Standard), sim[:OPTION]..., tcp:HOST:PORT oder replay:FILE.txt[:speed=N]; Optionen des simulierten Steuergeräts: downward, rate=N, answer=K, burst=N, queue=N, preamble=N, silent-after=N, refuse-writes=A,B-C, unplug-after=N, engine=off; eine Wiedergabe spielt ein exportiertes Laufprotokoll mit N-facher Echtzeit ab (1 bis 32)</translation>
    </message>
    <message>
        <source>settings file instead of the user&apos;s norva10.ini</source>
        <translation>Einstellungsdatei statt der norva10.ini des Benutzers</translation>
    </message>
    <message>
        <source>how long a command looks for the unit (10 s unless given)</source>
        <translation>wie lange ein Befehl nach dem Steuergerät sucht (ohne Angabe 10 s)</translation>
    </message>
    <message>
        <source>the language of the windows and messages, e.g. de, es or fr (the system&apos;s unless given; English where the program has none)</source>
        <translation>Sprache der Fenster und Meldungen, z. B. de, es oder fr (ohne Angabe die des Systems; Englisch, wo das Programm keine hat)</translation>
    </message>
    <message>
        <source>open the main window, wait for the unit&apos;s configuration (at most 15 s), save a picture of the window and exit</source>
        <translation>Hauptfenster öffnen, auf die Konfiguration des Steuergeräts warten (höchstens 15 s), ein Bild des Fensters speichern und beenden</translation>
    </message>
    <message>
        <source>--unit-wait takes seconds from more than 0 to 3600, not &apos;%1&apos;</source>
        <translation>--unit-wait erwartet Sekunden von über 0 bis 3600, nicht „%1“</translation>
    </message>
    <message>
        <source>--screenshot is for the main window only</source>
        <translation>--screenshot gilt nur für das Hauptfenster</translation>
    </message>
    <message>
        <source>this command reads files, not a unit: leave out --device</source>
        <translation>dieser Befehl liest Dateien, kein Steuergerät: --device weglassen</translation>
    </message>
    <message>
        <source>%1 needs a speed in RPM, a whole number, not &apos;%2&apos;</source>
        <translation>%1 erwartet eine Drehzahl in RPM als ganze Zahl, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 needs a temperature in C, a whole number, not &apos;%2&apos;</source>
        <translation>%1 erwartet eine Temperatur in C als ganze Zahl, nicht „%2“</translation>
    </message>
    <message>
        <source>give either --reports or --seconds, not both</source>
        <translation>entweder --reports oder --seconds angeben, nicht beides</translation>
    </message>
    <message>
        <source>--reports needs a positive whole number, not &apos;%1&apos;</source>
        <translation>--reports erwartet eine positive ganze Zahl, nicht „%1“</translation>
    </message>
    <message>
        <source>--seconds takes seconds from more than 0 to 86400 (a day), not &apos;%1&apos;</source>
        <translation>--seconds erwartet Sekunden von über 0 bis 86400 (ein Tag), nicht „%1“</translation>
    </message>
    <message>
        <source>%1 needs a number of minutes, not &apos;%2&apos;</source>
        <translation>%1 erwartet eine Anzahl Minuten, nicht „%2“</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Aufruf</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>SUBCOMMAND</source>
        <translation>BEFEHL</translation>
    </message>
    <message>
        <source>SUBCOMMANDS</source>
        <translation>BEFEHLE</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Argumente</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>PFLICHT</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Siehe „%1 --help“.</translation>
    </message>
    <message>
        <source>comma-separated values with a header line</source>
        <translation>kommagetrennte Werte mit Kopfzeile</translation>
    </message>
    <message>
        <source>write without first keeping the unit&apos;s configuration in ~/.local/share/norva/backups</source>
        <translation>schreiben, ohne zuvor die Konfiguration des Steuergeräts in ~/.local/share/norva/backups zu sichern</translation>
    </message>
    <message>
        <source>list what the write would change in the unit (on standard output), send nothing</source>
        <translation>auflisten, was das Schreiben im Steuergerät ändern würde (auf der Standardausgabe), nichts senden</translation>
    </message>
    <message>
        <source>also write the file&apos;s engine counters (cycle count, total time): only to restore this unit&apos;s own backup</source>
        <translation>auch die Triebwerkszähler der Datei schreiben (Zyklenzahl, Gesamtzeit): nur zum Wiederherstellen der eigenen Sicherung dieses Steuergeräts</translation>
    </message>
    <message>
        <source>print one line per report from the unit, without windows</source>
        <translation>je Datenpaket des Steuergeräts eine Zeile ausgeben, ohne Fenster</translation>
    </message>
    <message>
        <source>stop after N lines</source>
        <translation>nach N Zeilen aufhören</translation>
    </message>
    <message>
        <source>stop after S seconds</source>
        <translation>nach S Sekunden aufhören</translation>
    </message>
    <message>
        <source>wait for the unit&apos;s configuration (at most 30 s) and print the parameter summary, frame by frame</source>
        <translation>auf die Konfiguration des Steuergeräts warten (höchstens 30 s) und die Parameterübersicht Abschnitt für Abschnitt ausgeben</translation>
    </message>
    <message>
        <source>summarise a clone file instead of a unit</source>
        <translation>eine Klondatei statt eines Steuergeräts zusammenfassen</translation>
    </message>
    <message>
        <source>summary --image reads a file, not a unit: leave out --device</source>
        <translation>summary --image liest eine Datei, kein Steuergerät: --device weglassen</translation>
    </message>
    <message>
        <source>the unit&apos;s whole configuration (addresses 16..255)</source>
        <translation>die gesamte Konfiguration des Steuergeräts (Adressen 16..255)</translation>
    </message>
    <message>
        <source>save the unit&apos;s configuration to a clone file</source>
        <translation>Konfiguration des Steuergeräts in einer Klondatei speichern</translation>
    </message>
    <message>
        <source>the clone file to write</source>
        <translation>die zu schreibende Klondatei</translation>
    </message>
    <message>
        <source>write a clone file into the unit</source>
        <translation>eine Klondatei in das Steuergerät schreiben</translation>
    </message>
    <message>
        <source>the clone file to read</source>
        <translation>die zu lesende Klondatei</translation>
    </message>
    <message>
        <source>the unit&apos;s 71 parameters</source>
        <translation>die 71 Parameter des Steuergeräts</translation>
    </message>
    <message>
        <source>save the unit&apos;s parameters to a file</source>
        <translation>Parameter des Steuergeräts in einer Datei speichern</translation>
    </message>
    <message>
        <source>the parameter file to write</source>
        <translation>die zu schreibende Parameterdatei</translation>
    </message>
    <message>
        <source>write a parameter file into the unit</source>
        <translation>eine Parameterdatei in das Steuergerät schreiben</translation>
    </message>
    <message>
        <source>the parameter file to read</source>
        <translation>die zu lesende Parameterdatei</translation>
    </message>
    <message>
        <source>set the engine serial number (downward units)</source>
        <translation>Seriennummer des Triebwerks setzen (downward-Steuergeräte)</translation>
    </message>
    <message>
        <source>the serial number, 0 to 65535</source>
        <translation>die Seriennummer, 0 bis 65535</translation>
    </message>
    <message>
        <source>clear the unit&apos;s timers (downward units)</source>
        <translation>Timer des Steuergeräts löschen (downward-Steuergeräte)</translation>
    </message>
    <message>
        <source>clear every timer, the cycle count and the engine time</source>
        <translation>alle Timer, die Zyklenzahl und die Triebwerkszeit löschen</translation>
    </message>
    <message>
        <source>clear the service timer</source>
        <translation>den Wartungstimer löschen</translation>
    </message>
    <message>
        <source>the factory&apos;s commands</source>
        <translation>die Werksbefehle</translation>
    </message>
    <message>
        <source>set the maximum authorized speed</source>
        <translation>die maximal zulässige Drehzahl setzen</translation>
    </message>
    <message>
        <source>thousands of RPM, 0 to 255</source>
        <translation>Tausend RPM, 0 bis 255</translation>
    </message>
    <message>
        <source>set the terminal&apos;s menu access</source>
        <translation>den Menüzugang des Terminals setzen</translation>
    </message>
    <message>
        <source>restricted or full</source>
        <translation>restricted oder full</translation>
    </message>
    <message>
        <source>set the start mode</source>
        <translation>den Startmodus setzen</translation>
    </message>
    <message>
        <source>manual, gas or kero</source>
        <translation>manual, gas oder kero</translation>
    </message>
    <message>
        <source>calibrate the temperature at the ambient given</source>
        <translation>die Temperatur bei der angegebenen Umgebungstemperatur kalibrieren</translation>
    </message>
    <message>
        <source>the ambient temperature in C (22 unless given)</source>
        <translation>die Umgebungstemperatur in C (ohne Angabe 22)</translation>
    </message>
    <message>
        <source>cal-temp needs the ambient temperature in C, not &apos;%1&apos;</source>
        <translation>cal-temp erwartet die Umgebungstemperatur in C, nicht „%1“</translation>
    </message>
    <message>
        <source>write a clone file into the unit, then calibrate</source>
        <translation>eine Klondatei in das Steuergerät schreiben, dann kalibrieren</translation>
    </message>
    <message>
        <source>run the hardware test and print its result</source>
        <translation>den Hardwaretest ausführen und sein Ergebnis ausgeben</translation>
    </message>
    <message>
        <source>the acceleration and deceleration ramps</source>
        <translation>die Beschleunigungs- und Verzögerungsrampen</translation>
    </message>
    <message>
        <source>save the unit&apos;s ramps to a file</source>
        <translation>die Rampen des Steuergeräts in einer Datei speichern</translation>
    </message>
    <message>
        <source>the ramp file to write</source>
        <translation>die zu schreibende Rampendatei</translation>
    </message>
    <message>
        <source>write a ramp file into the unit, checked afterwards</source>
        <translation>eine Rampendatei in das Steuergerät schreiben und danach prüfen</translation>
    </message>
    <message>
        <source>the ramp file to read</source>
        <translation>die zu lesende Rampendatei</translation>
    </message>
    <message>
        <source>print a ramp file&apos;s table with its relative speeds, without a unit</source>
        <translation>die Tabelle einer Rampendatei mit ihren relativen Drehzahlen ausgeben, ohne Steuergerät</translation>
    </message>
    <message>
        <source>and its chart as a picture</source>
        <translation>und ihren Verlauf als Bild</translation>
    </message>
    <message>
        <source>the unit&apos;s run log (the last 51 minutes) to a text file, with its configuration at the end; kept in the engine logbook too</source>
        <translation>das Laufprotokoll des Steuergeräts (die letzten 51 Minuten) in eine Textdatei, mit seiner Konfiguration am Ende; auch im Triebwerkslogbuch abgelegt</translation>
    </message>
    <message>
        <source>the export file to write</source>
        <translation>die zu schreibende Exportdatei</translation>
    </message>
    <message>
        <source>the logbook&apos;s engine (the unit&apos;s own when known, else one named with its welcome text)</source>
        <translation>das Triebwerk im Logbuch (das des Steuergeräts, wenn bekannt, sonst eines, das nach seinem Begrüßungstext benannt wird)</translation>
    </message>
    <message>
        <source>draw an exported run log as a picture or a PDF page</source>
        <translation>ein exportiertes Laufprotokoll als Bild oder PDF-Seite zeichnen</translation>
    </message>
    <message>
        <source>the export file to read</source>
        <translation>die zu lesende Exportdatei</translation>
    </message>
    <message>
        <source>the chart as a picture</source>
        <translation>das Diagramm als Bild</translation>
    </message>
    <message>
        <source>the chart as a PDF page</source>
        <translation>das Diagramm als PDF-Seite</translation>
    </message>
    <message>
        <source>the first minute drawn (0 unless given)</source>
        <translation>die erste gezeichnete Minute (ohne Angabe 0)</translation>
    </message>
    <message>
        <source>the last minute drawn (51.2 unless given)</source>
        <translation>die letzte gezeichnete Minute (ohne Angabe 51.2)</translation>
    </message>
    <message>
        <source>timechart needs --png OUT.png or --pdf OUT.pdf</source>
        <translation>timechart erwartet --png OUT.png oder --pdf OUT.pdf</translation>
    </message>
    <message>
        <source>run logs</source>
        <translation>Laufprotokolle</translation>
    </message>
    <message>
        <source>a raw run log (one byte a line) to an export file</source>
        <translation>ein Roh-Laufprotokoll (ein Byte pro Zeile) in eine Exportdatei</translation>
    </message>
    <message>
        <source>the raw run log to read</source>
        <translation>das zu lesende Roh-Laufprotokoll</translation>
    </message>
    <message>
        <source>the engine runs of an export file, one line each: cycle, start minute, seconds, time to idle, peak start EGT, largest RPM and EGT, mean pump at or above idle</source>
        <translation>die Triebwerksläufe einer Exportdatei, je eine Zeile: Zyklus, Startminute, Sekunden, Zeit bis Leerlauf, Spitzen-EGT beim Start, höchste RPM und EGT, mittlere Pumpe ab Leerlauf</translation>
    </message>
    <message>
        <source>the idle speed, for a file without the unit&apos;s configuration</source>
        <translation>die Leerlaufdrehzahl, für eine Datei ohne Konfiguration des Steuergeräts</translation>
    </message>
    <message>
        <source>the engine logbook: every download kept per engine</source>
        <translation>das Triebwerkslogbuch: alle Downloads je Triebwerk gespeichert</translation>
    </message>
    <message>
        <source>one line per engine: name, runs, minutes of running, flagged runs</source>
        <translation>eine Zeile je Triebwerk: Name, Läufe, Minuten Laufzeit, markierte Läufe</translation>
    </message>
    <message>
        <source>an engine&apos;s runs in time order: the download&apos;s date and file, the values of runlog runs, and the run&apos;s flag</source>
        <translation>die Läufe eines Triebwerks in zeitlicher Reihenfolge: Datum und Datei des Downloads, die Werte von runlog runs und die Markierung des Laufs</translation>
    </message>
    <message>
        <source>the engine&apos;s name</source>
        <translation>der Name des Triebwerks</translation>
    </message>
    <message>
        <source>add export files made before (a file already there adds nothing)</source>
        <translation>früher erstellte Exportdateien hinzufügen (eine bereits vorhandene Datei fügt nichts hinzu)</translation>
    </message>
    <message>
        <source>the export files to read</source>
        <translation>die zu lesenden Exportdateien</translation>
    </message>
    <message>
        <source>the engine they belong to (else the one their welcome text is known as, or a new one named with it)</source>
        <translation>das Triebwerk, zu dem sie gehören (sonst das, unter dem ihr Begrüßungstext bekannt ist, oder ein neues, nach ihm benanntes)</translation>
    </message>
    <message>
        <source>the unit&apos;s idle speed, for files without the unit&apos;s configuration (kept for the engine; its runs measured again)</source>
        <translation>die Leerlaufdrehzahl des Steuergeräts, für Dateien ohne seine Konfiguration (wird beim Triebwerk gespeichert; seine Läufe werden neu vermessen)</translation>
    </message>
    <message>
        <source>the unit&apos;s full speed, kept for the engine likewise</source>
        <translation>die Vollgasdrehzahl des Steuergeräts, ebenso beim Triebwerk gespeichert</translation>
    </message>
    <message>
        <source>the unit&apos;s maximum EGT, kept for the engine likewise</source>
        <translation>die maximale EGT des Steuergeräts, ebenso beim Triebwerk gespeichert</translation>
    </message>
    <message>
        <source>record a service of the engine: its baseline and time since service start again</source>
        <translation>eine Wartung des Triebwerks erfassen: Referenz und Zeit seit der Wartung beginnen neu</translation>
    </message>
    <message>
        <source>what was done</source>
        <translation>was gemacht wurde</translation>
    </message>
    <message>
        <source>free the space of kept downloads the logbook holds (it makes them again when one is opened) and of older ones, and compact the logbook; says what it freed</source>
        <translation>den Platz gespeicherter Downloads, die das Logbuch enthält (sie werden beim Öffnen neu erzeugt), und älterer Downloads freigeben und das Logbuch verdichten; meldet, was frei wurde</translation>
    </message>
    <message>
        <source>an engine&apos;s report as a PDF page</source>
        <translation>der Bericht eines Triebwerks als PDF-Seite</translation>
    </message>
    <message>
        <source>the page to write</source>
        <translation>die zu schreibende Seite</translation>
    </message>
    <message>
        <source>the performance chart</source>
        <translation>das Leistungsdiagramm</translation>
    </message>
    <message>
        <source>a measure file&apos;s printed page, as a PDF</source>
        <translation>die Druckseite einer Messdatei, als PDF</translation>
    </message>
    <message>
        <source>the measure file to read</source>
        <translation>die zu lesende Messdatei</translation>
    </message>
    <message>
        <source>a measure file drawn on the chart, as a picture</source>
        <translation>eine Messdatei, im Diagramm gezeichnet, als Bild</translation>
    </message>
    <message>
        <source>the picture to write</source>
        <translation>das zu schreibende Bild</translation>
    </message>
    <message>
        <source>record the chart&apos;s points while the engine is hot (above 100 C), as the chart window does, until Ctrl-C</source>
        <translation>die Punkte des Diagramms aufzeichnen, solange das Triebwerk heiß ist (über 100 C), wie im Diagrammfenster, bis Ctrl-C</translation>
    </message>
    <message>
        <source>the measure file to write</source>
        <translation>die zu schreibende Messdatei</translation>
    </message>
    <message>
        <source>or for S seconds</source>
        <translation>oder S Sekunden lang</translation>
    </message>
    <message>
        <source>what differs between two clone files, or between the unit and a clone file, one line a setting</source>
        <translation>was sich zwischen zwei Klondateien oder zwischen Steuergerät und Klondatei unterscheidet, eine Zeile je Einstellung</translation>
    </message>
    <message>
        <source>a clone file</source>
        <translation>eine Klondatei</translation>
    </message>
    <message>
        <source>a second clone file; the unit when left out</source>
        <translation>eine zweite Klondatei; ohne Angabe das Steuergerät</translation>
    </message>
    <message>
        <source>the files come from a downward unit</source>
        <translation>die Dateien stammen von einem downward-Steuergerät</translation>
    </message>
    <message>
        <source>diff of two files reads no unit: leave out --device</source>
        <translation>diff zweier Dateien liest kein Steuergerät: --device weglassen</translation>
    </message>
    <message>
        <source>--downward is for two files; the unit says its own kind</source>
        <translation>--downward gilt für zwei Dateien; das Steuergerät meldet seine Art selbst</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>(no options)</source>
        <translation>(keine Optionen)</translation>
    </message>
    <message>
        <source>Exit status:
  0    done
  1    diff: the two sides differ
  2    no unit, the unit was lost, or it did not answer; the window: no display
  3    a bad file, entry or output path (nothing was sent)
  4    refused by the unit, or a check failed (write protected, the other kind
       of unit, a write the unit does not hold, a calibration that gives Error)
  64   a command line that cannot be run
  130  interrupted by Ctrl-C (SIGINT); 143 by SIGTERM
</source>
        <translation>Exit-Status:
  0    erledigt
  1    diff: die beiden Seiten unterscheiden sich
  2    kein Steuergerät, getrennt oder keine Antwort; Fenster: keine Anzeige
  3    fehlerhafte Datei, Eingabe oder Ausgabepfad (es wurde nichts gesendet)
  4    vom Steuergerät abgelehnt oder Prüfung misslungen (schreibgeschützt,
       andere Steuergeräteart, nicht übernommene Werte, Kalibrierung: Fehler)
  64   Befehlszeile, die nicht ausgeführt werden kann
  130  durch Ctrl-C abgebrochen (SIGINT); 143 durch SIGTERM
</translation>
    </message>
    <message>
        <source>Global options (before or after the command):</source>
        <translation>Allgemeine Optionen (vor oder nach dem Befehl):</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 erwartet %2</translation>
    </message>
    <message>
        <source>not expected here: %1</source>
        <translation>hier nicht erwartet: %1</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation>%1 ist erforderlich</translation>
    </message>
    <message>
        <source>%1 needs its value %2</source>
        <translation>%1 erwartet den Wert %2</translation>
    </message>
    <message>
        <source>%1 is one of %2, not &apos;%3&apos;</source>
        <translation>%1: erlaubt sind %2, nicht „%3“</translation>
    </message>
    <message>
        <source>%1 takes no value, not &apos;%2&apos;</source>
        <translation>%1 erwartet keinen Wert, nicht „%2“</translation>
    </message>
    <message>
        <source>the engine logbook: a file, or a shop&apos;s server as postgresql://USER@HOST[:PORT]/DB[?sslmode=require] (its password in ~/.pgpass or PGPASSWORD); the settings&apos; [Logbook] Url, else the user&apos;s logbook.sqlite, unless given</source>
        <translation>das Triebwerkslogbuch: eine Datei oder der Server einer Werkstatt als postgresql://USER@HOST[:PORT]/DB[?sslmode=require] (sein Passwort in ~/.pgpass oder PGPASSWORD); ohne Angabe [Logbook] Url der Einstellungen, sonst die logbook.sqlite des Benutzers</translation>
    </message>
    <message>
        <source>copy this logbook to another, or another into it, as a shop moves its logbook to a server: what the other holds already is not copied again</source>
        <translation>dieses Logbuch in ein anderes kopieren oder ein anderes in dieses, etwa wenn eine Werkstatt ihr Logbuch auf einen Server bringt: was das andere schon enthält, wird nicht erneut kopiert</translation>
    </message>
    <message>
        <source>the logbook to copy into: a file or postgresql://USER@HOST[:PORT]/DB</source>
        <translation>das Logbuch, in das kopiert wird: eine Datei oder postgresql://USER@HOST[:PORT]/DB</translation>
    </message>
    <message>
        <source>the logbook to copy from, into this one</source>
        <translation>das Logbuch, aus dem in dieses kopiert wird</translation>
    </message>
    <message>
        <source>logbook copy needs --to LOGBOOK or --from LOGBOOK</source>
        <translation>logbook copy erwartet --to LOGBOOK oder --from LOGBOOK</translation>
    </message>
    <message>
        <source>another export&apos;s run of that cycle, dotted over the chart from the first run drawn</source>
        <translation>der Lauf dieses Zyklus aus einer anderen Exportdatei, gepunktet über dem Diagramm ab dem ersten gezeichneten Lauf</translation>
    </message>
    <message>
        <source>--overlay takes FILE.txt:CYCLE, not &apos;%1&apos;</source>
        <translation>--overlay erwartet FILE.txt:CYCLE, nicht „%1“</translation>
    </message>
    <message>
        <source>speed, EGT, stick and pump of an export file at two minutes, their difference, and the minimum, maximum and mean between them</source>
        <translation>Drehzahl, EGT, Knüppel und Pumpe einer Exportdatei zu zwei Minuten, ihre Differenz und Minimum, Maximum und Mittel dazwischen</translation>
    </message>
    <message>
        <source>the first minute, A (0 unless given)</source>
        <translation>die erste Minute, A (ohne Angabe 0)</translation>
    </message>
    <message>
        <source>the second minute, B (51.2 unless given)</source>
        <translation>die zweite Minute, B (ohne Angabe 51.2)</translation>
    </message>
</context>
<context>
    <name>norva::DeviceChoice</name>
    <message>
        <source>device %1: %2</source>
        <translation>Gerät %1: %2</translation>
    </message>
    <message>
        <source>device %1: expected tcp:HOST:PORT with a port of 1 to 65535</source>
        <translation>Gerät %1: tcp:HOST:PORT mit einem Port von 1 bis 65535 erwartet</translation>
    </message>
    <message>
        <source>device %1: speed takes 1 to 32 (times real time)</source>
        <translation>Gerät %1: speed erwartet 1 bis 32 (Vielfaches der Echtzeit)</translation>
    </message>
    <message>
        <source>device %1: expected replay:FILE.txt[:speed=N]</source>
        <translation>Gerät %1: replay:FILE.txt[:speed=N] erwartet</translation>
    </message>
    <message>
        <source>unknown device &apos;%1&apos;: use hid, sim, sim:downward, tcp:HOST:PORT or replay:FILE.txt</source>
        <translation>unbekanntes Gerät „%1“: hid, sim, sim:downward, tcp:HOST:PORT oder replay:FILE.txt verwenden</translation>
    </message>
</context>
<context>
    <name>norva::DifferencesWindow</name>
    <message>
        <source>Compare with file</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Compare with file: %1</source>
        <translation>Vergleich mit Datei: %1</translation>
    </message>
    <message>
        <source>The unit holds every value of %1.</source>
        <translation>Das Steuergerät enthält alle Werte aus %1.</translation>
    </message>
    <message>
        <source>Unit -&gt; %1, %2 %3:
</source>
        <translation>Steuergerät -&gt; %1, %2 %3:
</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>Unterschied</translation>
    </message>
    <message>
        <source>differences</source>
        <translation>Unterschiede</translation>
    </message>
</context>
<context>
    <name>norva::DownloadWindow</name>
    <message>
        <source>Download measures</source>
        <translation>Messdaten-Download</translation>
    </message>
    <message>
        <source>About the download</source>
        <translation>Hinweise zum Download</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Download-Fortschritt</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>Download measures and configuration</source>
        <translation>Messdaten und Konfiguration herunterladen</translation>
    </message>
    <message>
        <source>Download Measures</source>
        <translation>Messdaten-Download</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>The download stopped at %1%.</source>
        <translation>Der Download wurde bei %1% angehalten.</translation>
    </message>
    <message>
        <source>No file was exported.</source>
        <translation>Es wurde keine Datei exportiert.</translation>
    </message>
    <message>
        <source>Download progress %1%</source>
        <translation>Download-Fortschritt %1%</translation>
    </message>
    <message>
        <source>%1% received, %2 s left</source>
        <translation>%1% empfangen, noch %2 s</translation>
    </message>
    <message>
        <source>Kept with the recent downloads; no file was exported.</source>
        <translation>Bei den letzten Downloads gespeichert; es wurde keine Datei exportiert.</translation>
    </message>
    <message>
        <source> To initiate the download of the last 51 minutes of engine run stored in the NORVA memory, it should be recently reseted and with the trim and throttle low. In the terminal the reading TRIM LOW must be displayed. The output is a text file, and each line are the values recorded each 0,5s. You can open it later using Notepad or import directly to Excel</source>
        <translation> Um die letzten 51 Minuten Triebwerkslauf aus dem Speicher der NORVA herunterzuladen, sollte sie kurz zuvor zurückgesetzt sein, Trimmung und Gashebel unten. Im Terminal muss TRIM LOW stehen. Das Ergebnis ist eine Textdatei; jede Zeile enthält die alle 0,5 s aufgezeichneten Werte. Sie lässt sich später mit einem Texteditor öffnen oder direkt in eine Tabellenkalkulation einlesen</translation>
    </message>
</context>
<context>
    <name>norva::FactorySetupWindow</name>
    <message>
        <source>Factory Setup</source>
        <translation>Werkseinrichtung</translation>
    </message>
    <message>
        <source>Max.Authorized R.P.M.</source>
        <translation>Max. zulässige R.P.M.</translation>
    </message>
    <message>
        <source>Max. Authorized Speed</source>
        <translation>Max. zulässige Drehzahl</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Cal. temp AUTO</source>
        <translation>Temp.-Kal. AUTO</translation>
    </message>
    <message>
        <source>Ambient temperature (°C)</source>
        <translation>Umgebungstemperatur (°C)</translation>
    </message>
    <message>
        <source>Set restricted menus</source>
        <translation>Menüs einschränken</translation>
    </message>
    <message>
        <source>Set full acces menus</source>
        <translation>Alle Menüs freigeben</translation>
    </message>
    <message>
        <source>Fast setup</source>
        <translation>Schnell-Setup</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Keine Datei gewählt</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Kero</source>
        <translation>Kero</translation>
    </message>
    <message>
        <source>TestHard</source>
        <translation>HW-Test</translation>
    </message>
</context>
<context>
    <name>norva::HidapiBackend</name>
    <message>
        <source>NORVA unit found at %1, but this user may not open it (permission denied).</source>
        <translation>NORVA-Steuergerät an %1 gefunden, aber dieser Benutzer darf es nicht öffnen (keine Berechtigung).</translation>
    </message>
    <message>
        <source>The udev rule %1 lets the user at the seat, and the members of group plugdev, open it.
To put it in force, as root:</source>
        <translation>Die udev-Regel %1 erlaubt dem am Rechner angemeldeten Benutzer und den Mitgliedern der Gruppe plugdev, es zu öffnen.
Zum Aktivieren als root:</translation>
    </message>
    <message>
        <source>To allow it, install the udev rule %1, as root:</source>
        <translation>Zum Erlauben die udev-Regel %1 als root installieren:</translation>
    </message>
    <message>
        <source>then unplug the unit and plug it in again.</source>
        <translation>dann das Steuergerät abziehen und wieder anstecken.</translation>
    </message>
</context>
<context>
    <name>norva::IniFile</name>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>norva::Library</name>
    <message>
        <source>%1: cannot make the folder</source>
        <translation>%1: der Ordner kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>norva::Logbook</name>
    <message>
        <source>The logbook %1 cannot be used: %2</source>
        <translation>Das Logbuch %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>The logbook %1 is damaged (SQLite: %2): nothing was read</source>
        <translation>Das Logbuch %1 ist beschädigt (SQLite: %2): es wurde nichts gelesen</translation>
    </message>
    <message>
        <source>it was written by a newer program (schema %1)</source>
        <translation>es wurde von einer neueren Programmversion geschrieben (Schema %1)</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (libqt6sql6-sqlite)</source>
        <translation>Qt-Treiber für SQLite nicht installiert (libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>another engine is named so</source>
        <translation>ein anderes Triebwerk heißt bereits so</translation>
    </message>
    <message>
        <source>no engine %1</source>
        <translation>kein Triebwerk %1</translation>
    </message>
    <message>
        <source>the logbook %1 holds no copy of that download</source>
        <translation>das Logbuch %1 enthält keine Kopie dieses Downloads</translation>
    </message>
    <message>
        <source>The logbook at %1 is read-only for %2: nothing was changed.</source>
        <translation>Das Logbuch auf %1 ist für %2 schreibgeschützt: nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (libqt6sql6-psql)</source>
        <translation>Der PostgreSQL-Treiber von Qt ist nicht installiert (libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>The logbook at %1 is read-only for %2: nothing was imported.</source>
        <translation>Das Logbuch auf %1 ist für %2 schreibgeschützt: nichts wurde importiert.</translation>
    </message>
</context>
<context>
    <name>norva::LogbookLocation</name>
    <message>
        <source>the logbook&apos;s URL is not postgresql://USER@HOST[:PORT]/DB</source>
        <translation>die URL des Logbuchs hat nicht die Form postgresql://USER@HOST[:PORT]/DB</translation>
    </message>
    <message>
        <source>the logbook&apos;s URL holds a password: put it in ~/.pgpass or PGPASSWORD instead, where no other user can read it</source>
        <translation>die URL des Logbuchs enthält ein Passwort: tragen Sie es stattdessen in ~/.pgpass oder PGPASSWORD ein, wo kein anderer Benutzer es lesen kann</translation>
    </message>
    <message>
        <source>the logbook&apos;s URL needs a user and a database: postgresql://USER@HOST[:PORT]/DB</source>
        <translation>die URL des Logbuchs braucht einen Benutzer und eine Datenbank: postgresql://USER@HOST[:PORT]/DB</translation>
    </message>
    <message>
        <source>the logbook&apos;s URL takes only ?sslmode=%1</source>
        <translation>die URL des Logbuchs erlaubt nur ?sslmode=%1</translation>
    </message>
</context>
<context>
    <name>norva::LogbookWindow</name>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Save engine report</source>
        <translation>Triebwerksbericht speichern</translation>
    </message>
    <message>
        <source>PDF document(*.pdf)|*.pdf</source>
        <translation>PDF-Dokument(*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>Der Bericht konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>NORVA Logbook</source>
        <translation>NORVA-Logbuch</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Triebwerke</translation>
    </message>
    <message>
        <source>&amp;Import download…</source>
        <translation>Download &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Move download…</source>
        <translation>Download &amp;verschieben…</translation>
    </message>
    <message>
        <source>Re&amp;name…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>Ser&amp;vice done…</source>
        <translation>&amp;Wartung erledigt…</translation>
    </message>
    <message>
        <source>Runs as &amp;CSV…</source>
        <translation>Läufe als &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Print report…</source>
        <translation>Bericht &amp;drucken…</translation>
    </message>
    <message>
        <source>Save report as P&amp;DF…</source>
        <translation>Bericht als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Läufe</translation>
    </message>
    <message>
        <source>Trend %1 shows</source>
        <translation>Trend %1 zeigt</translation>
    </message>
    <message>
        <source>Trend %1</source>
        <translation>Trend %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: reading its runs…</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: Läufe werden gelesen…</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; (%2): %3, %4, %5 min of running, %6 flagged, %7.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; (%2): %3, %4, %5 min Laufzeit, %6 markiert, %7.</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>Seriennr. %1</translation>
    </message>
    <message>
        <source>welcome text &quot;%1&quot;</source>
        <translation>Begrüßungstext „%1“</translation>
    </message>
    <message>
        <source> The unit counts %1 cycles and %2 min in total.</source>
        <translation> Das Steuergerät zählt insgesamt %1 Zyklen und %2 min.</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;&lt;span style=&quot;color:#c00000&quot;&gt;%1&lt;/span&gt;&lt;/b&gt;</source>
        <translation>&lt;br&gt;&lt;b&gt;&lt;span style=&quot;color:#c00000&quot;&gt;%1&lt;/span&gt;&lt;/b&gt;</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source> since the service</source>
        <translation> seit der Wartung</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Rename engine</source>
        <translation>Triebwerk umbenennen</translation>
    </message>
    <message>
        <source>The engine&apos;s new name:</source>
        <translation>Neuer Name des Triebwerks:</translation>
    </message>
    <message>
        <source>Choose a run of the download to move first.</source>
        <translation>Wählen Sie zuerst einen Lauf des zu verschiebenden Downloads aus.</translation>
    </message>
    <message>
        <source>Move download</source>
        <translation>Download verschieben</translation>
    </message>
    <message>
        <source>Move %1 and its runs to the engine:</source>
        <translation>%1 und seine Läufe zu folgendem Triebwerk verschieben:</translation>
    </message>
    <message>
        <source>The new engine&apos;s name:</source>
        <translation>Name des neuen Triebwerks:</translation>
    </message>
    <message>
        <source>The download could not be moved: %1</source>
        <translation>Der Download konnte nicht verschoben werden: %1</translation>
    </message>
    <message>
        <source>Import download</source>
        <translation>Download importieren</translation>
    </message>
    <message>
        <source>Run-log export(*.txt)|*.txt</source>
        <translation>Laufprotokoll-Export(*.txt)|*.txt</translation>
    </message>
    <message>
        <source>without the unit&apos;s welcome text</source>
        <translation>ohne den Begrüßungstext des Steuergeräts</translation>
    </message>
    <message>
        <source>from a unit new to the logbook (welcome text &quot;%1&quot;)</source>
        <translation>von einem Steuergerät, das neu im Logbuch ist (Begrüßungstext „%1“)</translation>
    </message>
    <message>
        <source>%1 is %2. The engine&apos;s name:%3</source>
        <translation>%1 ist %2. Name des Triebwerks:%3</translation>
    </message>
    <message>
        <source>
(known: %1)</source>
        <translation>
(bekannt: %1)</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 wurde nicht importiert: %2</translation>
    </message>
    <message>
        <source>Idle speed</source>
        <translation>Leerlaufdrehzahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a speed in RPM: the idle speed stays unknown.</source>
        <translation>„%1“ ist keine Drehzahl in RPM: Die Leerlaufdrehzahl bleibt unbekannt.</translation>
    </message>
    <message>
        <source>Service done</source>
        <translation>Wartung erledigt</translation>
    </message>
    <message>
        <source>The service could not be recorded: %1</source>
        <translation>Die Wartung konnte nicht erfasst werden: %1</translation>
    </message>
    <message>
        <source>Save runs as CSV</source>
        <translation>Läufe als CSV speichern</translation>
    </message>
    <message>
        <source>CSV file(*.csv)|*.csv</source>
        <translation>CSV-Datei(*.csv)|*.csv</translation>
    </message>
    <message>
        <source>%1 of %2 went to %3.</source>
        <translation>%1 von %2 wurden in %3 gespeichert.</translation>
    </message>
    <message>
        <source>1 run</source>
        <translation>1 Lauf</translation>
    </message>
    <message>
        <source>%1 runs</source>
        <translation>%1 Läufe</translation>
    </message>
    <message>
        <source>1 start</source>
        <translation>1 Start</translation>
    </message>
    <message>
        <source>%1 starts</source>
        <translation>%1 Starts</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 Ereignis</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>%1 Ereignisse</translation>
    </message>
    <message>
        <source>&lt;br&gt;Last service %1 (%2); since then %3, %4 min of running.</source>
        <translation>&lt;br&gt;Letzte Wartung %1 (%2); seither %3, %4 min Laufzeit.</translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>vor 1 Tag</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>vor %1 Tagen</translation>
    </message>
    <message>
        <source>&lt;br&gt;Baseline of its first %1 measured starts%2: %3 C at start, idle after %4 s. Flagged: more than %5 C hotter, or more than %6 times as long.</source>
        <translation>&lt;br&gt;Referenz aus den ersten %1 gemessenen Starts%2: %3 C beim Start, Leerlauf nach %4 s. Markiert: mehr als %5 C heißer oder mehr als %6-mal so lang.</translation>
    </message>
    <message>
        <source>&lt;br&gt;No measured start since the service: its baseline is taken from the next ones.</source>
        <translation>&lt;br&gt;Kein gemessener Start seit der Wartung: die Referenz wird aus den nächsten gebildet.</translation>
    </message>
    <message>
        <source>&lt;br&gt;%1 recorded; the last: %2 on %3%4.</source>
        <translation>&lt;br&gt;%1 aufgezeichnet; zuletzt: %2 am %3%4.</translation>
    </message>
    <message>
        <source>1 operation</source>
        <translation>1 Vorgang</translation>
    </message>
    <message>
        <source>%1 operations</source>
        <translation>%1 Vorgänge</translation>
    </message>
    <message>
        <source>A new engine…</source>
        <translation>Ein neues Triebwerk…</translation>
    </message>
    <message>
        <source>%1: already in the logbook</source>
        <translation>%1: bereits im Logbuch</translation>
    </message>
    <message>
        <source>%1: %2, %3 runs added, %4 replaced, %5 already there</source>
        <translation>%1: %2, %3 Läufe hinzugefügt, %4 ersetzt, %5 bereits vorhanden</translation>
    </message>
    <message>
        <source>No engine in the logbook yet: every download goes in by itself.</source>
        <translation>Noch kein Triebwerk im Logbuch: Jeder Download wird automatisch aufgenommen.</translation>
    </message>
    <message>
        <source>The engine could not be renamed to &quot;%1&quot;: %2</source>
        <translation>Das Triebwerk konnte nicht in „%1“ umbenannt werden: %2</translation>
    </message>
    <message>
        <source>%1 holds no configuration, and the idle speed of %2 is not known yet: without it no start is measured. Its idle speed in RPM (kept for the engine; empty: leave it unknown):</source>
        <translation>%1 enthält keine Konfiguration, und die Leerlaufdrehzahl von %2 ist noch nicht bekannt: Ohne sie wird kein Start gemessen. Leerlaufdrehzahl des Triebwerks in RPM (wird beim Triebwerk gespeichert; leer: bleibt unbekannt):</translation>
    </message>
    <message>
        <source>A service of %1, done now: its baseline and its time since service start again. What was done (may be left empty):</source>
        <translation>Eine Wartung von %1, jetzt erledigt: Referenz und Zeit seit der Wartung beginnen neu. Was gemacht wurde (darf leer bleiben):</translation>
    </message>
    <message>
        <source>Logbook</source>
        <translation>Logbuch</translation>
    </message>
    <message>
        <source>The password of %1 for the logbook at %2:</source>
        <translation>Das Passwort von %1 für das Logbuch auf %2:</translation>
    </message>
</context>
<context>
    <name>norva::MainWindow</name>
    <message>
        <source>No unit found. Plug the NORVA unit in</source>
        <translation>Kein Steuergerät gefunden. Schließen Sie das NORVA-Steuergerät an</translation>
    </message>
    <message>
        <source> (on Linux it needs the udev rule described in the README)</source>
        <translation> (unter Linux ist dazu die in der README beschriebene udev-Regel nötig)</translation>
    </message>
    <message>
        <source>, or start the program with --device sim to try it.</source>
        <translation>, oder starten Sie das Programm zum Ausprobieren mit --device sim.</translation>
    </message>
    <message>
        <source>NORVA System</source>
        <translation>NORVA System</translation>
    </message>
    <message>
        <source>No unit</source>
        <translation>Kein Steuergerät</translation>
    </message>
    <message>
        <source>Stick position</source>
        <translation>Gashebel</translation>
    </message>
    <message>
        <source>Pump Power</source>
        <translation>Pumpe</translation>
    </message>
    <message>
        <source>Battery Amperage</source>
        <translation>Batteriestrom</translation>
    </message>
    <message>
        <source>Battery Voltage</source>
        <translation>Batteriespannung</translation>
    </message>
    <message>
        <source>USB Connection</source>
        <translation>USB-Verbindung</translation>
    </message>
    <message>
        <source>Menu UP</source>
        <translation>Menü AUF</translation>
    </message>
    <message>
        <source>Menu down</source>
        <translation>Menü AB</translation>
    </message>
    <message>
        <source>Data UP</source>
        <translation>Daten AUF</translation>
    </message>
    <message>
        <source>Data Down</source>
        <translation>Daten AB</translation>
    </message>
    <message>
        <source>Norva Power from USB</source>
        <translation>Norva-Versorgung über USB</translation>
    </message>
    <message>
        <source>Saving Parameters</source>
        <translation>Parameter speichern</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Save parameters to a file</source>
        <translation>Parameter in Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Write parameters from a file</source>
        <translation>Parameter aus Datei &amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <translation>Dia&amp;gramme</translation>
    </message>
    <message>
        <source>&amp;Performance Graph</source>
        <translation>&amp;Leistungsdiagramm</translation>
    </message>
    <message>
        <source>&amp;Time Graph</source>
        <translation>&amp;Zeitdiagramm</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation>&amp;Parameter</translation>
    </message>
    <message>
        <source>&amp;Ramps</source>
        <translation>&amp;Rampen</translation>
    </message>
    <message>
        <source>&amp;Credits</source>
        <translation>&amp;Credits</translation>
    </message>
    <message>
        <source>&amp;Download </source>
        <translation>Do&amp;wnload </translation>
    </message>
    <message>
        <source>&amp;Logbook</source>
        <translation>&amp;Logbuch</translation>
    </message>
    <message>
        <source>&amp;Manufacturer</source>
        <translation>&amp;Hersteller</translation>
    </message>
    <message>
        <source>Save all</source>
        <translation>Alles speichern</translation>
    </message>
    <message>
        <source>Write all (clone)</source>
        <translation>Alles schreiben (Klon)</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>Mit Datei vergleichen…</translation>
    </message>
    <message>
        <source>Clear all timers</source>
        <translation>Alle Timer löschen</translation>
    </message>
    <message>
        <source>Clear Service Timer</source>
        <translation>Wartungstimer löschen</translation>
    </message>
    <message>
        <source>Set Serial Number</source>
        <translation>Seriennummer setzen</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Erweitert</translation>
    </message>
    <message>
        <source>&amp;Stop replay</source>
        <translation>Wiedergabe &amp;aus</translation>
    </message>
    <message>
        <source>%1, serial %2</source>
        <translation>%1, Seriennr. %2</translation>
    </message>
    <message>
        <source>Nothing answers at %1. Start the unit&apos;s server there (norva-sim --listen tcp:%1), or start the program with --device sim to try it.</source>
        <translation>Unter %1 antwortet nichts. Starten Sie dort den Server des Steuergeräts (norva-sim --listen tcp:%1), oder starten Sie das Programm zum Ausprobieren mit --device sim.</translation>
    </message>
</context>
<context>
    <name>norva::PerfChart</name>
    <message>
        <source>the file ends inside a record: %1 values, four to a record</source>
        <translation>die Datei endet mitten in einem Datensatz: %1 Werte, vier je Datensatz</translation>
    </message>
</context>
<context>
    <name>norva::PerformanceChartWindow</name>
    <message>
        <source>: the measures could not be copied there: </source>
        <translation>: Die Messdaten konnten nicht dorthin kopiert werden: </translation>
    </message>
    <message>
        <source>The printer could not be opened.</source>
        <translation>Der Drucker konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Thrust Calibration</source>
        <translation>Schubkalibrierung</translation>
    </message>
    <message>
        <source>Input the correction value</source>
        <translation>Korrekturwert eingeben</translation>
    </message>
    <message>
        <source>NORVA Graphic</source>
        <translation>NORVA-Grafik</translation>
    </message>
    <message>
        <source>E.G.T.(ºC)</source>
        <translation>E.G.T.(ºC)</translation>
    </message>
    <message>
        <source>Pressure (Bar)</source>
        <translation>Druck (Bar)</translation>
    </message>
    <message>
        <source>Thrust (N)</source>
        <translation>Schub (N)</translation>
    </message>
    <message>
        <source>Thrust(N)</source>
        <translation>Schub(N)</translation>
    </message>
    <message>
        <source>Performance chart</source>
        <translation>Leistungsdiagramm</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save measures to file</source>
        <translation>Messdaten in Datei &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Display measures from file</source>
        <translation>Messdaten aus Datei &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Print measures from File</source>
        <translation>Messdaten aus Datei &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Clear Graph</source>
        <translation>Grafik &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Thrust</source>
        <translation>&amp;Schub</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Auxiliar input</source>
        <translation>Hilfseingang</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Kalibrieren</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Nullen</translation>
    </message>
    <message>
        <source>%1. Nothing of it was drawn.</source>
        <translation>%1. Davon wurde nichts gezeichnet.</translation>
    </message>
    <message>
        <source>%1. Nothing was printed.</source>
        <translation>%1. Es wurde nichts gedruckt.</translation>
    </message>
</context>
<context>
    <name>norva::Program</name>
    <message>
        <source>%1; the default settings are used</source>
        <translation>%1; es werden die Standardeinstellungen verwendet</translation>
    </message>
</context>
<context>
    <name>norva::Ramps</name>
    <message>
        <source>Full throttle speed</source>
        <translation>Vollgasdrehzahl</translation>
    </message>
    <message>
        <source>Idle speed</source>
        <translation>Leerlaufdrehzahl</translation>
    </message>
    <message>
        <source>Acceleration row %1 absolute speed</source>
        <translation>Beschleunigung, Zeile %1, absolute Drehzahl</translation>
    </message>
    <message>
        <source>Acceleration row %1 slope</source>
        <translation>Beschleunigung, Zeile %1, Steigung</translation>
    </message>
    <message>
        <source>Deceleration row %1 absolute speed</source>
        <translation>Verzögerung, Zeile %1, absolute Drehzahl</translation>
    </message>
    <message>
        <source>Deceleration row %1 slope</source>
        <translation>Verzögerung, Zeile %1, Steigung</translation>
    </message>
    <message>
        <source>%1 is not a number: &apos;%2&apos;</source>
        <translation>%1 ist keine Zahl: „%2“</translation>
    </message>
    <message>
        <source>writing the ramps</source>
        <translation>Schreiben der Rampen</translation>
    </message>
    <message>
        <source>the ramp write</source>
        <translation>des Rampen-Schreibvorgangs</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>Backup data not available, please wait</source>
        <translation>Sicherungsdaten nicht verfügbar, bitte warten</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
        <source>holds %1 values; a ramp file holds 34</source>
        <translation>enthält %1 Werte; eine Rampendatei enthält 34</translation>
    </message>
</context>
<context>
    <name>norva::RampsWindow</name>
    <message>
        <source>Acceleration/Deceleration ramps</source>
        <translation>Beschleunigungs-/Verzögerungsrampen</translation>
    </message>
    <message>
        <source>Full throttle speed:</source>
        <translation>Vollgasdrehzahl:</translation>
    </message>
    <message>
        <source>Idle speed:</source>
        <translation>Leerlauf:</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
    <message>
        <source>Deceleration</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Datei laden</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Read NORVA</source>
        <translation>NORVA lesen</translation>
    </message>
    <message>
        <source>Write to NORVA</source>
        <translation>In NORVA schreiben</translation>
    </message>
    <message>
        <source>Ramp chart</source>
        <translation>Rampenverlauf</translation>
    </message>
    <message>
        <source>How to edit the ramps</source>
        <translation>So bearbeiten Sie Rampen</translation>
    </message>
    <message>
        <source>Relative speed:</source>
        <translation>Rel. Drehzahl:</translation>
    </message>
    <message>
        <source>Absolute Speed:</source>
        <translation>Abs. Drehzahl:</translation>
    </message>
    <message>
        <source>Slope Value:</source>
        <translation>Steigung:</translation>
    </message>
    <message>
        <source>Up to:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>%1 row %2, %3</source>
        <translation>%1 Zeile %2, %3</translation>
    </message>
    <message>
        <source>The unit takes 1 to 255: %1 will be sent</source>
        <translation>Das Steuergerät akzeptiert 1 bis 255: %1 wird gesendet</translation>
    </message>
    <message>
        <source>Backup data not available, please wait</source>
        <translation>Sicherungsdaten nicht verfügbar, bitte warten</translation>
    </message>
    <message>
        <source>-Enter the absolute speed value from 0 to 255. 0 is idle and 255 is full power. If you fill the above fields whit the real idle and full power rpm, you will see the real rpm in to the relative speed column.  The slope values should be between 1 and 32, and the last value on the acceleration ramp should be of low value to avoid the posibility to overspeed the engine in accelerations close to max power.</source>
        <translation>-Geben Sie die absolute Drehzahl von 0 bis 255 ein: 0 ist Leerlauf, 255 Vollgas. Tragen Sie oben die tatsächlichen Leerlauf- und Vollgasdrehzahlen ein, so erscheint in der Spalte der relativen Drehzahl die wirkliche Drehzahl. Die Steigungen sollten zwischen 1 und 32 liegen, und der letzte Wert der Beschleunigungsrampe sollte klein sein, damit das Triebwerk beim Beschleunigen nahe der Höchstleistung nicht überdreht.</translation>
    </message>
    <message>
        <source>Norva ramp(*.rmp)|*.rmp</source>
        <translation>Norva-Rampe(*.rmp)|*.rmp</translation>
    </message>
    <message>
        <source>%1. Nothing was saved.</source>
        <translation>%1. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Reading the unit&apos;s configuration…</source>
        <translation>Lesen der Konfiguration des Steuergeräts…</translation>
    </message>
    <message>
        <source>Not a number: the relative speeds and the chart wait for a number here</source>
        <translation>Keine Zahl: Relative Drehzahlen und Verlauf warten hier auf eine Zahl</translation>
    </message>
</context>
<context>
    <name>norva::Replay</name>
    <message>
        <source>%1: the export holds no samples to replay</source>
        <translation>%1: der Export enthält keine Messwerte zum Abspielen</translation>
    </message>
</context>
<context>
    <name>norva::RunLog</name>
    <message>
        <source>no ten zeros in a row after the preamble</source>
        <translation>keine zehn Nullen in Folge nach der Präambel</translation>
    </message>
    <message>
        <source>no 252 after the ten zeros</source>
        <translation>keine 252 nach den zehn Nullen</translation>
    </message>
    <message>
        <source>the log ends after the 252, where the 253 should follow</source>
        <translation>das Protokoll endet nach der 252, wo die 253 folgen sollte</translation>
    </message>
    <message>
        <source>the 253 after the 252 is missing (found %1)</source>
        <translation>die 253 nach der 252 fehlt (gefunden: %1)</translation>
    </message>
    <message>
        <source>the log ends after %1 of its %2 pages</source>
        <translation>das Protokoll endet nach %1 von %2 Seiten</translation>
    </message>
    <message>
        <source>expected a byte value from 0 to 255, found %1</source>
        <translation>Bytewert von 0 bis 255 erwartet, gefunden: %1</translation>
    </message>
</context>
<context>
    <name>norva::Runs</name>
    <message>
        <source>not a run-log export: the first line is not the header %1</source>
        <translation>kein Laufprotokoll-Export: die erste Zeile ist nicht die Kopfzeile %1</translation>
    </message>
    <message>
        <source>expected seven whole numbers (Cycle,Page,Aux,Temp,RPM,Throttle,Pump), found %1</source>
        <translation>sieben ganze Zahlen erwartet (Cycle,Page,Aux,Temp,RPM,Throttle,Pump), gefunden: %1</translation>
    </message>
</context>
<context>
    <name>norva::Screenshot</name>
    <message>
        <source>Cancelled while waiting for the unit&apos;s configuration (%1 of 256 bytes); no picture was saved.</source>
        <translation>Abgebrochen beim Warten auf die Konfiguration des Steuergeräts (%1 von 256 Bytes); es wurde kein Bild gespeichert.</translation>
    </message>
    <message>
        <source>no unit was reached within %1 s; no picture was saved</source>
        <translation>innerhalb von %1 s wurde kein Steuergerät erreicht; es wurde kein Bild gespeichert</translation>
    </message>
    <message>
        <source>the unit&apos;s configuration was still incomplete (%1 of 256)</source>
        <translation>die Konfiguration des Steuergeräts war noch unvollständig (%1 von 256)</translation>
    </message>
    <message>
        <source>cannot write the picture %1</source>
        <translation>das Bild %1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>norva::Session</name>
    <message>
        <source>skipped a unit with vendor %1 and product %2 at %3: its reports are %4 and %5 bytes long, not %6.</source>
        <translation>Steuergerät mit Hersteller-ID %1 und Produkt-ID %2 an %3 übersprungen: seine Datenpakete sind %4 und %5 Bytes lang, nicht %6.</translation>
    </message>
</context>
<context>
    <name>norva::TimeChart</name>
    <message>
        <source>The end must come after the start.</source>
        <translation>Das Ende muss nach dem Anfang liegen.</translation>
    </message>
    <message>
        <source>no engine run of cycle %1</source>
        <translation>kein Triebwerkslauf im Zyklus %1</translation>
    </message>
    <message>
        <source>%1, cycle %2</source>
        <translation>%1, Zyklus %2</translation>
    </message>
</context>
<context>
    <name>norva::TimeChartWindow</name>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG picture(*.png)|*.png|PDF document(*.pdf)|*.pdf</source>
        <translation>PNG-Bild(*.png)|*.png|PDF-Dokument(*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The picture could not be written: %1</source>
        <translation>Das Bild konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>NORVA Time Graph</source>
        <translation>NORVA-Zeitdiagramm</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Whole run</source>
        <translation>Ganzer Lauf</translation>
    </message>
    <message>
        <source>Initial Time (m)</source>
        <translation>Startzeit (m)</translation>
    </message>
    <message>
        <source>End time (m)</source>
        <translation>Endzeit (m)</translation>
    </message>
    <message>
        <source>Time chart</source>
        <translation>Zeitdiagramm</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Recent downloads</source>
        <translation>Letzte Downloads</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Bild speichern…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Engine runs</source>
        <translation>Triebwerksläufe</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>Play the chosen run on the main window&apos;s dials</source>
        <translation>Gewählten Lauf auf den Anzeigen des Hauptfensters abspielen</translation>
    </message>
    <message>
        <source>No downloads kept yet</source>
        <translation>Noch keine Downloads gespeichert</translation>
    </message>
    <message>
        <source>The engine did not run.</source>
        <translation>Das Triebwerk ist nicht gelaufen.</translation>
    </message>
    <message>
        <source>%1 runs. Choose one to see it.</source>
        <translation>%1 Läufe. Wählen Sie einen zur Anzeige aus.</translation>
    </message>
    <message>
        <source>Cycle %1: %2</source>
        <translation>Zyklus %1: %2</translation>
    </message>
    <message>
        <source>R.P.M.x1000</source>
        <translation>R.P.M.x1000</translation>
    </message>
    <message>
        <source>E.G.T.(ºC) x10</source>
        <translation>E.G.T.(ºC) x10</translation>
    </message>
    <message>
        <source>Throttle (%)</source>
        <translation>Gashebel (%)</translation>
    </message>
    <message>
        <source>Pump (%)</source>
        <translation>Pumpe (%)</translation>
    </message>
    <message>
        <source>Thrust(N)</source>
        <translation>Schub(N)</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Zyklus</translation>
    </message>
    <message>
        <source>The unit&apos;s cycle number</source>
        <translation>Die Zyklusnummer des Steuergeräts</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Minute of the log the run starts at</source>
        <translation>Minute des Protokolls, zu der der Lauf beginnt</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Seconds the engine turned</source>
        <translation>Sekunden, die das Triebwerk drehte</translation>
    </message>
    <message>
        <source>To idle</source>
        <translation>Bis Leerlauf</translation>
    </message>
    <message>
        <source>Seconds from the first turn to idle speed</source>
        <translation>Sekunden von der ersten Drehung bis zur Leerlaufdrehzahl</translation>
    </message>
    <message>
        <source>Start EGT</source>
        <translation>Start-EGT</translation>
    </message>
    <message>
        <source>Hottest EGT of the start, up to idle (ºC)</source>
        <translation>Höchste EGT des Starts bis zum Leerlauf (ºC)</translation>
    </message>
    <message>
        <source>Max RPM</source>
        <translation>Max. RPM</translation>
    </message>
    <message>
        <source>Largest speed of the run</source>
        <translation>Höchste Drehzahl des Laufs</translation>
    </message>
    <message>
        <source>Max EGT</source>
        <translation>Max. EGT</translation>
    </message>
    <message>
        <source>Largest EGT of the run (ºC)</source>
        <translation>Höchste EGT des Laufs (ºC)</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>Pumpe</translation>
    </message>
    <message>
        <source>Mean pump at or above idle (tenths of a percent)</source>
        <translation>Mittlere Pumpe ab Leerlauf (Zehntelprozent)</translation>
    </message>
    <message>
        <source>%1 runs. The file does not hold the unit&apos;s idle speed, so the starts are not measured.</source>
        <translation>%1 Läufe. Die Datei enthält nicht die Leerlaufdrehzahl des Steuergeräts, daher werden die Starts nicht gemessen.</translation>
    </message>
    <message>
        <source>Save span as CSV</source>
        <translation>Abschnitt als CSV speichern</translation>
    </message>
    <message>
        <source>CSV file(*.csv)|*.csv</source>
        <translation>CSV-Datei(*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Click the chart twice to read the span between cursors A and B.</source>
        <translation>Zweimal in das Diagramm klicken, um den Abschnitt zwischen den Cursorn A und B zu lesen.</translation>
    </message>
    <message>
        <source>Compare with…</source>
        <translation>Vergleichen mit…</translation>
    </message>
    <message>
        <source>Lay a run of another export over this log, dotted</source>
        <translation>Einen Lauf einer anderen Exportdatei gepunktet über dieses Protokoll legen</translation>
    </message>
    <message>
        <source>Save span as CSV…</source>
        <translation>Abschnitt als CSV…</translation>
    </message>
    <message>
        <source>Cursor A at minute %1: click again for B.</source>
        <translation>Cursor A bei Minute %1: erneut klicken für B.</translation>
    </message>
    <message>
        <source>Speed (RPM)</source>
        <translation>Drehzahl (RPM)</translation>
    </message>
    <message>
        <source>EGT (ºC)</source>
        <translation>EGT (ºC)</translation>
    </message>
    <message>
        <source>Stick (%)</source>
        <translation>Knüppel (%)</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Δt %1 s, %2 samples</source>
        <translation>Δt %1 s, %2 Werte</translation>
    </message>
    <message>
        <source>normal start of %1</source>
        <translation>Normalstart von %1</translation>
    </message>
    <message>
        <source>A run of another export</source>
        <translation>Ein Lauf einer anderen Exportdatei</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Lay over the log:</source>
        <translation>Über das Protokoll legen:</translation>
    </message>
    <message>
        <source>The engine&apos;s normal start, from the logbook</source>
        <translation>Der Normalstart des Triebwerks, aus dem Logbuch</translation>
    </message>
    <message>
        <source>The logbook knows no normal start of this engine.</source>
        <translation>Das Logbuch kennt keinen Normalstart dieses Triebwerks.</translation>
    </message>
    <message>
        <source>%1 holds no engine run.</source>
        <translation>%1 enthält keinen Triebwerkslauf.</translation>
    </message>
    <message>
        <source>The run of cycle:</source>
        <translation>Der Lauf des Zyklus:</translation>
    </message>
    <message>
        <source>Δt %1 s, %2 samples; %3 without data, left out</source>
        <translation>Δt %1 s, %2 Werte; %3 ohne Daten, ausgelassen</translation>
    </message>
</context>
<context>
    <name>norva::UnitCommand</name>
    <message>
        <source>Looking for the unit (%1)…</source>
        <translation>Suche das Steuergerät (%1)…</translation>
    </message>
    <message>
        <source>Waiting for the unit&apos;s configuration: %1 of 256 bytes</source>
        <translation>Warte auf die Konfiguration des Steuergeräts: %1 von 256 Bytes</translation>
    </message>
    <message>
        <source>the unit&apos;s configuration did not arrive within %1 s (%2 of 256 bytes)</source>
        <translation>die Konfiguration des Steuergeräts kam nicht innerhalb von %1 s an (%2 von 256 Bytes)</translation>
    </message>
    <message>
        <source>the unit was lost while recording the chart: </source>
        <translation>die Verbindung zum Steuergerät ging während der Aufzeichnung verloren: </translation>
    </message>
    <message>
        <source>%1 points recorded in %2</source>
        <translation>%1 Punkte in %2 aufgezeichnet</translation>
    </message>
</context>
<context>
    <name>norva::WelcomeText</name>
    <message>
        <source>The unit cannot show the character &quot;%1&quot; (U+%2); nothing was sent. Use letters, digits and common signs.</source>
        <translation>Das Steuergerät kann das Zeichen „%1“ (U+%2) nicht anzeigen; es wurde nichts gesendet. Verwenden Sie Buchstaben, Ziffern und gängige Zeichen.</translation>
    </message>
    <message>
        <source>writing the welcome text</source>
        <translation>Schreiben des Begrüßungstexts</translation>
    </message>
    <message>
        <source>the welcome text</source>
        <translation>des Begrüßungstexts</translation>
    </message>
</context>
<context>
    <name>norva::WelcomeTextWindow</name>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Welcome text line 1</source>
        <translation>Begrüßungstext Zeile 1</translation>
    </message>
    <message>
        <source>Welcome text line 2</source>
        <translation>Begrüßungstext Zeile 2</translation>
    </message>
    <message>
        <source>Read NORVA</source>
        <translation>NORVA lesen</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Write NORVA</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Reading the unit&apos;s configuration…</source>
        <translation>Lesen der Konfiguration des Steuergeräts…</translation>
    </message>
    <message>
        <source>Backup data not available, please wait</source>
        <translation>Sicherungsdaten nicht verfügbar, bitte warten</translation>
    </message>
</context>
<context>
    <name>norva::WriteGate</name>
    <message>
        <source>Programming the NORVA</source>
        <translation>NORVA wird programmiert</translation>
    </message>
</context>
<context>
    <name>norva::params::ParametersWindow</name>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Pump curve</source>
        <translation>Pumpenkurve</translation>
    </message>
</context>
</TS>
