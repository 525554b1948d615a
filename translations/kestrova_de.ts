<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AnalyzeCommand</name>
    <message>
        <source>Clinical figures</source>
        <translation>Klinische Kennwerte</translation>
    </message>
    <message>
        <source>%1 h (%2 s)</source>
        <translation>%1 h (%2 s)</translation>
    </message>
    <message>
        <source>%1 min (%2 %)</source>
        <translation>%1 min (%2 %)</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Aufgezeichnet</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>Gültig</translation>
    </message>
    <message>
        <source>Artefact</source>
        <translation>Artefakt</translation>
    </message>
    <message>
        <source>SpO2 mean / median</source>
        <translation>SpO2 Mittel / Median</translation>
    </message>
    <message>
        <source>%1 % / %2 %</source>
        <translation>%1 % / %2 %</translation>
    </message>
    <message>
        <source>SpO2 nadir / max</source>
        <translation>SpO2 Nadir / Max.</translation>
    </message>
    <message>
        <source>T90 (SpO2 &lt; 90 %)</source>
        <translation>T90 (SpO2 &lt; 90 %)</translation>
    </message>
    <message>
        <source>T88 (SpO2 &lt;= 88 %)</source>
        <translation>T88 (SpO2 &lt;= 88 %)</translation>
    </message>
    <message>
        <source>SpO2 %1-%2 %</source>
        <translation>SpO2 %1-%2 %</translation>
    </message>
    <message>
        <source>%1 /h (%2 events)</source>
        <translation>%1 /h (%2 Ereignisse)</translation>
    </message>
    <message>
        <source>ODI 3 %</source>
        <translation>ODI 3 %</translation>
    </message>
    <message>
        <source>ODI 4 %</source>
        <translation>ODI 4 %</translation>
    </message>
    <message>
        <source>%1 % depth mean / median</source>
        <translation>%1 % Tiefe Mittel / Median</translation>
    </message>
    <message>
        <source>%1 / %2 %</source>
        <translation>%1 / %2 %</translation>
    </message>
    <message>
        <source>%1 % duration mean / median</source>
        <translation>%1 % Dauer Mittel / Median</translation>
    </message>
    <message>
        <source>%1 / %2 s</source>
        <translation>%1 / %2 s</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 s at %2, %3 % deep</source>
        <translation>%1 s um %2, %3 % tief</translation>
    </message>
    <message>
        <source>%1 % longest event</source>
        <translation>%1 % längstes Ereignis</translation>
    </message>
    <message>
        <source>Desaturation area (3 %)</source>
        <translation>Entsättigungsfläche (3 %)</translation>
    </message>
    <message>
        <source>%1 %min/h</source>
        <translation>%1 %min/h</translation>
    </message>
    <message>
        <source>Pulse mean / min / max</source>
        <translation>Puls Mittel / Min. / Max.</translation>
    </message>
    <message>
        <source>%1 / %2 / %3 bpm</source>
        <translation>%1 / %2 / %3 bpm</translation>
    </message>
    <message>
        <source>Pulse &gt; 100 / &lt; 50 bpm</source>
        <translation>Puls &gt; 100 / &lt; 50 bpm</translation>
    </message>
    <message>
        <source>%1 min / %2 min</source>
        <translation>%1 min / %2 min</translation>
    </message>
    <message>
        <source>Event and threshold analysis of a saved recording</source>
        <translation>Ereignis- und Schwellenanalyse einer gespeicherten Aufzeichnung</translation>
    </message>
    <message>
        <source>Saved data file (.dat)</source>
        <translation>Gespeicherte Datendatei (.dat)</translation>
    </message>
    <message>
        <source>One JSON object instead of the summary table</source>
        <translation>Ein JSON-Objekt statt der Übersichtstabelle</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Pulse oximetry recordings</source>
        <translation>Pulsoxymetrie-Aufzeichnungen</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>BluetoothLink</name>
    <message>
        <source>Bluetooth link</source>
        <translation>Bluetooth-Verbindung</translation>
    </message>
    <message>
        <source>not a Bluetooth address</source>
        <translation>keine Bluetooth-Adresse</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Bluetooth address.</source>
        <translation>„%1“ ist keine Bluetooth-Adresse.</translation>
    </message>
    <message>
        <source>Bluetooth is not available: %1.</source>
        <translation>Bluetooth ist nicht verfügbar: %1.</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2.</source>
        <translation>Verbindung mit %1 nicht möglich: %2.</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <source>the link took no bytes</source>
        <translation>die Verbindung hat keine Bytes angenommen</translation>
    </message>
    <message>
        <source>the peer closed the link</source>
        <translation>die Gegenstelle hat die Verbindung geschlossen</translation>
    </message>
</context>
<context>
    <name>CAnalysisSetup</name>
    <message>
        <source>Times with saturations high</source>
        <translation>Zeiten mit hoher Sättigung</translation>
    </message>
    <message>
        <source>Times with saturations low</source>
        <translation>Zeiten mit niedriger Sättigung</translation>
    </message>
    <message>
        <source>Times with pr high</source>
        <translation>Zeiten mit hoher Pulsfrequenz</translation>
    </message>
    <message>
        <source>Times with pr low</source>
        <translation>Zeiten mit niedriger Pulsfrequenz</translation>
    </message>
    <message>
        <source>Desaturation Event</source>
        <translation>Entsättigungsereignis</translation>
    </message>
    <message>
        <source>Pulse Event</source>
        <translation>Pulsereignis</translation>
    </message>
</context>
<context>
    <name>CTavroApp</name>
    <message>
        <source>Demo oximeter attached on %1 - File &gt; NewDataCapture downloads it</source>
        <translation>Demo-Oximeter an %1 angeschlossen – Datei &gt; NewDataCapture lädt es herunter</translation>
    </message>
    <message>
        <source>Patient list not available</source>
        <translation>Patientenliste nicht verfügbar</translation>
    </message>
    <message>
        <source>Settings not read: defaults in use</source>
        <translation>Einstellungen nicht gelesen: Standardwerte aktiv</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read, so the default settings are used and the file is left as it is.

%2</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden. Daher werden die Standardeinstellungen verwendet, und die Datei bleibt unverändert.

%2</translation>
    </message>
    <message>
        <source>Study library not available</source>
        <translation>Studienbibliothek nicht verfügbar</translation>
    </message>
    <message>
        <source>The study library cannot be opened, so downloads are kept only in memory and in the files you save.

%1</source>
        <translation>Die Studienbibliothek kann nicht geöffnet werden. Heruntergeladene Daten bleiben daher nur im Speicher und in den Dateien, die Sie speichern.

