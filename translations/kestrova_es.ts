<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AnalysisSheet</name>
    <message>
        <source>Pulse</source>
        <translation>Pulso</translation>
    </message>
</context>
<context>
    <name>AnalyzeCommand</name>
    <message>
        <source>Clinical figures</source>
        <translation>Parámetros clínicos</translation>
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
        <translation>Registrado</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>Válido</translation>
    </message>
    <message>
        <source>Artefact</source>
        <translation>Artefacto</translation>
    </message>
    <message>
        <source>SpO2 mean / median</source>
        <translation>SpO2 media / mediana</translation>
    </message>
    <message>
        <source>%1 % / %2 %</source>
        <translation>%1 % / %2 %</translation>
    </message>
    <message>
        <source>SpO2 nadir / max</source>
        <translation>SpO2 nadir / máx.</translation>
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
        <translation>%1 /h (%2 eventos)</translation>
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
        <translation>Profundidad (%1 %) media / mediana</translation>
    </message>
    <message>
        <source>%1 / %2 %</source>
        <translation>%1 / %2 %</translation>
    </message>
    <message>
        <source>%1 % duration mean / median</source>
        <translation>Duración (%1 %) media / mediana</translation>
    </message>
    <message>
        <source>%1 / %2 s</source>
        <translation>%1 / %2 s</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1 s at %2, %3 % deep</source>
        <translation>%1 s a las %2, %3 % de profundidad</translation>
    </message>
    <message>
        <source>%1 % longest event</source>
        <translation>Evento de %1 % más largo</translation>
    </message>
    <message>
        <source>Desaturation area (3 %)</source>
        <translation>Área de desaturación (3 %)</translation>
    </message>
    <message>
        <source>%1 %min/h</source>
        <translation>%1 %min/h</translation>
    </message>
    <message>
        <source>Pulse mean / min / max</source>
        <translation>Pulso medio / mín. / máx.</translation>
    </message>
    <message>
        <source>%1 / %2 / %3 bpm</source>
        <translation>%1 / %2 / %3 bpm</translation>
    </message>
    <message>
        <source>Pulse &gt; 100 / &lt; 50 bpm</source>
        <translation>Pulso &gt; 100 / &lt; 50 bpm</translation>
    </message>
    <message>
        <source>%1 min / %2 min</source>
        <translation>%1 min / %2 min</translation>
    </message>
    <message>
        <source>Event and threshold analysis of a saved recording</source>
        <translation>Análisis de eventos y umbrales de un registro guardado</translation>
    </message>
    <message>
        <source>Saved data file (.dat)</source>
        <translation>Archivo de datos guardado (.dat)</translation>
    </message>
    <message>
        <source>One JSON object instead of the summary table</source>
        <translation>Un objeto JSON en lugar de la tabla resumen</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Pulse oximetry recordings</source>
        <translation>Registros de pulsioximetría</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>BluetoothLink</name>
    <message>
        <source>Bluetooth link</source>
        <translation>Enlace Bluetooth</translation>
    </message>
    <message>
        <source>not a Bluetooth address</source>
        <translation>no es una dirección Bluetooth</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Bluetooth address.</source>
        <translation>&quot;%1&quot; no es una dirección Bluetooth.</translation>
    </message>
    <message>
        <source>Bluetooth is not available: %1.</source>
        <translation>Bluetooth no está disponible: %1.</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2.</source>
        <translation>No se pudo conectar con %1: %2.</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>no conectado</translation>
    </message>
    <message>
        <source>the link took no bytes</source>
        <translation>el enlace no aceptó ningún byte</translation>
    </message>
    <message>
        <source>the peer closed the link</source>
        <translation>el otro extremo cerró el enlace</translation>
    </message>
</context>
<context>
    <name>CAnalysisSetup</name>
    <message>
        <source>Times with saturations high</source>
        <translation>Tiempo con saturación alta</translation>
    </message>
    <message>
        <source>Times with saturations low</source>
        <translation>Tiempo con saturación baja</translation>
    </message>
    <message>
        <source>Times with pr high</source>
        <translation>Tiempo con frecuencia del pulso alta</translation>
    </message>
    <message>
        <source>Times with pr low</source>
        <translation>Tiempo con frecuencia del pulso baja</translation>
    </message>
    <message>
        <source>Desaturation Event</source>
        <translation>Evento de desaturación</translation>
    </message>
    <message>
        <source>Pulse Event</source>
        <translation>Evento de pulso</translation>
    </message>
</context>
<context>
    <name>CTavroApp</name>
    <message>
        <source>Demo oximeter attached on %1 - File &gt; NewDataCapture downloads it</source>
        <translation>Oxímetro de demostración conectado en %1: Archivo &gt; Nueva captura de datos lo descarga</translation>
    </message>
    <message>
        <source>Patient list not available</source>
        <translation>Lista de pacientes no disponible</translation>
    </message>
    <message>
        <source>Settings not read: defaults in use</source>
        <translation>Configuración no leída: se usan los valores predeterminados</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read, so the default settings are used and the file is left as it is.

%2</source>
        <translation>No se puede leer el archivo de configuración %1; se usa la configuración predeterminada y el archivo se deja como está.

%2</translation>
    </message>
    <message>
        <source>Study library not available</source>
        <translation>Biblioteca de estudios no disponible</translation>
    </message>
    <message>
        <source>The study library cannot be opened, so downloads are kept only in memory and in the files you save.

%1</source>
        <translation>No se puede abrir la biblioteca de estudios; las descargas se conservan solo en memoria y en los archivos que usted guarde.

%1</translation>
    </message>
    <message>
        <source>%1 recordings added to the study library, %2 already there.</source>
        <translation>%1 registros añadidos a la biblioteca de estudios, %2 ya estaban.</translation>
    </message>
    <message>
        <source>

Not added:
</source>
        <translation>

No añadidos:
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
        <translation>Estos registros no se pudieron conservar en la biblioteca de estudios; guárdelos con Guardar datos antes de la próxima descarga:
%1</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the link failed</source>
        <translation>falló el enlace</translation>
    </message>
    <message>
        <source>the device stopped sending</source>
        <translation>el dispositivo dejó de enviar</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Program directory holding bldb/pationtrec.dat (default: KESTROVA_HOME or the executable&apos;s directory)</source>
        <translation>Directorio del programa que contiene bldb/pationtrec.dat (predeterminado: KESTROVA_HOME o el directorio del ejecutable)</translation>
    </message>
    <message>
        <source>Settings file to read and write (default: ./Kestrova.ini when it exists, else the per-user one of an installed program)</source>
        <translation>Archivo de configuración que se lee y escribe (predeterminado: ./Kestrova.ini si existe; si no, el del usuario de un programa instalado)</translation>
    </message>
    <message>
        <source>%1; the default settings are used</source>
        <translation>%1; se usa la configuración predeterminada</translation>
    </message>
    <message>
        <source>The patient database is not used: %1</source>
        <translation>No se usa la base de datos de pacientes: %1</translation>
    </message>
    <message>
        <source>Try &apos;kestrova-cli --help&apos; or &apos;kestrova-cli COMMAND --help&apos;.</source>
        <translation>Pruebe &apos;kestrova-cli --help&apos; o &apos;kestrova-cli COMANDO --help&apos;.</translation>
    </message>
    <message>
        <source>A .%1 file is not text: it is not written to a terminal. Redirect the output or name a file.</source>
        <translation>Un archivo .%1 no es texto: no se escribe en un terminal. Redirija la salida o indique un archivo.</translation>
    </message>
    <message>
        <source>Cannot make a temporary directory for the output.</source>
        <translation>No se puede crear un directorio temporal para la salida.</translation>
    </message>
    <message>
        <source>Cannot read back the output from its temporary file.</source>
        <translation>No se puede volver a leer la salida desde su archivo temporal.</translation>
    </message>
    <message>
        <source>Cannot write to the standard output.</source>
        <translation>No se puede escribir en la salida estándar.</translation>
    </message>
    <message>
        <source>Unknown language &quot;%1&quot;; English is used.</source>
        <translation>Idioma desconocido &quot;%1&quot;; se usa el inglés.</translation>
    </message>
    <message>
        <source>Kestrova command-line tool</source>
        <translation>Herramienta de línea de comandos de Kestrova</translation>
    </message>
    <message>
        <source>Display program version information and exit</source>
        <translation>Muestra la información de versión del programa y sale</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Muestra esta ayuda y sale</translation>
    </message>
    <message>
        <source>Language of messages and reports: en, en_classic, de, fr, es</source>
        <translation>Idioma de los mensajes e informes: en, en_classic, de, fr, es</translation>
    </message>
</context>
<context>
    <name>ClinicalMetrics</name>
    <message>
        <source>Criteria: a second is valid when SpO2 is 50-100 % and pulse 25-250 bpm; every figure uses valid seconds only.</source>
        <translation>Criterios: un segundo es válido si la SpO2 está entre 50-100 % y el pulso entre 25-250 bpm; todos los parámetros usan solo segundos válidos.</translation>
    </message>
    <message>
        <source>Desaturations are found on SpO2 smoothed by a %1-sample median (a sample next to an artefact is kept as it is).</source>
        <translation>Las desaturaciones se detectan en la SpO2 suavizada con una mediana de %1 muestras (una muestra contigua a un artefacto se conserva tal cual).</translation>
    </message>
    <message>
        <source>The baseline is the lower median of the smoothed valid samples of the preceding %1 s that lie outside events (at least %2 of them) and moves by at most %3 % a sample.</source>
        <translation>La línea basal es la mediana inferior de las muestras válidas suavizadas de los %1 s previos que están fuera de eventos (al menos %2) y varía como máximo %3 % por muestra.</translation>
    </message>
    <message>
        <source>An event starts at a sample at least %1 % below the baseline and counts when SpO2 stays there for at least %2 valid seconds, at most %3 samples in a row above; it ends before SpO2 has been back within %4 % of the baseline, or %5 % above the event&apos;s nadir, for %6 s, or after %7 s without recovery (its seconds then rejoin the baseline, which is taken afresh).</source>
        <translation>Un evento comienza en una muestra al menos %1 % por debajo de la línea basal y cuenta si la SpO2 se mantiene ahí al menos %2 segundos válidos, con como máximo %3 muestras seguidas por encima; termina antes de que la SpO2 haya vuelto a estar dentro del %4 % de la línea basal, o %5 % por encima del nadir del evento, durante %6 s, o tras %7 s sin recuperación (sus segundos vuelven entonces a la línea basal, que se calcula de nuevo).</translation>
    </message>
    <message>
        <source>After an event the next one also needs a fall of %1 % below the highest SpO2 since, until SpO2 is back within %2 % of the baseline.</source>
        <translation>Tras un evento, el siguiente también requiere una caída del %1 % por debajo de la SpO2 más alta desde entonces, hasta que la SpO2 vuelva a estar dentro del %2 % de la línea basal.</translation>
    </message>
    <message>
        <source>A 4 % event is a 3 % event that holds at least 4 % below its baseline in the same way.</source>
        <translation>Un evento del 4 % es un evento del 3 % que se mantiene de igual modo al menos un 4 % por debajo de su línea basal.</translation>
    </message>
    <message>
        <source>Artefact gaps of up to %1 s inside an event are bridged and count neither as event nor as valid time; a longer gap ends it.</source>
        <translation>Las pausas por artefacto de hasta %1 s dentro de un evento se puentean y no cuentan ni como evento ni como tiempo válido; una pausa más larga lo termina.</translation>
    </message>
    <message>
        <source>Depth is the baseline minus the lowest smoothed SpO2 of the event; duration is its event time.</source>
        <translation>La profundidad es la línea basal menos la SpO2 suavizada más baja del evento; la duración es su tiempo de evento.</translation>
    </message>
