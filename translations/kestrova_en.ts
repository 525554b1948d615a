<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AnalysisSheet</name>
    <message>
        <source>Pulse</source>
        <translation>Pulse</translation>
    </message>
</context>
<context>
    <name>AnalyzeCommand</name>
    <message>
        <source>Clinical figures</source>
        <translation>Clinical figures</translation>
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
        <translation>Recorded</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>Valid</translation>
    </message>
    <message>
        <source>Artefact</source>
        <translation>Artefact</translation>
    </message>
    <message>
        <source>SpO2 mean / median</source>
        <translation>SpO2 mean / median</translation>
    </message>
    <message>
        <source>%1 % / %2 %</source>
        <translation>%1 % / %2 %</translation>
    </message>
    <message>
        <source>SpO2 nadir / max</source>
        <translation>SpO2 nadir / max</translation>
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
        <translation>%1 /h (%2 events)</translation>
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
        <translation>%1 % depth mean / median</translation>
    </message>
    <message>
        <source>%1 / %2 %</source>
        <translation>%1 / %2 %</translation>
    </message>
    <message>
        <source>%1 % duration mean / median</source>
        <translation>%1 % duration mean / median</translation>
    </message>
    <message>
        <source>%1 / %2 s</source>
        <translation>%1 / %2 s</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1 s at %2, %3 % deep</source>
        <translation>%1 s at %2, %3 % deep</translation>
    </message>
    <message>
        <source>%1 % longest event</source>
        <translation>Longest %1 % event</translation>
    </message>
    <message>
        <source>Desaturation area (3 %)</source>
        <translation>Desaturation area (3 %)</translation>
    </message>
    <message>
        <source>%1 %min/h</source>
        <translation>%1 %min/h</translation>
    </message>
    <message>
        <source>Pulse mean / min / max</source>
        <translation>Pulse mean / min / max</translation>
    </message>
    <message>
        <source>%1 / %2 / %3 bpm</source>
        <translation>%1 / %2 / %3 bpm</translation>
    </message>
    <message>
        <source>Pulse &gt; 100 / &lt; 50 bpm</source>
        <translation>Pulse &gt; 100 / &lt; 50 bpm</translation>
    </message>
    <message>
        <source>%1 min / %2 min</source>
        <translation>%1 min / %2 min</translation>
    </message>
    <message>
        <source>Event and threshold analysis of a saved recording</source>
        <translation>Event and threshold analysis of a saved recording</translation>
    </message>
    <message>
        <source>Saved data file (.dat)</source>
        <translation>Saved data file (.dat)</translation>
    </message>
    <message>
        <source>One JSON object instead of the summary table</source>
        <translation>One JSON object instead of the summary table</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Pulse oximetry recordings</source>
        <translation>Pulse oximetry recordings</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
</context>
<context>
    <name>BluetoothLink</name>
    <message>
        <source>Bluetooth link</source>
        <translation>Bluetooth link</translation>
    </message>
    <message>
        <source>not a Bluetooth address</source>
        <translation>not a Bluetooth address</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Bluetooth address.</source>
        <translation>&quot;%1&quot; is not a Bluetooth address.</translation>
    </message>
    <message>
        <source>Bluetooth is not available: %1.</source>
        <translation>Bluetooth is not available: %1.</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2.</source>
        <translation>Could not connect to %1: %2.</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>not connected</translation>
    </message>
    <message>
        <source>the link took no bytes</source>
        <translation>the link took no bytes</translation>
    </message>
    <message>
        <source>the peer closed the link</source>
        <translation>the peer closed the link</translation>
    </message>
</context>
<context>
    <name>CAnalysisSetup</name>
    <message>
        <source>Times with saturations high</source>
        <translation>Count SpO2 above</translation>
    </message>
    <message>
        <source>Times with saturations low</source>
        <translation>Count SpO2 below</translation>
    </message>
    <message>
        <source>Times with pr high</source>
        <translation>Count pulse rate above</translation>
    </message>
    <message>
        <source>Times with pr low</source>
        <translation>Count pulse rate below</translation>
    </message>
    <message>
        <source>Desaturation Event</source>
        <translation>Desaturation event</translation>
    </message>
    <message>
        <source>Pulse Event</source>
        <translation>Pulse event</translation>
    </message>
</context>
<context>
    <name>CTavroApp</name>
    <message>
        <source>Demo oximeter attached on %1 - File &gt; NewDataCapture downloads it</source>
        <translation>Demo oximeter attached on %1 - File &gt; New Data Capture downloads it</translation>
    </message>
    <message>
        <source>Patient list not available</source>
        <translation>Patient list not available</translation>
    </message>
    <message>
        <source>Settings not read: defaults in use</source>
        <translation>Settings not read: defaults in use</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read, so the default settings are used and the file is left as it is.

%2</source>
        <translation>The settings file %1 cannot be read, so the default settings are used and the file is left as it is.

%2</translation>
    </message>
    <message>
        <source>Study library not available</source>
        <translation>Study library not available</translation>
    </message>
    <message>
        <source>The study library cannot be opened, so downloads are kept only in memory and in the files you save.

%1</source>
        <translation>The study library cannot be opened, so downloads are kept only in memory and in the files you save.

%1</translation>
    </message>
    <message>
        <source>%1 recordings added to the study library, %2 already there.</source>
        <translation>%1 recordings added to the study library, %2 already there.</translation>
    </message>
    <message>
        <source>

Not added:
</source>
        <translation>

Not added:
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
        <translation>These recordings could not be kept in the study library; save them with Save Data before the next download:
%1</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the link failed</source>
        <translation>the link failed</translation>
    </message>
    <message>
        <source>the device stopped sending</source>
        <translation>the device stopped sending</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>out of memory</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Program directory holding bldb/pationtrec.dat (default: KESTROVA_HOME or the executable&apos;s directory)</source>
        <translation>Program directory holding bldb/pationtrec.dat (default: KESTROVA_HOME or the executable&apos;s directory)</translation>
    </message>
    <message>
        <source>Settings file to read and write (default: ./Kestrova.ini when it exists, else the per-user one of an installed program)</source>
        <translation>Settings file to read and write (default: ./Kestrova.ini when it exists, else the per-user one of an installed program)</translation>
    </message>
    <message>
        <source>%1; the default settings are used</source>
        <translation>%1; the default settings are used</translation>
    </message>
    <message>
        <source>The patient database is not used: %1</source>
        <translation>The patient database is not used: %1</translation>
    </message>
    <message>
        <source>Try &apos;kestrova-cli --help&apos; or &apos;kestrova-cli COMMAND --help&apos;.</source>
        <translation>Try &apos;kestrova-cli --help&apos; or &apos;kestrova-cli COMMAND --help&apos;.</translation>
    </message>
    <message>
        <source>A .%1 file is not text: it is not written to a terminal. Redirect the output or name a file.</source>
        <translation>A .%1 file is not text: it is not written to a terminal. Redirect the output or name a file.</translation>
    </message>
    <message>
        <source>Cannot make a temporary directory for the output.</source>
        <translation>Cannot make a temporary directory for the output.</translation>
    </message>
    <message>
        <source>Cannot read back the output from its temporary file.</source>
        <translation>Cannot read back the output from its temporary file.</translation>
    </message>
    <message>
        <source>Cannot write to the standard output.</source>
        <translation>Cannot write to the standard output.</translation>
    </message>
    <message>
        <source>Unknown language &quot;%1&quot;; English is used.</source>
        <translation>Unknown language &quot;%1&quot;; English is used.</translation>
    </message>
    <message>
        <source>Kestrova command-line tool</source>
        <translation>Kestrova command-line tool</translation>
    </message>
    <message>
        <source>Display program version information and exit</source>
        <translation>Display program version information and exit</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Print this help message and exit</translation>
    </message>
    <message>
        <source>Language of messages and reports: en, en_classic, de, fr, es</source>
        <translation>Language of messages and reports: en, en_classic, de, fr, es</translation>
    </message>
</context>
<context>
    <name>ClinicalMetrics</name>
    <message>
        <source>Criteria: a second is valid when SpO2 is 50-100 % and pulse 25-250 bpm; every figure uses valid seconds only.</source>
        <translation>Criteria: a second is valid when SpO2 is 50-100 % and pulse 25-250 bpm; every figure uses valid seconds only.</translation>
    </message>
    <message>
        <source>Desaturations are found on SpO2 smoothed by a %1-sample median (a sample next to an artefact is kept as it is).</source>
        <translation>Desaturations are found on SpO2 smoothed by a %1-sample median (a sample next to an artefact is kept as it is).</translation>
    </message>
    <message>
        <source>The baseline is the lower median of the smoothed valid samples of the preceding %1 s that lie outside events (at least %2 of them) and moves by at most %3 % a sample.</source>
        <translation>The baseline is the lower median of the smoothed valid samples of the preceding %1 s that lie outside events (at least %2 of them) and moves by at most %3 % a sample.</translation>
    </message>
    <message>
        <source>An event starts at a sample at least %1 % below the baseline and counts when SpO2 stays there for at least %2 valid seconds, at most %3 samples in a row above; it ends before SpO2 has been back within %4 % of the baseline, or %5 % above the event&apos;s nadir, for %6 s, or after %7 s without recovery (its seconds then rejoin the baseline, which is taken afresh).</source>
        <translation>An event starts at a sample at least %1 % below the baseline and counts when SpO2 stays there for at least %2 valid seconds, at most %3 samples in a row above; it ends before SpO2 has been back within %4 % of the baseline, or %5 % above the event&apos;s nadir, for %6 s, or after %7 s without recovery (its seconds then rejoin the baseline, which is taken afresh).</translation>
    </message>
    <message>
        <source>After an event the next one also needs a fall of %1 % below the highest SpO2 since, until SpO2 is back within %2 % of the baseline.</source>
        <translation>After an event the next one also needs a fall of %1 % below the highest SpO2 since, until SpO2 is back within %2 % of the baseline.</translation>
    </message>
    <message>
        <source>A 4 % event is a 3 % event that holds at least 4 % below its baseline in the same way.</source>
        <translation>A 4 % event is a 3 % event that holds at least 4 % below its baseline in the same way.</translation>
    </message>
    <message>
        <source>Artefact gaps of up to %1 s inside an event are bridged and count neither as event nor as valid time; a longer gap ends it.</source>
        <translation>Artefact gaps of up to %1 s inside an event are bridged and count neither as event nor as valid time; a longer gap ends it.</translation>
    </message>
    <message>
        <source>Depth is the baseline minus the lowest smoothed SpO2 of the event; duration is its event time.</source>
        <translation>Depth is the baseline minus the lowest smoothed SpO2 of the event; duration is its event time.</translation>
    </message>
