<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AnalysisSheet</name>
    <message>
        <source>Pulse</source>
        <translation>Puls</translation>
    </message>
</context>
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
        <translation>Demo-Oximeter an %1 angeschlossen – Datei &gt; Neue Datenerfassung lädt es herunter</translation>
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
        <translation>Untersuchungsarchiv nicht verfügbar</translation>
    </message>
    <message>
        <source>The study library cannot be opened, so downloads are kept only in memory and in the files you save.

%1</source>
        <translation>Das Untersuchungsarchiv kann nicht geöffnet werden. Heruntergeladene Daten bleiben daher nur im Speicher und in den Dateien, die Sie speichern.

%1</translation>
    </message>
    <message>
        <source>%1 recordings added to the study library, %2 already there.</source>
        <translation>%1 Aufzeichnungen zum Untersuchungsarchiv hinzugefügt, %2 bereits vorhanden.</translation>
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
        <translation>Diese Aufzeichnungen konnten nicht im Untersuchungsarchiv abgelegt werden; speichern Sie sie vor dem nächsten Download mit „Daten speichern“:
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
        <translation>Siehe &apos;kestrova-cli --help&apos; oder &apos;kestrova-cli COMMAND --help&apos;.</translation>
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
        <translation>OUT.pdf</translation>
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
        <translation>OUT muss auf .pdf enden.</translation>
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
        <translation>Das Untersuchungsarchiv wurde nicht aktualisiert: %1</translation>
    </message>
    <message>
        <source>ID %1 was not stored in the study library: %2</source>
        <translation>ID %1 wurde nicht im Untersuchungsarchiv gespeichert: %2</translation>
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
        <translation>Die Aufzeichnungen nicht im Untersuchungsarchiv speichern</translation>
    </message>
    <message>
        <source>Study library directory (default: KESTROVA_HOME/library)</source>
        <translation>Verzeichnis des Untersuchungsarchivs (Standard: KESTROVA_HOME/library)</translation>
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
        <translation>Format, wenn OUT - ist (die Standardausgabe)</translation>
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
        <translation>Stundenwerte und Ereignisse</translation>
    </message>
    <message>
        <source>Hour by hour (continued)</source>
        <translation>Stundenwerte (Fortsetzung)</translation>
    </message>
    <message>
        <source>Each clock hour</source>
        <translation>Nach Uhrzeitstunden</translation>
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
Nadir %</translation>
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
        <translation>Keine Messwerte aufgezeichnet.</translation>
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
        <translation>Messwerte: %1</translation>
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
        <translation>Abtastung: %1</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Format: %1</translation>
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
        <translation>kestrova: unbekannte Sprache „%1“ (bekannt: %2); es wird Englisch verwendet</translation>
    </message>
    <message>
        <source>Kestrova: downloads, shows, analyses, prints and exports the recordings of a finger pulse oximeter.</source>
        <translation>Kestrova: lädt die Aufzeichnungen eines Finger-Pulsoximeters herunter, zeigt, analysiert, druckt und exportiert sie.</translation>
    </message>
    <message>
        <source>Attach a simulated oximeter, so a download works without a device.</source>
        <translation>Ein simuliertes Oximeter anschließen, damit ein Download ohne Gerät funktioniert.</translation>
    </message>
    <message>
        <source>Keep the settings file (Kestrova.ini) in the per-user data directory instead of the working directory (desktop starts).</source>
        <translation>Die Einstellungsdatei (Kestrova.ini) im benutzereigenen Datenverzeichnis statt im Arbeitsverzeichnis ablegen (Desktop-Start).</translation>
    </message>
    <message>
        <source>Read and write this settings file instead of Kestrova.ini.</source>
        <translation>Diese Einstellungsdatei statt Kestrova.ini lesen und schreiben.</translation>
    </message>
    <message>
        <source>Language: en, en_classic, de, fr, es</source>
        <translation>Sprache: en, en_classic, de, fr, es</translation>
    </message>
    <message>
        <source>Recordings to open (.dat, .csv, .edf): the first is shown, several are kept in the study library. Given to a running Kestrova, they open there.</source>
        <translation>Zu öffnende Aufzeichnungen (.dat, .csv, .edf): Die erste wird angezeigt, mehrere werden im Untersuchungsarchiv abgelegt. An ein laufendes Kestrova übergeben, werden sie dort geöffnet.</translation>
    </message>
    <message>
        <source>kestrova: %1 (see kestrova --help)</source>
        <translation>kestrova: %1 (siehe kestrova --help)</translation>
    </message>
</context>
<context>
    <name>LibrarySchema</name>
    <message>
        <source>another Kestrova kept the library busy for too long; try again</source>
        <translation>ein anderes Kestrova hat das Archiv zu lange belegt; bitte versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the library cannot be written here (no permission)</source>
        <translation>das Archiv kann hier nicht geschrieben werden (keine Berechtigung)</translation>
    </message>
    <message>
        <source>the library file cannot be opened</source>
        <translation>die Archivdatei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>not a Kestrova study library</source>
        <translation>kein Kestrova-Untersuchungsarchiv</translation>
    </message>
    <message>
        <source>the library file is damaged</source>
        <translation>die Archivdatei ist beschädigt</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>zu wenig Arbeitsspeicher</translation>
    </message>
    <message>
        <source>the library file could not be read or written (%1)</source>
        <translation>die Archivdatei konnte nicht gelesen oder geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>not a Kestrova study library (not a file)</source>
        <translation>kein Kestrova-Untersuchungsarchiv (keine Datei)</translation>
    </message>
    <message>
        <source>cannot read the library</source>
        <translation>das Archiv kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>made by a newer Kestrova (library version %1); this program reads up to %2</source>
        <translation>von einem neueren Kestrova erstellt (Archivversion %1); dieses Programm liest bis %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The settings were not saved, and the settings file was left as it was:
%1</source>
        <translation>Die Einstellungen wurden nicht gespeichert, und die Einstellungsdatei blieb unverändert:
%1</translation>
    </message>
</context>
<context>
    <name>NightsComparison</name>
    <message>
        <source>Nights compared</source>
        <translation>Vergleich der Nächte</translation>
    </message>
    <message>
        <source>Night
</source>
        <translation>Nacht
</translation>
    </message>
    <message>
        <source>Duration
</source>
        <translation>Dauer
</translation>
    </message>
    <message>
        <source>Valid
h</source>
        <translation>Gültig
h</translation>
    </message>
    <message>
        <source>ODI 3 %
/h</source>
        <translation>ODI 3 %
/h</translation>
    </message>
    <message>
        <source>ODI 4 %
/h</source>
        <translation>ODI 4 %