</context>
<context>
    <name>ClinicalReport</name>
    <message>
        <source>Follow-up</source>
        <translation>Seguimiento</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>no se pudo generar el PDF</translation>
    </message>
    <message>
        <source>Overnight pulse oximetry - ID %1</source>
        <translation>Pulsioximetría nocturna - ID %1</translation>
    </message>
    <message>
        <source>Overnight pulse oximetry</source>
        <translation>Pulsioximetría nocturna</translation>
    </message>
</context>
<context>
    <name>ClinicalReportCommand</name>
    <message>
        <source>The whole-night clinical report of a recording as a PDF</source>
        <translation>El informe clínico de toda la noche de un registro en PDF</translation>
    </message>
    <message>
        <source>Saved recording</source>
        <translation>Registro guardado</translation>
    </message>
    <message>
        <source>OUT.pdf</source>
        <translation>SALIDA.pdf</translation>
    </message>
    <message>
        <source>a4 or letter (default: the paper of Options &gt; Report, else a4)</source>
        <translation>a4 o letter (predeterminado: el papel de Opciones &gt; Informe; si no, a4)</translation>
    </message>
    <message>
        <source>UTF-8 text printed as the interpretation (default: an empty box to write in)</source>
        <translation>Texto UTF-8 impreso como interpretación (predeterminado: un recuadro vacío para escribir)</translation>
    </message>
    <message>
        <source>OUT must end in .pdf.</source>
        <translation>SALIDA debe terminar en .pdf.</translation>
    </message>
    <message>
        <source>%1: larger than 64 KiB, not an interpretation</source>
        <translation>%1: mayor de 64 KiB, no es una interpretación</translation>
    </message>
    <message>
        <source>The interpretation cannot be read: %1</source>
        <translation>No se puede leer la interpretación: %1</translation>
    </message>
</context>
<context>
    <name>CsvRecording</name>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>line 1: the header names no time column (expected for example time, spo2 and pulse)</source>
        <translation>línea 1: el encabezado no nombra ninguna columna de hora (se espera, por ejemplo, time, spo2 y pulse)</translation>
    </message>
    <message>
        <source>line 1: the header names no SpO2 column (expected for example time, spo2 and pulse)</source>
        <translation>línea 1: el encabezado no nombra ninguna columna de SpO2 (se espera, por ejemplo, time, spo2 y pulse)</translation>
    </message>
    <message>
        <source>line 1: the header names no pulse column (expected for example time, spo2 and pulse)</source>
        <translation>línea 1: el encabezado no nombra ninguna columna de pulso (se espera, por ejemplo, time, spo2 y pulse)</translation>
    </message>
    <message>
        <source>%1: no time of day in &quot;%2&quot;</source>
        <translation>%1: no hay hora del día en &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a time of day</source>
        <translation>%1: &quot;%2&quot; no es una hora del día</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a date (expected for example 2026-06-19, 19.06.2026, 6/19/2026 or Jun 19, 2026)</source>
        <translation>%1: &quot;%2&quot; no es una fecha (se espera, por ejemplo, 2026-06-19, 19.06.2026, 6/19/2026 o Jun 19, 2026)</translation>
    </message>
    <message>
        <source>%1: no date Kestrova can keep (years 2000 to 2255)</source>
        <translation>%1: ninguna fecha que Kestrova pueda conservar (años 2000 a 2255)</translation>
    </message>
    <message>
        <source>%1: no %2 value and no missing-value marker in column %3</source>
        <translation>%1: ningún valor de %2 ni marcador de valor ausente en la columna %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 in column %4 is out of range (0 to %5, or a missing-value marker)</source>
        <translation>%1: %2 %3 en la columna %4 está fuera de rango (0 a %5, o un marcador de valor ausente)</translation>
    </message>
    <message>
        <source>the dates are neither all day/month/year nor all month/day/year</source>
        <translation>las fechas no están todas en día/mes/año ni todas en mes/día/año</translation>
    </message>
    <message>
        <source>the dates can be read day/month/year and month/day/year and nothing in the file settles which; they are read month/day/year</source>
        <translation>las fechas pueden leerse como día/mes/año y como mes/día/año y nada en el archivo lo decide; se leen como mes/día/año</translation>
    </message>
    <message>
        <source>is not a recording this program can open: it holds more than %1 samples (a recording holds 0 to %2).</source>
        <translation>no es un registro que este programa pueda abrir: contiene más de %1 muestras (un registro contiene de 0 a %2).</translation>
    </message>
    <message>
        <source>clock set back at line %1 by %2 s</source>
        <translation>reloj atrasado %2 s en la línea %1</translation>
    </message>
    <message>
        <source>%1: the time %2 of line %3 again, with other values</source>
        <translation>%1: de nuevo la hora %2 de la línea %3, con otros valores</translation>
    </message>
    <message>
        <source>the clock was set back %1 times in all; the first %2 are listed</source>
        <translation>el reloj se atrasó %1 veces en total; se listan las %2 primeras</translation>
    </message>
    <message>
        <source>%1 missing-value marker read as artefact</source>
        <translation>%1 marcador de valor ausente leído como artefacto</translation>
    </message>
    <message>
        <source>%1 missing-value markers read as artefact</source>
        <translation>%1 marcadores de valor ausente leídos como artefacto</translation>
    </message>
    <message>
        <source>CSV separated by commas</source>
        <translation>CSV separado por comas</translation>
    </message>
    <message>
        <source>CSV separated by semicolons</source>
        <translation>CSV separado por punto y coma</translation>
    </message>
    <message>
        <source>CSV separated by tabs</source>
        <translation>CSV separado por tabuladores</translation>
    </message>
    <message>
        <source>decimal commas allowed</source>
        <translation>comas decimales permitidas</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 líneas</translation>
    </message>
    <message>
        <source>UTF-8 byte-order mark</source>
        <translation>marca de orden de bytes UTF-8</translation>
    </message>
    <message>
        <source>date %1, time %2</source>
        <translation>fecha %1, hora %2</translation>
    </message>
    <message>
        <source>date and time %1</source>
        <translation>fecha y hora %1</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>año-mes-día</translation>
    </message>
    <message>
        <source>day.month.year</source>
        <translation>día.mes.año</translation>
    </message>
    <message>
        <source>day/month/year</source>
        <translation>día/mes/año</translation>
    </message>
    <message>
        <source>month/day/year</source>
        <translation>mes/día/año</translation>
    </message>
    <message>
        <source>month names</source>
        <translation>nombres de meses</translation>
    </message>
    <message>
        <source>Unix time in seconds, read as UTC</source>
        <translation>tiempo Unix en segundos, leído como UTC</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>reloj de 12 horas</translation>
    </message>
    <message>
        <source>SpO2 %1, pulse %2</source>
        <translation>SpO2 %1, pulso %2</translation>
    </message>
    <message>
        <source>patient ID %1</source>
        <translation>ID de paciente %1</translation>
    </message>
    <message>
        <source>The file %1 is not a recording this program can open: it holds more than %2 samples (a recording holds 0 to %3).</source>
        <translation>El archivo %1 no es un registro que este programa pueda abrir: contiene más de %2 muestras (un registro contiene de 0 a %3).</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Attempted to access %1 past its end.</source>
        <translation>Se intentó acceder a %1 más allá de su final.</translation>
    </message>
    <message>
        <source>The file %1 is not a recording this program can open: it declares %2 samples (a recording holds 0 to %3).</source>
        <translation>El archivo %1 no es un registro que este programa pueda abrir: declara %2 muestras (un registro contiene de 0 a %3).</translation>
    </message>
    <message>
        <source>The file %1 is not a recording this program can open: it is %2 bytes long (a recording is at most %3 bytes).</source>
        <translation>El archivo %1 no es un registro que este programa pueda abrir: tiene %2 bytes (un registro tiene como máximo %3 bytes).</translation>
    </message>