</context>
<context>
    <name>ClinicalReport</name>
    <message>
        <source>Follow-up</source>
        <translation>Follow-up</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>the PDF could not be drawn</translation>
    </message>
    <message>
        <source>Overnight pulse oximetry - ID %1</source>
        <translation>Overnight pulse oximetry - ID %1</translation>
    </message>
    <message>
        <source>Overnight pulse oximetry</source>
        <translation>Overnight pulse oximetry</translation>
    </message>
</context>
<context>
    <name>ClinicalReportCommand</name>
    <message>
        <source>The whole-night clinical report of a recording as a PDF</source>
        <translation>The whole-night clinical report of a recording as a PDF</translation>
    </message>
    <message>
        <source>Saved recording</source>
        <translation>Saved recording</translation>
    </message>
    <message>
        <source>OUT.pdf</source>
        <translation>OUT.pdf</translation>
    </message>
    <message>
        <source>a4 or letter (default: the paper of Options &gt; Report, else a4)</source>
        <translation>a4 or letter (default: the paper of Options &gt; Report, else a4)</translation>
    </message>
    <message>
        <source>UTF-8 text printed as the interpretation (default: an empty box to write in)</source>
        <translation>UTF-8 text printed as the interpretation (default: an empty box to write in)</translation>
    </message>
    <message>
        <source>OUT must end in .pdf.</source>
        <translation>OUT must end in .pdf.</translation>
    </message>
    <message>
        <source>%1: larger than 64 KiB, not an interpretation</source>
        <translation>%1: larger than 64 KiB, not an interpretation</translation>
    </message>
    <message>
        <source>The interpretation cannot be read: %1</source>
        <translation>The interpretation cannot be read: %1</translation>
    </message>
</context>
<context>
    <name>CsvRecording</name>
    <message>
        <source>line %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>line 1: the header names no time column (expected for example time, spo2 and pulse)</source>
        <translation>line 1: the header names no time column (expected for example time, spo2 and pulse)</translation>
    </message>
    <message>
        <source>line 1: the header names no SpO2 column (expected for example time, spo2 and pulse)</source>
        <translation>line 1: the header names no SpO2 column (expected for example time, spo2 and pulse)</translation>
    </message>
    <message>
        <source>line 1: the header names no pulse column (expected for example time, spo2 and pulse)</source>
        <translation>line 1: the header names no pulse column (expected for example time, spo2 and pulse)</translation>
    </message>
    <message>
        <source>%1: no time of day in &quot;%2&quot;</source>
        <translation>%1: no time of day in &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a time of day</source>
        <translation>%1: &quot;%2&quot; is not a time of day</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a date (expected for example 2026-06-19, 19.06.2026, 6/19/2026 or Jun 19, 2026)</source>
        <translation>%1: &quot;%2&quot; is not a date (expected for example 2026-06-19, 19.06.2026, 6/19/2026 or Jun 19, 2026)</translation>
    </message>
    <message>
        <source>%1: no date Kestrova can keep (years 2000 to 2255)</source>
        <translation>%1: no date Kestrova can keep (years 2000 to 2255)</translation>
    </message>
    <message>
        <source>%1: no %2 value and no missing-value marker in column %3</source>
        <translation>%1: no %2 value and no missing-value marker in column %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 in column %4 is out of range (0 to %5, or a missing-value marker)</source>
        <translation>%1: %2 %3 in column %4 is out of range (0 to %5, or a missing-value marker)</translation>
    </message>
    <message>
        <source>the dates are neither all day/month/year nor all month/day/year</source>
        <translation>the dates are neither all day/month/year nor all month/day/year</translation>
    </message>
    <message>
        <source>the dates can be read day/month/year and month/day/year and nothing in the file settles which; they are read month/day/year</source>
        <translation>the dates can be read day/month/year and month/day/year and nothing in the file settles which; they are read month/day/year</translation>
    </message>
    <message>
        <source>is not a recording this program can open: it holds more than %1 samples (a recording holds 0 to %2).</source>
        <translation>is not a recording this program can open: it holds more than %1 samples (a recording holds 0 to %2).</translation>
    </message>
    <message>
        <source>clock set back at line %1 by %2 s</source>
        <translation>clock set back at line %1 by %2 s</translation>
    </message>
    <message>
        <source>%1: the time %2 of line %3 again, with other values</source>
        <translation>%1: the time %2 of line %3 again, with other values</translation>
    </message>
    <message>
        <source>the clock was set back %1 times in all; the first %2 are listed</source>
        <translation>the clock was set back %1 times in all; the first %2 are listed</translation>
    </message>
    <message>
        <source>%1 missing-value marker read as artefact</source>
        <translation>%1 missing-value marker read as artefact</translation>
    </message>
    <message>
        <source>%1 missing-value markers read as artefact</source>
        <translation>%1 missing-value markers read as artefact</translation>
    </message>
    <message>
        <source>CSV separated by commas</source>
        <translation>CSV separated by commas</translation>
    </message>
    <message>
        <source>CSV separated by semicolons</source>
        <translation>CSV separated by semicolons</translation>
    </message>
    <message>
        <source>CSV separated by tabs</source>
        <translation>CSV separated by tabs</translation>
    </message>
    <message>
        <source>decimal commas allowed</source>
        <translation>decimal commas allowed</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 lines</translation>
    </message>
    <message>
        <source>UTF-8 byte-order mark</source>
        <translation>UTF-8 byte-order mark</translation>
    </message>
    <message>
        <source>date %1, time %2</source>
        <translation>date %1, time %2</translation>
    </message>
    <message>
        <source>date and time %1</source>
        <translation>date and time %1</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>year-month-day</translation>
    </message>
    <message>
        <source>day.month.year</source>
        <translation>day.month.year</translation>
    </message>
    <message>
        <source>day/month/year</source>
        <translation>day/month/year</translation>
    </message>
    <message>
        <source>month/day/year</source>
        <translation>month/day/year</translation>
    </message>
    <message>
        <source>month names</source>
        <translation>month names</translation>
    </message>
    <message>
        <source>Unix time in seconds, read as UTC</source>
        <translation>Unix time in seconds, read as UTC</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>12-hour clock</translation>
    </message>
    <message>
        <source>SpO2 %1, pulse %2</source>
        <translation>SpO2 %1, pulse %2</translation>
    </message>
    <message>
        <source>patient ID %1</source>
        <translation>patient ID %1</translation>
    </message>
    <message>
        <source>The file %1 is not a recording this program can open: it holds more than %2 samples (a recording holds 0 to %3).</source>
        <translation>The file %1 is not a recording this program can open: it holds more than %2 samples (a recording holds 0 to %3).</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Attempted to access %1 past its end.</source>
        <translation>Attempted to access %1 past its end.</translation>
    </message>
    <message>
        <source>The file %1 is not a recording this program can open: it declares %2 samples (a recording holds 0 to %3).</source>
        <translation>The file %1 is not a recording this program can open: it declares %2 samples (a recording holds 0 to %3).</translation>
    </message>
    <message>
        <source>The file %1 is not a recording this program can open: it is %2 bytes long (a recording is at most %3 bytes).</source>
        <translation>The file %1 is not a recording this program can open: it is %2 bytes long (a recording is at most %3 bytes).</translation>
    </message>