%1</translation>
    </message>
    <message>
        <source>%1 recordings added to the study library, %2 already there.</source>
        <translation>%1 Aufzeichnungen zur Studienbibliothek hinzugefügt, %2 bereits vorhanden.</translation>
    </message>
    <message>
        <source>

Not added:
</source>
        <translation>

Nicht hinzugefügt:
</translation>
    </message>
</context>
<context>
    <name>CaptureCommands</name>
    <message>
        <source>%1, %2 h %3 min</source>
        <translation>%1, %2 h %3 min</translation>
    </message>
    <message>
        <source>These recordings could not be kept in the study library; save them with Save Data before the next download:
%1</source>
        <translation>Diese Aufzeichnungen konnten nicht in der Studienbibliothek abgelegt werden; speichern Sie sie vor dem nächsten Download mit „Daten speichern“:
%1</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the link failed</source>
        <translation>die Verbindung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>the device stopped sending</source>
        <translation>das Gerät hat das Senden eingestellt</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>zu wenig Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Program directory holding bldb/pationtrec.dat (default: KESTROVA_HOME or the executable&apos;s directory)</source>
        <translation>Programmverzeichnis mit bldb/pationtrec.dat (Standard: KESTROVA_HOME oder das Verzeichnis der ausführbaren Datei)</translation>
    </message>
    <message>
        <source>Settings file to read and write (default: ./Kestrova.ini when it exists, else the per-user one of an installed program)</source>
        <translation>Zu lesende und zu schreibende Einstellungsdatei (Standard: ./Kestrova.ini, falls vorhanden, sonst die benutzereigene eines installierten Programms)</translation>
    </message>
    <message>
        <source>%1; the default settings are used</source>
        <translation>%1; es werden die Standardeinstellungen verwendet</translation>
    </message>
    <message>
        <source>The patient database is not used: %1</source>
        <translation>Die Patientendatenbank wird nicht verwendet: %1</translation>
    </message>
    <message>
        <source>Try &apos;kestrova-cli --help&apos; or &apos;kestrova-cli COMMAND --help&apos;.</source>
        <translation>Siehe &apos;kestrova-cli --help&apos; oder &apos;kestrova-cli BEFEHL --help&apos;.</translation>
    </message>
    <message>
        <source>A .%1 file is not text: it is not written to a terminal. Redirect the output or name a file.</source>
        <translation>Eine .%1-Datei ist kein Text: sie wird nicht auf ein Terminal ausgegeben. Leiten Sie die Ausgabe um oder geben Sie eine Datei an.</translation>
    </message>
    <message>
        <source>Cannot make a temporary directory for the output.</source>
        <translation>Temporäres Verzeichnis für die Ausgabe kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot read back the output from its temporary file.</source>
        <translation>Die Ausgabe kann nicht aus ihrer temporären Datei zurückgelesen werden.</translation>
    </message>
    <message>
        <source>Cannot write to the standard output.</source>
        <translation>Schreiben auf die Standardausgabe nicht möglich.</translation>
    </message>
    <message>
        <source>Unknown language &quot;%1&quot;; English is used.</source>
        <translation>Unbekannte Sprache „%1“; es wird Englisch verwendet.</translation>
    </message>
    <message>
        <source>Kestrova command-line tool</source>
        <translation>Kestrova-Befehlszeilenwerkzeug</translation>
    </message>
    <message>
        <source>Display program version information and exit</source>
        <translation>Versionsinformationen anzeigen und beenden</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Diese Hilfe anzeigen und beenden</translation>
    </message>
    <message>
        <source>Language of messages and reports: en, en_classic, de, fr, es</source>
        <translation>Sprache der Meldungen und Berichte: en, en_classic, de, fr, es</translation>
    </message>
</context>
<context>
    <name>ClinicalMetrics</name>
    <message>
        <source>Criteria: a second is valid when SpO2 is 50-100 % and pulse 25-250 bpm; every figure uses valid seconds only.</source>
        <translation>Kriterien: Eine Sekunde ist gültig, wenn SpO2 50–100 % und der Puls 25–250 bpm beträgt; alle Kennwerte beruhen nur auf gültigen Sekunden.</translation>
    </message>
    <message>
        <source>Desaturations are found on SpO2 smoothed by a %1-sample median (a sample next to an artefact is kept as it is).</source>
        <translation>Entsättigungen werden in der mit einem %1-Werte-Median geglätteten SpO2 erkannt (ein Wert neben einem Artefakt bleibt unverändert).</translation>
    </message>
    <message>
        <source>The baseline is the lower median of the smoothed valid samples of the preceding %1 s that lie outside events (at least %2 of them) and moves by at most %3 % a sample.</source>
        <translation>Die Basislinie ist der untere Median der geglätteten gültigen Werte der vorangehenden %1 s außerhalb von Ereignissen (mindestens %2 davon) und ändert sich um höchstens %3 % pro Wert.</translation>
    </message>
    <message>
        <source>An event starts at a sample at least %1 % below the baseline and counts when SpO2 stays there for at least %2 valid seconds, at most %3 samples in a row above; it ends before SpO2 has been back within %4 % of the baseline, or %5 % above the event&apos;s nadir, for %6 s, or after %7 s without recovery (its seconds then rejoin the baseline, which is taken afresh).</source>
        <translation>Ein Ereignis beginnt bei einem Wert mindestens %1 % unter der Basislinie und zählt, wenn SpO2 dort mindestens %2 gültige Sekunden bleibt, mit höchstens %3 Werten in Folge darüber; es endet, bevor SpO2 %6 s lang wieder innerhalb von %4 % der Basislinie oder %5 % über dem Nadir des Ereignisses liegt, oder nach %7 s ohne Erholung (seine Sekunden gehen dann wieder in die Basislinie ein, die neu bestimmt wird).</translation>
    </message>
    <message>
        <source>After an event the next one also needs a fall of %1 % below the highest SpO2 since, until SpO2 is back within %2 % of the baseline.</source>
        <translation>Nach einem Ereignis erfordert das nächste zusätzlich einen Abfall um %1 % unter die höchste SpO2 seither, bis SpO2 wieder innerhalb von %2 % der Basislinie liegt.</translation>
    </message>
    <message>
        <source>A 4 % event is a 3 % event that holds at least 4 % below its baseline in the same way.</source>
        <translation>Ein 4-%-Ereignis ist ein 3-%-Ereignis, das auf gleiche Weise mindestens 4 % unter seiner Basislinie bleibt.</translation>
    </message>
    <message>
        <source>Artefact gaps of up to %1 s inside an event are bridged and count neither as event nor as valid time; a longer gap ends it.</source>
        <translation>Artefaktlücken von bis zu %1 s innerhalb eines Ereignisses werden überbrückt und zählen weder als Ereignis- noch als gültige Zeit; eine längere Lücke beendet es.</translation>
    </message>
    <message>
        <source>Depth is the baseline minus the lowest smoothed SpO2 of the event; duration is its event time.</source>
        <translation>Die Tiefe ist die Basislinie minus die niedrigste geglättete SpO2 des Ereignisses; die Dauer ist seine Ereigniszeit.</translation>
    </message>