/h</translation>
    </message>
    <message>
        <source>T90
%</source>
        <translation>T90
%</translation>
    </message>
    <message>
        <source>Nadir
%</source>
        <translation>Nadir
%</translation>
    </message>
    <message>
        <source>Mean SpO2
%</source>
        <translation>SpO2 Mittel
%</translation>
    </message>
    <message>
        <source>%1 earlier nights in the chart only</source>
        <translation>%1 frühere Nächte nur in der Grafik</translation>
    </message>
    <message>
        <source>ODI 3 %, T90 and nadir per night</source>
        <translation>ODI 3 %, T90 und Nadir pro Nacht</translation>
    </message>
    <message>
        <source>ODI 3 % (/h, left)</source>
        <translation>ODI 3 % (/h, links)</translation>
    </message>
    <message>
        <source>T90 (%, left)</source>
        <translation>T90 (%, links)</translation>
    </message>
    <message>
        <source>Nadir (%, right)</source>
        <translation>Nadir (%, rechts)</translation>
    </message>
</context>
<context>
    <name>PageRenderer</name>
    <message>
        <source> - ID %1</source>
        <translation> – ID %1</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>das PDF konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation>das Bild konnte nicht codiert werden</translation>
    </message>
</context>
<context>
    <name>PatientDatabase</name>
    <message>
        <source>no slot for patient ID %1</source>
        <translation>kein Platz für Patienten-ID %1</translation>
    </message>
</context>
<context>
    <name>PortDiscovery</name>
    <message>
        <source>Bluetooth serial port</source>
        <translation>Serielle Bluetooth-Schnittstelle</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>not an identification</source>
        <translation>keine Identifikation</translation>
    </message>
    <message>
        <source>not the totals</source>
        <translation>nicht die Summen</translation>
    </message>
</context>
<context>
    <name>RecordingCommands</name>
    <message>
        <source>The change was not kept in the study library: %1</source>
        <translation>Die Änderung wurde nicht im Untersuchungsarchiv gespeichert: %1</translation>
    </message>
    <message>
        <source>The patient details were not saved: %1</source>
        <translation>Die Patientendaten wurden nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Details proposed from the patient list for ID %1: confirm or change for this night</source>
        <translation>Aus der Patientenliste vorgeschlagene Daten für ID %1: für diese Nacht bestätigen oder ändern</translation>
    </message>
    <message>
        <source>The study library is not available in this session.</source>
        <translation>Das Untersuchungsarchiv ist in dieser Sitzung nicht verfügbar.</translation>
    </message>
    <message>
        <source>Exporting to %1 ...</source>
        <translation>Export nach %1 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>(*.dat);;(*.txt);;(*.xls);;(*.xlsx);;CSV (*.csv);;EDF+ (*.edf)</source>
        <translation>(*.dat);;(*.txt);;(*.xls);;(*.xlsx);;CSV (*.csv);;EDF+ (*.edf)</translation>
    </message>
    <message>
        <source>Kestrova cannot write &quot;%1&quot;: choose a name ending in .dat, .txt, .xls, .xlsx, .csv or .edf.</source>
        <translation>Kestrova kann „%1“ nicht schreiben: Wählen Sie einen Namen mit der Endung .dat, .txt, .xls, .xlsx, .csv oder .edf.</translation>
    </message>
    <message>
        <source>Open Saved Data</source>
        <translation>Gespeicherte Daten öffnen</translation>
    </message>
    <message>
        <source>Data file(*.dat);;CSV recording (*.csv);;EDF recording (*.edf)</source>
        <translation>Datendatei (*.dat);;CSV-Aufzeichnung (*.csv);;EDF-Aufzeichnung (*.edf)</translation>
    </message>
    <message>
        <source>Kestrova cannot write the report as &quot;%1&quot;: choose a name ending in .%2.</source>
        <translation>Kestrova kann den Bericht nicht als „%1“ schreiben: Wählen Sie einen Namen mit der Endung .%2.</translation>
    </message>
    <message>
        <source>Check out the SpO2 event time</source>
        <translation>SpO2-Ereigniszeiten ausgeben</translation>
    </message>
    <message>
        <source>Data file(*.txt)</source>
        <translation>Datendatei (*.txt)</translation>
    </message>
    <message>
        <source>Clinical Report (PDF)</source>
        <translation>Klinischer Bericht (PDF)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
</context>
<context>
    <name>RecordingDocument</name>
    <message>
        <source>study library</source>
        <translation>Untersuchungsarchiv</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>RecordingFile</name>
    <message>
        <source>one reading every %1 s, each held until the next (up to %2 s)</source>
        <translation>ein Messwert alle %1 s, jeweils bis zum nächsten gehalten (bis zu %2 s)</translation>
    </message>
    <message>
        <source>%1 readings a second, each second the median of its valid readings</source>
        <translation>%1 Messwerte pro Sekunde, jede Sekunde der Median ihrer gültigen Messwerte</translation>
    </message>
    <message>
        <source>one reading a second</source>
        <translation>ein Messwert pro Sekunde</translation>
    </message>
</context>
<context>
    <name>RenderCommand</name>
    <message>
        <source>Draw a page of a saved recording to a PNG image or an A4 PDF</source>
        <translation>Eine Seite einer gespeicherten Aufzeichnung als PNG-Bild oder A4-PDF ausgeben</translation>
    </message>
    <message>
        <source>Saved data file (.dat)</source>
        <translation>Gespeicherte Datendatei (.dat)</translation>
    </message>
    <message>
        <source>OUT.png (screen rendering) or OUT.pdf (printed page)</source>
        <translation>OUT.png (Bildschirmdarstellung) oder OUT.pdf (gedruckte Seite)</translation>
    </message>
    <message>
        <source>trend, table or analysis</source>
        <translation>trend, table oder analysis</translation>
    </message>
    <message>
        <source>Page, counted from 0</source>
        <translation>Seite, ab 0 gezählt</translation>
    </message>
    <message>
        <source>Screen size WxH for PNG (at most 16384x16384)</source>
        <translation>Bildschirmgröße BxH für PNG (höchstens 16384x16384)</translation>
    </message>
    <message>
        <source>Trend: seconds one page shows (default: one per unit of width)</source>
        <translation>Trend: Sekunden pro Seite (Standard: eine pro Breiteneinheit)</translation>
    </message>
    <message>
        <source>Trend with --span: the page starts here (YYYY-MM-DDTHH:MM:SS or HH:MM:SS)</source>
        <translation>Trend mit --span: Die Seite beginnt hier (JJJJ-MM-TTTHH:MM:SS oder HH:MM:SS)</translation>
    </message>
    <message>
        <source>OUT must end in .png or .pdf.</source>
        <translation>OUT muss auf .png oder .pdf enden.</translation>
    </message>
    <message>
        <source>--size applies to PNG images only: a PDF is always one A4 page.</source>
        <translation>--size gilt nur für PNG-Bilder: Ein PDF ist immer eine A4-Seite.</translation>
    </message>
    <message>
        <source>--size must be WxH, for example 1280x800.</source>
        <translation>--size muss BxH sein, zum Beispiel 1280x800.</translation>
    </message>
    <message>
        <source>--size %1 is too large: at most 16384x16384.</source>
        <translation>--size %1 ist zu groß: höchstens 16384x16384.</translation>
    </message>
    <message>
        <source>--span applies to the trend view only.</source>
        <translation>--span gilt nur für die Trendansicht.</translation>
    </message>
    <message>
        <source>--start must be YYYY-MM-DDTHH:MM:SS or HH:MM:SS.</source>
        <translation>--start muss JJJJ-MM-TTTHH:MM:SS oder HH:MM:SS sein.</translation>
    </message>
    <message>
        <source>--start %1 is not within the recording (%2).</source>
        <translation>--start %1 liegt nicht innerhalb der Aufzeichnung (%2).</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>keine Messwerte</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>page %1 does not exist (0–%2)</source>
        <translation>Seite %1 existiert nicht (0–%2)</translation>
    </message>