</context>
<context>
    <name>DeviceCommands</name>
    <message>
        <source>Probe only this serial port (ttyUSB0, pts/3, or a path)</source>
        <translation>Probe only this serial port (ttyUSB0, pts/3, or a path)</translation>
    </message>
    <message>
        <source>Use the Bluetooth device with this address instead</source>
        <translation>Use the Bluetooth device with this address instead</translation>
    </message>
    <message>
        <source>RFCOMM channel of the Bluetooth device</source>
        <translation>RFCOMM channel of the Bluetooth device</translation>
    </message>
    <message>
        <source>Log every byte on the wire to this file (like KESTROVA_TRACE)</source>
        <translation>Log every byte on the wire to this file (like KESTROVA_TRACE)</translation>
    </message>
    <message>
        <source>Cannot write the trace file %1</source>
        <translation>Cannot write the trace file %1</translation>
    </message>
    <message>
        <source>The study library was not updated: %1</source>
        <translation>The study library was not updated: %1</translation>
    </message>
    <message>
        <source>ID %1 was not stored in the study library: %2</source>
        <translation>ID %1 was not stored in the study library: %2</translation>
    </message>
    <message>
        <source>Download every recording from the oximeter into DIR/ID&lt;n&gt;.dat</source>
        <translation>Download every recording from the oximeter into DIR/ID&lt;n&gt;.dat</translation>
    </message>
    <message>
        <source>Directory for the recordings</source>
        <translation>Directory for the recordings</translation>
    </message>
    <message>
        <source>Replace DIR/ID&lt;n&gt;.dat instead of keeping an earlier recording beside the new one</source>
        <translation>Replace DIR/ID&lt;n&gt;.dat instead of keeping an earlier recording beside the new one</translation>
    </message>
    <message>
        <source>Do not store the recordings in the study library</source>
        <translation>Do not store the recordings in the study library</translation>
    </message>
    <message>
        <source>Study library directory (default: KESTROVA_HOME/library)</source>
        <translation>Study library directory (default: KESTROVA_HOME/library)</translation>
    </message>
    <message>
        <source>The download broke while ID %1 was arriving; what arrived is in %2</source>
        <translation>The download broke while ID %1 was arriving; what arrived is in %2</translation>
    </message>
    <message>
        <source>%1 samples beyond an ID&apos;s capacity were not stored.</source>
        <translation>%1 samples beyond an ID&apos;s capacity were not stored.</translation>
    </message>
    <message>
        <source>Set the oximeter&apos;s clock</source>
        <translation>Set the oximeter&apos;s clock</translation>
    </message>
    <message>
        <source>&quot;YYYY-MM-DD HH:MM:SS&quot; (default: now)</source>
        <translation>&quot;YYYY-MM-DD HH:MM:SS&quot; (default: now)</translation>
    </message>
    <message>
        <source>--time must be &quot;YYYY-MM-DD HH:MM:SS&quot; (year 2000 or later).</source>
        <translation>--time must be &quot;YYYY-MM-DD HH:MM:SS&quot; (year 2000 or later).</translation>
    </message>
    <message>
        <source>Delete recordings in the oximeter&apos;s memory</source>
        <translation>Delete recordings in the oximeter&apos;s memory</translation>
    </message>
    <message>
        <source>Patient ID (0 or absent: all IDs)</source>
        <translation>Patient ID (0 or absent: all IDs)</translation>
    </message>
    <message>
        <source>all, or spo2pr (SpO2 and pulse data)</source>
        <translation>all, or spo2pr (SpO2 and pulse data)</translation>
    </message>
</context>
<context>
    <name>DeviceLink</name>
    <message>
        <source>The port could not be remembered in the settings file, which was left as it was: %1</source>
        <translation>The port could not be remembered in the settings file, which was left as it was: %1</translation>
    </message>
</context>
<context>
    <name>DeviceSimulator</name>
    <message>
        <source>stopped by the host</source>
        <translation>stopped by the host</translation>
    </message>
</context>
<context>
    <name>DeviceStatus</name>
    <message>
        <source>No oximeter answered on any port.</source>
        <translation>No oximeter answered on any port.</translation>
    </message>
    <message>
        <source>No oximeter on the serial port %1: it does not exist or did not answer (is the device plugged in and switched on?).</source>
        <translation>No oximeter on the serial port %1: it does not exist or did not answer (is the device plugged in and switched on?).</translation>
    </message>
    <message>
        <source>The port is in use by another program: the serial port.</source>
        <translation>The serial port is in use by another program.</translation>
    </message>
    <message>
        <source>The port is in use by another program: the serial port %1.</source>
        <translation>The serial port %1 is in use by another program.</translation>
    </message>
    <message>
        <source>No permission to open the serial port. Add your user to the &quot;dialout&quot; group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>No permission to open the serial port. Add your user to the &quot;dialout&quot; group (sudo usermod -aG dialout $USER), then log out and in again.</translation>
    </message>
    <message>
        <source>No permission to open the serial port %1. Add your user to the &quot;dialout&quot; group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>No permission to open the serial port %1. Add your user to the &quot;dialout&quot; group (sudo usermod -aG dialout $USER), then log out and in again.</translation>
    </message>
    <message>
        <source>The oximeter stopped answering.</source>
        <translation>The oximeter stopped answering.</translation>
    </message>
    <message>
        <source>The oximeter&apos;s answer was not understood.</source>
        <translation>The oximeter&apos;s answer was not understood.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Stopped.</translation>
    </message>
    <message>
        <source>The oximeter holds no recording.</source>
        <translation>The oximeter holds no recording.</translation>
    </message>
    <message>
        <source>The connection failed: the serial port could not be used.</source>
        <translation>The connection failed: the serial port could not be used.</translation>
    </message>
    <message>
        <source>The connection failed: the serial port %1 could not be used.</source>
        <translation>The connection failed: the serial port %1 could not be used.</translation>
    </message>
</context>
<context>
    <name>DeviceTiming</name>
    <message>
        <source>not a device timing (name=number)</source>
        <translation>not a device timing (name=number)</translation>
    </message>
</context>
<context>
    <name>DisclosurePage</name>
    <message>
        <source>Full disclosure - one hour per strip</source>
        <translation>Full disclosure - one hour per strip</translation>
    </message>
    <message>
        <source>Hour %1: %2 %3 – %4</source>
        <translation>Hour %1: %2 %3 – %4</translation>
    </message>
</context>
<context>
    <name>DownloadStore</name>
    <message>
        <source>no free file name</source>
        <translation>no free file name</translation>
    </message>
</context>
<context>
    <name>EdfRecording</name>
    <message>
        <source>the file&apos;s size would not match its header</source>
        <translation>the file&apos;s size would not match its header</translation>
    </message>
    <message>
        <source>The file %1 is not a recording this program can open: it holds %2 seconds (a recording holds 0 to %3).</source>
        <translation>The file %1 is not a recording this program can open: it holds %2 seconds (a recording holds 0 to %3).</translation>
    </message>
    <message>
        <source>not an EDF or EDF+ file Kestrova can read: it does not begin with an EDF header</source>
        <translation>not an EDF or EDF+ file Kestrova can read: it does not begin with an EDF header</translation>
    </message>
    <message>
        <source>not an EDF or EDF+ file Kestrova can read: its header gives no usable size or number of signals</source>
        <translation>not an EDF or EDF+ file Kestrova can read: its header gives no usable size or number of signals</translation>
    </message>
    <message>
        <source>the header gives no number of data records</source>
        <translation>the header gives no number of data records</translation>
    </message>
    <message>
        <source>the header gives no duration of a data record</source>
        <translation>the header gives no duration of a data record</translation>
    </message>
    <message>
        <source>the file ends inside its header</source>
        <translation>the file ends inside its header</translation>
    </message>
    <message>
        <source>the signal &quot;%1&quot; gives no number of samples per data record</source>
        <translation>the signal &quot;%1&quot; gives no number of samples per data record</translation>
    </message>
    <message>
        <source>the signal &quot;%1&quot; has no usable physical and digital range</source>
        <translation>the signal &quot;%1&quot; has no usable physical and digital range</translation>
    </message>
    <message>
        <source>no SpO2 (or SaO2) signal</source>
        <translation>no SpO2 (or SaO2) signal</translation>
    </message>
    <message>
        <source>no pulse (or PR, HR) signal</source>
        <translation>no pulse (or PR, HR) signal</translation>
    </message>
    <message>
        <source>the header says %1 data records, the file holds %2</source>
        <translation>the header says %1 data records, the file holds %2</translation>
    </message>
    <message>
        <source>the signal &quot;%1&quot; has fewer than one sample per second</source>
        <translation>the signal &quot;%1&quot; has fewer than one sample per second</translation>
    </message>
    <message>
        <source>the signal &quot;%1&quot; holds %2 samples; Kestrova reads at most %3 (64 a second over a whole recording)</source>
        <translation>the signal &quot;%1&quot; holds %2 samples; Kestrova reads at most %3 (64 a second over a whole recording)</translation>
    </message>
    <message>
        <source>the header gives no start date and time (dd.mm.yy and hh.mm.ss)</source>
        <translation>the header gives no start date and time (dd.mm.yy and hh.mm.ss)</translation>
    </message>
    <message>
        <source>the header&apos;s start year is &quot;yy&quot; and the recording field gives no year</source>
        <translation>the header&apos;s start year is &quot;yy&quot; and the recording field gives no year</translation>
    </message>
    <message>
        <source>the header&apos;s start date %1 is no date</source>
        <translation>the header&apos;s start date %1 is not a date</translation>
    </message>
    <message>
        <source>the recording starts in %1; Kestrova keeps recordings from 2000 to 2255</source>
        <translation>the recording starts in %1; Kestrova keeps recordings from 2000 to 2255</translation>
    </message>
    <message>
        <source>the file ended while it was read (data record %1)</source>
        <translation>the file ended while it was read (data record %1)</translation>
    </message>
    <message>
        <source>data record %1 holds an unreadable annotation</source>
        <translation>data record %1 holds an unreadable annotation</translation>
    </message>
    <message>
        <source>data record %1 starts at %2 s, before the data record before it ends</source>
        <translation>data record %1 starts at %2 s, before the data record before it ends</translation>
    </message>
    <message>
        <source>%1, %2 signals, %3 data records of %4 s; SpO2 &quot;%5&quot; at %6 Hz, pulse &quot;%7&quot; at %8 Hz</source>
        <translation>%1, %2 signals, %3 data records of %4 s; SpO2 &quot;%5&quot; at %6 Hz, pulse &quot;%7&quot; at %8 Hz</translation>
    </message>
    <message>
        <source>EDF+D (discontinuous)</source>
        <translation>EDF+D (discontinuous)</translation>
    </message>
    <message>
        <source>clock set back %1 s after the start by %2 s</source>
        <translation>clock set back %1 s after the start by %2 s</translation>
    </message>