</context>
<context>
    <name>DeviceCommands</name>
    <message>
        <source>Probe only this serial port (ttyUSB0, pts/3, or a path)</source>
        <translation>Sondear solo este puerto serie (ttyUSB0, pts/3 o una ruta)</translation>
    </message>
    <message>
        <source>Use the Bluetooth device with this address instead</source>
        <translation>Usar en su lugar el dispositivo Bluetooth con esta dirección</translation>
    </message>
    <message>
        <source>RFCOMM channel of the Bluetooth device</source>
        <translation>Canal RFCOMM del dispositivo Bluetooth</translation>
    </message>
    <message>
        <source>Log every byte on the wire to this file (like KESTROVA_TRACE)</source>
        <translation>Registrar cada byte de la línea en este archivo (como KESTROVA_TRACE)</translation>
    </message>
    <message>
        <source>Cannot write the trace file %1</source>
        <translation>No se puede escribir el archivo de traza %1</translation>
    </message>
    <message>
        <source>The study library was not updated: %1</source>
        <translation>La biblioteca de estudios no se actualizó: %1</translation>
    </message>
    <message>
        <source>ID %1 was not stored in the study library: %2</source>
        <translation>El ID %1 no se guardó en la biblioteca de estudios: %2</translation>
    </message>
    <message>
        <source>Download every recording from the oximeter into DIR/ID&lt;n&gt;.dat</source>
        <translation>Descargar todos los registros del oxímetro en DIR/ID&lt;n&gt;.dat</translation>
    </message>
    <message>
        <source>Directory for the recordings</source>
        <translation>Directorio para los registros</translation>
    </message>
    <message>
        <source>Replace DIR/ID&lt;n&gt;.dat instead of keeping an earlier recording beside the new one</source>
        <translation>Reemplazar DIR/ID&lt;n&gt;.dat en lugar de conservar un registro anterior junto al nuevo</translation>
    </message>
    <message>
        <source>Do not store the recordings in the study library</source>
        <translation>No guardar los registros en la biblioteca de estudios</translation>
    </message>
    <message>
        <source>Study library directory (default: KESTROVA_HOME/library)</source>
        <translation>Directorio de la biblioteca de estudios (predeterminado: KESTROVA_HOME/library)</translation>
    </message>
    <message>
        <source>The download broke while ID %1 was arriving; what arrived is in %2</source>
        <translation>La descarga se interrumpió mientras llegaba el ID %1; lo recibido está en %2</translation>
    </message>
    <message>
        <source>%1 samples beyond an ID&apos;s capacity were not stored.</source>
        <translation>No se guardaron %1 muestras que superaban la capacidad de un ID.</translation>
    </message>
    <message>
        <source>Set the oximeter&apos;s clock</source>
        <translation>Ajustar el reloj del oxímetro</translation>
    </message>
    <message>
        <source>&quot;YYYY-MM-DD HH:MM:SS&quot; (default: now)</source>
        <translation>&quot;YYYY-MM-DD HH:MM:SS&quot; (predeterminado: ahora)</translation>
    </message>
    <message>
        <source>--time must be &quot;YYYY-MM-DD HH:MM:SS&quot; (year 2000 or later).</source>
        <translation>--time debe ser &quot;YYYY-MM-DD HH:MM:SS&quot; (año 2000 o posterior).</translation>
    </message>
    <message>
        <source>Delete recordings in the oximeter&apos;s memory</source>
        <translation>Borrar registros de la memoria del oxímetro</translation>
    </message>
    <message>
        <source>Patient ID (0 or absent: all IDs)</source>
        <translation>ID de paciente (0 o ausente: todos los ID)</translation>
    </message>
    <message>
        <source>all, or spo2pr (SpO2 and pulse data)</source>
        <translation>all, o spo2pr (datos de SpO2 y pulso)</translation>
    </message>
</context>
<context>
    <name>DeviceLink</name>
    <message>
        <source>The port could not be remembered in the settings file, which was left as it was: %1</source>
        <translation>No se pudo recordar el puerto en el archivo de configuración, que se dejó como estaba: %1</translation>
    </message>
</context>
<context>
    <name>DeviceSimulator</name>
    <message>
        <source>stopped by the host</source>
        <translation>detenido por el equipo anfitrión</translation>
    </message>
</context>
<context>
    <name>DeviceStatus</name>
    <message>
        <source>No oximeter answered on any port.</source>
        <translation>Ningún oxímetro respondió en ningún puerto.</translation>
    </message>
    <message>
        <source>No oximeter on the serial port %1: it does not exist or did not answer (is the device plugged in and switched on?).</source>
        <translation>No hay oxímetro en el puerto serie %1: no existe o no respondió (¿está el dispositivo conectado y encendido?).</translation>
    </message>
    <message>
        <source>The port is in use by another program: the serial port.</source>
        <translation>El puerto está en uso por otro programa: el puerto serie.</translation>
    </message>
    <message>
        <source>The port is in use by another program: the serial port %1.</source>
        <translation>El puerto está en uso por otro programa: el puerto serie %1.</translation>
    </message>
    <message>
        <source>No permission to open the serial port. Add your user to the &quot;dialout&quot; group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Sin permiso para abrir el puerto serie. Añada su usuario al grupo &quot;dialout&quot; (sudo usermod -aG dialout $USER) y después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>No permission to open the serial port %1. Add your user to the &quot;dialout&quot; group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Sin permiso para abrir el puerto serie %1. Añada su usuario al grupo &quot;dialout&quot; (sudo usermod -aG dialout $USER) y después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>The oximeter stopped answering.</source>
        <translation>El oxímetro dejó de responder.</translation>
    </message>
    <message>
        <source>The oximeter&apos;s answer was not understood.</source>
        <translation>No se entendió la respuesta del oxímetro.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Detenido.</translation>
    </message>
    <message>
        <source>The oximeter holds no recording.</source>
        <translation>El oxímetro no contiene ningún registro.</translation>
    </message>
    <message>
        <source>The connection failed: the serial port could not be used.</source>
        <translation>La conexión falló: no se pudo usar el puerto serie.</translation>
    </message>
    <message>
        <source>The connection failed: the serial port %1 could not be used.</source>
        <translation>La conexión falló: no se pudo usar el puerto serie %1.</translation>
    </message>
</context>
<context>
    <name>DeviceTiming</name>
    <message>
        <source>not a device timing (name=number)</source>
        <translation>no es una temporización de dispositivo (nombre=número)</translation>
    </message>
</context>
<context>
    <name>DisclosurePage</name>
    <message>
        <source>Full disclosure - one hour per strip</source>
        <translation>Registro completo - una hora por tira</translation>
    </message>
    <message>
        <source>Hour %1: %2 %3 – %4</source>
        <translation>Hora %1: %2 %3 – %4</translation>
    </message>
</context>
<context>
    <name>DownloadStore</name>
    <message>
        <source>no free file name</source>
        <translation>no hay ningún nombre de archivo libre</translation>
    </message>
</context>
<context>
    <name>EdfRecording</name>
    <message>
        <source>the file&apos;s size would not match its header</source>
        <translation>el tamaño del archivo no coincidiría con su encabezado</translation>
    </message>
    <message>
        <source>The file %1 is not a recording this program can open: it holds %2 seconds (a recording holds 0 to %3).</source>
        <translation>El archivo %1 no es un registro que este programa pueda abrir: contiene %2 segundos (un registro contiene de 0 a %3).</translation>
    </message>
    <message>
        <source>not an EDF or EDF+ file Kestrova can read: it does not begin with an EDF header</source>
        <translation>no es un archivo EDF o EDF+ que Kestrova pueda leer: no comienza con un encabezado EDF</translation>
    </message>
    <message>
        <source>not an EDF or EDF+ file Kestrova can read: its header gives no usable size or number of signals</source>
        <translation>no es un archivo EDF o EDF+ que Kestrova pueda leer: su encabezado no indica un tamaño o número de señales utilizable</translation>
    </message>
    <message>
        <source>the header gives no number of data records</source>
        <translation>el encabezado no indica el número de registros de datos</translation>
    </message>
    <message>
        <source>the header gives no duration of a data record</source>
        <translation>el encabezado no indica la duración de un registro de datos</translation>
    </message>
    <message>
        <source>the file ends inside its header</source>
        <translation>el archivo termina dentro de su encabezado</translation>
    </message>
    <message>
        <source>the signal &quot;%1&quot; gives no number of samples per data record</source>
        <translation>la señal &quot;%1&quot; no indica el número de muestras por registro de datos</translation>
    </message>
    <message>
        <source>the signal &quot;%1&quot; has no usable physical and digital range</source>
        <translation>la señal &quot;%1&quot; no tiene un rango físico y digital utilizable</translation>
    </message>
    <message>
        <source>no SpO2 (or SaO2) signal</source>
        <translation>no hay señal de SpO2 (o SaO2)</translation>
    </message>
    <message>
        <source>no pulse (or PR, HR) signal</source>
        <translation>no hay señal de pulso (o PR, HR)</translation>
    </message>
    <message>
        <source>the header says %1 data records, the file holds %2</source>
        <translation>el encabezado indica %1 registros de datos, el archivo contiene %2</translation>
    </message>
    <message>
        <source>the signal &quot;%1&quot; has fewer than one sample per second</source>
        <translation>la señal &quot;%1&quot; tiene menos de una muestra por segundo</translation>
    </message>
    <message>
        <source>the signal &quot;%1&quot; holds %2 samples; Kestrova reads at most %3 (64 a second over a whole recording)</source>
        <translation>la señal &quot;%1&quot; contiene %2 muestras; Kestrova lee como máximo %3 (64 por segundo durante todo un registro)</translation>
    </message>
    <message>
        <source>the header gives no start date and time (dd.mm.yy and hh.mm.ss)</source>
        <translation>el encabezado no indica fecha y hora de inicio (dd.mm.yy y hh.mm.ss)</translation>
    </message>
    <message>
        <source>the header&apos;s start year is &quot;yy&quot; and the recording field gives no year</source>
        <translation>el año de inicio del encabezado es &quot;yy&quot; y el campo de registro no indica el año</translation>
    </message>
    <message>
        <source>the header&apos;s start date %1 is no date</source>
        <translation>la fecha de inicio del encabezado %1 no es una fecha</translation>
    </message>
    <message>
        <source>the recording starts in %1; Kestrova keeps recordings from 2000 to 2255</source>
        <translation>el registro comienza en %1; Kestrova conserva registros de 2000 a 2255</translation>
    </message>
    <message>
        <source>the file ended while it was read (data record %1)</source>
        <translation>el archivo terminó mientras se leía (registro de datos %1)</translation>
    </message>
    <message>
        <source>data record %1 holds an unreadable annotation</source>
        <translation>el registro de datos %1 contiene una anotación ilegible</translation>
    </message>
    <message>
        <source>data record %1 starts at %2 s, before the data record before it ends</source>
        <translation>el registro de datos %1 comienza en %2 s, antes de que termine el registro de datos anterior</translation>
    </message>
    <message>
        <source>%1, %2 signals, %3 data records of %4 s; SpO2 &quot;%5&quot; at %6 Hz, pulse &quot;%7&quot; at %8 Hz</source>
        <translation>%1, %2 señales, %3 registros de datos de %4 s; SpO2 &quot;%5&quot; a %6 Hz, pulso &quot;%7&quot; a %8 Hz</translation>
    </message>
    <message>
        <source>EDF+D (discontinuous)</source>
        <translation>EDF+D (discontinuo)</translation>
    </message>
    <message>
        <source>clock set back %1 s after the start by %2 s</source>
        <translation>reloj atrasado %2 s a los %1 s del inicio</translation>
    </message>