</context>
<context>
    <name>ReportDrawing</name>
    <message>
        <source>Pulse</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>bpm</source>
        <translation>bpm</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>recorded %1</source>
        <translation>aufgezeichnet %1</translation>
    </message>
    <message>
        <source>Report %1</source>
        <translation>Bericht %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>no port name</source>
        <translation>kein Schnittstellenname</translation>
    </message>
    <message>
        <source>locked by another program</source>
        <translation>von einem anderen Programm gesperrt</translation>
    </message>
    <message>
        <source>unsupported line rate</source>
        <translation>nicht unterstützte Übertragungsrate</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>nicht geöffnet</translation>
    </message>
    <message>
        <source>the port hung up</source>
        <translation>die Schnittstelle hat aufgelegt</translation>
    </message>
    <message>
        <source>the port closed</source>
        <translation>die Schnittstelle wurde geschlossen</translation>
    </message>
    <message>
        <source>the write did not finish in time</source>
        <translation>das Schreiben wurde nicht rechtzeitig abgeschlossen</translation>
    </message>
</context>
<context>
    <name>SpreadsheetExport</name>
    <message>
        <source>the workbook could not be written</source>
        <translation>die Arbeitsmappe konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the workbook was not written completely (%1)</source>
        <translation>die Arbeitsmappe wurde nicht vollständig geschrieben (%1)</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>new memory err!</source>
        <translation>Speicherfehler!</translation>
    </message>
    <message>
        <source>write com command failed!</source>
        <translation>Senden des Befehls an die Schnittstelle fehlgeschlagen!</translation>
    </message>
    <message>
        <source>No Connected, please connect device!</source>
        <translation>Nicht verbunden, bitte verbinden Sie das Gerät!</translation>
    </message>
    <message>
        <source>Read data timeout,please retry</source>
        <translation>Zeitüberschreitung beim Lesen der Daten, bitte versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>read com failed!</source>
        <translation>Lesen von der Schnittstelle fehlgeschlagen!</translation>
    </message>
    <message>
        <source>read data out of buffer!</source>
        <translation>Daten außerhalb des Puffers gelesen!</translation>
    </message>
    <message>
        <source>Connect succeed! Total</source>
        <translation>Verbindung hergestellt! Insgesamt</translation>
    </message>
    <message>
        <source>Frames!</source>
        <translation>Datenblöcke!</translation>
    </message>
    <message>
        <source>Synchronization error!</source>
        <translation>Synchronisationsfehler!</translation>
    </message>
    <message>
        <source>Please select patient ID</source>
        <translation>Bitte wählen Sie eine Patienten-ID aus</translation>
    </message>
    <message>
        <source>no data!</source>
        <translation>Keine Daten!</translation>
    </message>
    <message>
        <source>Create Event Failed</source>
        <translation>Ereignis konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>total</source>
        <translation>insgesamt</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Create Excel service failed !</source>
        <translation>Excel-Dienst konnte nicht gestartet werden!</translation>
    </message>
    <message>
        <source>can&apos;t open the file</source>
        <translation>Die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Are you sure to delete the patient info?</source>
        <translation>Möchten Sie die Patientendaten wirklich löschen?</translation>
    </message>
    <message>
        <source>Patient ID invalidate</source>
        <translation>Ungültige Patienten-ID</translation>
    </message>
    <message>
        <source>Field must be 60 or less characters in length!</source>
        <translation>Das Feld darf höchstens 60 Zeichen lang sein!</translation>
    </message>
    <message>
        <source>Can&apos;t open pationtrec.dat file</source>
        <translation>Die Datei pationtrec.dat kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>You have Run one</source>
        <translation>Kestrova läuft bereits</translation>
    </message>
    <message>
        <source>CONNECT SUCCEED</source>
        <translation>VERBINDUNG HERGESTELLT</translation>
    </message>
    <message>
        <source>Can&apos;t create the file</source>
        <translation>Die Datei kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>female</source>
        <translation>weiblich</translation>
    </message>
    <message>
        <source>male</source>
        <translation>männlich</translation>
    </message>
    <message>
        <source>Desaturation Event:drop in Spo2 by at least</source>
        <translation>Entsättigungsereignis: SpO2-Abfall um mindestens</translation>
    </message>
    <message>
        <source>% for a minimum duration of 10 seconds.</source>
        <translation>% über mindestens 10 Sekunden.</translation>
    </message>
    <message>
        <source>Pulse Event Change in rate by at least</source>
        <translation>Pulsereignis: Änderung der Frequenz um mindestens</translation>
    </message>
    <message>
        <source>bpm for a minimum duration of 8 seconds.</source>
        <translation>bpm über mindestens 8 Sekunden.</translation>
    </message>
    <message>
        <source>Can&apos;t find right COM or the device is power off !</source>
        <translation>Keine passende Schnittstelle gefunden oder das Gerät ist ausgeschaltet!</translation>
    </message>
    <message>
        <source>Please input a Num !</source>
        <translation>Bitte geben Sie eine Zahl ein!</translation>
    </message>
    <message>
        <source>Please input a legal value !</source>
        <translation>Bitte geben Sie einen gültigen Wert ein!</translation>
    </message>
    <message>
        <source>Set Date and Time Succeed !</source>
        <translation>Datum und Uhrzeit erfolgreich gestellt!</translation>
    </message>
    <message>
        <source>Set Date and Time Error !</source>
        <translation>Fehler beim Stellen von Datum und Uhrzeit!</translation>
    </message>
    <message>
        <source>Device data cleared !</source>
        <translation>Gerätedaten gelöscht!</translation>
    </message>
    <message>
        <source>Delete Data Error !</source>
        <translation>Fehler beim Löschen der Daten!</translation>
    </message>
    <message>
        <source>Please input a num which is between 0 and</source>
        <translation>Bitte geben Sie eine Zahl ein, zulässig sind 0 bis</translation>
    </message>
    <message>
        <source>Error ! The SPO2 high value must large than low value !</source>
        <translation>Fehler! Der obere SpO2-Wert muss größer als der untere sein!</translation>
    </message>
    <message>
        <source>Error ! The PR high value must large than low value !</source>
        <translation>Fehler! Der obere Pulswert muss größer als der untere sein!</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Pulse Rate (50 BPM per division)</source>
        <translation>Pulsfrequenz (50 bpm pro Teilstrich)</translation>
    </message>
    <message>
        <source>Spo2       (20% per division)</source>
        <translation>SpO2       (20 % pro Teilstrich)</translation>
    </message>
    <message>
        <source>Event Data</source>
        <translation>Ereignisdaten</translation>
    </message>
    <message>
        <source>Total Events.</source>
        <translation>Ereignisse gesamt</translation>
    </message>
    <message>
        <source>Time In Events.(Sec)</source>
        <translation>Zeit in Ereignissen (s)</translation>
    </message>
    <message>
        <source>Avg.Event Dur.(Sec)</source>
        <translation>Mittl. Dauer (s)</translation>
    </message>
    <message>
        <source>Index.(1/hr)</source>
        <translation>Index (1/h)</translation>
    </message>
    <message>
        <source>Avg.Event Max.</source>
        <translation>Mittl. Ereignis-Max.</translation>
    </message>
    <message>
        <source>Avg.Event Min.</source>
        <translation>Mittl. Ereignis-Min.</translation>
    </message>
    <message>
        <source>Max.Event offset.</source>
        <translation>Max. Ereignisabfall</translation>
    </message>
    <message>
        <source>Max Time.Event.(Sec)</source>
        <translation>Max. Ereignisdauer (s)</translation>
    </message>
    <message>
        <source>Max Dur.</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Min Dur.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Avg Dur.</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Diagnose:</source>
        <translation>Befund:</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>Graphic Summary</source>
        <translation>Grafische Übersicht</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>RecordDate : </source>
        <translation>Aufz.-Datum : </translation>
    </message>
    <message>
        <source>RecordTime : </source>
        <translation>Aufz.-Zeit : </translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>PatientData</source>
        <translation>Patientendaten</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name :</translation>
    </message>
    <message>
        <source>Gender : </source>
        <translation>Geschl. : </translation>
    </message>
    <message>
        <source>Age : </source>
        <translation>Alter : </translation>
    </message>
    <message>
        <source>Height : </source>
        <translation>Größe : </translation>
    </message>
    <message>
        <source>Weight : </source>
        <translation>Gewicht : </translation>
    </message>
    <message>
        <source>Physician : </source>
        <translation>Arzt/Ärztin : </translation>
    </message>
    <message>
        <source>Note1 : </source>
        <translation>Notiz 1 : </translation>
    </message>
    <message>
        <source>Note2 : </source>
        <translation>Notiz 2 : </translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Startdatum:</translation>
    </message>
    <message>
        <source>Start Time : </source>
        <translation>Startzeit : </translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Enddatum:</translation>
    </message>
    <message>
        <source>End Time : </source>
        <translation>Endzeit : </translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Kommentare:</translation>
    </message>
    <message>
        <source>Field must be 80 or less characters in length!</source>
        <translation>Das Feld darf höchstens 80 Zeichen lang sein!</translation>
    </message>
    <message>
        <source>Field must be 40 or less characters in length!</source>
        <translation>Das Feld darf höchstens 40 Zeichen lang sein!</translation>
    </message>
    <message>
        <source>Field must be 30 or less characters in length!</source>
        <translation>Das Feld darf höchstens 30 Zeichen lang sein!</translation>
    </message>
    <message>
        <source>scope : 0 - 1000,Please ReInput</source>
        <translation>Bereich: 0 - 1000, bitte neu eingeben</translation>
    </message>
    <message>
        <source>scope : 0 - 200,Please ReInput</source>
        <translation>Bereich: 0 - 200, bitte neu eingeben</translation>
    </message>
    <message>
        <source>scope : 0 - 400,Please ReInput</source>
        <translation>Bereich: 0 - 400, bitte neu eingeben</translation>
    </message>
    <message>
        <source>scope : 0 - 157,Please ReInput</source>
        <translation>Bereich: 0 - 157, bitte neu eingeben</translation>
    </message>
    <message>
        <source>scope : 0 - 2203,Please ReInput</source>
        <translation>Bereich: 0 - 2203, bitte neu eingeben</translation>
    </message>
    <message>
        <source>Please input a num between 40 and 100 !</source>
        <translation>Bitte geben Sie eine Zahl zwischen 40 und 100 ein!</translation>
    </message>
    <message>
        <source>Please input a num between 15 and 300 !</source>
        <translation>Bitte geben Sie eine Zahl zwischen 15 und 300 ein!</translation>
    </message>
    <message>
        <source>Please input a num between 1 and 20 !</source>
        <translation>Bitte geben Sie eine Zahl zwischen 1 und 20 ein!</translation>
    </message>