</context>
<context>
    <name>Exchanges</name>
    <message>
        <source>not connected</source>
        <translation>not connected</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>not an identification</source>
        <translation>not an identification</translation>
    </message>
    <message>
        <source>not the totals</source>
        <translation>not the totals</translation>
    </message>
    <message>
        <source>the deletion was not acknowledged</source>
        <translation>the deletion was not acknowledged</translation>
    </message>
    <message>
        <source>the clock was refused</source>
        <translation>the clock was refused</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Cannot export to &quot;%1&quot;: the name must end in .txt, .xls, .xlsx, .csv or .edf.</source>
        <translation>Cannot export to &quot;%1&quot;: the name must end in .txt, .xls, .xlsx, .csv or .edf.</translation>
    </message>
    <message>
        <source>Format when OUT is - (the standard output)</source>
        <translation>Format when OUT is - (the standard output)</translation>
    </message>
    <message>
        <source>Export a recording as text (.txt), a workbook (.xlsx, .xls), CSV (.csv) or EDF+ (.edf)</source>
        <translation>Export a recording as text (.txt), a workbook (.xlsx, .xls), CSV (.csv) or EDF+ (.edf)</translation>
    </message>
    <message>
        <source>Saved data file (.dat)</source>
        <translation>Saved data file (.dat)</translation>
    </message>
    <message>
        <source>Output file; its extension (case-sensitive) picks the format</source>
        <translation>Output file; its extension (case-sensitive) picks the format</translation>
    </message>
    <message>
        <source>Write the event time report of a saved recording</source>
        <translation>Write the event time report of a saved recording</translation>
    </message>
    <message>
        <source>Report file (.txt), or - for the standard output</source>
        <translation>Report file (.txt), or - for the standard output</translation>
    </message>
    <message>
        <source>Cannot write the report to &quot;%1&quot;: the name must end in .txt.</source>
        <translation>Cannot write the report to &quot;%1&quot;: the name must end in .txt.</translation>
    </message>
</context>
<context>
    <name>FrameNavigation</name>
    <message>
        <source>Page width (default)</source>
        <translation>Page width (default)</translation>
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
        <translation>Whole recording</translation>
    </message>
</context>
<context>
    <name>HeaderBand</name>
    <message>
        <source>ID : </source>
        <translation>ID: </translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>&lt;p&gt;The manual is not available.&lt;/p&gt;</source>
        <translation>&lt;p&gt;The manual is not available.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Kestrova Help</source>
        <translation>Kestrova Help</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Keys</translation>
    </message>
</context>
<context>
    <name>HourTablePage</name>
    <message>
        <source>Hour by hour and events</source>
        <translation>Hour by hour and events</translation>
    </message>
    <message>
        <source>Hour by hour (continued)</source>
        <translation>Hour by hour (continued)</translation>
    </message>
    <message>
        <source>Each clock hour</source>
        <translation>Each clock hour</translation>
    </message>
    <message>
        <source>Hour
</source>
        <translation>Hour
</translation>
    </message>
    <message>
        <source>Valid
min</source>
        <translation>Valid
min</translation>
    </message>
    <message>
        <source>SpO2
mean %</source>
        <translation>SpO2
mean %</translation>
    </message>
    <message>
        <source>SpO2
lowest %</source>
        <translation>SpO2
lowest %</translation>
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
events</translation>
    </message>
    <message>
        <source>4 %
events</source>
        <translation>4 %
events</translation>
    </message>
    <message>
        <source>Rate 3 % / 4 %
per h</source>
        <translation>Rate 3 % / 4 %
per h</translation>
    </message>
    <message>
        <source>Pulse
mean bpm</source>
        <translation>Pulse
mean bpm</translation>
    </message>
    <message>
        <source>No samples recorded.</source>
        <translation>No samples recorded.</translation>
    </message>
    <message>
        <source>The %1 deepest 3 % desaturations</source>
        <translation>The %1 deepest 3 % desaturations</translation>
    </message>
    <message>
        <source>Start
</source>
        <translation>Start
</translation>
    </message>
    <message>
        <source>Duration
s</source>
        <translation>Duration
s</translation>
    </message>
    <message>
        <source>Baseline
%</source>
        <translation>Baseline
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
        <translation>Depth
%</translation>
    </message>
    <message>
        <source>Area
%·s</source>
        <translation>Area
%·s</translation>
    </message>
    <message>
        <source>No 3 % desaturation in this recording.</source>
        <translation>No 3 % desaturation in this recording.</translation>
    </message>
</context>
<context>
    <name>InfoCommand</name>
    <message>
        <source>Show the patient ID, sample count, title and time span of a recording, and how its file was read</source>
        <translation>Show the patient ID, sample count, title and time span of a recording, and how its file was read</translation>
    </message>
    <message>
        <source>Saved data file</source>
        <translation>Saved data file</translation>
    </message>
    <message>
        <source>The patient database is not used: %1</source>
        <translation>The patient database is not used: %1</translation>
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
        <translation>Samples: %1</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Title: %1</translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation>Start: %1</translation>
    </message>
    <message>
        <source>End: %1</source>
        <translation>End: %1</translation>
    </message>
    <message>
        <source>Cadence: %1</source>
        <translation>Cadence: %1</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Layout: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note: %1</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>too large (%1 bytes; at most %2 are expected)</source>
        <translation>too large (%1 bytes; at most %2 are expected)</translation>
    </message>
</context>
<context>
    <name>KestrovaMain</name>
    <message>
        <source>kestrova: unknown language &quot;%1&quot; (known: %2); English is used</source>
        <translation>kestrova: unknown language &quot;%1&quot; (known: %2); English is used</translation>
    </message>
    <message>
        <source>Kestrova: downloads, shows, analyses, prints and exports the recordings of a finger pulse oximeter.</source>
        <translation>Kestrova: downloads, shows, analyses, prints and exports the recordings of a finger pulse oximeter.</translation>
    </message>
    <message>
        <source>Attach a simulated oximeter, so a download works without a device.</source>
        <translation>Attach a simulated oximeter, so a download works without a device.</translation>
    </message>
    <message>
        <source>Keep the settings file (Kestrova.ini) in the per-user data directory instead of the working directory (desktop starts).</source>
        <translation>Keep the settings file (Kestrova.ini) in the per-user data directory instead of the working directory (desktop starts).</translation>
    </message>
    <message>
        <source>Read and write this settings file instead of Kestrova.ini.</source>
        <translation>Read and write this settings file instead of Kestrova.ini.</translation>
    </message>
    <message>
        <source>Language: en, en_classic, de, fr, es</source>
        <translation>Language: en, en_classic, de, fr, es</translation>
    </message>
    <message>
        <source>Recordings to open (.dat, .csv, .edf): the first is shown, several are kept in the study library. Given to a running Kestrova, they open there.</source>
        <translation>Recordings to open (.dat, .csv, .edf): the first is shown, several are kept in the study library. Given to a running Kestrova, they open there.</translation>
    </message>
    <message>
        <source>kestrova: %1 (see kestrova --help)</source>
        <translation>kestrova: %1 (see kestrova --help)</translation>
    </message>
</context>
<context>
    <name>LibrarySchema</name>
    <message>
        <source>another Kestrova kept the library busy for too long; try again</source>
        <translation>another Kestrova kept the library busy for too long; try again</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>the library cannot be written here (no permission)</source>
        <translation>the library cannot be written here (no permission)</translation>
    </message>
    <message>
        <source>the library file cannot be opened</source>
        <translation>the library file cannot be opened</translation>
    </message>
    <message>
        <source>not a Kestrova study library</source>
        <translation>not a Kestrova study library</translation>
    </message>
    <message>
        <source>the library file is damaged</source>
        <translation>the library file is damaged</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>the library file could not be read or written (%1)</source>
        <translation>the library file could not be read or written (%1)</translation>
    </message>
    <message>
        <source>not a Kestrova study library (not a file)</source>
        <translation>not a Kestrova study library (not a file)</translation>
    </message>
    <message>
        <source>cannot read the library</source>
        <translation>cannot read the library</translation>
    </message>
    <message>
        <source>made by a newer Kestrova (library version %1); this program reads up to %2</source>
        <translation>made by a newer Kestrova (library version %1); this program reads up to %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The settings were not saved, and the settings file was left as it was:
%1</source>
        <translation>The settings were not saved, and the settings file was left as it was:
%1</translation>
    </message>
</context>
<context>
    <name>NightsComparison</name>
    <message>
        <source>Nights compared</source>
        <translation>Nights compared</translation>
    </message>
    <message>
        <source>Night
</source>
        <translation>Night
</translation>
    </message>
    <message>
        <source>Duration
</source>
        <translation>Duration
</translation>
    </message>
    <message>
        <source>Valid
h</source>
        <translation>Valid
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
        <translation>Mean SpO2
%</translation>
    </message>
    <message>
        <source>%1 earlier nights in the chart only</source>
        <translation>%1 earlier nights in the chart only</translation>
    </message>
    <message>
        <source>ODI 3 %, T90 and nadir per night</source>
        <translation>ODI 3 %, T90 and nadir per night</translation>
    </message>
    <message>
        <source>ODI 3 % (/h, left)</source>
        <translation>ODI 3 % (/h, left)</translation>
    </message>
    <message>
        <source>T90 (%, left)</source>
        <translation>T90 (%, left)</translation>
    </message>
    <message>
        <source>Nadir (%, right)</source>
        <translation>Nadir (%, right)</translation>
    </message>
</context>
<context>
    <name>PageRenderer</name>
    <message>
        <source> - ID %1</source>
        <translation> - ID %1</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>the PDF could not be drawn</translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation>the image could not be encoded</translation>
    </message>
</context>
<context>
    <name>PatientDatabase</name>
    <message>
        <source>no slot for patient ID %1</source>
        <translation>no slot for patient ID %1</translation>
    </message>
</context>
<context>
    <name>PortDiscovery</name>
    <message>
        <source>Bluetooth serial port</source>
        <translation>Bluetooth serial port</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>not an identification</source>
        <translation>not an identification</translation>
    </message>
    <message>
        <source>not the totals</source>
        <translation>not the totals</translation>
    </message>