</context>
<context>
    <name>ClinicalReport</name>
    <message>
        <source>Follow-up</source>
        <translation>Verlaufskontrolle</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>das PDF konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Overnight pulse oximetry - ID %1</source>
        <translation>Nächtliche Pulsoxymetrie – ID %1</translation>
    </message>
    <message>
        <source>Overnight pulse oximetry</source>
        <translation>Nächtliche Pulsoxymetrie</translation>
    </message>
</context>
<context>
    <name>ClinicalReportCommand</name>
    <message>
        <source>The whole-night clinical report of a recording as a PDF</source>
        <translation>Der klinische Bericht einer Aufzeichnung über die ganze Nacht als PDF</translation>
    </message>
    <message>
        <source>Saved recording</source>
        <translation>Gespeicherte Aufzeichnung</translation>
    </message>
    <message>
        <source>OUT.pdf</source>
        <translation>AUSGABE.pdf</translation>
    </message>
    <message>
        <source>a4 or letter (default: the paper of Options &gt; Report, else a4)</source>
        <translation>a4 oder letter (Standard: das Papier aus Optionen &gt; Bericht, sonst a4)</translation>
    </message>
    <message>
        <source>UTF-8 text printed as the interpretation (default: an empty box to write in)</source>
        <translation>UTF-8-Text, der als Befund gedruckt wird (Standard: ein leeres Feld zum Ausfüllen)</translation>
    </message>
    <message>
        <source>OUT must end in .pdf.</source>
        <translation>AUSGABE muss auf .pdf enden.</translation>
    </message>
    <message>
        <source>%1: larger than 64 KiB, not an interpretation</source>
        <translation>%1: größer als 64 KiB, kein Befund</translation>
    </message>
    <message>
        <source>The interpretation cannot be read: %1</source>
        <translation>Der Befund kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>CsvRecording</name>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>line 1: the header names no time column (expected for example time, spo2 and pulse)</source>
        <translation>Zeile 1: Die Kopfzeile nennt keine Zeitspalte (erwartet z. B. time, spo2 und pulse)</translation>
    </message>
    <message>
        <source>line 1: the header names no SpO2 column (expected for example time, spo2 and pulse)</source>
        <translation>Zeile 1: Die Kopfzeile nennt keine SpO2-Spalte (erwartet z. B. time, spo2 und pulse)</translation>
    </message>
    <message>
        <source>line 1: the header names no pulse column (expected for example time, spo2 and pulse)</source>
        <translation>Zeile 1: Die Kopfzeile nennt keine Pulsspalte (erwartet z. B. time, spo2 und pulse)</translation>
    </message>
    <message>
        <source>%1: no time of day in &quot;%2&quot;</source>
        <translation>%1: keine Uhrzeit in „%2“</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a time of day</source>
        <translation>%1: „%2“ ist keine Uhrzeit</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a date (expected for example 2026-06-19, 19.06.2026, 6/19/2026 or Jun 19, 2026)</source>
        <translation>%1: „%2“ ist kein Datum (erwartet z. B. 2026-06-19, 19.06.2026, 6/19/2026 oder Jun 19, 2026)</translation>
    </message>
    <message>
        <source>%1: no date Kestrova can keep (years 2000 to 2255)</source>
        <translation>%1: kein Datum, das Kestrova speichern kann (Jahre 2000 bis 2255)</translation>
    </message>
    <message>
        <source>%1: no %2 value and no missing-value marker in column %3</source>
        <translation>%1: kein %2-Wert und keine Markierung für fehlende Werte in Spalte %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 in column %4 is out of range (0 to %5, or a missing-value marker)</source>
        <translation>%1: %2 %3 in Spalte %4 liegt außerhalb des Bereichs (0 bis %5 oder eine Markierung für fehlende Werte)</translation>
    </message>
    <message>
        <source>the dates are neither all day/month/year nor all month/day/year</source>
        <translation>die Datumsangaben sind weder alle Tag/Monat/Jahr noch alle Monat/Tag/Jahr</translation>
    </message>
    <message>
        <source>the dates can be read day/month/year and month/day/year and nothing in the file settles which; they are read month/day/year</source>
        <translation>die Datumsangaben lassen sich als Tag/Monat/Jahr und als Monat/Tag/Jahr lesen, und nichts in der Datei entscheidet dies; sie werden als Monat/Tag/Jahr gelesen</translation>
    </message>
    <message>
        <source>is not a recording this program can open: it holds more than %1 samples (a recording holds 0 to %2).</source>
        <translation>ist keine Aufzeichnung, die dieses Programm öffnen kann: sie enthält mehr als %1 Werte (eine Aufzeichnung enthält 0 bis %2).</translation>
    </message>
    <message>
        <source>clock set back at line %1 by %2 s</source>
        <translation>Uhr in Zeile %1 um %2 s zurückgestellt</translation>
    </message>
    <message>
        <source>%1: the time %2 of line %3 again, with other values</source>
        <translation>%1: die Zeit %2 aus Zeile %3 erneut, mit anderen Werten</translation>
    </message>
    <message>
        <source>the clock was set back %1 times in all; the first %2 are listed</source>
        <translation>die Uhr wurde insgesamt %1-mal zurückgestellt; die ersten %2 sind aufgeführt</translation>
    </message>
    <message>
        <source>%1 missing-value marker read as artefact</source>
        <translation>%1 Markierung für fehlende Werte als Artefakt gelesen</translation>
    </message>
    <message>
        <source>%1 missing-value markers read as artefact</source>
        <translation>%1 Markierungen für fehlende Werte als Artefakt gelesen</translation>
    </message>
    <message>
        <source>CSV separated by commas</source>
        <translation>CSV, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>CSV separated by semicolons</source>
        <translation>CSV, durch Semikolons getrennt</translation>
    </message>
    <message>
        <source>CSV separated by tabs</source>
        <translation>CSV, durch Tabulatoren getrennt</translation>
    </message>
    <message>
        <source>decimal commas allowed</source>
        <translation>Dezimalkommas zulässig</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>UTF-8 byte-order mark</source>
        <translation>UTF-8-Byte-Order-Mark</translation>
    </message>
    <message>
        <source>date %1, time %2</source>
        <translation>Datum %1, Uhrzeit %2</translation>
    </message>
    <message>
        <source>date and time %1</source>
        <translation>Datum und Uhrzeit %1</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>Jahr-Monat-Tag</translation>
    </message>
    <message>
        <source>day.month.year</source>
        <translation>Tag.Monat.Jahr</translation>
    </message>
    <message>
        <source>day/month/year</source>
        <translation>Tag/Monat/Jahr</translation>
    </message>
    <message>
        <source>month/day/year</source>
        <translation>Monat/Tag/Jahr</translation>
    </message>
    <message>
        <source>month names</source>
        <translation>Monatsnamen</translation>
    </message>
    <message>
        <source>Unix time in seconds, read as UTC</source>
        <translation>Unix-Zeit in Sekunden, als UTC gelesen</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>12-Stunden-Uhr</translation>
    </message>
    <message>
        <source>SpO2 %1, pulse %2</source>
        <translation>SpO2 %1, Puls %2</translation>
    </message>
    <message>
        <source>patient ID %1</source>
        <translation>Patienten-ID %1</translation>
    </message>
    <message>
        <source>The file %1 is not a recording this program can open: it holds more than %2 samples (a recording holds 0 to %3).</source>
        <translation>Die Datei %1 ist keine Aufzeichnung, die dieses Programm öffnen kann: sie enthält mehr als %2 Werte (eine Aufzeichnung enthält 0 bis %3).</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Attempted to access %1 past its end.</source>
        <translation>Zugriff auf %1 über das Ende hinaus versucht.</translation>
    </message>
    <message>
        <source>The file %1 is not a recording this program can open: it declares %2 samples (a recording holds 0 to %3).</source>
        <translation>Die Datei %1 ist keine Aufzeichnung, die dieses Programm öffnen kann: sie gibt %2 Werte an (eine Aufzeichnung enthält 0 bis %3).</translation>
    </message>
    <message>
        <source>The file %1 is not a recording this program can open: it is %2 bytes long (a recording is at most %3 bytes).</source>
        <translation>Die Datei %1 ist keine Aufzeichnung, die dieses Programm öffnen kann: sie ist %2 Bytes lang (eine Aufzeichnung hat höchstens %3 Bytes).</translation>
    </message>