</context>
<context>
    <name>StudiesCommand</name>
    <message>
        <source>Study library directory (default: KESTROVA_HOME/library or ~/.local/share/kestrova/library)</source>
        <translation>Verzeichnis des Untersuchungsarchivs (Standard: KESTROVA_HOME/library oder ~/.local/share/kestrova/library)</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>Gültig</translation>
    </message>
    <message>
        <source>Nadir</source>
        <translation>Nadir</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Befund</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Patient details</source>
        <translation>Patientendaten</translation>
    </message>
    <message>
        <source>confirmed for this recording</source>
        <translation>für diese Aufzeichnung bestätigt</translation>
    </message>
    <message>
        <source>not confirmed for this recording</source>
        <translation>für diese Aufzeichnung nicht bestätigt</translation>
    </message>
    <message>
        <source>Physician</source>
        <translation>Arzt/Ärztin</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Aufgezeichnet</translation>
    </message>
    <message>
        <source>ODI 3%</source>
        <translation>ODI 3%</translation>
    </message>
    <message>
        <source>ODI 4%</source>
        <translation>ODI 4%</translation>
    </message>
    <message>
        <source>T90</source>
        <translation>T90</translation>
    </message>
    <message>
        <source>Mean SpO2</source>
        <translation>SpO2 Mittel</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Herkunft</translation>
    </message>
    <message>
        <source>download (broken, what arrived)</source>
        <translation>Download (abgebrochen, empfangener Teil)</translation>
    </message>
    <message>
        <source>download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>Import von %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a study number (see &apos;kestrova-cli studies list&apos;).</source>
        <translation>„%1“ ist keine Untersuchungsnummer (siehe &apos;kestrova-cli studies list&apos;).</translation>
    </message>
    <message>
        <source>The study library: every downloaded or imported recording</source>
        <translation>Das Untersuchungsarchiv: jede heruntergeladene oder importierte Aufzeichnung</translation>
    </message>
    <message>
        <source>List the studies, oldest night first</source>
        <translation>Die Untersuchungen auflisten, älteste Nacht zuerst</translation>
    </message>
    <message>
        <source>One JSON array of the studies</source>
        <translation>Ein JSON-Array der Untersuchungen</translation>
    </message>
    <message>
        <source>Only studies whose name, ID or start date holds TEXT</source>
        <translation>Nur Untersuchungen, deren Name, ID oder Startdatum TEXT enthält</translation>
    </message>
    <message>
        <source>Show one study</source>
        <translation>Eine Untersuchung anzeigen</translation>
    </message>
    <message>
        <source>Study number</source>
        <translation>Untersuchungsnummer</translation>
    </message>
    <message>
        <source>Import recordings (any format Kestrova reads) as studies</source>
        <translation>Aufzeichnungen (jedes Format, das Kestrova liest) als Untersuchungen importieren</translation>
    </message>
    <message>
        <source>Program directory whose patient list proposes the details</source>
        <translation>Programmverzeichnis, dessen Patientenliste die Daten vorschlägt</translation>
    </message>
    <message>
        <source>Recording files, or directories of them</source>
        <translation>Aufzeichnungsdateien oder Verzeichnisse davon</translation>
    </message>
    <message>
        <source>skipped: already in the library as study %1</source>
        <translation>übersprungen: bereits als Untersuchung %1 im Archiv</translation>
    </message>
    <message>
        <source>study %1</source>
        <translation>Untersuchung %1</translation>
    </message>
    <message>
        <source>Export a study as text (.txt), a workbook (.xlsx, .xls), CSV (.csv) or EDF+ (.edf)</source>
        <translation>Eine Untersuchung als Text (.txt), Arbeitsmappe (.xlsx, .xls), CSV (.csv) oder EDF+ (.edf) exportieren</translation>
    </message>
    <message>
        <source>Output file; its extension (case-sensitive) picks the format</source>
        <translation>Ausgabedatei; ihre Endung (Groß-/Kleinschreibung beachten) bestimmt das Format</translation>
    </message>
    <message>
        <source>%1: the recording is too long to export</source>
        <translation>%1: die Aufzeichnung ist zu lang für den Export</translation>
    </message>
    <message>
        <source>Delete a study (its file moves to the library&apos;s trash/)</source>
        <translation>Eine Untersuchung löschen (ihre Datei wird in trash/ des Archivs verschoben)</translation>
    </message>
    <message>
        <source>Study %1 deleted; its recording is in %2</source>
        <translation>Untersuchung %1 gelöscht; ihre Aufzeichnung liegt in %2</translation>
    </message>