</context>
<context>
    <name>RecordingCommands</name>
    <message>
        <source>The change was not kept in the study library: %1</source>
        <translation>The change was not kept in the study library: %1</translation>
    </message>
    <message>
        <source>The patient details were not saved: %1</source>
        <translation>The patient details were not saved: %1</translation>
    </message>
    <message>
        <source>Details proposed from the patient list for ID %1: confirm or change for this night</source>
        <translation>Details proposed from the patient list for ID %1: confirm or change for this night</translation>
    </message>
    <message>
        <source>The study library is not available in this session.</source>
        <translation>The study library is not available in this session.</translation>
    </message>
    <message>
        <source>Exporting to %1 ...</source>
        <translation>Exporting to %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Save Data</translation>
    </message>
    <message>
        <source>(*.dat);;(*.txt);;(*.xls);;(*.xlsx);;CSV (*.csv);;EDF+ (*.edf)</source>
        <translation>Data file (*.dat);;Text (*.txt);;Excel 97-2003 workbook (*.xls);;Excel workbook (*.xlsx);;CSV (*.csv);;EDF+ (*.edf)</translation>
    </message>
    <message>
        <source>Kestrova cannot write &quot;%1&quot;: choose a name ending in .dat, .txt, .xls, .xlsx, .csv or .edf.</source>
        <translation>Kestrova cannot write &quot;%1&quot;: choose a name ending in .dat, .txt, .xls, .xlsx, .csv or .edf.</translation>
    </message>
    <message>
        <source>Open Saved Data</source>
        <translation>Open Saved Data</translation>
    </message>
    <message>
        <source>Data file(*.dat);;CSV recording (*.csv);;EDF recording (*.edf)</source>
        <translation>Data file (*.dat);;CSV recording (*.csv);;EDF recording (*.edf)</translation>
    </message>
    <message>
        <source>Kestrova cannot write the report as &quot;%1&quot;: choose a name ending in .%2.</source>
        <translation>Kestrova cannot write the report as &quot;%1&quot;: choose a name ending in .%2.</translation>
    </message>
    <message>
        <source>Check out the SpO2 event time</source>
        <translation>SpO2 Event Time Report</translation>
    </message>
    <message>
        <source>Data file(*.txt)</source>
        <translation>Text file (*.txt)</translation>
    </message>
    <message>
        <source>Clinical Report (PDF)</source>
        <translation>Clinical Report (PDF)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
</context>
<context>
    <name>RecordingDocument</name>
    <message>
        <source>study library</source>
        <translation>study library</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>not open</translation>
    </message>
</context>
<context>
    <name>RecordingFile</name>
    <message>
        <source>one reading every %1 s, each held until the next (up to %2 s)</source>
        <translation>one reading every %1 s, each held until the next (up to %2 s)</translation>
    </message>
    <message>
        <source>%1 readings a second, each second the median of its valid readings</source>
        <translation>%1 readings a second, each second the median of its valid readings</translation>
    </message>
    <message>
        <source>one reading a second</source>
        <translation>one reading a second</translation>
    </message>
</context>
<context>
    <name>RenderCommand</name>
    <message>
        <source>Draw a page of a saved recording to a PNG image or an A4 PDF</source>
        <translation>Draw a page of a saved recording to a PNG image or an A4 PDF</translation>
    </message>
    <message>
        <source>Saved data file (.dat)</source>
        <translation>Saved data file (.dat)</translation>
    </message>
    <message>
        <source>OUT.png (screen rendering) or OUT.pdf (printed page)</source>
        <translation>OUT.png (screen rendering) or OUT.pdf (printed page)</translation>
    </message>
    <message>
        <source>trend, table or analysis</source>
        <translation>trend, table or analysis</translation>
    </message>
    <message>
        <source>Page, counted from 0</source>
        <translation>Page, counted from 0</translation>
    </message>
    <message>
        <source>Screen size WxH for PNG (at most 16384x16384)</source>
        <translation>Screen size WxH for PNG (at most 16384x16384)</translation>
    </message>
    <message>
        <source>Trend: seconds one page shows (default: one per unit of width)</source>
        <translation>Trend: seconds one page shows (default: one per unit of width)</translation>
    </message>
    <message>
        <source>Trend with --span: the page starts here (YYYY-MM-DDTHH:MM:SS or HH:MM:SS)</source>
        <translation>Trend with --span: the page starts here (YYYY-MM-DDTHH:MM:SS or HH:MM:SS)</translation>
    </message>
    <message>
        <source>OUT must end in .png or .pdf.</source>
        <translation>OUT must end in .png or .pdf.</translation>
    </message>
    <message>
        <source>--size applies to PNG images only: a PDF is always one A4 page.</source>
        <translation>--size applies to PNG images only: a PDF is always one A4 page.</translation>
    </message>
    <message>
        <source>--size must be WxH, for example 1280x800.</source>
        <translation>--size must be WxH, for example 1280x800.</translation>
    </message>
    <message>
        <source>--size %1 is too large: at most 16384x16384.</source>
        <translation>--size %1 is too large: at most 16384x16384.</translation>
    </message>
    <message>
        <source>--span applies to the trend view only.</source>
        <translation>--span applies to the trend view only.</translation>
    </message>
    <message>
        <source>--start must be YYYY-MM-DDTHH:MM:SS or HH:MM:SS.</source>
        <translation>--start must be YYYY-MM-DDTHH:MM:SS or HH:MM:SS.</translation>
    </message>
    <message>
        <source>--start %1 is not within the recording (%2).</source>
        <translation>--start %1 is not within the recording (%2).</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>no samples</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>page %1 does not exist (0–%2)</source>
        <translation>page %1 does not exist (0–%2)</translation>
    </message>
</context>
<context>
    <name>ReportDrawing</name>
    <message>
        <source>Pulse</source>
        <translation>Pulse</translation>
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
        <translation>recorded %1</translation>
    </message>
    <message>
        <source>Report %1</source>
        <translation>Report %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
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
        <translation>no port name</translation>
    </message>
    <message>
        <source>locked by another program</source>
        <translation>locked by another program</translation>
    </message>
    <message>
        <source>unsupported line rate</source>
        <translation>unsupported line rate</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>not open</translation>
    </message>
    <message>
        <source>the port hung up</source>
        <translation>the port hung up</translation>
    </message>
    <message>
        <source>the port closed</source>
        <translation>the port closed</translation>
    </message>
    <message>
        <source>the write did not finish in time</source>
        <translation>the write did not finish in time</translation>
    </message>