</context>
<context>
    <name>DeviceCommands</name>
    <message>
        <source>Probe only this serial port (ttyUSB0, pts/3, or a path)</source>
        <translation>Nur diese serielle Schnittstelle abfragen (ttyUSB0, pts/3 oder ein Pfad)</translation>
    </message>
    <message>
        <source>Use the Bluetooth device with this address instead</source>
        <translation>Stattdessen das Bluetooth-Gerät mit dieser Adresse verwenden</translation>
    </message>
    <message>
        <source>RFCOMM channel of the Bluetooth device</source>
        <translation>RFCOMM-Kanal des Bluetooth-Geräts</translation>
    </message>
    <message>
        <source>Log every byte on the wire to this file (like KESTROVA_TRACE)</source>
        <translation>Jedes übertragene Byte in diese Datei protokollieren (wie KESTROVA_TRACE)</translation>
    </message>
    <message>
        <source>Cannot write the trace file %1</source>
        <translation>Die Protokolldatei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The study library was not updated: %1</source>
        <translation>Die Studienbibliothek wurde nicht aktualisiert: %1</translation>
    </message>
    <message>
        <source>ID %1 was not stored in the study library: %2</source>
        <translation>ID %1 wurde nicht in der Studienbibliothek gespeichert: %2</translation>
    </message>
    <message>
        <source>Download every recording from the oximeter into DIR/ID&lt;n&gt;.dat</source>
        <translation>Alle Aufzeichnungen vom Oximeter nach DIR/ID&lt;n&gt;.dat herunterladen</translation>
    </message>
    <message>
        <source>Directory for the recordings</source>
        <translation>Verzeichnis für die Aufzeichnungen</translation>
    </message>
    <message>
        <source>Replace DIR/ID&lt;n&gt;.dat instead of keeping an earlier recording beside the new one</source>
        <translation>DIR/ID&lt;n&gt;.dat ersetzen, statt eine frühere Aufzeichnung neben der neuen zu behalten</translation>
    </message>
    <message>
        <source>Do not store the recordings in the study library</source>
        <translation>Die Aufzeichnungen nicht in der Studienbibliothek speichern</translation>
    </message>
    <message>
        <source>Study library directory (default: KESTROVA_HOME/library)</source>
        <translation>Verzeichnis der Studienbibliothek (Standard: KESTROVA_HOME/library)</translation>
    </message>
    <message>
        <source>The download broke while ID %1 was arriving; what arrived is in %2</source>
        <translation>Der Download brach ab, während ID %1 übertragen wurde; die empfangenen Daten liegen in %2</translation>
    </message>
    <message>
        <source>%1 samples beyond an ID&apos;s capacity were not stored.</source>
        <translation>%1 Werte über die Kapazität einer ID hinaus wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Set the oximeter&apos;s clock</source>
        <translation>Uhr des Oximeters stellen</translation>
    </message>
    <message>
        <source>&quot;YYYY-MM-DD HH:MM:SS&quot; (default: now)</source>
        <translation>&quot;JJJJ-MM-TT HH:MM:SS&quot; (Standard: jetzt)</translation>
    </message>
    <message>
        <source>--time must be &quot;YYYY-MM-DD HH:MM:SS&quot; (year 2000 or later).</source>
        <translation>--time muss &quot;JJJJ-MM-TT HH:MM:SS&quot; sein (Jahr 2000 oder später).</translation>
    </message>
    <message>
        <source>Delete recordings in the oximeter&apos;s memory</source>
        <translation>Aufzeichnungen im Speicher des Oximeters löschen</translation>
    </message>
    <message>
        <source>Patient ID (0 or absent: all IDs)</source>
        <translation>Patienten-ID (0 oder nicht angegeben: alle IDs)</translation>
    </message>
    <message>
        <source>all, or spo2pr (SpO2 and pulse data)</source>
        <translation>all oder spo2pr (SpO2- und Pulsdaten)</translation>
    </message>
</context>
<context>
    <name>DeviceLink</name>
    <message>
        <source>The port could not be remembered in the settings file, which was left as it was: %1</source>
        <translation>Die Schnittstelle konnte nicht in der Einstellungsdatei gespeichert werden, die unverändert blieb: %1</translation>
    </message>