</context>
<context>
    <name>StudyImport</name>
    <message>
        <source>the import was stopped</source>
        <translation>der Import wurde abgebrochen</translation>
    </message>
</context>
<context>
    <name>StudyLibrary</name>
    <message>
        <source>no study %1 in the library</source>
        <translation>keine Untersuchung %1 im Archiv</translation>
    </message>
    <message>
        <source>cannot read the library</source>
        <translation>das Archiv kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the recording holds no samples</source>
        <translation>die Aufzeichnung enthält keine Messwerte</translation>
    </message>
    <message>
        <source>cannot add the study</source>
        <translation>die Untersuchung kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>cannot change the study</source>
        <translation>die Untersuchung kann nicht geändert werden</translation>
    </message>
    <message>
        <source>cannot delete the study</source>
        <translation>die Untersuchung kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>cannot update the study&apos;s figures</source>
        <translation>die Kennwerte der Untersuchung können nicht aktualisiert werden</translation>
    </message>
</context>
<context>
    <name>StudyListModel</name>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Valid h</source>
        <translation>Gültig h</translation>
    </message>
    <message>
        <source>ODI 3 %/h</source>
        <translation>ODI 3 %/h</translation>
    </message>
    <message>
        <source>ODI 4 %/h</source>
        <translation>ODI 4 %/h</translation>
    </message>
    <message>
        <source>T90 %</source>
        <translation>T90 %</translation>
    </message>
    <message>
        <source>Nadir %</source>
        <translation>Nadir %</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Befund</translation>
    </message>