</context>
<context>
    <name>SpreadsheetExport</name>
    <message>
        <source>the workbook could not be written</source>
        <translation>the workbook could not be written</translation>
    </message>
    <message>
        <source>the workbook was not written completely (%1)</source>
        <translation>the workbook was not written completely (%1)</translation>
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
        <translation>Done</translation>
    </message>
    <message>
        <source>new memory err!</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>write com command failed!</source>
        <translation>Sending the command to the device failed.</translation>
    </message>
    <message>
        <source>No Connected, please connect device!</source>
        <translation>Not connected. Please connect the device.</translation>
    </message>
    <message>
        <source>Read data timeout,please retry</source>
        <translation>Reading the data timed out. Please try again.</translation>
    </message>
    <message>
        <source>read com failed!</source>
        <translation>Reading from the port failed.</translation>
    </message>
    <message>
        <source>read data out of buffer!</source>
        <translation>The data read does not fit the buffer.</translation>
    </message>
    <message>
        <source>Connect succeed! Total</source>
        <translation>Connected:</translation>
    </message>
    <message>
        <source>Frames!</source>
        <translation>frames to download</translation>
    </message>
    <message>
        <source>Synchronization error!</source>
        <translation>Synchronization error.</translation>
    </message>
    <message>
        <source>Please select patient ID</source>
        <translation>Please select a patient ID.</translation>
    </message>
    <message>
        <source>no data!</source>
        <translation>No data.</translation>
    </message>
    <message>
        <source>Create Event Failed</source>
        <translation>Creating the event failed.</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>samples</translation>
    </message>
    <message>
        <source>Create Excel service failed !</source>
        <translation>The Excel workbook could not be created.</translation>
    </message>
    <message>
        <source>can&apos;t open the file</source>
        <translation>Can&apos;t open the file</translation>
    </message>
    <message>
        <source>Are you sure to delete the patient info?</source>
        <translation>Are you sure you want to delete the patient information?</translation>
    </message>
    <message>
        <source>Patient ID invalidate</source>
        <translation>Invalid patient ID.</translation>
    </message>
    <message>
        <source>Field must be 60 or less characters in length!</source>
        <translation>The field must be 60 characters or fewer.</translation>
    </message>
    <message>
        <source>Can&apos;t open pationtrec.dat file</source>
        <translation>Can&apos;t open the file pationtrec.dat.</translation>
    </message>
    <message>
        <source>You have Run one</source>
        <translation>Kestrova is already running.</translation>
    </message>
    <message>
        <source>CONNECT SUCCEED</source>
        <translation>Connected.</translation>
    </message>
    <message>
        <source>Can&apos;t create the file</source>
        <translation>Can&apos;t create the file</translation>
    </message>
    <message>
        <source>female</source>
        <translation>female</translation>
    </message>
    <message>
        <source>male</source>
        <translation>male</translation>
    </message>
    <message>
        <source>Desaturation Event:drop in Spo2 by at least</source>
        <translation>Desaturation event: SpO2 drop of at least</translation>
    </message>
    <message>
        <source>% for a minimum duration of 10 seconds.</source>
        <translation>% lasting at least 10 seconds.</translation>
    </message>
    <message>
        <source>Pulse Event Change in rate by at least</source>
        <translation>Pulse event: rate change of at least</translation>
    </message>
    <message>
        <source>bpm for a minimum duration of 8 seconds.</source>
        <translation>bpm lasting at least 8 seconds.</translation>
    </message>
    <message>
        <source>Can&apos;t find right COM or the device is power off !</source>
        <translation>No oximeter found on any port, or the device is switched off.</translation>
    </message>
    <message>
        <source>Please input a Num !</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>Please input a legal value !</source>
        <translation>Please enter a valid value.</translation>
    </message>
    <message>
        <source>Set Date and Time Succeed !</source>
        <translation>The date and time were set.</translation>
    </message>
    <message>
        <source>Set Date and Time Error !</source>
        <translation>The date and time could not be set.</translation>
    </message>
    <message>
        <source>Device data cleared !</source>
        <translation>The device data was deleted.</translation>
    </message>
    <message>
        <source>Delete Data Error !</source>
        <translation>The data could not be deleted.</translation>
    </message>
    <message>
        <source>Please input a num which is between 0 and</source>
        <translation>Please enter a number between 0 and</translation>
    </message>
    <message>
        <source>Error ! The SPO2 high value must large than low value !</source>
        <translation>Error: the SpO2 high value must be larger than the low value.</translation>
    </message>
    <message>
        <source>Error ! The PR high value must large than low value !</source>
        <translation>Error: the pulse rate high value must be larger than the low value.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Could not start the print job.</translation>
    </message>
    <message>
        <source>Pulse Rate (50 BPM per division)</source>
        <translation>Pulse rate (50 bpm per division)</translation>
    </message>
    <message>
        <source>Spo2       (20% per division)</source>
        <translation>SpO2 (20 % per division)</translation>
    </message>
    <message>
        <source>Event Data</source>
        <translation>Event data</translation>
    </message>
    <message>
        <source>Total Events.</source>
        <translation>Total events</translation>
    </message>
    <message>
        <source>Time In Events.(Sec)</source>
        <translation>Time in events (s)</translation>
    </message>
    <message>
        <source>Avg.Event Dur.(Sec)</source>
        <translation>Mean event duration (s)</translation>
    </message>
    <message>
        <source>Index.(1/hr)</source>
        <translation>Index (/h)</translation>
    </message>
    <message>
        <source>Avg.Event Max.</source>
        <translation>Mean event maximum</translation>
    </message>
    <message>
        <source>Avg.Event Min.</source>
        <translation>Mean event minimum</translation>
    </message>
    <message>
        <source>Max.Event offset.</source>
        <translation>Largest onset drop</translation>
    </message>
    <message>
        <source>Max Time.Event.(Sec)</source>
        <translation>Longest event (s)</translation>
    </message>
    <message>
        <source>Max Dur.</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Min Dur.</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Avg Dur.</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Diagnose:</source>
        <translation>Diagnosis:</translation>
    </message>
    <message>
        <source>times</source>
        <translation>times</translation>
    </message>
    <message>
        <source>Graphic Summary</source>
        <translation>Graphic summary</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>RecordDate : </source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>RecordTime : </source>
        <translation>Time: </translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>PatientData</source>
        <translation>Patient data</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Gender : </source>
        <translation>Gender: </translation>
    </message>
    <message>
        <source>Age : </source>
        <translation>Age: </translation>
    </message>
    <message>
        <source>Height : </source>
        <translation>Height: </translation>
    </message>
    <message>
        <source>Weight : </source>
        <translation>Weight: </translation>
    </message>
    <message>
        <source>Physician : </source>
        <translation>Physician: </translation>
    </message>
    <message>
        <source>Note1 : </source>
        <translation>Note 1: </translation>
    </message>
    <message>
        <source>Note2 : </source>
        <translation>Note 2: </translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Start date:</translation>
    </message>
    <message>
        <source>Start Time : </source>
        <translation>Start time: </translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>End date:</translation>
    </message>
    <message>
        <source>End Time : </source>
        <translation>End time: </translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Comments:</translation>
    </message>
    <message>
        <source>Field must be 80 or less characters in length!</source>
        <translation>The field must be 80 characters or fewer.</translation>
    </message>
    <message>
        <source>Field must be 40 or less characters in length!</source>
        <translation>The field must be 40 characters or fewer.</translation>
    </message>
    <message>
        <source>Field must be 30 or less characters in length!</source>
        <translation>The field must be 30 characters or fewer.</translation>
    </message>
    <message>
        <source>scope : 0 - 1000,Please ReInput</source>
        <translation>Range: 0 to 1000. Please enter it again.</translation>
    </message>
    <message>
        <source>scope : 0 - 200,Please ReInput</source>
        <translation>Range: 0 to 200. Please enter it again.</translation>
    </message>
    <message>
        <source>scope : 0 - 400,Please ReInput</source>
        <translation>Range: 0 to 400. Please enter it again.</translation>
    </message>
    <message>
        <source>scope : 0 - 157,Please ReInput</source>
        <translation>Range: 0 to 157. Please enter it again.</translation>
    </message>
    <message>
        <source>scope : 0 - 2203,Please ReInput</source>
        <translation>Range: 0 to 2203. Please enter it again.</translation>
    </message>
    <message>
        <source>Please input a num between 40 and 100 !</source>
        <translation>Please enter a number between 40 and 100.</translation>
    </message>
    <message>
        <source>Please input a num between 15 and 300 !</source>
        <translation>Please enter a number between 15 and 300.</translation>
    </message>
    <message>
        <source>Please input a num between 1 and 20 !</source>
        <translation>Please enter a number between 1 and 20.</translation>
    </message>
</context>
<context>
    <name>StudiesCommand</name>
    <message>
        <source>Study library directory (default: KESTROVA_HOME/library or ~/.local/share/kestrova/library)</source>
        <translation>Study library directory (default: KESTROVA_HOME/library or ~/.local/share/kestrova/library)</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Study</translation>
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
        <translation>Start</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>Valid</translation>
    </message>
    <message>
        <source>Nadir</source>
        <translation>Nadir</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretation</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Patient details</source>
        <translation>Patient details</translation>
    </message>
    <message>
        <source>confirmed for this recording</source>
        <translation>confirmed for this recording</translation>
    </message>
    <message>
        <source>not confirmed for this recording</source>
        <translation>not confirmed for this recording</translation>
    </message>
    <message>
        <source>Physician</source>
        <translation>Physician</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Recorded</translation>
    </message>
    <message>
        <source>ODI 3%</source>
        <translation>ODI 3 %</translation>
    </message>
    <message>
        <source>ODI 4%</source>
        <translation>ODI 4 %</translation>
    </message>
    <message>
        <source>T90</source>
        <translation>T90</translation>
    </message>
    <message>
        <source>Mean SpO2</source>
        <translation>Mean SpO2</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>download (broken, what arrived)</source>
        <translation>download (broken, what arrived)</translation>
    </message>
    <message>
        <source>download</source>
        <translation>download</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>import of %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a study number (see &apos;kestrova-cli studies list&apos;).</source>
        <translation>&quot;%1&quot; is not a study number (see &apos;kestrova-cli studies list&apos;).</translation>
    </message>
    <message>
        <source>The study library: every downloaded or imported recording</source>
        <translation>The study library: every downloaded or imported recording</translation>
    </message>
    <message>
        <source>List the studies, oldest night first</source>
        <translation>List the studies, oldest night first</translation>
    </message>
    <message>
        <source>One JSON array of the studies</source>
        <translation>One JSON array of the studies</translation>
    </message>
    <message>
        <source>Only studies whose name, ID or start date holds TEXT</source>
        <translation>Only studies whose name, ID or start date holds TEXT</translation>
    </message>
    <message>
        <source>Show one study</source>
        <translation>Show one study</translation>
    </message>
    <message>
        <source>Study number</source>
        <translation>Study number</translation>
    </message>
    <message>
        <source>Import recordings (any format Kestrova reads) as studies</source>
        <translation>Import recordings (any format Kestrova reads) as studies</translation>
    </message>
    <message>
        <source>Program directory whose patient list proposes the details</source>
        <translation>Program directory whose patient list proposes the details</translation>
    </message>
    <message>
        <source>Recording files, or directories of them</source>
        <translation>Recording files, or directories of them</translation>
    </message>
    <message>
        <source>skipped: already in the library as study %1</source>
        <translation>skipped: already in the library as study %1</translation>
    </message>
    <message>
        <source>study %1</source>
        <translation>study %1</translation>
    </message>
    <message>
        <source>Export a study as text (.txt), a workbook (.xlsx, .xls), CSV (.csv) or EDF+ (.edf)</source>
        <translation>Export a study as text (.txt), a workbook (.xlsx, .xls), CSV (.csv) or EDF+ (.edf)</translation>
    </message>
    <message>
        <source>Output file; its extension (case-sensitive) picks the format</source>
        <translation>Output file; its extension (case-sensitive) picks the format</translation>
    </message>
    <message>
        <source>%1: the recording is too long to export</source>
        <translation>%1: the recording is too long to export</translation>
    </message>
    <message>
        <source>Delete a study (its file moves to the library&apos;s trash/)</source>
        <translation>Delete a study (its file moves to the library&apos;s trash/)</translation>
    </message>
    <message>
        <source>Study %1 deleted; its recording is in %2</source>
        <translation>Study %1 deleted; its recording is in %2</translation>
    </message>
</context>
<context>
    <name>StudyImport</name>
    <message>
        <source>the import was stopped</source>
        <translation>the import was stopped</translation>
    </message>