</context>
<context>
    <name>DeviceSimulator</name>
    <message>
        <source>stopped by the host</source>
        <translation>vom Host beendet</translation>
    </message>
</context>
<context>
    <name>DeviceStatus</name>
    <message>
        <source>No oximeter answered on any port.</source>
        <translation>An keiner Schnittstelle hat ein Oximeter geantwortet.</translation>
    </message>
    <message>
        <source>No oximeter on the serial port %1: it does not exist or did not answer (is the device plugged in and switched on?).</source>
        <translation>Kein Oximeter an der seriellen Schnittstelle %1: sie existiert nicht oder hat nicht geantwortet (ist das Gerät angeschlossen und eingeschaltet?).</translation>
    </message>
    <message>
        <source>The port is in use by another program: the serial port.</source>
        <translation>Die Schnittstelle wird von einem anderen Programm verwendet: die serielle Schnittstelle.</translation>
    </message>
    <message>
        <source>The port is in use by another program: the serial port %1.</source>
        <translation>Die Schnittstelle wird von einem anderen Programm verwendet: die serielle Schnittstelle %1.</translation>
    </message>
    <message>
        <source>No permission to open the serial port. Add your user to the &quot;dialout&quot; group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Keine Berechtigung zum Öffnen der seriellen Schnittstelle. Fügen Sie Ihren Benutzer der Gruppe &quot;dialout&quot; hinzu (sudo usermod -aG dialout $USER), melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>No permission to open the serial port %1. Add your user to the &quot;dialout&quot; group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Keine Berechtigung zum Öffnen der seriellen Schnittstelle %1. Fügen Sie Ihren Benutzer der Gruppe &quot;dialout&quot; hinzu (sudo usermod -aG dialout $USER), melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>The oximeter stopped answering.</source>
        <translation>Das Oximeter antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>The oximeter&apos;s answer was not understood.</source>
        <translation>Die Antwort des Oximeters wurde nicht verstanden.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <source>The oximeter holds no recording.</source>
        <translation>Das Oximeter enthält keine Aufzeichnung.</translation>
    </message>
    <message>
        <source>The connection failed: the serial port could not be used.</source>
        <translation>Die Verbindung ist fehlgeschlagen: Die serielle Schnittstelle konnte nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The connection failed: the serial port %1 could not be used.</source>
        <translation>Die Verbindung ist fehlgeschlagen: Die serielle Schnittstelle %1 konnte nicht verwendet werden.</translation>
    </message>
</context>
<context>
    <name>DeviceTiming</name>
    <message>
        <source>not a device timing (name=number)</source>
        <translation>keine Geräte-Zeitangabe (Name=Zahl)</translation>
    </message>
</context>
<context>
    <name>DisclosurePage</name>
    <message>
        <source>Full disclosure - one hour per strip</source>
        <translation>Vollständige Darstellung – eine Stunde pro Streifen</translation>
    </message>
    <message>
        <source>Hour %1: %2 %3 – %4</source>
        <translation>Stunde %1: %2 %3 – %4</translation>
    </message>
</context>
<context>
    <name>DownloadStore</name>
    <message>
        <source>no free file name</source>
        <translation>kein freier Dateiname</translation>
    </message>
</context>
<context>
    <name>EdfRecording</name>
    <message>
        <source>the file&apos;s size would not match its header</source>
        <translation>die Größe der Datei würde nicht zu ihrem Header passen</translation>
    </message>
    <message>
        <source>The file %1 is not a recording this program can open: it holds %2 seconds (a recording holds 0 to %3).</source>
        <translation>Die Datei %1 ist keine Aufzeichnung, die dieses Programm öffnen kann: sie umfasst %2 Sekunden (eine Aufzeichnung umfasst 0 bis %3).</translation>
    </message>
    <message>
        <source>not an EDF or EDF+ file Kestrova can read: it does not begin with an EDF header</source>
        <translation>keine EDF- oder EDF+-Datei, die Kestrova lesen kann: sie beginnt nicht mit einem EDF-Header</translation>
    </message>
    <message>
        <source>not an EDF or EDF+ file Kestrova can read: its header gives no usable size or number of signals</source>
        <translation>keine EDF- oder EDF+-Datei, die Kestrova lesen kann: Ihr Header nennt keine brauchbare Größe oder Signalanzahl</translation>
    </message>
    <message>
        <source>the header gives no number of data records</source>
        <translation>der Header nennt keine Anzahl der Datensätze</translation>
    </message>
    <message>
        <source>the header gives no duration of a data record</source>
        <translation>der Header nennt keine Dauer eines Datensatzes</translation>
    </message>
    <message>
        <source>the file ends inside its header</source>
        <translation>die Datei endet innerhalb ihres Headers</translation>
    </message>
    <message>
        <source>the signal &quot;%1&quot; gives no number of samples per data record</source>
        <translation>das Signal „%1“ nennt keine Anzahl der Werte pro Datensatz</translation>
    </message>
    <message>
        <source>the signal &quot;%1&quot; has no usable physical and digital range</source>
        <translation>das Signal „%1“ hat keinen brauchbaren physikalischen und digitalen Bereich</translation>
    </message>
    <message>
        <source>no SpO2 (or SaO2) signal</source>
        <translation>kein SpO2- (oder SaO2-) Signal</translation>
    </message>
    <message>
        <source>no pulse (or PR, HR) signal</source>
        <translation>kein Puls- (oder PR-, HR-) Signal</translation>
    </message>
    <message>
        <source>the header says %1 data records, the file holds %2</source>
        <translation>der Header nennt %1 Datensätze, die Datei enthält %2</translation>
    </message>
    <message>
        <source>the signal &quot;%1&quot; has fewer than one sample per second</source>
        <translation>das Signal „%1“ hat weniger als einen Wert pro Sekunde</translation>
    </message>
    <message>
        <source>the signal &quot;%1&quot; holds %2 samples; Kestrova reads at most %3 (64 a second over a whole recording)</source>
        <translation>das Signal „%1“ enthält %2 Werte; Kestrova liest höchstens %3 (64 pro Sekunde über eine ganze Aufzeichnung)</translation>
    </message>
    <message>
        <source>the header gives no start date and time (dd.mm.yy and hh.mm.ss)</source>
        <translation>der Header nennt kein Startdatum und keine Startzeit (dd.mm.yy und hh.mm.ss)</translation>
    </message>
    <message>
        <source>the header&apos;s start year is &quot;yy&quot; and the recording field gives no year</source>
        <translation>das Startjahr im Header ist „yy“, und das Aufzeichnungsfeld nennt kein Jahr</translation>
    </message>
    <message>
        <source>the header&apos;s start date %1 is no date</source>
        <translation>das Startdatum %1 im Header ist kein Datum</translation>
    </message>
    <message>
        <source>the recording starts in %1; Kestrova keeps recordings from 2000 to 2255</source>
        <translation>die Aufzeichnung beginnt %1; Kestrova speichert Aufzeichnungen von 2000 bis 2255</translation>
    </message>
    <message>
        <source>the file ended while it was read (data record %1)</source>
        <translation>die Datei endete während des Lesens (Datensatz %1)</translation>
    </message>
    <message>
        <source>data record %1 holds an unreadable annotation</source>
        <translation>Datensatz %1 enthält eine unlesbare Annotation</translation>
    </message>
    <message>
        <source>data record %1 starts at %2 s, before the data record before it ends</source>
        <translation>Datensatz %1 beginnt bei %2 s, bevor der vorherige Datensatz endet</translation>
    </message>
    <message>
        <source>%1, %2 signals, %3 data records of %4 s; SpO2 &quot;%5&quot; at %6 Hz, pulse &quot;%7&quot; at %8 Hz</source>
        <translation>%1, %2 Signale, %3 Datensätze zu %4 s; SpO2 „%5“ mit %6 Hz, Puls „%7“ mit %8 Hz</translation>
    </message>
    <message>
        <source>EDF+D (discontinuous)</source>
        <translation>EDF+D (unterbrochen)</translation>
    </message>
    <message>
        <source>clock set back %1 s after the start by %2 s</source>
        <translation>Uhr %1 s nach dem Start um %2 s zurückgestellt</translation>
    </message>