</context>
<context>
    <name>SummaryCommand</name>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>rec h</source>
        <translation>Aufz.h</translation>
    </message>
    <message>
        <source>val h</source>
        <translation>Gült.h</translation>
    </message>
    <message>
        <source>T88 min</source>
        <translation>T88 min</translation>
    </message>
    <message>
        <source>nadir</source>
        <translation>Nadir</translation>
    </message>
    <message>
        <source>pulse</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>Clinical figures of several recordings, one row each</source>
        <translation>Klinische Kennwerte mehrerer Aufzeichnungen, eine Zeile je Aufzeichnung</translation>
    </message>
    <message>
        <source>Saved recordings</source>
        <translation>Gespeicherte Aufzeichnungen</translation>
    </message>
    <message>
        <source>Write an RFC 4180 CSV file instead of the table (- for the standard output)</source>
        <translation>Eine CSV-Datei nach RFC 4180 statt der Tabelle schreiben (- für die Standardausgabe)</translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>normal &lt; 5/h, mild 5–&lt; 15, moderate 15–&lt; 30, severe ≥ 30 (common adult cut-offs)</source>
        <translation>normal &lt; 5/h, leicht 5–&lt; 15, mittelgradig 15–&lt; 30, schwer ≥ 30 (übliche Grenzwerte für Erwachsene)</translation>
    </message>
    <message>
        <source>normal &lt; 1 %, mild 1–&lt; 10 %, moderate 10–&lt; 25 %, severe ≥ 25 %</source>
        <translation>normal &lt; 1 %, leicht 1–&lt; 10 %, mittelgradig 10–&lt; 25 %, schwer ≥ 25 %</translation>
    </message>
    <message>
        <source>Overnight pulse oximetry</source>
        <translation>Nächtliche Pulsoxymetrie</translation>
    </message>
    <message>
        <source>%1 % at %2</source>
        <translation>%1 % um %2</translation>
    </message>
    <message>
        <source>SpO2 mean / median</source>
        <translation>SpO2 Mittel / Median</translation>
    </message>
    <message>
        <source>SpO2 nadir</source>
        <translation>SpO2 Nadir</translation>
    </message>
    <message>
        <source>SpO2 highest</source>
        <translation>SpO2 Höchstwert</translation>
    </message>
    <message>
        <source>T90 (SpO2 &lt; 90 %)</source>
        <translation>T90 (SpO2 &lt; 90 %)</translation>
    </message>
    <message>
        <source>T88 (SpO2 ≤ 88 %)</source>
        <translation>T88 (SpO2 ≤ 88 %)</translation>
    </message>
    <message>
        <source>Pulse mean</source>
        <translation>Puls Mittel</translation>
    </message>
    <message>
        <source>%1 bpm</source>
        <translation>%1 bpm</translation>
    </message>
    <message>
        <source>Pulse lowest / highest</source>
        <translation>Puls Tiefst- / Höchstwert</translation>
    </message>
    <message>
        <source>%1 / %2 bpm</source>
        <translation>%1 / %2 bpm</translation>
    </message>
    <message>
        <source>Pulse &gt; 100 / &lt; 50 bpm</source>
        <translation>Puls &gt; 100 / &lt; 50 bpm</translation>
    </message>
    <message>
        <source>%1 s at %2, %3 % deep</source>
        <translation>%1 s um %2, %3 % tief</translation>
    </message>
    <message>
        <source>ODI 3 %</source>
        <translation>ODI 3 %</translation>
    </message>
    <message>
        <source>%1 /h (%2 events)</source>
        <translation>%1 /h (%2 Ereignisse)</translation>
    </message>
    <message>
        <source>ODI 4 %</source>
        <translation>ODI 4 %</translation>
    </message>
    <message>
        <source>Depth mean / median</source>
        <translation>Tiefe Mittel / Median</translation>
    </message>
    <message>
        <source>Length mean / median</source>
        <translation>Dauer Mittel / Median</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Longest 3 % event</source>
        <translation>Längstes 3-%-Ereignis</translation>
    </message>
    <message>
        <source>Desaturation area</source>
        <translation>Entsättigungsfläche</translation>
    </message>
    <message>
        <source>%1 %·min/h</source>
        <translation>%1 %·min/h</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source> /h</source>
        <translation> /h</translation>
    </message>
    <message>
        <source>T90</source>
        <translation>T90</translation>
    </message>
    <message>
        <source>: not graded, no valid time</source>
        <translation>: nicht eingestuft, keine gültige Zeit</translation>
    </message>
    <message>
        <source>Less than 4 h of valid recording: interpret with caution</source>
        <translation>Weniger als 4 h gültige Aufzeichnung: mit Vorsicht interpretieren</translation>
    </message>
    <message>
        <source>ODI: 3 % and 4 % desaturations per hour of valid time; the full event rule is stated on page 2.</source>
        <translation>ODI: 3-%- und 4-%-Entsättigungen pro Stunde gültiger Zeit; die vollständige Ereignisdefinition steht auf Seite 2.</translation>
    </message>
    <message>
        <source>Time in SpO2 bands</source>
        <translation>Zeit in SpO2-Bereichen</translation>
    </message>
    <message>
        <source>Pulse rate (share of valid time)</source>
        <translation>Pulsfrequenz (Anteil der gültigen Zeit)</translation>
    </message>
    <message>
        <source>bpm</source>
        <translation>bpm</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Befund</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Unterschrift</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>mild</source>
        <translation>leicht</translation>
    </message>
    <message>
        <source>moderate</source>
        <translation>mittelgradig</translation>
    </message>
    <message>
        <source>severe</source>
        <translation>schwer</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 Jahre</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>BMI</source>
        <translation>BMI</translation>
    </message>
    <message>
        <source>%1 kg/m²</source>
        <translation>%1 kg/m²</translation>
    </message>
    <message>
        <source>Physician</source>
        <translation>Arzt/Ärztin</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Valid time</source>
        <translation>Gültige Zeit</translation>
    </message>
    <message>
        <source>%1 (%2 % of the recording)</source>
        <translation>%1 (%2 % der Aufzeichnung)</translation>
    </message>
    <message>
        <source>Artefact</source>
        <translation>Artefakt</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Oximeter type %1</source>
        <translation>Oximetertyp %1</translation>
    </message>
    <message>
        <source>Report date</source>
        <translation>Berichtsdatum</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Details proposed from the patient list: not confirmed for this recording</source>
        <translation>Aus der Patientenliste vorgeschlagene Daten: für diese Aufzeichnung nicht bestätigt</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Untersuchung</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Whole night</source>
        <translation>Ganze Nacht</translation>
    </message>
    <message>
        <source>3 % desaturation</source>
        <translation>3-%-Entsättigung</translation>
    </message>
    <message>
        <source>no valid sample (artefact)</source>
        <translation>kein gültiger Wert (Artefakt)</translation>
    </message>
    <message>
        <source>range of each column filled; dashed: 90 %</source>
        <translation>Spannweite jeder Spalte gefüllt; gestrichelt: 90 %</translation>
    </message>
</context>
<context>
    <name>TablePage</name>
    <message>
        <source>PR</source>
        <translation>Puls</translation>
    </message>
</context>
<context>
    <name>TrendPage</name>
    <message>
        <source>PR : </source>
        <translation>Puls : </translation>
    </message>