</context>
<context>
    <name>StudyLibrary</name>
    <message>
        <source>no study %1 in the library</source>
        <translation>no study %1 in the library</translation>
    </message>
    <message>
        <source>cannot read the library</source>
        <translation>cannot read the library</translation>
    </message>
    <message>
        <source>the recording holds no samples</source>
        <translation>the recording holds no samples</translation>
    </message>
    <message>
        <source>cannot add the study</source>
        <translation>cannot add the study</translation>
    </message>
    <message>
        <source>cannot change the study</source>
        <translation>cannot change the study</translation>
    </message>
    <message>
        <source>cannot delete the study</source>
        <translation>cannot delete the study</translation>
    </message>
    <message>
        <source>cannot update the study&apos;s figures</source>
        <translation>cannot update the study&apos;s figures</translation>
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
        <translation>Start</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Valid h</source>
        <translation>Valid h</translation>
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
        <translation>Interpretation</translation>
    </message>
</context>
<context>
    <name>SummaryCommand</name>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>id</source>
        <translation>id</translation>
    </message>
    <message>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>start</source>
        <translation>start</translation>
    </message>
    <message>
        <source>rec h</source>
        <translation>rec h</translation>
    </message>
    <message>
        <source>val h</source>
        <translation>val h</translation>
    </message>
    <message>
        <source>T88 min</source>
        <translation>T88 min</translation>
    </message>
    <message>
        <source>nadir</source>
        <translation>nadir</translation>
    </message>
    <message>
        <source>pulse</source>
        <translation>pulse</translation>
    </message>
    <message>
        <source>Clinical figures of several recordings, one row each</source>
        <translation>Clinical figures of several recordings, one row each</translation>
    </message>
    <message>
        <source>Saved recordings</source>
        <translation>Saved recordings</translation>
    </message>
    <message>
        <source>Write an RFC 4180 CSV file instead of the table (- for the standard output)</source>
        <translation>Write an RFC 4180 CSV file instead of the table (- for the standard output)</translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>normal &lt; 5/h, mild 5–&lt; 15, moderate 15–&lt; 30, severe ≥ 30 (common adult cut-offs)</source>
        <translation>normal &lt; 5/h, mild 5–&lt; 15, moderate 15–&lt; 30, severe ≥ 30 (common adult cut-offs)</translation>
    </message>
    <message>
        <source>normal &lt; 1 %, mild 1–&lt; 10 %, moderate 10–&lt; 25 %, severe ≥ 25 %</source>
        <translation>normal &lt; 1 %, mild 1–&lt; 10 %, moderate 10–&lt; 25 %, severe ≥ 25 %</translation>
    </message>
    <message>
        <source>Overnight pulse oximetry</source>
        <translation>Overnight pulse oximetry</translation>
    </message>
    <message>
        <source>%1 % at %2</source>
        <translation>%1 % at %2</translation>
    </message>
    <message>
        <source>SpO2 mean / median</source>
        <translation>SpO2 mean / median</translation>
    </message>
    <message>
        <source>SpO2 nadir</source>
        <translation>SpO2 nadir</translation>
    </message>
    <message>
        <source>SpO2 highest</source>
        <translation>SpO2 highest</translation>
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
        <translation>Pulse mean</translation>
    </message>
    <message>
        <source>%1 bpm</source>
        <translation>%1 bpm</translation>
    </message>
    <message>
        <source>Pulse lowest / highest</source>
        <translation>Pulse lowest / highest</translation>
    </message>
    <message>
        <source>%1 / %2 bpm</source>
        <translation>%1 / %2 bpm</translation>
    </message>
    <message>
        <source>Pulse &gt; 100 / &lt; 50 bpm</source>
        <translation>Pulse &gt; 100 / &lt; 50 bpm</translation>
    </message>
    <message>
        <source>%1 s at %2, %3 % deep</source>
        <translation>%1 s at %2, %3 % deep</translation>
    </message>
    <message>
        <source>ODI 3 %</source>
        <translation>ODI 3 %</translation>
    </message>
    <message>
        <source>%1 /h (%2 events)</source>
        <translation>%1 /h (%2 events)</translation>
    </message>
    <message>
        <source>ODI 4 %</source>
        <translation>ODI 4 %</translation>
    </message>
    <message>
        <source>Depth mean / median</source>
        <translation>Depth mean / median</translation>
    </message>
    <message>
        <source>Length mean / median</source>
        <translation>Length mean / median</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Longest 3 % event</source>
        <translation>Longest 3 % event</translation>
    </message>
    <message>
        <source>Desaturation area</source>
        <translation>Desaturation area</translation>
    </message>
    <message>
        <source>%1 %·min/h</source>
        <translation>%1 %·min/h</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Results</translation>
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
        <translation>: not graded, no valid time</translation>
    </message>
    <message>
        <source>Less than 4 h of valid recording: interpret with caution</source>
        <translation>Less than 4 h of valid recording: interpret with caution</translation>
    </message>
    <message>
        <source>ODI: 3 % and 4 % desaturations per hour of valid time; the full event rule is stated on page 2.</source>
        <translation>ODI: 3 % and 4 % desaturations per hour of valid time; the full event rule is stated on page 2.</translation>
    </message>
    <message>
        <source>Time in SpO2 bands</source>
        <translation>Time in SpO2 bands</translation>
    </message>
    <message>
        <source>Pulse rate (share of valid time)</source>
        <translation>Pulse rate (share of valid time)</translation>
    </message>
    <message>
        <source>bpm</source>
        <translation>bpm</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretation</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>mild</source>
        <translation>mild</translation>
    </message>
    <message>
        <source>moderate</source>
        <translation>moderate</translation>
    </message>
    <message>
        <source>severe</source>
        <translation>severe</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Gender</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 years</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Weight</translation>
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
        <translation>Physician</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Valid time</source>
        <translation>Valid time</translation>
    </message>
    <message>
        <source>%1 (%2 % of the recording)</source>
        <translation>%1 (%2 % of the recording)</translation>
    </message>
    <message>
        <source>Artefact</source>
        <translation>Artefact</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Oximeter type %1</source>
        <translation>Oximeter type %1</translation>
    </message>
    <message>
        <source>Report date</source>
        <translation>Report date</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Details proposed from the patient list: not confirmed for this recording</source>
        <translation>Details proposed from the patient list: not confirmed for this recording</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Study</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Whole night</source>
        <translation>Whole night</translation>
    </message>
    <message>
        <source>3 % desaturation</source>
        <translation>3 % desaturation</translation>
    </message>
    <message>
        <source>no valid sample (artefact)</source>
        <translation>no valid sample (artefact)</translation>
    </message>
    <message>
        <source>range of each column filled; dashed: 90 %</source>
        <translation>range of each column filled; dashed: 90 %</translation>
    </message>
</context>
<context>
    <name>TablePage</name>
    <message>
        <source>PR</source>
        <translation>PR</translation>
    </message>
</context>
<context>
    <name>TrendPage</name>
    <message>
        <source>PR : </source>
        <translation>PR: </translation>
    </message>