</context>
<context>
    <name>Exchanges</name>
    <message>
        <source>not connected</source>
        <translation>no conectado</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>not an identification</source>
        <translation>no es una identificación</translation>
    </message>
    <message>
        <source>not the totals</source>
        <translation>no son los totales</translation>
    </message>
    <message>
        <source>the deletion was not acknowledged</source>
        <translation>no se confirmó el borrado</translation>
    </message>
    <message>
        <source>the clock was refused</source>
        <translation>se rechazó el reloj</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Cannot export to &quot;%1&quot;: the name must end in .txt, .xls, .xlsx, .csv or .edf.</source>
        <translation>No se puede exportar a &quot;%1&quot;: el nombre debe terminar en .txt, .xls, .xlsx, .csv o .edf.</translation>
    </message>
    <message>
        <source>Format when OUT is - (the standard output)</source>
        <translation>Formato cuando SALIDA es - (la salida estándar)</translation>
    </message>
    <message>
        <source>Export a recording as text (.txt), a workbook (.xlsx, .xls), CSV (.csv) or EDF+ (.edf)</source>
        <translation>Exportar un registro como texto (.txt), libro de cálculo (.xlsx, .xls), CSV (.csv) o EDF+ (.edf)</translation>
    </message>
    <message>
        <source>Saved data file (.dat)</source>
        <translation>Archivo de datos guardado (.dat)</translation>
    </message>
    <message>
        <source>Output file; its extension (case-sensitive) picks the format</source>
        <translation>Archivo de salida; su extensión (distingue mayúsculas) elige el formato</translation>
    </message>
    <message>
        <source>Write the event time report of a saved recording</source>
        <translation>Escribir el informe de tiempos de eventos de un registro guardado</translation>
    </message>
    <message>
        <source>Report file (.txt), or - for the standard output</source>
        <translation>Archivo de informe (.txt), o - para la salida estándar</translation>
    </message>
    <message>
        <source>Cannot write the report to &quot;%1&quot;: the name must end in .txt.</source>
        <translation>No se puede escribir el informe en &quot;%1&quot;: el nombre debe terminar en .txt.</translation>
    </message>
</context>
<context>
    <name>FrameNavigation</name>
    <message>
        <source>Page width (default)</source>
        <translation>Ancho de página (predeterminado)</translation>
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
        <translation>Registro completo</translation>
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
        <translation>&lt;p&gt;El manual no está disponible.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Kestrova Help</source>
        <translation>Ayuda de Kestrova</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
</context>
<context>
    <name>HourTablePage</name>
    <message>
        <source>Hour by hour and events</source>
        <translation>Hora por hora y eventos</translation>
    </message>
    <message>
        <source>Hour by hour (continued)</source>
        <translation>Hora por hora (continuación)</translation>
    </message>
    <message>
        <source>Each clock hour</source>
        <translation>Cada hora de reloj</translation>
    </message>
    <message>
        <source>Hour
</source>
        <translation>Hora
</translation>
    </message>
    <message>
        <source>Valid
min</source>
        <translation>Válido
min</translation>
    </message>
    <message>
        <source>SpO2
mean %</source>
        <translation>SpO2
media %</translation>
    </message>
    <message>
        <source>SpO2
lowest %</source>
        <translation>SpO2
mínima %</translation>
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
        <translation>Eventos
3 %</translation>
    </message>
    <message>
        <source>4 %
events</source>
        <translation>Eventos
4 %</translation>
    </message>
    <message>
        <source>Rate 3 % / 4 %
per h</source>
        <translation>Índice 3 % / 4 %
por h</translation>
    </message>
    <message>
        <source>Pulse
mean bpm</source>
        <translation>Pulso
medio bpm</translation>
    </message>
    <message>
        <source>No samples recorded.</source>
        <translation>No se registraron muestras.</translation>
    </message>
    <message>
        <source>The %1 deepest 3 % desaturations</source>
        <translation>Las %1 desaturaciones del 3 % más profundas</translation>
    </message>
    <message>
        <source>Start
</source>
        <translation>Inicio
</translation>
    </message>
    <message>
        <source>Duration
s</source>
        <translation>Duración
s</translation>
    </message>
    <message>
        <source>Baseline
%</source>
        <translation>Basal
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
        <translation>Profund.
%</translation>
    </message>
    <message>
        <source>Area
%·s</source>
        <translation>Área
%·s</translation>
    </message>
    <message>
        <source>No 3 % desaturation in this recording.</source>
        <translation>Ninguna desaturación del 3 % en este registro.</translation>
    </message>
</context>
<context>
    <name>InfoCommand</name>
    <message>
        <source>Show the patient ID, sample count, title and time span of a recording, and how its file was read</source>
        <translation>Muestra el ID de paciente, el número de muestras, el título y el intervalo de tiempo de un registro, y cómo se leyó su archivo</translation>
    </message>
    <message>
        <source>Saved data file</source>
        <translation>Archivo de datos guardado</translation>
    </message>
    <message>
        <source>The patient database is not used: %1</source>
        <translation>No se usa la base de datos de pacientes: %1</translation>
    </message>
    <message>
        <source>ID: %1</source>
        <translation>ID: %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <source>Samples: %1</source>
        <translation>Muestras: %1</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Título: %1</translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation>Inicio: %1</translation>
    </message>
    <message>
        <source>End: %1</source>
        <translation>Fin: %1</translation>
    </message>
    <message>
        <source>Cadence: %1</source>
        <translation>Cadencia: %1</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Formato: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>too large (%1 bytes; at most %2 are expected)</source>
        <translation>demasiado grande (%1 bytes; se esperan como máximo %2)</translation>
    </message>
</context>
<context>
    <name>KestrovaMain</name>
    <message>
        <source>kestrova: unknown language &quot;%1&quot; (known: %2); English is used</source>
        <translation>kestrova: idioma desconocido &quot;%1&quot; (conocidos: %2); se usa el inglés</translation>
    </message>
    <message>
        <source>Kestrova: downloads, shows, analyses, prints and exports the recordings of a finger pulse oximeter.</source>
        <translation>Kestrova: descarga, muestra, analiza, imprime y exporta los registros de un pulsioxímetro de dedo.</translation>
    </message>
    <message>
        <source>Attach a simulated oximeter, so a download works without a device.</source>
        <translation>Conectar un oxímetro simulado, para que una descarga funcione sin dispositivo.</translation>
    </message>
    <message>
        <source>Keep the settings file (Kestrova.ini) in the per-user data directory instead of the working directory (desktop starts).</source>
        <translation>Guardar el archivo de configuración (Kestrova.ini) en el directorio de datos del usuario en lugar del directorio de trabajo (inicios desde el escritorio).</translation>
    </message>
    <message>
        <source>Read and write this settings file instead of Kestrova.ini.</source>
        <translation>Leer y escribir este archivo de configuración en lugar de Kestrova.ini.</translation>
    </message>
    <message>
        <source>Language: en, en_classic, de, fr, es</source>
        <translation>Idioma: en, en_classic, de, fr, es</translation>
    </message>
    <message>
        <source>Recordings to open (.dat, .csv, .edf): the first is shown, several are kept in the study library. Given to a running Kestrova, they open there.</source>
        <translation>Registros que se abren (.dat, .csv, .edf): se muestra el primero; si son varios, se guardan en la biblioteca de estudios. Si Kestrova ya está en ejecución, se abren allí.</translation>
    </message>
    <message>
        <source>kestrova: %1 (see kestrova --help)</source>
        <translation>kestrova: %1 (consulte kestrova --help)</translation>
    </message>
</context>
<context>
    <name>LibrarySchema</name>
    <message>
        <source>another Kestrova kept the library busy for too long; try again</source>
        <translation>otro Kestrova mantuvo ocupada la biblioteca demasiado tiempo; inténtelo de nuevo</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the library cannot be written here (no permission)</source>
        <translation>no se puede escribir la biblioteca aquí (sin permiso)</translation>
    </message>
    <message>
        <source>the library file cannot be opened</source>
        <translation>no se puede abrir el archivo de la biblioteca</translation>
    </message>
    <message>
        <source>not a Kestrova study library</source>
        <translation>no es una biblioteca de estudios de Kestrova</translation>
    </message>
    <message>
        <source>the library file is damaged</source>
        <translation>el archivo de la biblioteca está dañado</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>the library file could not be read or written (%1)</source>
        <translation>no se pudo leer o escribir el archivo de la biblioteca (%1)</translation>
    </message>
    <message>
        <source>not a Kestrova study library (not a file)</source>
        <translation>no es una biblioteca de estudios de Kestrova (no es un archivo)</translation>
    </message>
    <message>
        <source>cannot read the library</source>
        <translation>no se puede leer la biblioteca</translation>
    </message>
    <message>
        <source>made by a newer Kestrova (library version %1); this program reads up to %2</source>
        <translation>creada por un Kestrova más reciente (versión de biblioteca %1); este programa lee hasta la %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The settings were not saved, and the settings file was left as it was:
%1</source>
        <translation>No se guardó la configuración y el archivo de configuración se dejó como estaba:
%1</translation>
    </message>
</context>
<context>
    <name>NightsComparison</name>
    <message>
        <source>Nights compared</source>
        <translation>Noches comparadas</translation>
    </message>
    <message>
        <source>Night
</source>
        <translation>Noche
</translation>
    </message>
    <message>
        <source>Duration
</source>
        <translation>Duración
</translation>
    </message>
    <message>
        <source>Valid
h</source>
        <translation>Válido
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
        <translation>SpO2 media
%</translation>
    </message>
    <message>
        <source>%1 earlier nights in the chart only</source>
        <translation>%1 noches anteriores solo en el gráfico</translation>
    </message>
    <message>
        <source>ODI 3 %, T90 and nadir per night</source>
        <translation>ODI 3 %, T90 y nadir por noche</translation>
    </message>
    <message>
        <source>ODI 3 % (/h, left)</source>
        <translation>ODI 3 % (/h, izq.)</translation>
    </message>
    <message>
        <source>T90 (%, left)</source>
        <translation>T90 (%, izq.)</translation>
    </message>
    <message>
        <source>Nadir (%, right)</source>
        <translation>Nadir (%, der.)</translation>
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
        <translation>no se pudo generar el PDF</translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation>no se pudo codificar la imagen</translation>
    </message>
</context>
<context>
    <name>PatientDatabase</name>
    <message>
        <source>no slot for patient ID %1</source>
        <translation>no hay espacio para el ID de paciente %1</translation>
    </message>