</context>
<context>
    <name>kestrova::ui::BluetoothFinder</name>
    <message>
        <source>Find Bluetooth oximeter</source>
        <translation>Bluetooth-Oximeter suchen</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source> [paired]</source>
        <translation> [gekoppelt]</translation>
    </message>
    <message>
        <source>Searching ...</source>
        <translation>Suche läuft ...</translation>
    </message>
    <message>
        <source>Choose a device or type its address.</source>
        <translation>Wählen Sie ein Gerät oder geben Sie seine Adresse ein.</translation>
    </message>
    <message>
        <source>No Bluetooth adapter was found on this computer.</source>
        <translation>Auf diesem Computer wurde kein Bluetooth-Adapter gefunden.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CAboutDlg</name>
    <message>
        <source>Kestrova %1 (built %2)</source>
        <translation>Kestrova %1 (erstellt %2)</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Über </translation>
    </message>
    <message>
        <source>Ver 3.2.3Beta</source>
        <translation>Version 3.2.3Beta</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CAnalysisSetup</name>
    <message>
        <source>Analysis setup</source>
        <translation>Analyseeinstellungen</translation>
    </message>
    <message>
        <source>These settings cannot be saved: %1.</source>
        <translation>Diese Einstellungen können nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDateAndTimeDlg</name>
    <message>
        <source>Set Date And Time</source>
        <translation>Datum und Uhrzeit stellen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
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
        <source>Second:</source>
        <translation>Sekunde:</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDelDataDlg</name>
    <message>
        <source>Delete Data</source>
        <translation>Daten löschen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>SpO2&amp;Pr</source>
        <translation>SpO2/&amp;Puls</translation>
    </message>
    <message>
        <source>Data Type :</source>
        <translation>Datentyp :</translation>
    </message>
    <message>
        <source>ID :</source>
        <translation>ID :</translation>
    </message>
    <message>
        <source>all recordings</source>
        <translation>alle Aufzeichnungen</translation>
    </message>
    <message>
        <source>every recording of ID %1</source>
        <translation>alle Aufzeichnungen von ID %1</translation>
    </message>
    <message>
        <source>the SpO2 and pulse data of ID %1</source>
        <translation>die SpO2- und Pulsdaten von ID %1</translation>
    </message>
    <message>
        <source>Delete all recordings on the device? This cannot be undone.</source>
        <translation>Alle Aufzeichnungen auf dem Gerät löschen? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Delete %1 on the device? This cannot be undone.</source>
        <translation>%1 auf dem Gerät löschen? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDlgChooseType</name>
    <message>
        <source>New Data Capture</source>
        <translation>Neue Datenerfassung</translation>
    </message>
    <message>
        <source>Data Info</source>
        <translation>Dateninfo</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Daten löschen</translation>
    </message>
    <message>
        <source>SetDateAndTime</source>
        <translation>Datum und Uhrzeit stellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 samples beyond an ID&apos;s capacity of 72 hours could not be stored.</source>
        <translation>%1 Werte über die Kapazität einer ID von 72 Stunden hinaus konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Deleting Data ...</source>
        <translation>Daten werden gelöscht ...</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDlgUnitSetup</name>
    <message>
        <source>Unit setup</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>The Britain System</source>
        <translation>Angloamerikanisches System</translation>
    </message>
    <message>
        <source>The Metric System</source>
        <translation>Metrisches System</translation>
    </message>
    <message>
        <source>These settings cannot be saved: %1.</source>
        <translation>Diese Einstellungen können nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CInterpretation</name>
    <message>
        <source>Interpretation</source>
        <translation>Befund</translation>
    </message>
    <message>
        <source>&amp;Interpretation of this recording (printed on the clinical report):</source>
        <translation>&amp;Befund zu dieser Aufzeichnung (wird im klinischen Bericht gedruckt):</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 von %2 Zeichen</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>&amp;Language of Kestrova from its next start:</source>
        <translation>&amp;Sprache von Kestrova ab dem nächsten Start:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Sprache des Desktops</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CMainFrame</name>
    <message>
        <source>NewDataCapture (&amp;N)</source>
        <translation>&amp;Neue Datenerfassung</translation>
    </message>
    <message>
        <source>Find bluetooth radio</source>
        <translation>Bluetooth-Gerät suchen</translation>
    </message>
    <message>
        <source>Open Other ID Data</source>
        <translation>Daten anderer ID öffnen</translation>
    </message>
    <message>
        <source>Save Data(&amp;S)...</source>
        <translation>Daten &amp;speichern...</translation>
    </message>
    <message>
        <source>Open Saved Data(&amp;O)...</source>
        <translation>Gespeicherte Daten &amp;öffnen...</translation>
    </message>
    <message>
        <source>Studies...</source>
        <translation>Untersuchungen...</translation>
    </message>
    <message>
        <source>Check out the SpO2 event time...</source>
        <translation>SpO2-Ereigniszeiten ausgeben...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>PrintPreView</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Kestrova &amp;Help</source>
        <translation>Kestrova-&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkombinationen</translation>
    </message>
    <message>
        <source>Patient Info</source>
        <translation>Patientendaten</translation>
    </message>
    <message>
        <source>Patient Title</source>
        <translation>Aufzeichnungstitel</translation>
    </message>
    <message>
        <source>Interpretation...</source>
        <translation>Befund...</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Clinical Summary</source>
        <translation>Klinische Zusammenfassung</translation>
    </message>
    <message>
        <source>Clinical Report (PDF)...</source>
        <translation>Klinischer Bericht (PDF)...</translation>
    </message>
    <message>
        <source>Roll Step</source>
        <translation>Bildlaufschritt</translation>
    </message>
    <message>
        <source>Analysis Setup</source>
        <translation>Analyseeinstellungen</translation>
    </message>
    <message>
        <source>Unit Setup</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Report...</source>
        <translation>Bericht...</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Sprache...</translation>
    </message>
    <message>
        <source>About 	(&amp;A)...</source>
        <translation>Über \t(&amp;Ü)...</translation>
    </message>
    <message>
        <source>PageUp</source>
        <translation>Seite zurück</translation>
    </message>
    <message>
        <source>PageDown</source>
        <translation>Seite vor</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Next Event</source>
        <translation>Nächstes Ereignis</translation>
    </message>
    <message>
        <source>Previous Event</source>
        <translation>Vorheriges Ereignis</translation>
    </message>
    <message>
        <source>Go to Time...</source>
        <translation>Zu Uhrzeit springen...</translation>
    </message>
    <message>
        <source>Moves to the next 3 % desaturation and puts the cursor on its nadir</source>
        <translation>Springt zur nächsten 3-%-Entsättigung und setzt den Cursor auf ihren Nadir</translation>
    </message>
    <message>
        <source>Moves to the previous 3 % desaturation and puts the cursor on its nadir</source>
        <translation>Springt zur vorherigen 3-%-Entsättigung und setzt den Cursor auf ihren Nadir</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Seite:</translation>
    </message>
    <message>
        <source>The language changes the next time Kestrova starts.</source>
        <translation>Die Sprache ändert sich beim nächsten Start von Kestrova.</translation>
    </message>
    <message>
        <source>Details proposed from the patient list for ID %1: not confirmed for this recording. &lt;a href=&quot;confirm&quot;&gt;Confirm or change them...&lt;/a&gt;</source>
        <translation>Aus der Patientenliste vorgeschlagene Daten für ID %1: für diese Aufzeichnung nicht bestätigt. &lt;a href=&quot;confirm&quot;&gt;Bestätigen oder ändern...&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Page:%1/%2</source>
        <translation>Seite:%1/%2</translation>
    </message>
    <message>
        <source>The patient details or the title of this recording were changed and are not saved anywhere yet.