</context>
<context>
    <name>kestrova::ui::BluetoothFinder</name>
    <message>
        <source>Find Bluetooth oximeter</source>
        <translation>Find Bluetooth Oximeter</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation>(unnamed)</translation>
    </message>
    <message>
        <source> [paired]</source>
        <translation> [paired]</translation>
    </message>
    <message>
        <source>Searching ...</source>
        <translation>Searching...</translation>
    </message>
    <message>
        <source>Choose a device or type its address.</source>
        <translation>Choose a device or type its address.</translation>
    </message>
    <message>
        <source>No Bluetooth adapter was found on this computer.</source>
        <translation>No Bluetooth adapter was found on this computer.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CAboutDlg</name>
    <message>
        <source>Kestrova %1 (built %2)</source>
        <translation>Kestrova %1 (built %2)</translation>
    </message>
    <message>
        <source>About </source>
        <translation>About Kestrova </translation>
    </message>
    <message>
        <source>Ver 3.2.3Beta</source>
        <translation>Version 3.2.3 beta</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CAnalysisSetup</name>
    <message>
        <source>Analysis setup</source>
        <translation>Analysis Setup</translation>
    </message>
    <message>
        <source>These settings cannot be saved: %1.</source>
        <translation>These settings cannot be saved: %1.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDateAndTimeDlg</name>
    <message>
        <source>Set Date And Time</source>
        <translation>Set Date and Time</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Hour:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minute:</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>Second:</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDelDataDlg</name>
    <message>
        <source>Delete Data</source>
        <translation>Delete Data</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>SpO2&amp;Pr</source>
        <translation>SpO2 and &amp;Pulse</translation>
    </message>
    <message>
        <source>Data Type :</source>
        <translation>Data type:</translation>
    </message>
    <message>
        <source>ID :</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>all recordings</source>
        <translation>all recordings</translation>
    </message>
    <message>
        <source>every recording of ID %1</source>
        <translation>every recording of ID %1</translation>
    </message>
    <message>
        <source>the SpO2 and pulse data of ID %1</source>
        <translation>the SpO2 and pulse data of ID %1</translation>
    </message>
    <message>
        <source>Delete all recordings on the device? This cannot be undone.</source>
        <translation>Delete all recordings on the device? This cannot be undone.</translation>
    </message>
    <message>
        <source>Delete %1 on the device? This cannot be undone.</source>
        <translation>Delete %1 on the device? This cannot be undone.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDlgChooseType</name>
    <message>
        <source>New Data Capture</source>
        <translation>New Data Capture</translation>
    </message>
    <message>
        <source>Data Info</source>
        <translation>Data Information</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Delete Data</translation>
    </message>
    <message>
        <source>SetDateAndTime</source>
        <translation>Set Date and Time</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 samples beyond an ID&apos;s capacity of 72 hours could not be stored.</source>
        <translation>%1 samples beyond an ID&apos;s capacity of 72 hours could not be stored.</translation>
    </message>
    <message>
        <source>Deleting Data ...</source>
        <translation>Deleting data...</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDlgUnitSetup</name>
    <message>
        <source>Unit setup</source>
        <translation>Unit Setup</translation>
    </message>
    <message>
        <source>The Britain System</source>
        <translation>Imperial units</translation>
    </message>
    <message>
        <source>The Metric System</source>
        <translation>Metric units</translation>
    </message>
    <message>
        <source>These settings cannot be saved: %1.</source>
        <translation>These settings cannot be saved: %1.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CInterpretation</name>
    <message>
        <source>Interpretation</source>
        <translation>Interpretation</translation>
    </message>
    <message>
        <source>&amp;Interpretation of this recording (printed on the clinical report):</source>
        <translation>&amp;Interpretation of this recording (printed on the clinical report):</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 of %2 characters</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>&amp;Language of Kestrova from its next start:</source>
        <translation>&amp;Language of Kestrova from its next start:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>The desktop&apos;s language</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CMainFrame</name>
    <message>
        <source>NewDataCapture (&amp;N)</source>
        <translation>&amp;New Data Capture</translation>
    </message>
    <message>
        <source>Find bluetooth radio</source>
        <translation>Find Bluetooth Oximeter...</translation>
    </message>
    <message>
        <source>Open Other ID Data</source>
        <translation>Open Other ID Data...</translation>
    </message>
    <message>
        <source>Save Data(&amp;S)...</source>
        <translation>&amp;Save Data...</translation>
    </message>
    <message>
        <source>Open Saved Data(&amp;O)...</source>
        <translation>&amp;Open Saved Data...</translation>
    </message>
    <message>
        <source>Studies...</source>
        <translation>Studies...</translation>
    </message>
    <message>
        <source>Check out the SpO2 event time...</source>
        <translation>SpO2 Event Time Report...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>PrintPreView</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Kestrova &amp;Help</source>
        <translation>Kestrova &amp;Help</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>Patient Info</source>
        <translation>Patient Information...</translation>
    </message>
    <message>
        <source>Patient Title</source>
        <translation>Patient Title...</translation>
    </message>
    <message>
        <source>Interpretation...</source>
        <translation>Interpretation...</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Clinical Summary</source>
        <translation>Clinical Summary</translation>
    </message>
    <message>
        <source>Clinical Report (PDF)...</source>
        <translation>Clinical Report (PDF)...</translation>
    </message>
    <message>
        <source>Roll Step</source>
        <translation>Roll Step...</translation>
    </message>
    <message>
        <source>Analysis Setup</source>
        <translation>Analysis Setup...</translation>
    </message>
    <message>
        <source>Unit Setup</source>
        <translation>Unit Setup...</translation>
    </message>
    <message>
        <source>Report...</source>
        <translation>Report...</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Language...</translation>
    </message>
    <message>
        <source>About 	(&amp;A)...</source>
        <translation>&amp;About Kestrova...</translation>
    </message>
    <message>
        <source>PageUp</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>PageDown</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Next Event</source>
        <translation>Next Event</translation>
    </message>
    <message>
        <source>Previous Event</source>
        <translation>Previous Event</translation>
    </message>
    <message>
        <source>Go to Time...</source>
        <translation>Go to Time...</translation>
    </message>
    <message>
        <source>Moves to the next 3 % desaturation and puts the cursor on its nadir</source>
        <translation>Moves to the next 3 % desaturation and puts the cursor on its nadir</translation>
    </message>
    <message>
        <source>Moves to the previous 3 % desaturation and puts the cursor on its nadir</source>
        <translation>Moves to the previous 3 % desaturation and puts the cursor on its nadir</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Mode</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Page:</translation>
    </message>
    <message>
        <source>The language changes the next time Kestrova starts.</source>
        <translation>The language changes the next time Kestrova starts.</translation>
    </message>
    <message>
        <source>Details proposed from the patient list for ID %1: not confirmed for this recording. &lt;a href=&quot;confirm&quot;&gt;Confirm or change them...&lt;/a&gt;</source>
        <translation>Details proposed from the patient list for ID %1: not confirmed for this recording. &lt;a href=&quot;confirm&quot;&gt;Confirm or change them...&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Page:%1/%2</source>
        <translation>Page: %1/%2</translation>
    </message>
    <message>
        <source>The patient details or the title of this recording were changed and are not saved anywhere yet.

Save them before going on?</source>
        <translation>The patient details or the title of this recording were changed and are not saved anywhere yet.

Save them before going on?</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CModifyTitle</name>
    <message>
        <source>Modify Title</source>
        <translation>Edit Title</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CNightsDlg</name>
    <message>
        <source>Nights of %1</source>
        <translation>Nights of %1</translation>
    </message>
    <message>
        <source>&amp;Open the Latest Night</source>
        <translation>&amp;Open the Latest Night</translation>
    </message>
    <message>
        <source>Opens the latest of these nights; its clinical report compares all of them</source>
        <translation>Opens the latest of these nights; its clinical report compares all of them</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::COtherIDSelect</name>
    <message>
        <source>Open other ID data</source>
        <translation>Open Other ID Data</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CPatientInfo</name>
    <message>
        <source>Edit patient information</source>
        <translation>Edit Patient Information</translation>
    </message>
    <message>
        <source>ID Number</source>
        <translation>ID Number</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Gender</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Age</translation>
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
        <translation>Height</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Physician</source>
        <translation>Physician</translation>
    </message>
    <message>
        <source>Note 1</source>
        <translation>Note 1</translation>
    </message>
    <message>
        <source>Note 2</source>
        <translation>Note 2</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>Save Info</source>
        <translation>Save Details</translation>
    </message>
    <message>
        <source>Delete Info</source>
        <translation>Delete Details</translation>
    </message>
    <message>
        <source>a patient without a name</source>
        <translation>a patient without a name</translation>
    </message>
    <message>
        <source>Use stored details (%1)</source>
        <translation>Use stored details (%1)</translation>
    </message>
    <message>
        <source>The patient database holds details for ID %1. The device may have recorded another patient under the same ID.</source>
        <translation>The patient database holds details for ID %1. The device may have recorded another patient under the same ID.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CReportSetup</name>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Clinic name</source>
        <translation>Clinic name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
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
        <translation>Paper</translation>
    </message>
    <message>
        <source>Fields left empty are not printed.</source>
        <translation>Fields left empty are not printed.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.svg);;All files (*)</source>
        <translation>Images (*.png *.jpg *.jpeg *.bmp *.svg);;All files (*)</translation>
    </message>
    <message>
        <source>No logo</source>
        <translation>No logo</translation>
    </message>
    <message>
        <source>%1: not an image this program can read</source>
        <translation>%1: not an image this program can read</translation>
    </message>
    <message>
        <source>These settings cannot be saved: %1.</source>
        <translation>These settings cannot be saved: %1.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CSetRollStep</name>
    <message>
        <source>Setup Step</source>
        <translation>Roll Step Setup</translation>
    </message>
    <message>
        <source>Please input a number !</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>Enter an integer.</source>
        <translation>Enter an integer.</translation>
    </message>
    <message>
        <source>Roll Step</source>
        <translation>Roll Step</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CStudiesDlg</name>
    <message>
        <source>Studies</source>
        <translation>Studies</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Search:</translation>
    </message>
    <message>
        <source>name, ID or date</source>
        <translation>name, ID or date</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Compare &amp;Nights...</source>
        <translation>Compare &amp;Nights...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Delete...</translation>
    </message>
    <message>
        <source>Studies (%1)</source>
        <translation>Studies (%1)</translation>
    </message>
    <message>
        <source>Delete the study of %1 from %2? Its recording is moved to the library&apos;s trash.</source>
        <translation>Delete the study of %1 from %2? Its recording is moved to the library&apos;s trash.</translation>
    </message>
    <message>
        <source>Delete these %1 studies? Their recordings are moved to the library&apos;s trash.</source>
        <translation>Delete these %1 studies? Their recordings are moved to the library&apos;s trash.</translation>
    </message>
    <message>
        <source>Select nights of one patient to compare them (%1 and %2 are different patients).</source>
        <translation>Select nights of one patient to compare them (%1 and %2 are different patients).</translation>
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
Pulse %3 bpm</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::FrameNavigation</name>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Event List</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>Desaturations (3 %)</source>
        <translation>Desaturations (3 %)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Baseline</source>
        <translation>Baseline</translation>
    </message>
    <message>
        <source>Nadir</source>
        <translation>Nadir</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>No desaturation after this point.</source>
        <translation>No desaturation after this point.</translation>
    </message>
    <message>
        <source>No desaturation before this point.</source>
        <translation>No desaturation before this point.</translation>
    </message>
    <message>
        <source>Go to time</source>
        <translation>Go to time</translation>
    </message>
    <message>
        <source>Time (HH:MM:SS), or date and time (YYYY-MM-DD HH:MM:SS):</source>
        <translation>Time (HH:MM:SS), or date and time (YYYY-MM-DD HH:MM:SS):</translation>
    </message>
    <message>
        <source>Type a time as HH:MM:SS, or a date and time as YYYY-MM-DD HH:MM:SS.</source>
        <translation>Type a time as HH:MM:SS, or a date and time as YYYY-MM-DD HH:MM:SS.</translation>
    </message>
    <message>
        <source>%1 is not within this recording, which runs from %2 to %3.</source>
        <translation>%1 is not within this recording, which runs from %2 to %3.</translation>
    </message>
    <message>
        <source>The recent files could not be remembered: %1</source>
        <translation>The recent files could not be remembered: %1</translation>
    </message>
    <message>
        <source>ID %1 (downloaded)</source>
        <translation>ID %1 (downloaded)</translation>
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
        <translation>The whole recording: click or drag to move the view there</translation>
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
        <translation>Details proposed from the patient list: not confirmed for this recording</translation>
    </message>
    <message>
        <source> (partial)</source>
        <translation> (partial)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>yes</translation>
    </message>
</context>
</TS>