</context>
<context>
    <name>PortDiscovery</name>
    <message>
        <source>Bluetooth serial port</source>
        <translation>Puerto serie Bluetooth</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>not an identification</source>
        <translation>no es una identificación</translation>
    </message>
    <message>
        <source>not the totals</source>
        <translation>no son los totales</translation>
    </message>
</context>
<context>
    <name>RecordingCommands</name>
    <message>
        <source>The change was not kept in the study library: %1</source>
        <translation>El cambio no se conservó en la biblioteca de estudios: %1</translation>
    </message>
    <message>
        <source>The patient details were not saved: %1</source>
        <translation>No se guardaron los datos del paciente: %1</translation>
    </message>
    <message>
        <source>Details proposed from the patient list for ID %1: confirm or change for this night</source>
        <translation>Datos propuestos desde la lista de pacientes para el ID %1: confírmelos o cámbielos para esta noche</translation>
    </message>
    <message>
        <source>The study library is not available in this session.</source>
        <translation>La biblioteca de estudios no está disponible en esta sesión.</translation>
    </message>
    <message>
        <source>Exporting to %1 ...</source>
        <translation>Exportando a %1 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>(*.dat);;(*.txt);;(*.xls);;(*.xlsx);;CSV (*.csv);;EDF+ (*.edf)</source>
        <translation>(*.dat);;(*.txt);;(*.xls);;(*.xlsx);;CSV (*.csv);;EDF+ (*.edf)</translation>
    </message>
    <message>
        <source>Kestrova cannot write &quot;%1&quot;: choose a name ending in .dat, .txt, .xls, .xlsx, .csv or .edf.</source>
        <translation>Kestrova no puede escribir &quot;%1&quot;: elija un nombre que termine en .dat, .txt, .xls, .xlsx, .csv o .edf.</translation>
    </message>
    <message>
        <source>Open Saved Data</source>
        <translation>Abrir datos guardados</translation>
    </message>
    <message>
        <source>Data file(*.dat);;CSV recording (*.csv);;EDF recording (*.edf)</source>
        <translation>Archivo de datos (*.dat);;Registro CSV (*.csv);;Registro EDF (*.edf)</translation>
    </message>
    <message>
        <source>Kestrova cannot write the report as &quot;%1&quot;: choose a name ending in .%2.</source>
        <translation>Kestrova no puede escribir el informe como &quot;%1&quot;: elija un nombre que termine en .%2.</translation>
    </message>
    <message>
        <source>Check out the SpO2 event time</source>
        <translation>Consultar el tiempo de eventos de SpO2</translation>
    </message>
    <message>
        <source>Data file(*.txt)</source>
        <translation>Archivo de datos (*.txt)</translation>
    </message>
    <message>
        <source>Clinical Report (PDF)</source>
        <translation>Informe clínico (PDF)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>RecordingDocument</name>
    <message>
        <source>study library</source>
        <translation>biblioteca de estudios</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>no abierto</translation>
    </message>
</context>
<context>
    <name>RecordingFile</name>
    <message>
        <source>one reading every %1 s, each held until the next (up to %2 s)</source>
        <translation>una lectura cada %1 s, cada una mantenida hasta la siguiente (hasta %2 s)</translation>
    </message>
    <message>
        <source>%1 readings a second, each second the median of its valid readings</source>
        <translation>%1 lecturas por segundo; cada segundo, la mediana de sus lecturas válidas</translation>
    </message>
    <message>
        <source>one reading a second</source>
        <translation>una lectura por segundo</translation>
    </message>
</context>
<context>
    <name>RenderCommand</name>
    <message>
        <source>Draw a page of a saved recording to a PNG image or an A4 PDF</source>
        <translation>Dibujar una página de un registro guardado en una imagen PNG o un PDF A4</translation>
    </message>
    <message>
        <source>Saved data file (.dat)</source>
        <translation>Archivo de datos guardado (.dat)</translation>
    </message>
    <message>
        <source>OUT.png (screen rendering) or OUT.pdf (printed page)</source>
        <translation>SALIDA.png (imagen de pantalla) o SALIDA.pdf (página impresa)</translation>
    </message>
    <message>
        <source>trend, table or analysis</source>
        <translation>trend, table o analysis</translation>
    </message>
    <message>
        <source>Page, counted from 0</source>
        <translation>Página, contando desde 0</translation>
    </message>
    <message>
        <source>Screen size WxH for PNG (at most 16384x16384)</source>
        <translation>Tamaño de pantalla WxH (ancho x alto) para PNG (como máximo 16384x16384)</translation>
    </message>
    <message>
        <source>Trend: seconds one page shows (default: one per unit of width)</source>
        <translation>Tendencia: segundos que muestra una página (predeterminado: uno por unidad de ancho)</translation>
    </message>
    <message>
        <source>Trend with --span: the page starts here (YYYY-MM-DDTHH:MM:SS or HH:MM:SS)</source>
        <translation>Tendencia con --span: la página comienza aquí (YYYY-MM-DDTHH:MM:SS o HH:MM:SS)</translation>
    </message>
    <message>
        <source>OUT must end in .png or .pdf.</source>
        <translation>SALIDA debe terminar en .png o .pdf.</translation>
    </message>
    <message>
        <source>--size applies to PNG images only: a PDF is always one A4 page.</source>
        <translation>--size solo se aplica a imágenes PNG: un PDF es siempre una página A4.</translation>
    </message>
    <message>
        <source>--size must be WxH, for example 1280x800.</source>
        <translation>--size debe ser WxH, por ejemplo 1280x800.</translation>
    </message>
    <message>
        <source>--size %1 is too large: at most 16384x16384.</source>
        <translation>--size %1 es demasiado grande: como máximo 16384x16384.</translation>
    </message>
    <message>
        <source>--span applies to the trend view only.</source>
        <translation>--span solo se aplica a la vista de tendencia.</translation>
    </message>
    <message>
        <source>--start must be YYYY-MM-DDTHH:MM:SS or HH:MM:SS.</source>
        <translation>--start debe ser YYYY-MM-DDTHH:MM:SS o HH:MM:SS.</translation>
    </message>
    <message>
        <source>--start %1 is not within the recording (%2).</source>
        <translation>--start %1 no está dentro del registro (%2).</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>sin muestras</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>page %1 does not exist (0–%2)</source>
        <translation>la página %1 no existe (0–%2)</translation>
    </message>
</context>
<context>
    <name>ReportDrawing</name>
    <message>
        <source>Pulse</source>
        <translation>Pulso</translation>
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
        <translation>registrado %1</translation>
    </message>
    <message>
        <source>Report %1</source>
        <translation>Informe %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
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
        <translation>sin nombre de puerto</translation>
    </message>
    <message>
        <source>locked by another program</source>
        <translation>bloqueado por otro programa</translation>
    </message>
    <message>
        <source>unsupported line rate</source>
        <translation>velocidad de línea no admitida</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>no abierto</translation>
    </message>
    <message>
        <source>the port hung up</source>
        <translation>el puerto se colgó</translation>
    </message>
    <message>
        <source>the port closed</source>
        <translation>el puerto se cerró</translation>
    </message>
    <message>
        <source>the write did not finish in time</source>
        <translation>la escritura no terminó a tiempo</translation>
    </message>