</context>
<context>
    <name>Exchanges</name>
    <message>
        <source>not connected</source>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>not an identification</source>
        <translation>keine Identifikation</translation>
    </message>
    <message>
        <source>not the totals</source>
        <translation>nicht die Summen</translation>
    </message>
    <message>
        <source>the deletion was not acknowledged</source>
        <translation>das Löschen wurde nicht bestätigt</translation>
    </message>
    <message>
        <source>the clock was refused</source>
        <translation>die Uhrzeit wurde abgelehnt</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Cannot export to &quot;%1&quot;: the name must end in .txt, .xls, .xlsx, .csv or .edf.</source>
        <translation>Export nach „%1“ nicht möglich: Der Name muss auf .txt, .xls, .xlsx, .csv oder .edf enden.</translation>
    </message>
    <message>
        <source>Format when OUT is - (the standard output)</source>
        <translation>Format, wenn AUSGABE - ist (die Standardausgabe)</translation>
    </message>
    <message>
        <source>Export a recording as text (.txt), a workbook (.xlsx, .xls), CSV (.csv) or EDF+ (.edf)</source>
        <translation>Eine Aufzeichnung als Text (.txt), Arbeitsmappe (.xlsx, .xls), CSV (.csv) oder EDF+ (.edf) exportieren</translation>
    </message>
    <message>
        <source>Saved data file (.dat)</source>
        <translation>Gespeicherte Datendatei (.dat)</translation>
    </message>
    <message>
        <source>Output file; its extension (case-sensitive) picks the format</source>
        <translation>Ausgabedatei; ihre Endung (Groß-/Kleinschreibung beachten) bestimmt das Format</translation>
    </message>
    <message>
        <source>Write the event time report of a saved recording</source>
        <translation>Den Ereigniszeitbericht einer gespeicherten Aufzeichnung schreiben</translation>
    </message>
    <message>
        <source>Report file (.txt), or - for the standard output</source>
        <translation>Berichtsdatei (.txt) oder - für die Standardausgabe</translation>
    </message>
    <message>
        <source>Cannot write the report to &quot;%1&quot;: the name must end in .txt.</source>
        <translation>Der Bericht kann nicht nach „%1“ geschrieben werden: Der Name muss auf .txt enden.</translation>
    </message>
</context>
<context>
    <name>FrameNavigation</name>
    <message>
        <source>Page width (default)</source>
        <translation>Seitenbreite (Standard)</translation>
    </message>
    <message>
        <source>5 min</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 h</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 h</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 h</translation>
    </message>
    <message>
        <source>8 h</source>
        <translation>8 h</translation>
    </message>
    <message>
        <source>Whole recording</source>
        <translation>Gesamte Aufzeichnung</translation>
    </message>
</context>
<context>
    <name>HeaderBand</name>
    <message>
        <source>ID : </source>
        <translation>ID : </translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>&lt;p&gt;The manual is not available.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Das Handbuch ist nicht verfügbar.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Kestrova Help</source>
        <translation>Kestrova-Hilfe</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkombinationen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
</context>
<context>
    <name>HourTablePage</name>
    <message>
        <source>Hour by hour and events</source>
        <translation>Stündlich und Ereignisse</translation>
    </message>
    <message>
        <source>Hour by hour (continued)</source>
        <translation>Stündlich (Fortsetzung)</translation>
    </message>
    <message>
        <source>Each clock hour</source>
        <translation>Jede volle Stunde</translation>
    </message>
    <message>
        <source>Hour
</source>
        <translation>Stunde
</translation>
    </message>
    <message>
        <source>Valid
min</source>
        <translation>Gültig
min</translation>
    </message>
    <message>
        <source>SpO2
mean %</source>
        <translation>SpO2
Mittel %</translation>
    </message>
    <message>
        <source>SpO2
lowest %</source>
        <translation>SpO2
Tiefst %</translation>
    </message>
    <message>
        <source>T90
min</source>
        <translation>T90
min</translation>
    </message>
    <message>
        <source>3 %
events</source>
        <translation>3 %
Ereign.</translation>
    </message>
    <message>
        <source>4 %
events</source>
        <translation>4 %
Ereign.</translation>
    </message>
    <message>
        <source>Rate 3 % / 4 %
per h</source>
        <translation>Rate 3 % / 4 %
pro h</translation>
    </message>
    <message>
        <source>Pulse
mean bpm</source>
        <translation>Puls
Mittel bpm</translation>
    </message>
    <message>
        <source>No samples recorded.</source>
        <translation>Keine Werte aufgezeichnet.</translation>
    </message>
    <message>
        <source>The %1 deepest 3 % desaturations</source>
        <translation>Die %1 tiefsten 3-%-Entsättigungen</translation>
    </message>
    <message>
        <source>Start
</source>
        <translation>Beginn
</translation>
    </message>
    <message>
        <source>Duration
