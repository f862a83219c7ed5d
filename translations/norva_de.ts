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
        <translation>Zurücksetzen des Service-Timers</translation>
    </message>
    <message>
        <source>Clear the service timer?</source>
        <translation>Service-Timer zurücksetzen?</translation>
    </message>
    <message>
        <source>clearing the timers</source>
        <translation>Zurücksetzen der Timer</translation>
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
</context>
<context>
    <name>RunningOperation</name>
    <message>
        <source>No unit is connected.</source>
        <translation>Es ist kein Steuergerät verbunden.</translation>
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
        <translation>Leerlaufdrehzahl:</translation>
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
        <translation>Relative Drehzahl:</translation>
    </message>
    <message>
        <source>Absolute Speed:</source>
        <translation>Absolute Drehzahl:</translation>
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
        <translation>Aktualisieren</translation>
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