</context>
<context>
    <name>SpreadsheetExport</name>
    <message>
        <source>the workbook could not be written</source>
        <translation>no se pudo escribir el libro de cálculo</translation>
    </message>
    <message>
        <source>the workbook was not written completely (%1)</source>
        <translation>el libro de cálculo no se escribió por completo (%1)</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>new memory err!</source>
        <translation>¡Error al reservar memoria!</translation>
    </message>
    <message>
        <source>write com command failed!</source>
        <translation>¡Falló el envío del comando al puerto!</translation>
    </message>
    <message>
        <source>No Connected, please connect device!</source>
        <translation>Sin conexión; conecte el dispositivo.</translation>
    </message>
    <message>
        <source>Read data timeout,please retry</source>
        <translation>Tiempo de lectura agotado; inténtelo de nuevo</translation>
    </message>
    <message>
        <source>read com failed!</source>
        <translation>¡Falló la lectura del puerto!</translation>
    </message>
    <message>
        <source>read data out of buffer!</source>
        <translation>¡Datos leídos fuera del búfer!</translation>
    </message>
    <message>
        <source>Connect succeed! Total</source>
        <translation>¡Conexión correcta! Total</translation>
    </message>
    <message>
        <source>Frames!</source>
        <translation>tramas.</translation>
    </message>
    <message>
        <source>Synchronization error!</source>
        <translation>¡Error de sincronización!</translation>
    </message>
    <message>
        <source>Please select patient ID</source>
        <translation>Seleccione el ID del paciente</translation>
    </message>
    <message>
        <source>no data!</source>
        <translation>¡Sin datos!</translation>
    </message>
    <message>
        <source>Create Event Failed</source>
        <translation>Error al crear el evento</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>grupos</translation>
    </message>
    <message>
        <source>Create Excel service failed !</source>
        <translation>¡No se pudo iniciar el servicio de Excel!</translation>
    </message>
    <message>
        <source>can&apos;t open the file</source>
        <translation>No se puede abrir el archivo</translation>
    </message>
    <message>
        <source>Are you sure to delete the patient info?</source>
        <translation>¿Está seguro de que desea borrar los datos del paciente?</translation>
    </message>
    <message>
        <source>Patient ID invalidate</source>
        <translation>ID de paciente no válido</translation>
    </message>
    <message>
        <source>Field must be 60 or less characters in length!</source>
        <translation>¡El campo debe tener 60 caracteres o menos!</translation>
    </message>
    <message>
        <source>Can&apos;t open pationtrec.dat file</source>
        <translation>No se puede abrir el archivo pationtrec.dat</translation>
    </message>
    <message>
        <source>You have Run one</source>
        <translation>Ya hay una instancia en ejecución</translation>
    </message>
    <message>
        <source>CONNECT SUCCEED</source>
        <translation>CONEXIÓN CORRECTA</translation>
    </message>
    <message>
        <source>Can&apos;t create the file</source>
        <translation>No se puede crear el archivo</translation>
    </message>
    <message>
        <source>female</source>
        <translation>mujer</translation>
    </message>
    <message>
        <source>male</source>
        <translation>hombre</translation>
    </message>
    <message>
        <source>Desaturation Event:drop in Spo2 by at least</source>
        <translation>Evento de desaturación: descenso de la SpO2 de al menos</translation>
    </message>
    <message>
        <source>% for a minimum duration of 10 seconds.</source>
        <translation>% durante un mínimo de 10 segundos.</translation>
    </message>
    <message>
        <source>Pulse Event Change in rate by at least</source>
        <translation>Evento de pulso: cambio de frecuencia de al menos</translation>
    </message>
    <message>
        <source>bpm for a minimum duration of 8 seconds.</source>
        <translation>bpm durante un mínimo de 8 segundos.</translation>
    </message>
    <message>
        <source>Can&apos;t find right COM or the device is power off !</source>
        <translation>¡No se encuentra el puerto COM correcto o el dispositivo está apagado!</translation>
    </message>
    <message>
        <source>Please input a Num !</source>
        <translation>¡Introduzca un número!</translation>
    </message>
    <message>
        <source>Please input a legal value !</source>
        <translation>¡Introduzca un valor válido!</translation>
    </message>
    <message>
        <source>Set Date and Time Succeed !</source>
        <translation>¡Fecha y hora ajustadas correctamente!</translation>
    </message>
    <message>
        <source>Set Date and Time Error !</source>
        <translation>¡Error al ajustar la fecha y la hora!</translation>
    </message>
    <message>
        <source>Device data cleared !</source>
        <translation>¡Datos del dispositivo borrados!</translation>
    </message>
    <message>
        <source>Delete Data Error !</source>
        <translation>¡Error al borrar los datos!</translation>
    </message>
    <message>
        <source>Please input a num which is between 0 and</source>
        <translation>Introduzca un número entre 0 y</translation>
    </message>
    <message>
        <source>Error ! The SPO2 high value must large than low value !</source>
        <translation>¡Error! El valor alto de SpO2 debe ser mayor que el valor bajo.</translation>
    </message>
    <message>
        <source>Error ! The PR high value must large than low value !</source>
        <translation>¡Error! El valor alto de pulso debe ser mayor que el valor bajo.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>No se pudo iniciar la impresión.</translation>
    </message>
    <message>
        <source>Pulse Rate (50 BPM per division)</source>
        <translation>Frecuencia del pulso (50 bpm por división)</translation>
    </message>
    <message>
        <source>Spo2       (20% per division)</source>
        <translation>SpO2       (20% por división)</translation>
    </message>
    <message>
        <source>Event Data</source>
        <translation>Datos de eventos</translation>
    </message>
    <message>
        <source>Total Events.</source>
        <translation>Total de eventos</translation>
    </message>
    <message>
        <source>Time In Events.(Sec)</source>
        <translation>Tiempo en eventos (s)</translation>
    </message>
    <message>
        <source>Avg.Event Dur.(Sec)</source>
        <translation>Duración media (s)</translation>
    </message>
    <message>
        <source>Index.(1/hr)</source>
        <translation>Índice (1/h)</translation>
    </message>
    <message>
        <source>Avg.Event Max.</source>
        <translation>Máx. medio de evento</translation>
    </message>
    <message>
        <source>Avg.Event Min.</source>
        <translation>Mín. medio de evento</translation>
    </message>
    <message>
        <source>Max.Event offset.</source>
        <translation>Caída inicial máx.</translation>
    </message>
    <message>
        <source>Max Time.Event.(Sec)</source>
        <translation>Evento más largo (s)</translation>
    </message>
    <message>
        <source>Max Dur.</source>
        <translation>Máx.</translation>
    </message>
    <message>
        <source>Min Dur.</source>
        <translation>Mín.</translation>
    </message>
    <message>
        <source>Avg Dur.</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Diagnose:</source>
        <translation>Diagnóstico:</translation>
    </message>
    <message>
        <source>times</source>
        <translation>veces</translation>
    </message>
    <message>
        <source>Graphic Summary</source>
        <translation>Resumen gráfico</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>RecordDate : </source>
        <translation>Fecha de registro : </translation>
    </message>
    <message>
        <source>RecordTime : </source>
        <translation>Hora de registro : </translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Parámetro</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>PatientData</source>
        <translation>Datos del paciente</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nombre :</translation>
    </message>
    <message>
        <source>Gender : </source>
        <translation>Sexo : </translation>
    </message>
    <message>
        <source>Age : </source>
        <translation>Edad : </translation>
    </message>
    <message>
        <source>Height : </source>
        <translation>Altura : </translation>
    </message>
    <message>
        <source>Weight : </source>
        <translation>Peso : </translation>
    </message>
    <message>
        <source>Physician : </source>
        <translation>Médico : </translation>
    </message>
    <message>
        <source>Note1 : </source>
        <translation>Nota1 : </translation>
    </message>
    <message>
        <source>Note2 : </source>
        <translation>Nota2 : </translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Fecha de inicio:</translation>
    </message>
    <message>
        <source>Start Time : </source>
        <translation>Hora de inicio : </translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Fecha de fin:</translation>
    </message>
    <message>
        <source>End Time : </source>
        <translation>Hora de fin : </translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Comentarios:</translation>
    </message>
    <message>
        <source>Field must be 80 or less characters in length!</source>
        <translation>¡El campo debe tener 80 caracteres o menos!</translation>
    </message>
    <message>
        <source>Field must be 40 or less characters in length!</source>
        <translation>¡El campo debe tener 40 caracteres o menos!</translation>
    </message>
    <message>
        <source>Field must be 30 or less characters in length!</source>
        <translation>¡El campo debe tener 30 caracteres o menos!</translation>
    </message>
    <message>
        <source>scope : 0 - 1000,Please ReInput</source>
        <translation>Rango: 0 - 1000; vuelva a introducirlo</translation>
    </message>
    <message>
        <source>scope : 0 - 200,Please ReInput</source>
        <translation>Rango: 0 - 200; vuelva a introducirlo</translation>
    </message>
    <message>
        <source>scope : 0 - 400,Please ReInput</source>
        <translation>Rango: 0 - 400; vuelva a introducirlo</translation>
    </message>
    <message>
        <source>scope : 0 - 157,Please ReInput</source>
        <translation>Rango: 0 - 157; vuelva a introducirlo</translation>
    </message>
    <message>
        <source>scope : 0 - 2203,Please ReInput</source>
        <translation>Rango: 0 - 2203; vuelva a introducirlo</translation>
    </message>
    <message>
        <source>Please input a num between 40 and 100 !</source>
        <translation>¡Introduzca un número entre 40 y 100!</translation>
    </message>
    <message>
        <source>Please input a num between 15 and 300 !</source>
        <translation>¡Introduzca un número entre 15 y 300!</translation>
    </message>
    <message>
        <source>Please input a num between 1 and 20 !</source>
        <translation>¡Introduzca un número entre 1 y 20!</translation>
    </message>
</context>
<context>
    <name>StudiesCommand</name>
    <message>
        <source>Study library directory (default: KESTROVA_HOME/library or ~/.local/share/kestrova/library)</source>
        <translation>Directorio de la biblioteca de estudios (predeterminado: KESTROVA_HOME/library o ~/.local/share/kestrova/library)</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Estudio</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Paciente</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>Válido</translation>
    </message>
    <message>
        <source>Nadir</source>
        <translation>Nadir</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretación</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Patient details</source>
        <translation>Datos del paciente</translation>
    </message>
    <message>
        <source>confirmed for this recording</source>
        <translation>confirmados para este registro</translation>
    </message>
    <message>
        <source>not confirmed for this recording</source>
        <translation>no confirmados para este registro</translation>
    </message>
    <message>
        <source>Physician</source>
        <translation>Médico</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Muestras</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Registrado</translation>
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
        <translation>SpO2 media</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>download (broken, what arrived)</source>
        <translation>descarga (interrumpida, lo recibido)</translation>
    </message>
    <message>
        <source>download</source>
        <translation>descarga</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>importación de %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a study number (see &apos;kestrova-cli studies list&apos;).</source>
        <translation>&quot;%1&quot; no es un número de estudio (consulte &apos;kestrova-cli studies list&apos;).</translation>
    </message>
    <message>
        <source>The study library: every downloaded or imported recording</source>
        <translation>La biblioteca de estudios: todos los registros descargados o importados</translation>
    </message>
    <message>
        <source>List the studies, oldest night first</source>
        <translation>Listar los estudios, de la noche más antigua a la más reciente</translation>
    </message>
    <message>
        <source>One JSON array of the studies</source>
        <translation>Una matriz JSON de los estudios</translation>
    </message>
    <message>
        <source>Only studies whose name, ID or start date holds TEXT</source>
        <translation>Solo los estudios cuyo nombre, ID o fecha de inicio contiene TEXTO</translation>
    </message>
    <message>
        <source>Show one study</source>
        <translation>Mostrar un estudio</translation>
    </message>
    <message>
        <source>Study number</source>
        <translation>Número de estudio</translation>
    </message>
    <message>
        <source>Import recordings (any format Kestrova reads) as studies</source>
        <translation>Importar registros (cualquier formato que Kestrova lea) como estudios</translation>
    </message>
    <message>
        <source>Program directory whose patient list proposes the details</source>
        <translation>Directorio del programa cuya lista de pacientes propone los datos</translation>
    </message>
    <message>
        <source>Recording files, or directories of them</source>
        <translation>Archivos de registro, o directorios que los contienen</translation>
    </message>
    <message>
        <source>skipped: already in the library as study %1</source>
        <translation>omitido: ya está en la biblioteca como estudio %1</translation>
    </message>
    <message>
        <source>study %1</source>
        <translation>estudio %1</translation>
    </message>
    <message>
        <source>Export a study as text (.txt), a workbook (.xlsx, .xls), CSV (.csv) or EDF+ (.edf)</source>
        <translation>Exportar un estudio como texto (.txt), libro de cálculo (.xlsx, .xls), CSV (.csv) o EDF+ (.edf)</translation>
    </message>
    <message>
        <source>Output file; its extension (case-sensitive) picks the format</source>
        <translation>Archivo de salida; su extensión (distingue mayúsculas) elige el formato</translation>
    </message>
    <message>
        <source>%1: the recording is too long to export</source>
        <translation>%1: el registro es demasiado largo para exportarlo</translation>
    </message>
    <message>
        <source>Delete a study (its file moves to the library&apos;s trash/)</source>
        <translation>Borrar un estudio (su archivo se mueve a trash/ de la biblioteca)</translation>
    </message>
    <message>
        <source>Study %1 deleted; its recording is in %2</source>
        <translation>Estudio %1 borrado; su registro está en %2</translation>
    </message>