s</source>
        <translation>Dauer
s</translation>
    </message>
    <message>
        <source>Baseline
%</source>
        <translation>Basislinie
%</translation>
    </message>
    <message>
        <source>Nadir
%</source>
        <translation>Nadir
%</translation>
    </message>
    <message>
        <source>Depth
%</source>
        <translation>Tiefe
%</translation>
    </message>
    <message>
        <source>Area
%·s</source>
        <translation>Fläche
%·s</translation>
    </message>
    <message>
        <source>No 3 % desaturation in this recording.</source>
        <translation>Keine 3-%-Entsättigung in dieser Aufzeichnung.</translation>
    </message>
</context>
<context>
    <name>InfoCommand</name>
    <message>
        <source>Show the patient ID, sample count, title and time span of a recording, and how its file was read</source>
        <translation>Patienten-ID, Anzahl der Werte, Titel und Zeitraum einer Aufzeichnung anzeigen sowie die Art, wie ihre Datei gelesen wurde</translation>
    </message>
    <message>
        <source>Saved data file</source>
        <translation>Gespeicherte Datendatei</translation>
    </message>
    <message>
        <source>The patient database is not used: %1</source>
        <translation>Die Patientendatenbank wird nicht verwendet: %1</translation>
    </message>
    <message>
        <source>ID: %1</source>
        <translation>ID: %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Samples: %1</source>
        <translation>Werte: %1</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Titel: %1</translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation>Beginn: %1</translation>
    </message>
    <message>
        <source>End: %1</source>
        <translation>Ende: %1</translation>
    </message>
    <message>
        <source>Cadence: %1</source>
        <translation>Takt: %1</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Aufbau: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>too large (%1 bytes; at most %2 are expected)</source>
        <translation>zu groß (%1 Bytes; erwartet werden höchstens %2)</translation>
    </message>