Save them before going on?</source>
        <translation>Die Patientendaten oder der Titel dieser Aufzeichnung wurden geändert und sind noch nirgends gespeichert.

Vorher speichern?</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CModifyTitle</name>
    <message>
        <source>Modify Title</source>
        <translation>Titel ändern</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CNightsDlg</name>
    <message>
        <source>Nights of %1</source>
        <translation>Nächte von %1</translation>
    </message>
    <message>
        <source>&amp;Open the Latest Night</source>
        <translation>Neueste Nacht &amp;öffnen</translation>
    </message>
    <message>
        <source>Opens the latest of these nights; its clinical report compares all of them</source>
        <translation>Öffnet die neueste dieser Nächte; ihr klinischer Bericht vergleicht alle</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::COtherIDSelect</name>
    <message>
        <source>Open other ID data</source>
        <translation>Daten anderer ID öffnen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CPatientInfo</name>
    <message>
        <source>Edit patient information</source>
        <translation>Patientendaten bearbeiten</translation>
    </message>
    <message>
        <source>ID Number</source>
        <translation>ID-Nummer</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Physician</source>
        <translation>Arzt/Ärztin</translation>
    </message>
    <message>
        <source>Note 1</source>
        <translation>Notiz 1</translation>
    </message>
    <message>
        <source>Note 2</source>
        <translation>Notiz 2</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Save Info</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete Info</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>a patient without a name</source>
        <translation>ein Patient ohne Namen</translation>
    </message>
    <message>
        <source>Use stored details (%1)</source>
        <translation>Gespeicherte Daten verwenden (%1)</translation>
    </message>
    <message>
        <source>The patient database holds details for ID %1. The device may have recorded another patient under the same ID.</source>
        <translation>Die Patientendatenbank enthält Daten für ID %1. Das Gerät hat möglicherweise einen anderen Patienten unter derselben ID aufgezeichnet.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CReportSetup</name>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Clinic name</source>
        <translation>Name der Einrichtung</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Fields left empty are not printed.</source>
        <translation>Leere Felder werden nicht gedruckt.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.svg);;All files (*)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.bmp *.svg);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>No logo</source>
        <translation>Kein Logo</translation>
    </message>
    <message>
        <source>%1: not an image this program can read</source>
        <translation>%1: kein Bild, das dieses Programm lesen kann</translation>
    </message>
    <message>
        <source>These settings cannot be saved: %1.</source>
        <translation>Diese Einstellungen können nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CSetRollStep</name>
    <message>
        <source>Setup Step</source>
        <translation>Schrittweite einstellen</translation>
    </message>
    <message>
        <source>Roll Step</source>
        <translation>Bildlaufschritt</translation>
    </message>
    <message>
        <source>Please input a number !</source>
        <translation>Bitte geben Sie eine Zahl ein!</translation>
    </message>
    <message>
        <source>Enter an integer.</source>
        <translation>Geben Sie eine ganze Zahl ein.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CStudiesDlg</name>
    <message>
        <source>Studies</source>
        <translation>Untersuchungen</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>name, ID or date</source>
        <translation>Name, ID oder Datum</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>Compare &amp;Nights...</source>
        <translation>&amp;Nächte vergleichen...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>Studies (%1)</source>
        <translation>Untersuchungen (%1)</translation>
    </message>
    <message>
        <source>Delete the study of %1 from %2? Its recording is moved to the library&apos;s trash.</source>
        <translation>Die Untersuchung von %1 vom %2 löschen? Ihre Aufzeichnung wird in den Papierkorb des Archivs verschoben.</translation>
    </message>
    <message>
        <source>Delete these %1 studies? Their recordings are moved to the library&apos;s trash.</source>
        <translation>Diese %1 Untersuchungen löschen? Ihre Aufzeichnungen werden in den Papierkorb des Archivs verschoben.</translation>
    </message>
    <message>
        <source>Select nights of one patient to compare them (%1 and %2 are different patients).</source>
        <translation>Wählen Sie Nächte eines Patienten aus, um sie zu vergleichen (%1 und %2 sind verschiedene Patienten).</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CTavroTrendView</name>
    <message>
        <source>%1
SpO2 %2 %
Pulse %3 bpm</source>
        <translation>%1
SpO2 %2 %
Puls %3 bpm</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::FrameNavigation</name>
    <message>
        <source>Zoom</source>
        <translation>Zoomstufe</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Ereignisliste</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Desaturations (3 %)</source>
        <translation>Entsättigungen (3 %)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Baseline</source>
        <translation>Basislinie</translation>
    </message>
    <message>
        <source>Nadir</source>
        <translation>Nadir</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>No desaturation after this point.</source>
        <translation>Keine Entsättigung nach dieser Stelle.</translation>
    </message>
    <message>
        <source>No desaturation before this point.</source>
        <translation>Keine Entsättigung vor dieser Stelle.</translation>
    </message>
    <message>
        <source>Go to time</source>
        <translation>Zu Uhrzeit springen</translation>
    </message>
    <message>
        <source>Time (HH:MM:SS), or date and time (YYYY-MM-DD HH:MM:SS):</source>
        <translation>Uhrzeit (HH:MM:SS) oder Datum und Uhrzeit (JJJJ-MM-TT HH:MM:SS):</translation>
    </message>
    <message>
        <source>Type a time as HH:MM:SS, or a date and time as YYYY-MM-DD HH:MM:SS.</source>
        <translation>Geben Sie eine Uhrzeit als HH:MM:SS oder Datum und Uhrzeit als JJJJ-MM-TT HH:MM:SS ein.</translation>
    </message>
    <message>
        <source>%1 is not within this recording, which runs from %2 to %3.</source>
        <translation>%1 liegt nicht innerhalb dieser Aufzeichnung, die von %2 bis %3 reicht.</translation>
    </message>
    <message>
        <source>The recent files could not be remembered: %1</source>
        <translation>Die zuletzt geöffneten Dateien konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>ID %1 (downloaded)</source>
        <translation>ID %1 (heruntergeladen)</translation>
    </message>
    <message>
        <source>%1[*] - Kestrova</source>
        <translation>%1[*] - Kestrova</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::OverviewBar</name>
    <message>
        <source>The whole recording: click or drag to move the view there</source>
        <translation>Die gesamte Aufzeichnung: Klicken oder ziehen Sie, um die Ansicht dorthin zu bewegen</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::StudyListModel</name>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>Details proposed from the patient list: not confirmed for this recording</source>
        <translation>Aus der Patientenliste vorgeschlagene Daten: für diese Aufzeichnung nicht bestätigt</translation>
    </message>
    <message>
        <source> (partial)</source>
        <translation> (unvollständig)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
</context>
</TS>