</context>
<context>
    <name>StudyImport</name>
    <message>
        <source>the import was stopped</source>
        <translation>se detuvo la importación</translation>
    </message>
</context>
<context>
    <name>StudyLibrary</name>
    <message>
        <source>no study %1 in the library</source>
        <translation>no hay ningún estudio %1 en la biblioteca</translation>
    </message>
    <message>
        <source>cannot read the library</source>
        <translation>no se puede leer la biblioteca</translation>
    </message>
    <message>
        <source>the recording holds no samples</source>
        <translation>el registro no contiene muestras</translation>
    </message>
    <message>
        <source>cannot add the study</source>
        <translation>no se puede añadir el estudio</translation>
    </message>
    <message>
        <source>cannot change the study</source>
        <translation>no se puede modificar el estudio</translation>
    </message>
    <message>
        <source>cannot delete the study</source>
        <translation>no se puede borrar el estudio</translation>
    </message>
    <message>
        <source>cannot update the study&apos;s figures</source>
        <translation>no se pueden actualizar los parámetros del estudio</translation>
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
        <translation>Paciente</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Valid h</source>
        <translation>Válido h</translation>
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
        <translation>Interpretación</translation>
    </message>
</context>
<context>
    <name>SummaryCommand</name>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>id</source>
        <translation>id</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>start</source>
        <translation>inicio</translation>
    </message>
    <message>
        <source>rec h</source>
        <translation>reg. h</translation>
    </message>
    <message>
        <source>val h</source>
        <translation>vál. h</translation>
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
        <translation>pulso</translation>
    </message>
    <message>
        <source>Clinical figures of several recordings, one row each</source>
        <translation>Parámetros clínicos de varios registros, una fila cada uno</translation>
    </message>
    <message>
        <source>Saved recordings</source>
        <translation>Registros guardados</translation>
    </message>
    <message>
        <source>Write an RFC 4180 CSV file instead of the table (- for the standard output)</source>
        <translation>Escribir un archivo CSV RFC 4180 en lugar de la tabla (- para la salida estándar)</translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>normal &lt; 5/h, mild 5–&lt; 15, moderate 15–&lt; 30, severe ≥ 30 (common adult cut-offs)</source>
        <translation>normal &lt; 5/h, leve 5–&lt; 15, moderado 15–&lt; 30, grave ≥ 30 (umbrales habituales en adultos)</translation>
    </message>
    <message>
        <source>normal &lt; 1 %, mild 1–&lt; 10 %, moderate 10–&lt; 25 %, severe ≥ 25 %</source>
        <translation>normal &lt; 1 %, leve 1–&lt; 10 %, moderado 10–&lt; 25 %, grave ≥ 25 %</translation>
    </message>
    <message>
        <source>Overnight pulse oximetry</source>
        <translation>Pulsioximetría nocturna</translation>
    </message>
    <message>
        <source>%1 % at %2</source>
        <translation>%1 % a las %2</translation>
    </message>
    <message>
        <source>SpO2 mean / median</source>
        <translation>SpO2 media / mediana</translation>
    </message>
    <message>
        <source>SpO2 nadir</source>
        <translation>SpO2 nadir</translation>
    </message>
    <message>
        <source>SpO2 highest</source>
        <translation>SpO2 máxima</translation>
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
        <translation>Pulso medio</translation>
    </message>
    <message>
        <source>%1 bpm</source>
        <translation>%1 bpm</translation>
    </message>
    <message>
        <source>Pulse lowest / highest</source>
        <translation>Pulso mín. / máx.</translation>
    </message>
    <message>
        <source>%1 / %2 bpm</source>
        <translation>%1 / %2 bpm</translation>
    </message>
    <message>
        <source>Pulse &gt; 100 / &lt; 50 bpm</source>
        <translation>Pulso &gt; 100 / &lt; 50 bpm</translation>
    </message>
    <message>
        <source>%1 s at %2, %3 % deep</source>
        <translation>%1 s a las %2, %3 % de profundidad</translation>
    </message>
    <message>
        <source>ODI 3 %</source>
        <translation>ODI 3 %</translation>
    </message>
    <message>
        <source>%1 /h (%2 events)</source>
        <translation>%1 /h (%2 eventos)</translation>
    </message>
    <message>
        <source>ODI 4 %</source>
        <translation>ODI 4 %</translation>
    </message>
    <message>
        <source>Depth mean / median</source>
        <translation>Profundidad media / mediana</translation>
    </message>
    <message>
        <source>Length mean / median</source>
        <translation>Duración media / mediana</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Longest 3 % event</source>
        <translation>Evento de 3 % más largo</translation>
    </message>
    <message>
        <source>Desaturation area</source>
        <translation>Área de desaturación</translation>
    </message>
    <message>
        <source>%1 %·min/h</source>
        <translation>%1 %·min/h</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
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
        <translation>: sin clasificar, sin tiempo válido</translation>
    </message>
    <message>
        <source>Less than 4 h of valid recording: interpret with caution</source>
        <translation>Menos de 4 h de registro válido: interpretar con precaución</translation>
    </message>
    <message>
        <source>ODI: 3 % and 4 % desaturations per hour of valid time; the full event rule is stated on page 2.</source>
        <translation>ODI: desaturaciones del 3 % y del 4 % por hora de tiempo válido; la regla completa de eventos figura en la página 2.</translation>
    </message>
    <message>
        <source>Time in SpO2 bands</source>
        <translation>Tiempo en rangos de SpO2</translation>
    </message>
    <message>
        <source>Pulse rate (share of valid time)</source>
        <translation>Frecuencia del pulso (% del tiempo válido)</translation>
    </message>
    <message>
        <source>bpm</source>
        <translation>bpm</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretación</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>mild</source>
        <translation>leve</translation>
    </message>
    <message>
        <source>moderate</source>
        <translation>moderado</translation>
    </message>
    <message>
        <source>severe</source>
        <translation>grave</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 años</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>BMI</source>
        <translation>IMC</translation>
    </message>
    <message>
        <source>%1 kg/m²</source>
        <translation>%1 kg/m²</translation>
    </message>
    <message>
        <source>Physician</source>
        <translation>Médico</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Valid time</source>
        <translation>Tiempo válido</translation>
    </message>
    <message>
        <source>%1 (%2 % of the recording)</source>
        <translation>%1 (%2 % del registro)</translation>
    </message>
    <message>
        <source>Artefact</source>
        <translation>Artefacto</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Oximeter type %1</source>
        <translation>Oxímetro tipo %1</translation>
    </message>
    <message>
        <source>Report date</source>
        <translation>Fecha del informe</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Details proposed from the patient list: not confirmed for this recording</source>
        <translation>Datos propuestos desde la lista de pacientes: no confirmados para este registro</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Paciente</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Estudio</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Whole night</source>
        <translation>Toda la noche</translation>
    </message>
    <message>
        <source>3 % desaturation</source>
        <translation>Desaturación del 3 %</translation>
    </message>
    <message>
        <source>no valid sample (artefact)</source>
        <translation>ninguna muestra válida (artefacto)</translation>
    </message>
    <message>
        <source>range of each column filled; dashed: 90 %</source>
        <translation>rango de cada columna relleno; discontinua: 90 %</translation>
    </message>
</context>
<context>
    <name>TablePage</name>
    <message>
        <source>PR</source>
        <translation>FP</translation>
    </message>
</context>
<context>
    <name>TrendPage</name>
    <message>
        <source>PR : </source>
        <translation>FP : </translation>
    </message>