</context>
<context>
    <name>KestrovaMain</name>
    <message>
        <source>kestrova: unknown language &quot;%1&quot; (known: %2); English is used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrova: downloads, shows, analyses, prints and exports the recordings of a finger pulse oximeter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attach a simulated oximeter, so a download works without a device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the settings file (Kestrova.ini) in the per-user data directory instead of the working directory (desktop starts).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read and write this settings file instead of Kestrova.ini.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language: en, en_classic, de, fr, es</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recordings to open (.dat, .csv, .edf): the first is shown, several are kept in the study library. Given to a running Kestrova, they open there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kestrova: %1 (see kestrova --help)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibrarySchema</name>
    <message>
        <source>another Kestrova kept the library busy for too long; try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library cannot be written here (no permission)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library file cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a Kestrova study library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library file is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library file could not be read or written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a Kestrova study library (not a file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>made by a newer Kestrova (library version %1); this program reads up to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The settings were not saved, and the settings file was left as it was:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NightsComparison</name>
    <message>
        <source>Nights compared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valid
h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ODI 3 %
/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ODI 4 %
/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T90
%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nadir
%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean SpO2
%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 earlier nights in the chart only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ODI 3 %, T90 and nadir per night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ODI 3 % (/h, left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T90 (%, left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nadir (%, right)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageRenderer</name>
    <message>
        <source> - ID %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PatientDatabase</name>
    <message>
        <source>no slot for patient ID %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortDiscovery</name>
    <message>
        <source>Bluetooth serial port</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>not an identification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not the totals</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingCommands</name>
    <message>
        <source>The change was not kept in the study library: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patient details were not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details proposed from the patient list for ID %1: confirm or change for this night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study library is not available in this session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting to %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(*.dat);;(*.txt);;(*.xls);;(*.xlsx);;CSV (*.csv);;EDF+ (*.edf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrova cannot write &quot;%1&quot;: choose a name ending in .dat, .txt, .xls, .xlsx, .csv or .edf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Saved Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data file(*.dat);;CSV recording (*.csv);;EDF recording (*.edf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrova cannot write the report as &quot;%1&quot;: choose a name ending in .%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check out the SpO2 event time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data file(*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clinical Report (PDF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingDocument</name>
    <message>
        <source>study library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingFile</name>
    <message>
        <source>one reading every %1 s, each held until the next (up to %2 s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 readings a second, each second the median of its valid readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one reading a second</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RenderCommand</name>
    <message>
        <source>Draw a page of a saved recording to a PNG image or an A4 PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved data file (.dat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUT.png (screen rendering) or OUT.pdf (printed page)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trend, table or analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page, counted from 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen size WxH for PNG (at most 16384x16384)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend: seconds one page shows (default: one per unit of width)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend with --span: the page starts here (YYYY-MM-DDTHH:MM:SS or HH:MM:SS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUT must end in .png or .pdf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size applies to PNG images only: a PDF is always one A4 page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size must be WxH, for example 1280x800.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size %1 is too large: at most 16384x16384.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--span applies to the trend view only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--start must be YYYY-MM-DDTHH:MM:SS or HH:MM:SS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--start %1 is not within the recording (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>page %1 does not exist (0–%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportDrawing</name>
    <message>
        <source>Pulse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bpm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recorded %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>no port name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>locked by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unsupported line rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port hung up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the write did not finish in time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpreadsheetExport</name>
    <message>
        <source>the workbook could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook was not written completely (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new memory err!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write com command failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Connected, please connect device!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read data timeout,please retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read com failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read data out of buffer!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect succeed! Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select patient ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Event Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Excel service failed !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can&apos;t open the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to delete the patient info?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient ID invalidate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field must be 60 or less characters in length!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open pationtrec.dat file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have Run one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONNECT SUCCEED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t create the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>female</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>male</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desaturation Event:drop in Spo2 by at least</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% for a minimum duration of 10 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse Event Change in rate by at least</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bpm for a minimum duration of 8 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find right COM or the device is power off !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input a Num !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input a legal value !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Date and Time Succeed !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Date and Time Error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device data cleared !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Data Error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input a num which is between 0 and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error ! The SPO2 high value must large than low value !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error ! The PR high value must large than low value !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse Rate (50 BPM per division)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spo2       (20% per division)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Events.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time In Events.(Sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avg.Event Dur.(Sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index.(1/hr)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avg.Event Max.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avg.Event Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max.Event offset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Time.Event.(Sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Dur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Dur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avg Dur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagnose:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphic Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RecordDate : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RecordTime : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PatientData</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gender : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physician : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note1 : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note2 : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Time : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Time : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field must be 80 or less characters in length!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field must be 40 or less characters in length!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field must be 30 or less characters in length!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scope : 0 - 1000,Please ReInput</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scope : 0 - 200,Please ReInput</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scope : 0 - 400,Please ReInput</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scope : 0 - 157,Please ReInput</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scope : 0 - 2203,Please ReInput</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input a num between 40 and 100 !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input a num between 15 and 300 !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input a num between 1 and 20 !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudiesCommand</name>
    <message>
        <source>Study library directory (default: KESTROVA_HOME/library or ~/.local/share/kestrova/library)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nadir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>confirmed for this recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not confirmed for this recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physician</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ODI 3%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ODI 4%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean SpO2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>download (broken, what arrived)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a study number (see &apos;kestrova-cli studies list&apos;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study library: every downloaded or imported recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the studies, oldest night first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One JSON array of the studies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only studies whose name, ID or start date holds TEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show one study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import recordings (any format Kestrova reads) as studies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program directory whose patient list proposes the details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording files, or directories of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped: already in the library as study %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>study %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export a study as text (.txt), a workbook (.xlsx, .xls), CSV (.csv) or EDF+ (.edf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output file; its extension (case-sensitive) picks the format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the recording is too long to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a study (its file moves to the library&apos;s trash/)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study %1 deleted; its recording is in %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudyImport</name>
    <message>
        <source>the import was stopped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudyLibrary</name>
    <message>
        <source>no study %1 in the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the recording holds no samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot add the study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot change the study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot delete the study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot update the study&apos;s figures</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudyListModel</name>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valid h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ODI 3 %/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ODI 4 %/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T90 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nadir %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SummaryCommand</name>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rec h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>val h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T88 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nadir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pulse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clinical figures of several recordings, one row each</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved recordings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write an RFC 4180 CSV file instead of the table (- for the standard output)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>normal &lt; 5/h, mild 5–&lt; 15, moderate 15–&lt; 30, severe ≥ 30 (common adult cut-offs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>normal &lt; 1 %, mild 1–&lt; 10 %, moderate 10–&lt; 25 %, severe ≥ 25 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overnight pulse oximetry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SpO2 mean / median</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SpO2 nadir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SpO2 highest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T90 (SpO2 &lt; 90 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T88 (SpO2 ≤ 88 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bpm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse lowest / highest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 / %2 bpm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse &gt; 100 / &lt; 50 bpm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s at %2, %3 % deep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ODI 3 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 /h (%2 events)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ODI 4 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth mean / median</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length mean / median</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest 3 % event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desaturation area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %·min/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> /h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: not graded, no valid time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Less than 4 h of valid recording: interpret with caution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ODI: 3 % and 4 % desaturations per hour of valid time; the full event rule is stated on page 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time in SpO2 bands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse rate (share of valid time)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bpm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moderate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>severe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kg/m²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physician</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valid time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 % of the recording)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artefact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oximeter type %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details proposed from the patient list: not confirmed for this recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 % desaturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no valid sample (artefact)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>range of each column filled; dashed: 90 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TablePage</name>
    <message>
        <source>PR</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrendPage</name>
    <message>
        <source>PR : </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::BluetoothFinder</name>
    <message>
        <source>Find Bluetooth oximeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> [paired]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a device or type its address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Bluetooth adapter was found on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CAboutDlg</name>
    <message>
        <source>Kestrova %1 (built %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver 3.2.3Beta</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CAnalysisSetup</name>
    <message>
        <source>Analysis setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These settings cannot be saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDateAndTimeDlg</name>
    <message>
        <source>Set Date And Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDelDataDlg</name>
    <message>
        <source>Delete Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SpO2&amp;Pr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Type :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all recordings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every recording of ID %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the SpO2 and pulse data of ID %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all recordings on the device? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 on the device? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDlgChooseType</name>
    <message>
        <source>New Data Capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SetDateAndTime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 samples beyond an ID&apos;s capacity of 72 hours could not be stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting Data ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDlgUnitSetup</name>
    <message>
        <source>Unit setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Britain System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Metric System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These settings cannot be saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CInterpretation</name>
    <message>
        <source>Interpretation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Interpretation of this recording (printed on the clinical report):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language of Kestrova from its next start:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CMainFrame</name>
    <message>
        <source>NewDataCapture (&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find bluetooth radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Other ID Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Data(&amp;S)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Saved Data(&amp;O)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Studies...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check out the SpO2 event time...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PrintPreView</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrova &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interpretation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clinical Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clinical Report (PDF)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysis Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About 	(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PageUp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PageDown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to Time...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves to the next 3 % desaturation and puts the cursor on its nadir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves to the previous 3 % desaturation and puts the cursor on its nadir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes the next time Kestrova starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details proposed from the patient list for ID %1: not confirmed for this recording. &lt;a href=&quot;confirm&quot;&gt;Confirm or change them...&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page:%1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patient details or the title of this recording were changed and are not saved anywhere yet.

Save them before going on?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CModifyTitle</name>
    <message>
        <source>Modify Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CNightsDlg</name>
    <message>
        <source>Nights of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open the Latest Night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the latest of these nights; its clinical report compares all of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::COtherIDSelect</name>
    <message>
        <source>Open other ID data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CPatientInfo</name>
    <message>
        <source>Edit patient information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physician</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a patient without a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use stored details (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patient database holds details for ID %1. The device may have recorded another patient under the same ID.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CReportSetup</name>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clinic name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields left empty are not printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.svg);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not an image this program can read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These settings cannot be saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CSetRollStep</name>
    <message>
        <source>Setup Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input a number !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CStudiesDlg</name>
    <message>
        <source>Studies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name, ID or date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare &amp;Nights...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Studies (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the study of %1 from %2? Its recording is moved to the library&apos;s trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete these %1 studies? Their recordings are moved to the library&apos;s trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select nights of one patient to compare them (%1 and %2 are different patients).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CTavroTrendView</name>
    <message>
        <source>%1
SpO2 %2 %
Pulse %3 bpm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::FrameNavigation</name>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desaturations (3 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baseline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nadir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No desaturation after this point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No desaturation before this point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time (HH:MM:SS), or date and time (YYYY-MM-DD HH:MM:SS):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a time as HH:MM:SS, or a date and time as YYYY-MM-DD HH:MM:SS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not within this recording, which runs from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recent files could not be remembered: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID %1 (downloaded)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1[*] - Kestrova</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::OverviewBar</name>
    <message>
        <source>The whole recording: click or drag to move the view there</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrova::ui::StudyListModel</name>
    <message>
        <source>ID %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details proposed from the patient list: not confirmed for this recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (partial)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