</context>
<context>
    <name>kestrova::ui::BluetoothFinder</name>
    <message>
        <source>Find Bluetooth oximeter</source>
        <translation>Buscar oxímetro Bluetooth</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source> [paired]</source>
        <translation> [emparejado]</translation>
    </message>
    <message>
        <source>Searching ...</source>
        <translation>Buscando ...</translation>
    </message>
    <message>
        <source>Choose a device or type its address.</source>
        <translation>Elija un dispositivo o escriba su dirección.</translation>
    </message>
    <message>
        <source>No Bluetooth adapter was found on this computer.</source>
        <translation>No se encontró ningún adaptador Bluetooth en este equipo.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CAboutDlg</name>
    <message>
        <source>Kestrova %1 (built %2)</source>
        <translation>Kestrova %1 (compilado el %2)</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>Ver 3.2.3Beta</source>
        <translation>Ver. 3.2.3 Beta</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CAnalysisSetup</name>
    <message>
        <source>Analysis setup</source>
        <translation>Configuración del análisis</translation>
    </message>
    <message>
        <source>These settings cannot be saved: %1.</source>
        <translation>No se puede guardar esta configuración: %1.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDateAndTimeDlg</name>
    <message>
        <source>Set Date And Time</source>
        <translation>Ajustar fecha y hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minuto:</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>Segundo:</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDelDataDlg</name>
    <message>
        <source>Delete Data</source>
        <translation>Borrar datos</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>SpO2&amp;Pr</source>
        <translation>SpO2 y &amp;pulso</translation>
    </message>
    <message>
        <source>Data Type :</source>
        <translation>Tipo de datos :</translation>
    </message>
    <message>
        <source>ID :</source>
        <translation>ID :</translation>
    </message>
    <message>
        <source>all recordings</source>
        <translation>todos los registros</translation>
    </message>
    <message>
        <source>every recording of ID %1</source>
        <translation>todos los registros del ID %1</translation>
    </message>
    <message>
        <source>the SpO2 and pulse data of ID %1</source>
        <translation>los datos de SpO2 y pulso del ID %1</translation>
    </message>
    <message>
        <source>Delete all recordings on the device? This cannot be undone.</source>
        <translation>¿Borrar todos los registros del dispositivo? Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>Delete %1 on the device? This cannot be undone.</source>
        <translation>¿Borrar %1 del dispositivo? Esta acción no se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDlgChooseType</name>
    <message>
        <source>New Data Capture</source>
        <translation>Nueva captura de datos</translation>
    </message>
    <message>
        <source>Data Info</source>
        <translation>Información de datos</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Borrar datos</translation>
    </message>
    <message>
        <source>SetDateAndTime</source>
        <translation>Ajustar fecha y hora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 samples beyond an ID&apos;s capacity of 72 hours could not be stored.</source>
        <translation>No se pudieron guardar %1 muestras que superaban la capacidad de un ID de 72 horas.</translation>
    </message>
    <message>
        <source>Deleting Data ...</source>
        <translation>Borrando datos ...</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDlgUnitSetup</name>
    <message>
        <source>Unit setup</source>
        <translation>Configuración de unidades</translation>
    </message>
    <message>
        <source>The Britain System</source>
        <translation>Sistema imperial</translation>
    </message>
    <message>
        <source>The Metric System</source>
        <translation>Sistema métrico</translation>
    </message>
    <message>
        <source>These settings cannot be saved: %1.</source>
        <translation>No se puede guardar esta configuración: %1.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CInterpretation</name>
    <message>
        <source>Interpretation</source>
        <translation>Interpretación</translation>
    </message>
    <message>
        <source>&amp;Interpretation of this recording (printed on the clinical report):</source>
        <translation>&amp;Interpretación de este registro (se imprime en el informe clínico):</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 de %2 caracteres</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;Language of Kestrova from its next start:</source>
        <translation>&amp;Idioma de Kestrova a partir del próximo inicio:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>El idioma del escritorio</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CMainFrame</name>
    <message>
        <source>NewDataCapture (&amp;N)</source>
        <translation>&amp;Nueva captura de datos</translation>
    </message>
    <message>
        <source>Find bluetooth radio</source>
        <translation>Buscar oxímetro Bluetooth</translation>
    </message>
    <message>
        <source>Open Other ID Data</source>
        <translation>Abrir datos de otro ID</translation>
    </message>
    <message>
        <source>Save Data(&amp;S)...</source>
        <translation>&amp;Guardar datos...</translation>
    </message>
    <message>
        <source>Open Saved Data(&amp;O)...</source>
        <translation>&amp;Abrir datos guardados...</translation>
    </message>
    <message>
        <source>Studies...</source>
        <translation>Estudios...</translation>
    </message>
    <message>
        <source>Check out the SpO2 event time...</source>
        <translation>Consultar el tiempo de eventos de SpO2...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>PrintPreView</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Kestrova &amp;Help</source>
        <translation>Ayuda de &amp;Kestrova</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Atajos de teclado</translation>
    </message>
    <message>
        <source>Patient Info</source>
        <translation>Datos del paciente</translation>
    </message>
    <message>
        <source>Patient Title</source>
        <translation>Título del paciente</translation>
    </message>
    <message>
        <source>Interpretation...</source>
        <translation>Interpretación...</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Tendencia</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>Clinical Summary</source>
        <translation>Resumen clínico</translation>
    </message>
    <message>
        <source>Clinical Report (PDF)...</source>
        <translation>Informe clínico (PDF)...</translation>
    </message>
    <message>
        <source>Roll Step</source>
        <translation>Paso de desplazamiento</translation>
    </message>
    <message>
        <source>Analysis Setup</source>
        <translation>Configuración del análisis</translation>
    </message>
    <message>
        <source>Unit Setup</source>
        <translation>Configuración de unidades</translation>
    </message>
    <message>
        <source>Report...</source>
        <translation>Informe...</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Idioma...</translation>
    </message>
    <message>
        <source>About 	(&amp;A)...</source>
        <translation>Acerca de 	(&amp;D)...</translation>
    </message>
    <message>
        <source>PageUp</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>PageDown</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Next Event</source>
        <translation>Evento siguiente</translation>
    </message>
    <message>
        <source>Previous Event</source>
        <translation>Evento anterior</translation>
    </message>
    <message>
        <source>Go to Time...</source>
        <translation>Ir a la hora...</translation>
    </message>
    <message>
        <source>Moves to the next 3 % desaturation and puts the cursor on its nadir</source>
        <translation>Va a la siguiente desaturación del 3 % y coloca el cursor en su nadir</translation>
    </message>
    <message>
        <source>Moves to the previous 3 % desaturation and puts the cursor on its nadir</source>
        <translation>Va a la desaturación del 3 % anterior y coloca el cursor en su nadir</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modo</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Página:</translation>
    </message>
    <message>
        <source>The language changes the next time Kestrova starts.</source>
        <translation>El idioma cambiará la próxima vez que se inicie Kestrova.</translation>
    </message>
    <message>
        <source>Details proposed from the patient list for ID %1: not confirmed for this recording. &lt;a href=&quot;confirm&quot;&gt;Confirm or change them...&lt;/a&gt;</source>
        <translation>Datos propuestos desde la lista de pacientes para el ID %1: no confirmados para este registro. &lt;a href=&quot;confirm&quot;&gt;Confirmarlos o cambiarlos...&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Page:%1/%2</source>
        <translation>Página:%1/%2</translation>
    </message>
    <message>
        <source>The patient details or the title of this recording were changed and are not saved anywhere yet.

Save them before going on?</source>
        <translation>Los datos del paciente o el título de este registro se modificaron y aún no se han guardado en ningún sitio.

¿Desea guardarlos antes de continuar?</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CModifyTitle</name>
    <message>
        <source>Modify Title</source>
        <translation>Modificar título</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CNightsDlg</name>
    <message>
        <source>Nights of %1</source>
        <translation>Noches de %1</translation>
    </message>
    <message>
        <source>&amp;Open the Latest Night</source>
        <translation>&amp;Abrir la última noche</translation>
    </message>
    <message>
        <source>Opens the latest of these nights; its clinical report compares all of them</source>
        <translation>Abre la más reciente de estas noches; su informe clínico las compara todas</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::COtherIDSelect</name>
    <message>
        <source>Open other ID data</source>
        <translation>Abrir datos de otro ID</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CPatientInfo</name>
    <message>
        <source>Edit patient information</source>
        <translation>Editar datos del paciente</translation>
    </message>
    <message>
        <source>ID Number</source>
        <translation>Número de ID</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
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
        <translation>Altura</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Physician</source>
        <translation>Médico</translation>
    </message>
    <message>
        <source>Note 1</source>
        <translation>Nota 1</translation>
    </message>
    <message>
        <source>Note 2</source>
        <translation>Nota 2</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Save Info</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>Delete Info</source>
        <translation>Borrar datos</translation>
    </message>
    <message>
        <source>a patient without a name</source>
        <translation>un paciente sin nombre</translation>
    </message>
    <message>
        <source>Use stored details (%1)</source>
        <translation>Usar datos guardados (%1)</translation>
    </message>
    <message>
        <source>The patient database holds details for ID %1. The device may have recorded another patient under the same ID.</source>
        <translation>La base de datos de pacientes contiene datos para el ID %1. Es posible que el dispositivo haya registrado a otro paciente con el mismo ID.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CReportSetup</name>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Clinic name</source>
        <translation>Nombre del centro</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Fields left empty are not printed.</source>
        <translation>Los campos vacíos no se imprimen.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.svg);;All files (*)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.bmp *.svg);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>No logo</source>
        <translation>Sin logotipo</translation>
    </message>
    <message>
        <source>%1: not an image this program can read</source>
        <translation>%1: no es una imagen que este programa pueda leer</translation>
    </message>
    <message>
        <source>These settings cannot be saved: %1.</source>
        <translation>No se puede guardar esta configuración: %1.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CSetRollStep</name>
    <message>
        <source>Setup Step</source>
        <translation>Configurar paso</translation>
    </message>
    <message>
        <source>Roll Step</source>
        <translation>Paso de desplazamiento</translation>
    </message>
    <message>
        <source>Please input a number !</source>
        <translation>¡Introduzca un número!</translation>
    </message>
    <message>
        <source>Enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CStudiesDlg</name>
    <message>
        <source>Studies</source>
        <translation>Estudios</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>name, ID or date</source>
        <translation>nombre, ID o fecha</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Compare &amp;Nights...</source>
        <translation>Comparar &amp;noches...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>Bo&amp;rrar...</translation>
    </message>
    <message>
        <source>Studies (%1)</source>
        <translation>Estudios (%1)</translation>
    </message>
    <message>
        <source>Delete the study of %1 from %2? Its recording is moved to the library&apos;s trash.</source>
        <translation>¿Borrar el estudio de %1 del %2? Su registro se mueve a la papelera de la biblioteca.</translation>
    </message>
    <message>
        <source>Delete these %1 studies? Their recordings are moved to the library&apos;s trash.</source>
        <translation>¿Borrar estos %1 estudios? Sus registros se mueven a la papelera de la biblioteca.</translation>
    </message>
    <message>
        <source>Select nights of one patient to compare them (%1 and %2 are different patients).</source>
        <translation>Seleccione noches de un mismo paciente para compararlas (%1 y %2 son pacientes distintos).</translation>
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
Pulso %3 bpm</translation>
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
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>Desaturations (3 %)</source>
        <translation>Desaturaciones (3 %)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Baseline</source>
        <translation>Basal</translation>
    </message>
    <message>
        <source>Nadir</source>
        <translation>Nadir</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profundidad</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>No desaturation after this point.</source>
        <translation>No hay ninguna desaturación después de este punto.</translation>
    </message>
    <message>
        <source>No desaturation before this point.</source>
        <translation>No hay ninguna desaturación antes de este punto.</translation>
    </message>
    <message>
        <source>Go to time</source>
        <translation>Ir a la hora</translation>
    </message>
    <message>
        <source>Time (HH:MM:SS), or date and time (YYYY-MM-DD HH:MM:SS):</source>
        <translation>Hora (HH:MM:SS), o fecha y hora (YYYY-MM-DD HH:MM:SS):</translation>
    </message>
    <message>
        <source>Type a time as HH:MM:SS, or a date and time as YYYY-MM-DD HH:MM:SS.</source>
        <translation>Escriba una hora como HH:MM:SS, o una fecha y hora como YYYY-MM-DD HH:MM:SS.</translation>
    </message>
    <message>
        <source>%1 is not within this recording, which runs from %2 to %3.</source>
        <translation>%1 no está dentro de este registro, que va de %2 a %3.</translation>
    </message>
    <message>
        <source>The recent files could not be remembered: %1</source>
        <translation>No se pudieron recordar los archivos recientes: %1</translation>
    </message>
    <message>
        <source>ID %1 (downloaded)</source>
        <translation>ID %1 (descargado)</translation>
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
        <translation>Todo el registro: haga clic o arrastre para mover la vista allí</translation>
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
        <translation>Datos propuestos desde la lista de pacientes: no confirmados para este registro</translation>
    </message>
    <message>
        <source> (partial)</source>
        <translation> (parcial)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
</context>
</TS>
