<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnalysisSheet</name>
    <message>
        <source>Pulse</source>
        <translation>Pouls</translation>
    </message>
</context>
<context>
    <name>AnalyzeCommand</name>
    <message>
        <source>Clinical figures</source>
        <translation>Valeurs cliniques</translation>
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
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>Valide</translation>
    </message>
    <message>
        <source>Artefact</source>
        <translation>Artefact</translation>
    </message>
    <message>
        <source>SpO2 mean / median</source>
        <translation>SpO2 moyenne / médiane</translation>
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
        <translation>%1 /h (%2 événements)</translation>
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
        <translation>Profondeur %1 % moyenne / médiane</translation>
    </message>
    <message>
        <source>%1 / %2 %</source>
        <translation>%1 / %2 %</translation>
    </message>
    <message>
        <source>%1 % duration mean / median</source>
        <translation>Durée %1 % moyenne / médiane</translation>
    </message>
    <message>
        <source>%1 / %2 s</source>
        <translation>%1 / %2 s</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1 s at %2, %3 % deep</source>
        <translation>%1 s à %2, profondeur %3 %</translation>
    </message>
    <message>
        <source>%1 % longest event</source>
        <translation>Événement %1 % le plus long</translation>
    </message>
    <message>
        <source>Desaturation area (3 %)</source>
        <translation>Aire de désaturation (3 %)</translation>
    </message>
    <message>
        <source>%1 %min/h</source>
        <translation>%1 %min/h</translation>
    </message>
    <message>
        <source>Pulse mean / min / max</source>
        <translation>Pouls moyen / min / max</translation>
    </message>
    <message>
        <source>%1 / %2 / %3 bpm</source>
        <translation>%1 / %2 / %3 bpm</translation>
    </message>
    <message>
        <source>Pulse &gt; 100 / &lt; 50 bpm</source>
        <translation>Pouls &gt; 100 / &lt; 50 bpm</translation>
    </message>
    <message>
        <source>%1 min / %2 min</source>
        <translation>%1 min / %2 min</translation>
    </message>
    <message>
        <source>Event and threshold analysis of a saved recording</source>
        <translation>Analyse des événements et des seuils d&apos;un enregistrement sauvegardé</translation>
    </message>
    <message>
        <source>Saved data file (.dat)</source>
        <translation>Fichier de données sauvegardé (.dat)</translation>
    </message>
    <message>
        <source>One JSON object instead of the summary table</source>
        <translation>Un objet JSON au lieu du tableau récapitulatif</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Pulse oximetry recordings</source>
        <translation>Enregistrements d&apos;oxymétrie de pouls</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>BluetoothLink</name>
    <message>
        <source>Bluetooth link</source>
        <translation>Liaison Bluetooth</translation>
    </message>
    <message>
        <source>not a Bluetooth address</source>
        <translation>pas une adresse Bluetooth</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Bluetooth address.</source>
        <translation>« %1 » n&apos;est pas une adresse Bluetooth.</translation>
    </message>
    <message>
        <source>Bluetooth is not available: %1.</source>
        <translation>Bluetooth n&apos;est pas disponible : %1.</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2.</source>
        <translation>Connexion à %1 impossible : %2.</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>non connecté</translation>
    </message>
    <message>
        <source>the link took no bytes</source>
        <translation>la liaison n&apos;a accepté aucun octet</translation>
    </message>
    <message>
        <source>the peer closed the link</source>
        <translation>l&apos;appareil distant a fermé la liaison</translation>
    </message>
</context>
<context>
    <name>CAnalysisSetup</name>
    <message>
        <source>Times with saturations high</source>
        <translation>Seuil de SpO2 haute</translation>
    </message>
    <message>
        <source>Times with saturations low</source>
        <translation>Seuil de SpO2 basse</translation>
    </message>
    <message>
        <source>Times with pr high</source>
        <translation>Seuil de pouls haut</translation>
    </message>
    <message>
        <source>Times with pr low</source>
        <translation>Seuil de pouls bas</translation>
    </message>
    <message>
        <source>Desaturation Event</source>
        <translation>Événement de désaturation</translation>
    </message>
    <message>
        <source>Pulse Event</source>
        <translation>Événement de pouls</translation>
    </message>
</context>
<context>
    <name>CTavroApp</name>
    <message>
        <source>Demo oximeter attached on %1 - File &gt; NewDataCapture downloads it</source>
        <translation>Oxymètre de démonstration connecté sur %1 - Fichier &gt; Nouvelle acquisition le télécharge</translation>
    </message>
    <message>
        <source>Patient list not available</source>
        <translation>Liste des patients non disponible</translation>
    </message>
    <message>
        <source>Settings not read: defaults in use</source>
        <translation>Paramètres non lus : valeurs par défaut utilisées</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read, so the default settings are used and the file is left as it is.

%2</source>
        <translation>Le fichier de paramètres %1 ne peut pas être lu : les paramètres par défaut sont utilisés et le fichier est laissé tel quel.

%2</translation>
    </message>
    <message>
        <source>Study library not available</source>
        <translation>Bibliothèque d&apos;examens non disponible</translation>
    </message>
    <message>
        <source>The study library cannot be opened, so downloads are kept only in memory and in the files you save.

%1</source>
        <translation>La bibliothèque d&apos;examens ne peut pas être ouverte : les téléchargements ne sont conservés qu&apos;en mémoire et dans les fichiers que vous enregistrez.

%1</translation>
    </message>
    <message>
        <source>%1 recordings added to the study library, %2 already there.</source>
        <translation>%1 enregistrements ajoutés à la bibliothèque d&apos;examens, %2 déjà présents.</translation>
    </message>
    <message>
        <source>

Not added:
</source>
        <translation>

Non ajoutés :
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
        <translation>Ces enregistrements n&apos;ont pas pu être conservés dans la bibliothèque d&apos;examens ; enregistrez-les avec Enregistrer les données avant le prochain téléchargement :
%1</translation>
    </message>
</context>
<context>
    <name>CaptureSession</name>
    <message>
        <source>the link failed</source>
        <translation>la liaison a échoué</translation>
    </message>
    <message>
        <source>the device stopped sending</source>
        <translation>l&apos;appareil a cessé d&apos;émettre</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Program directory holding bldb/pationtrec.dat (default: KESTROVA_HOME or the executable&apos;s directory)</source>
        <translation>Répertoire du programme contenant bldb/pationtrec.dat (par défaut : KESTROVA_HOME ou le répertoire de l&apos;exécutable)</translation>
    </message>
    <message>
        <source>Settings file to read and write (default: ./Kestrova.ini when it exists, else the per-user one of an installed program)</source>
        <translation>Fichier de paramètres à lire et écrire (par défaut : ./Kestrova.ini s&apos;il existe, sinon celui de l&apos;utilisateur pour un programme installé)</translation>
    </message>
    <message>
        <source>%1; the default settings are used</source>
        <translation>%1 ; les paramètres par défaut sont utilisés</translation>
    </message>
    <message>
        <source>The patient database is not used: %1</source>
        <translation>La base de données des patients n&apos;est pas utilisée : %1</translation>
    </message>
    <message>
        <source>Try &apos;kestrova-cli --help&apos; or &apos;kestrova-cli COMMAND --help&apos;.</source>
        <translation>Essayez « kestrova-cli --help » ou « kestrova-cli COMMANDE --help ».</translation>
    </message>
    <message>
        <source>A .%1 file is not text: it is not written to a terminal. Redirect the output or name a file.</source>
        <translation>Un fichier .%1 n&apos;est pas du texte : il n&apos;est pas écrit dans un terminal. Redirigez la sortie ou indiquez un nom de fichier.</translation>
    </message>
    <message>
        <source>Cannot make a temporary directory for the output.</source>
        <translation>Impossible de créer un répertoire temporaire pour la sortie.</translation>
    </message>
    <message>
        <source>Cannot read back the output from its temporary file.</source>
        <translation>Impossible de relire la sortie depuis son fichier temporaire.</translation>
    </message>
    <message>
        <source>Cannot write to the standard output.</source>
        <translation>Impossible d&apos;écrire sur la sortie standard.</translation>
    </message>
    <message>
        <source>Unknown language &quot;%1&quot;; English is used.</source>
        <translation>Langue « %1 » inconnue ; l&apos;anglais est utilisé.</translation>
    </message>
    <message>
        <source>Kestrova command-line tool</source>
        <translation>Outil en ligne de commande Kestrova</translation>
    </message>
    <message>
        <source>Display program version information and exit</source>
        <translation>Afficher la version du programme et quitter</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Afficher ce message d&apos;aide et quitter</translation>
    </message>
    <message>
        <source>Language of messages and reports: en, en_classic, de, fr, es</source>
        <translation>Langue des messages et des rapports : en, en_classic, de, fr, es</translation>
    </message>
</context>
<context>
    <name>ClinicalMetrics</name>
    <message>
        <source>Criteria: a second is valid when SpO2 is 50-100 % and pulse 25-250 bpm; every figure uses valid seconds only.</source>
        <translation>Critères : une seconde est valide si la SpO2 est de 50 à 100 % et le pouls de 25 à 250 bpm ; toutes les valeurs ne portent que sur les secondes valides.</translation>
    </message>
    <message>
        <source>Desaturations are found on SpO2 smoothed by a %1-sample median (a sample next to an artefact is kept as it is).</source>
        <translation>Les désaturations sont recherchées sur la SpO2 lissée par une médiane sur %1 échantillons (un échantillon voisin d&apos;un artefact est conservé tel quel).</translation>
    </message>
    <message>
        <source>The baseline is the lower median of the smoothed valid samples of the preceding %1 s that lie outside events (at least %2 of them) and moves by at most %3 % a sample.</source>
        <translation>La ligne de base est la médiane inférieure des échantillons valides lissés des %1 s précédentes situés hors événements (au moins %2) ; elle varie d&apos;au plus %3 % par échantillon.</translation>
    </message>
    <message>
        <source>An event starts at a sample at least %1 % below the baseline and counts when SpO2 stays there for at least %2 valid seconds, at most %3 samples in a row above; it ends before SpO2 has been back within %4 % of the baseline, or %5 % above the event&apos;s nadir, for %6 s, or after %7 s without recovery (its seconds then rejoin the baseline, which is taken afresh).</source>
        <translation>Un événement débute à un échantillon situé au moins %1 % sous la ligne de base et est compté si la SpO2 y reste au moins %2 secondes valides, avec au plus %3 échantillons consécutifs au-dessus ; il se termine avant que la SpO2 soit revenue à moins de %4 % de la ligne de base, ou à %5 % au-dessus du nadir de l&apos;événement, pendant %6 s, ou après %7 s sans récupération (ses secondes rejoignent alors la ligne de base, qui est recalculée).</translation>
    </message>
    <message>
        <source>After an event the next one also needs a fall of %1 % below the highest SpO2 since, until SpO2 is back within %2 % of the baseline.</source>
        <translation>Après un événement, le suivant exige aussi une baisse de %1 % sous la SpO2 la plus haute depuis, jusqu&apos;à ce que la SpO2 soit revenue à moins de %2 % de la ligne de base.</translation>
    </message>
    <message>
        <source>A 4 % event is a 3 % event that holds at least 4 % below its baseline in the same way.</source>
        <translation>Un événement à 4 % est un événement à 3 % qui se maintient de la même façon au moins 4 % sous sa ligne de base.</translation>
    </message>
    <message>
        <source>Artefact gaps of up to %1 s inside an event are bridged and count neither as event nor as valid time; a longer gap ends it.</source>
        <translation>Les interruptions par artefact d&apos;au plus %1 s au sein d&apos;un événement sont comblées et ne comptent ni comme événement ni comme temps valide ; une interruption plus longue y met fin.</translation>
    </message>
    <message>
        <source>Depth is the baseline minus the lowest smoothed SpO2 of the event; duration is its event time.</source>
        <translation>La profondeur est la ligne de base moins la SpO2 lissée la plus basse de l&apos;événement ; la durée est son temps d&apos;événement.</translation>
    </message>
</context>
<context>
    <name>ClinicalReport</name>
    <message>
        <source>Follow-up</source>
        <translation>Suivi</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>le PDF n&apos;a pas pu être dessiné</translation>
    </message>
    <message>
        <source>Overnight pulse oximetry - ID %1</source>
        <translation>Oxymétrie de pouls nocturne - ID %1</translation>
    </message>
    <message>
        <source>Overnight pulse oximetry</source>
        <translation>Oxymétrie de pouls nocturne</translation>
    </message>
</context>
<context>
    <name>ClinicalReportCommand</name>
    <message>
        <source>The whole-night clinical report of a recording as a PDF</source>
        <translation>Le rapport clinique de la nuit entière d&apos;un enregistrement au format PDF</translation>
    </message>
    <message>
        <source>Saved recording</source>
        <translation>Enregistrement sauvegardé</translation>
    </message>
    <message>
        <source>OUT.pdf</source>
        <translation>SORTIE.pdf</translation>
    </message>
    <message>
        <source>a4 or letter (default: the paper of Options &gt; Report, else a4)</source>
        <translation>a4 ou letter (par défaut : le papier de Options &gt; Rapport, sinon a4)</translation>
    </message>
    <message>
        <source>UTF-8 text printed as the interpretation (default: an empty box to write in)</source>
        <translation>Texte UTF-8 imprimé comme interprétation (par défaut : un cadre vide à remplir)</translation>
    </message>
    <message>
        <source>OUT must end in .pdf.</source>
        <translation>SORTIE doit se terminer par .pdf.</translation>
    </message>
    <message>
        <source>%1: larger than 64 KiB, not an interpretation</source>
        <translation>%1 : plus de 64 Kio, pas une interprétation</translation>
    </message>
    <message>
        <source>The interpretation cannot be read: %1</source>
        <translation>L&apos;interprétation ne peut pas être lue : %1</translation>
    </message>
</context>
<context>
    <name>CsvRecording</name>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>line 1: the header names no time column (expected for example time, spo2 and pulse)</source>
        <translation>ligne 1 : l&apos;en-tête ne nomme aucune colonne d&apos;heure (attendu par exemple time, spo2 et pulse)</translation>
    </message>
    <message>
        <source>line 1: the header names no SpO2 column (expected for example time, spo2 and pulse)</source>
        <translation>ligne 1 : l&apos;en-tête ne nomme aucune colonne SpO2 (attendu par exemple time, spo2 et pulse)</translation>
    </message>
    <message>
        <source>line 1: the header names no pulse column (expected for example time, spo2 and pulse)</source>
        <translation>ligne 1 : l&apos;en-tête ne nomme aucune colonne de pouls (attendu par exemple time, spo2 et pulse)</translation>
    </message>
    <message>
        <source>%1: no time of day in &quot;%2&quot;</source>
        <translation>%1 : aucune heure dans « %2 »</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a time of day</source>
        <translation>%1 : « %2 » n&apos;est pas une heure</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a date (expected for example 2026-06-19, 19.06.2026, 6/19/2026 or Jun 19, 2026)</source>
        <translation>%1 : « %2 » n&apos;est pas une date (attendu par exemple 2026-06-19, 19.06.2026, 6/19/2026 ou Jun 19, 2026)</translation>
    </message>
    <message>
        <source>%1: no date Kestrova can keep (years 2000 to 2255)</source>
        <translation>%1 : aucune date que Kestrova puisse conserver (années 2000 à 2255)</translation>
    </message>
    <message>
        <source>%1: no %2 value and no missing-value marker in column %3</source>
        <translation>%1 : aucune valeur %2 ni marqueur de valeur manquante dans la colonne %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 in column %4 is out of range (0 to %5, or a missing-value marker)</source>
        <translation>%1 : %2 %3 dans la colonne %4 est hors limites (0 à %5, ou un marqueur de valeur manquante)</translation>
    </message>
    <message>
        <source>the dates are neither all day/month/year nor all month/day/year</source>
        <translation>les dates ne sont ni toutes jour/mois/année ni toutes mois/jour/année</translation>
    </message>
    <message>
        <source>the dates can be read day/month/year and month/day/year and nothing in the file settles which; they are read month/day/year</source>
        <translation>les dates peuvent se lire jour/mois/année et mois/jour/année et rien dans le fichier ne permet de trancher ; elles sont lues mois/jour/année</translation>
    </message>
    <message>
        <source>is not a recording this program can open: it holds more than %1 samples (a recording holds 0 to %2).</source>
        <translation>n&apos;est pas un enregistrement que ce programme peut ouvrir : il contient plus de %1 échantillons (un enregistrement en contient de 0 à %2).</translation>
    </message>
    <message>
        <source>clock set back at line %1 by %2 s</source>
        <translation>horloge reculée à la ligne %1 de %2 s</translation>
    </message>
    <message>
        <source>%1: the time %2 of line %3 again, with other values</source>
        <translation>%1 : l&apos;heure %2 de la ligne %3 à nouveau, avec d&apos;autres valeurs</translation>
    </message>
    <message>
        <source>the clock was set back %1 times in all; the first %2 are listed</source>
        <translation>l&apos;horloge a été reculée %1 fois au total ; les %2 premières sont listées</translation>
    </message>
    <message>
        <source>%1 missing-value marker read as artefact</source>
        <translation>%1 marqueur de valeur manquante lu comme artefact</translation>
    </message>
    <message>
        <source>%1 missing-value markers read as artefact</source>
        <translation>%1 marqueurs de valeur manquante lus comme artefact</translation>
    </message>
    <message>
        <source>CSV separated by commas</source>
        <translation>CSV séparé par des virgules</translation>
    </message>
    <message>
        <source>CSV separated by semicolons</source>
        <translation>CSV séparé par des points-virgules</translation>
    </message>
    <message>
        <source>CSV separated by tabs</source>
        <translation>CSV séparé par des tabulations</translation>
    </message>
    <message>
        <source>decimal commas allowed</source>
        <translation>virgules décimales admises</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>UTF-8 byte-order mark</source>
        <translation>marque d&apos;ordre des octets UTF-8</translation>
    </message>
    <message>
        <source>date %1, time %2</source>
        <translation>date %1, heure %2</translation>
    </message>
    <message>
        <source>date and time %1</source>
        <translation>date et heure %1</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>année-mois-jour</translation>
    </message>
    <message>
        <source>day.month.year</source>
        <translation>jour.mois.année</translation>
    </message>
    <message>
        <source>day/month/year</source>
        <translation>jour/mois/année</translation>
    </message>
    <message>
        <source>month/day/year</source>
        <translation>mois/jour/année</translation>
    </message>
    <message>
        <source>month names</source>
        <translation>noms de mois</translation>
    </message>
    <message>
        <source>Unix time in seconds, read as UTC</source>
        <translation>temps Unix en secondes, lu en UTC</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>horloge sur 12 heures</translation>
    </message>
    <message>
        <source>SpO2 %1, pulse %2</source>
        <translation>SpO2 %1, pouls %2</translation>
    </message>
    <message>
        <source>patient ID %1</source>
        <translation>ID patient %1</translation>
    </message>
    <message>
        <source>The file %1 is not a recording this program can open: it holds more than %2 samples (a recording holds 0 to %3).</source>
        <translation>Le fichier %1 n&apos;est pas un enregistrement que ce programme peut ouvrir : il contient plus de %2 échantillons (un enregistrement en contient de 0 à %3).</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Attempted to access %1 past its end.</source>
        <translation>Tentative d&apos;accès à %1 au-delà de sa fin.</translation>
    </message>
    <message>
        <source>The file %1 is not a recording this program can open: it declares %2 samples (a recording holds 0 to %3).</source>
        <translation>Le fichier %1 n&apos;est pas un enregistrement que ce programme peut ouvrir : il déclare %2 échantillons (un enregistrement en contient de 0 à %3).</translation>
    </message>
    <message>
        <source>The file %1 is not a recording this program can open: it is %2 bytes long (a recording is at most %3 bytes).</source>
        <translation>Le fichier %1 n&apos;est pas un enregistrement que ce programme peut ouvrir : il fait %2 octets (un enregistrement fait au plus %3 octets).</translation>
    </message>
</context>
<context>
    <name>DeviceCommands</name>
    <message>
        <source>Probe only this serial port (ttyUSB0, pts/3, or a path)</source>
        <translation>Sonder uniquement ce port série (ttyUSB0, pts/3 ou un chemin)</translation>
    </message>
    <message>
        <source>Use the Bluetooth device with this address instead</source>
        <translation>Utiliser à la place l&apos;appareil Bluetooth ayant cette adresse</translation>
    </message>
    <message>
        <source>RFCOMM channel of the Bluetooth device</source>
        <translation>Canal RFCOMM de l&apos;appareil Bluetooth</translation>
    </message>
    <message>
        <source>Log every byte on the wire to this file (like KESTROVA_TRACE)</source>
        <translation>Journaliser chaque octet transmis dans ce fichier (comme KESTROVA_TRACE)</translation>
    </message>
    <message>
        <source>Cannot write the trace file %1</source>
        <translation>Impossible d&apos;écrire le fichier de trace %1</translation>
    </message>
    <message>
        <source>The study library was not updated: %1</source>
        <translation>La bibliothèque d&apos;examens n&apos;a pas été mise à jour : %1</translation>
    </message>
    <message>
        <source>ID %1 was not stored in the study library: %2</source>
        <translation>L&apos;ID %1 n&apos;a pas été enregistré dans la bibliothèque d&apos;examens : %2</translation>
    </message>
    <message>
        <source>Download every recording from the oximeter into DIR/ID&lt;n&gt;.dat</source>
        <translation>Télécharger chaque enregistrement de l&apos;oxymètre dans DIR/ID&lt;n&gt;.dat</translation>
    </message>
    <message>
        <source>Directory for the recordings</source>
        <translation>Répertoire des enregistrements</translation>
    </message>
    <message>
        <source>Replace DIR/ID&lt;n&gt;.dat instead of keeping an earlier recording beside the new one</source>
        <translation>Remplacer DIR/ID&lt;n&gt;.dat au lieu de conserver un enregistrement antérieur à côté du nouveau</translation>
    </message>
    <message>
        <source>Do not store the recordings in the study library</source>
        <translation>Ne pas stocker les enregistrements dans la bibliothèque d&apos;examens</translation>
    </message>
    <message>
        <source>Study library directory (default: KESTROVA_HOME/library)</source>
        <translation>Répertoire de la bibliothèque d&apos;examens (par défaut : KESTROVA_HOME/library)</translation>
    </message>
    <message>
        <source>The download broke while ID %1 was arriving; what arrived is in %2</source>
        <translation>Le téléchargement s&apos;est interrompu pendant la réception de l&apos;ID %1 ; ce qui a été reçu se trouve dans %2</translation>
    </message>
    <message>
        <source>%1 samples beyond an ID&apos;s capacity were not stored.</source>
        <translation>%1 échantillons dépassant la capacité d&apos;un ID n&apos;ont pas été stockés.</translation>
    </message>
    <message>
        <source>Set the oximeter&apos;s clock</source>
        <translation>Régler l&apos;horloge de l&apos;oxymètre</translation>
    </message>
    <message>
        <source>&quot;YYYY-MM-DD HH:MM:SS&quot; (default: now)</source>
        <translation>« AAAA-MM-JJ HH:MM:SS » (par défaut : maintenant)</translation>
    </message>
    <message>
        <source>--time must be &quot;YYYY-MM-DD HH:MM:SS&quot; (year 2000 or later).</source>
        <translation>--time doit être au format « AAAA-MM-JJ HH:MM:SS » (année 2000 ou ultérieure).</translation>
    </message>
    <message>
        <source>Delete recordings in the oximeter&apos;s memory</source>
        <translation>Supprimer des enregistrements de la mémoire de l&apos;oxymètre</translation>
    </message>
    <message>
        <source>Patient ID (0 or absent: all IDs)</source>
        <translation>ID patient (0 ou absent : tous les ID)</translation>
    </message>
    <message>
        <source>all, or spo2pr (SpO2 and pulse data)</source>
        <translation>all, ou spo2pr (données de SpO2 et de pouls)</translation>
    </message>
</context>
<context>
    <name>DeviceLink</name>
    <message>
        <source>The port could not be remembered in the settings file, which was left as it was: %1</source>
        <translation>Le port n&apos;a pas pu être mémorisé dans le fichier de paramètres, qui a été laissé tel quel : %1</translation>
    </message>
</context>
<context>
    <name>DeviceSimulator</name>
    <message>
        <source>stopped by the host</source>
        <translation>arrêté par l&apos;hôte</translation>
    </message>
</context>
<context>
    <name>DeviceStatus</name>
    <message>
        <source>No oximeter answered on any port.</source>
        <translation>Aucun oxymètre n&apos;a répondu sur aucun port.</translation>
    </message>
    <message>
        <source>No oximeter on the serial port %1: it does not exist or did not answer (is the device plugged in and switched on?).</source>
        <translation>Aucun oxymètre sur le port série %1 : il n&apos;existe pas ou n&apos;a pas répondu (l&apos;appareil est-il branché et allumé ?).</translation>
    </message>
    <message>
        <source>The port is in use by another program: the serial port.</source>
        <translation>Le port est utilisé par un autre programme : le port série.</translation>
    </message>
    <message>
        <source>The port is in use by another program: the serial port %1.</source>
        <translation>Le port est utilisé par un autre programme : le port série %1.</translation>
    </message>
    <message>
        <source>No permission to open the serial port. Add your user to the &quot;dialout&quot; group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Pas d&apos;autorisation d&apos;ouvrir le port série. Ajoutez votre utilisateur au groupe « dialout » (sudo usermod -aG dialout $USER), puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>No permission to open the serial port %1. Add your user to the &quot;dialout&quot; group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Pas d&apos;autorisation d&apos;ouvrir le port série %1. Ajoutez votre utilisateur au groupe « dialout » (sudo usermod -aG dialout $USER), puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>The oximeter stopped answering.</source>
        <translation>L&apos;oxymètre a cessé de répondre.</translation>
    </message>
    <message>
        <source>The oximeter&apos;s answer was not understood.</source>
        <translation>La réponse de l&apos;oxymètre n&apos;a pas été comprise.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
    <message>
        <source>The oximeter holds no recording.</source>
        <translation>L&apos;oxymètre ne contient aucun enregistrement.</translation>
    </message>
    <message>
        <source>The connection failed: the serial port could not be used.</source>
        <translation>La connexion a échoué : le port série n&apos;a pas pu être utilisé.</translation>
    </message>
    <message>
        <source>The connection failed: the serial port %1 could not be used.</source>
        <translation>La connexion a échoué : le port série %1 n&apos;a pas pu être utilisé.</translation>
    </message>
</context>
<context>
    <name>DeviceTiming</name>
    <message>
        <source>not a device timing (name=number)</source>
        <translation>pas une temporisation d&apos;appareil (nom=nombre)</translation>
    </message>
</context>
<context>
    <name>DisclosurePage</name>
    <message>
        <source>Full disclosure - one hour per strip</source>
        <translation>Tracé complet - une heure par bande</translation>
    </message>
    <message>
        <source>Hour %1: %2 %3 – %4</source>
        <translation>Heure %1 : %2 %3 – %4</translation>
    </message>
</context>
<context>
    <name>DownloadStore</name>
    <message>
        <source>no free file name</source>
        <translation>aucun nom de fichier libre</translation>
    </message>
</context>
<context>
    <name>EdfRecording</name>
    <message>
        <source>the file&apos;s size would not match its header</source>
        <translation>la taille du fichier ne correspondrait pas à son en-tête</translation>
    </message>
    <message>
        <source>The file %1 is not a recording this program can open: it holds %2 seconds (a recording holds 0 to %3).</source>
        <translation>Le fichier %1 n&apos;est pas un enregistrement que ce programme peut ouvrir : il contient %2 secondes (un enregistrement en contient de 0 à %3).</translation>
    </message>
    <message>
        <source>not an EDF or EDF+ file Kestrova can read: it does not begin with an EDF header</source>
        <translation>pas un fichier EDF ou EDF+ que Kestrova peut lire : il ne commence pas par un en-tête EDF</translation>
    </message>
    <message>
        <source>not an EDF or EDF+ file Kestrova can read: its header gives no usable size or number of signals</source>
        <translation>pas un fichier EDF ou EDF+ que Kestrova peut lire : son en-tête n&apos;indique pas de taille ou de nombre de signaux utilisable</translation>
    </message>
    <message>
        <source>the header gives no number of data records</source>
        <translation>l&apos;en-tête n&apos;indique pas le nombre d&apos;enregistrements de données</translation>
    </message>
    <message>
        <source>the header gives no duration of a data record</source>
        <translation>l&apos;en-tête n&apos;indique pas la durée d&apos;un enregistrement de données</translation>
    </message>
    <message>
        <source>the file ends inside its header</source>
        <translation>le fichier se termine à l&apos;intérieur de son en-tête</translation>
    </message>
    <message>
        <source>the signal &quot;%1&quot; gives no number of samples per data record</source>
        <translation>le signal « %1 » n&apos;indique pas le nombre d&apos;échantillons par enregistrement de données</translation>
    </message>
    <message>
        <source>the signal &quot;%1&quot; has no usable physical and digital range</source>
        <translation>le signal « %1 » n&apos;a pas de plage physique et numérique utilisable</translation>
    </message>
    <message>
        <source>no SpO2 (or SaO2) signal</source>
        <translation>aucun signal SpO2 (ou SaO2)</translation>
    </message>
    <message>
        <source>no pulse (or PR, HR) signal</source>
        <translation>aucun signal de pouls (ou PR, HR)</translation>
    </message>
    <message>
        <source>the header says %1 data records, the file holds %2</source>
        <translation>l&apos;en-tête indique %1 enregistrements de données, le fichier en contient %2</translation>
    </message>
    <message>
        <source>the signal &quot;%1&quot; has fewer than one sample per second</source>
        <translation>le signal « %1 » a moins d&apos;un échantillon par seconde</translation>
    </message>
    <message>
        <source>the signal &quot;%1&quot; holds %2 samples; Kestrova reads at most %3 (64 a second over a whole recording)</source>
        <translation>le signal « %1 » contient %2 échantillons ; Kestrova en lit au plus %3 (64 par seconde sur tout un enregistrement)</translation>
    </message>
    <message>
        <source>the header gives no start date and time (dd.mm.yy and hh.mm.ss)</source>
        <translation>l&apos;en-tête n&apos;indique pas de date et d&apos;heure de début (jj.mm.aa et hh.mm.ss)</translation>
    </message>
    <message>
        <source>the header&apos;s start year is &quot;yy&quot; and the recording field gives no year</source>
        <translation>l&apos;année de début de l&apos;en-tête est « yy » et le champ d&apos;enregistrement n&apos;indique pas d&apos;année</translation>
    </message>
    <message>
        <source>the header&apos;s start date %1 is no date</source>
        <translation>la date de début de l&apos;en-tête %1 n&apos;est pas une date</translation>
    </message>
    <message>
        <source>the recording starts in %1; Kestrova keeps recordings from 2000 to 2255</source>
        <translation>l&apos;enregistrement commence en %1 ; Kestrova conserve les enregistrements de 2000 à 2255</translation>
    </message>
    <message>
        <source>the file ended while it was read (data record %1)</source>
        <translation>le fichier s&apos;est terminé pendant la lecture (enregistrement de données %1)</translation>
    </message>
    <message>
        <source>data record %1 holds an unreadable annotation</source>
        <translation>l&apos;enregistrement de données %1 contient une annotation illisible</translation>
    </message>
    <message>
        <source>data record %1 starts at %2 s, before the data record before it ends</source>
        <translation>l&apos;enregistrement de données %1 commence à %2 s, avant la fin de l&apos;enregistrement de données précédent</translation>
    </message>
    <message>
        <source>%1, %2 signals, %3 data records of %4 s; SpO2 &quot;%5&quot; at %6 Hz, pulse &quot;%7&quot; at %8 Hz</source>
        <translation>%1, %2 signaux, %3 enregistrements de données de %4 s ; SpO2 « %5 » à %6 Hz, pouls « %7 » à %8 Hz</translation>
    </message>
    <message>
        <source>EDF+D (discontinuous)</source>
        <translation>EDF+D (discontinu)</translation>
    </message>
    <message>
        <source>clock set back %1 s after the start by %2 s</source>
        <translation>horloge reculée %1 s après le début de %2 s</translation>
    </message>
</context>
<context>
    <name>Exchanges</name>
    <message>
        <source>not connected</source>
        <translation>non connecté</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>not an identification</source>
        <translation>pas une identification</translation>
    </message>
    <message>
        <source>not the totals</source>
        <translation>pas les totaux</translation>
    </message>
    <message>
        <source>the deletion was not acknowledged</source>
        <translation>la suppression n&apos;a pas été confirmée</translation>
    </message>
    <message>
        <source>the clock was refused</source>
        <translation>l&apos;horloge a été refusée</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Cannot export to &quot;%1&quot;: the name must end in .txt, .xls, .xlsx, .csv or .edf.</source>
        <translation>Impossible d&apos;exporter vers « %1 » : le nom doit se terminer par .txt, .xls, .xlsx, .csv ou .edf.</translation>
    </message>
    <message>
        <source>Format when OUT is - (the standard output)</source>
        <translation>Format lorsque SORTIE est - (la sortie standard)</translation>
    </message>
    <message>
        <source>Export a recording as text (.txt), a workbook (.xlsx, .xls), CSV (.csv) or EDF+ (.edf)</source>
        <translation>Exporter un enregistrement en texte (.txt), classeur (.xlsx, .xls), CSV (.csv) ou EDF+ (.edf)</translation>
    </message>
    <message>
        <source>Saved data file (.dat)</source>
        <translation>Fichier de données sauvegardé (.dat)</translation>
    </message>
    <message>
        <source>Output file; its extension (case-sensitive) picks the format</source>
        <translation>Fichier de sortie ; son extension (sensible à la casse) détermine le format</translation>
    </message>
    <message>
        <source>Write the event time report of a saved recording</source>
        <translation>Écrire le rapport des durées d&apos;événements d&apos;un enregistrement sauvegardé</translation>
    </message>
    <message>
        <source>Report file (.txt), or - for the standard output</source>
        <translation>Fichier du rapport (.txt), ou - pour la sortie standard</translation>
    </message>
    <message>
        <source>Cannot write the report to &quot;%1&quot;: the name must end in .txt.</source>
        <translation>Impossible d&apos;écrire le rapport dans « %1 » : le nom doit se terminer par .txt.</translation>
    </message>
</context>
<context>
    <name>FrameNavigation</name>
    <message>
        <source>Page width (default)</source>
        <translation>Largeur de page (par défaut)</translation>
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
        <translation>Enregistrement entier</translation>
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
        <translation>&lt;p&gt;Le manuel n&apos;est pas disponible.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Kestrova Help</source>
        <translation>Aide de Kestrova</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
</context>
<context>
    <name>HourTablePage</name>
    <message>
        <source>Hour by hour and events</source>
        <translation>Heure par heure et événements</translation>
    </message>
    <message>
        <source>Hour by hour (continued)</source>
        <translation>Heure par heure (suite)</translation>
    </message>
    <message>
        <source>Each clock hour</source>
        <translation>Chaque heure d&apos;horloge</translation>
    </message>
    <message>
        <source>Hour
</source>
        <translation>Heure
</translation>
    </message>
    <message>
        <source>Valid
min</source>
        <translation>Valide
min</translation>
    </message>
    <message>
        <source>SpO2
mean %</source>
        <translation>SpO2
moy. %</translation>
    </message>
    <message>
        <source>SpO2
lowest %</source>
        <translation>SpO2
min. %</translation>
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
        <translation>Évén.
3 %</translation>
    </message>
    <message>
        <source>4 %
events</source>
        <translation>Évén.
4 %</translation>
    </message>
    <message>
        <source>Rate 3 % / 4 %
per h</source>
        <translation>Index 3 % / 4 %
par h</translation>
    </message>
    <message>
        <source>Pulse
mean bpm</source>
        <translation>Pouls
moy. bpm</translation>
    </message>
    <message>
        <source>No samples recorded.</source>
        <translation>Aucun échantillon enregistré.</translation>
    </message>
    <message>
        <source>The %1 deepest 3 % desaturations</source>
        <translation>Les %1 désaturations à 3 % les plus profondes</translation>
    </message>
    <message>
        <source>Start
</source>
        <translation>Début
</translation>
    </message>
    <message>
        <source>Duration
s</source>
        <translation>Durée
s</translation>
    </message>
    <message>
        <source>Baseline
%</source>
        <translation>Base
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
        <translation>Profondeur
%</translation>
    </message>
    <message>
        <source>Area
%·s</source>
        <translation>Aire
%·s</translation>
    </message>
    <message>
        <source>No 3 % desaturation in this recording.</source>
        <translation>Aucune désaturation à 3 % dans cet enregistrement.</translation>
    </message>
</context>
<context>
    <name>InfoCommand</name>
    <message>
        <source>Show the patient ID, sample count, title and time span of a recording, and how its file was read</source>
        <translation>Afficher l&apos;ID patient, le nombre d&apos;échantillons, le titre et la période d&apos;un enregistrement, ainsi que la façon dont son fichier a été lu</translation>
    </message>
    <message>
        <source>Saved data file</source>
        <translation>Fichier de données sauvegardé</translation>
    </message>
    <message>
        <source>The patient database is not used: %1</source>
        <translation>La base de données des patients n&apos;est pas utilisée : %1</translation>
    </message>
    <message>
        <source>ID: %1</source>
        <translation>ID : %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nom : %1</translation>
    </message>
    <message>
        <source>Samples: %1</source>
        <translation>Échantillons : %1</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Titre : %1</translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation>Début : %1</translation>
    </message>
    <message>
        <source>End: %1</source>
        <translation>Fin : %1</translation>
    </message>
    <message>
        <source>Cadence: %1</source>
        <translation>Cadence : %1</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Structure : %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Remarque : %1</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>too large (%1 bytes; at most %2 are expected)</source>
        <translation>trop volumineux (%1 octets ; au plus %2 attendus)</translation>
    </message>
</context>
<context>
    <name>KestrovaMain</name>
    <message>
        <source>kestrova: unknown language &quot;%1&quot; (known: %2); English is used</source>
        <translation>kestrova : langue « %1 » inconnue (connues : %2) ; l&apos;anglais est utilisé</translation>
    </message>
    <message>
        <source>Kestrova: downloads, shows, analyses, prints and exports the recordings of a finger pulse oximeter.</source>
        <translation>Kestrova : télécharge, affiche, analyse, imprime et exporte les enregistrements d&apos;un oxymètre de pouls digital.</translation>
    </message>
    <message>
        <source>Attach a simulated oximeter, so a download works without a device.</source>
        <translation>Connecter un oxymètre simulé, pour qu&apos;un téléchargement fonctionne sans appareil.</translation>
    </message>
    <message>
        <source>Keep the settings file (Kestrova.ini) in the per-user data directory instead of the working directory (desktop starts).</source>
        <translation>Conserver le fichier de paramètres (Kestrova.ini) dans le répertoire de données de l&apos;utilisateur au lieu du répertoire de travail (démarrages depuis le bureau).</translation>
    </message>
    <message>
        <source>Read and write this settings file instead of Kestrova.ini.</source>
        <translation>Lire et écrire ce fichier de paramètres au lieu de Kestrova.ini.</translation>
    </message>
    <message>
        <source>Language: en, en_classic, de, fr, es</source>
        <translation>Langue : en, en_classic, de, fr, es</translation>
    </message>
    <message>
        <source>Recordings to open (.dat, .csv, .edf): the first is shown, several are kept in the study library. Given to a running Kestrova, they open there.</source>
        <translation>Enregistrements à ouvrir (.dat, .csv, .edf) : le premier est affiché, s&apos;il y en a plusieurs ils sont conservés dans la bibliothèque d&apos;examens. Transmis à un Kestrova déjà lancé, ils s&apos;y ouvrent.</translation>
    </message>
    <message>
        <source>kestrova: %1 (see kestrova --help)</source>
        <translation>kestrova : %1 (voir kestrova --help)</translation>
    </message>
</context>
<context>
    <name>LibrarySchema</name>
    <message>
        <source>another Kestrova kept the library busy for too long; try again</source>
        <translation>un autre Kestrova a occupé la bibliothèque trop longtemps ; réessayez</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the library cannot be written here (no permission)</source>
        <translation>la bibliothèque ne peut pas être écrite ici (pas d&apos;autorisation)</translation>
    </message>
    <message>
        <source>the library file cannot be opened</source>
        <translation>le fichier de la bibliothèque ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>not a Kestrova study library</source>
        <translation>pas une bibliothèque d&apos;examens Kestrova</translation>
    </message>
    <message>
        <source>the library file is damaged</source>
        <translation>le fichier de la bibliothèque est endommagé</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the library file could not be read or written (%1)</source>
        <translation>le fichier de la bibliothèque n&apos;a pas pu être lu ou écrit (%1)</translation>
    </message>
    <message>
        <source>not a Kestrova study library (not a file)</source>
        <translation>pas une bibliothèque d&apos;examens Kestrova (pas un fichier)</translation>
    </message>
    <message>
        <source>cannot read the library</source>
        <translation>impossible de lire la bibliothèque</translation>
    </message>
    <message>
        <source>made by a newer Kestrova (library version %1); this program reads up to %2</source>
        <translation>créée par un Kestrova plus récent (version de bibliothèque %1) ; ce programme lit jusqu&apos;à la version %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The settings were not saved, and the settings file was left as it was:
%1</source>
        <translation>Les paramètres n&apos;ont pas été enregistrés et le fichier de paramètres a été laissé tel quel :
%1</translation>
    </message>
</context>
<context>
    <name>NightsComparison</name>
    <message>
        <source>Nights compared</source>
        <translation>Comparaison des nuits</translation>
    </message>
    <message>
        <source>Night
</source>
        <translation>Nuit
</translation>
    </message>
    <message>
        <source>Duration
</source>
        <translation>Durée
</translation>
    </message>
    <message>
        <source>Valid
h</source>
        <translation>Valide
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
        <translation>SpO2 moy.
%</translation>
    </message>
    <message>
        <source>%1 earlier nights in the chart only</source>
        <translation>%1 nuits antérieures dans le graphique seulement</translation>
    </message>
    <message>
        <source>ODI 3 %, T90 and nadir per night</source>
        <translation>ODI 3 %, T90 et nadir par nuit</translation>
    </message>
    <message>
        <source>ODI 3 % (/h, left)</source>
        <translation>ODI 3 % (/h, gauche)</translation>
    </message>
    <message>
        <source>T90 (%, left)</source>
        <translation>T90 (%, gauche)</translation>
    </message>
    <message>
        <source>Nadir (%, right)</source>
        <translation>Nadir (%, droite)</translation>
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
        <translation>le PDF n&apos;a pas pu être dessiné</translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation>l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
</context>
<context>
    <name>PatientDatabase</name>
    <message>
        <source>no slot for patient ID %1</source>
        <translation>aucun emplacement pour l&apos;ID patient %1</translation>
    </message>
</context>
<context>
    <name>PortDiscovery</name>
    <message>
        <source>Bluetooth serial port</source>
        <translation>Port série Bluetooth</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>not an identification</source>
        <translation>pas une identification</translation>
    </message>
    <message>
        <source>not the totals</source>
        <translation>pas les totaux</translation>
    </message>
</context>
<context>
    <name>RecordingCommands</name>
    <message>
        <source>The change was not kept in the study library: %1</source>
        <translation>La modification n&apos;a pas été conservée dans la bibliothèque d&apos;examens : %1</translation>
    </message>
    <message>
        <source>The patient details were not saved: %1</source>
        <translation>Les données du patient n&apos;ont pas été enregistrées : %1</translation>
    </message>
    <message>
        <source>Details proposed from the patient list for ID %1: confirm or change for this night</source>
        <translation>Données proposées d&apos;après la liste des patients pour l&apos;ID %1 : confirmez-les ou modifiez-les pour cette nuit</translation>
    </message>
    <message>
        <source>The study library is not available in this session.</source>
        <translation>La bibliothèque d&apos;examens n&apos;est pas disponible dans cette session.</translation>
    </message>
    <message>
        <source>Exporting to %1 ...</source>
        <translation>Exportation vers %1 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Enregistrer les données</translation>
    </message>
    <message>
        <source>(*.dat);;(*.txt);;(*.xls);;(*.xlsx);;CSV (*.csv);;EDF+ (*.edf)</source>
        <translation>(*.dat);;(*.txt);;(*.xls);;(*.xlsx);;CSV (*.csv);;EDF+ (*.edf)</translation>
    </message>
    <message>
        <source>Kestrova cannot write &quot;%1&quot;: choose a name ending in .dat, .txt, .xls, .xlsx, .csv or .edf.</source>
        <translation>Kestrova ne peut pas écrire « %1 » : choisissez un nom se terminant par .dat, .txt, .xls, .xlsx, .csv ou .edf.</translation>
    </message>
    <message>
        <source>Open Saved Data</source>
        <translation>Ouvrir des données enregistrées</translation>
    </message>
    <message>
        <source>Data file(*.dat);;CSV recording (*.csv);;EDF recording (*.edf)</source>
        <translation>Fichier de données (*.dat);;Enregistrement CSV (*.csv);;Enregistrement EDF (*.edf)</translation>
    </message>
    <message>
        <source>Kestrova cannot write the report as &quot;%1&quot;: choose a name ending in .%2.</source>
        <translation>Kestrova ne peut pas écrire le rapport sous « %1 » : choisissez un nom se terminant par .%2.</translation>
    </message>
    <message>
        <source>Check out the SpO2 event time</source>
        <translation>Rapport des durées d&apos;événements SpO2</translation>
    </message>
    <message>
        <source>Data file(*.txt)</source>
        <translation>Fichier de données (*.txt)</translation>
    </message>
    <message>
        <source>Clinical Report (PDF)</source>
        <translation>Rapport clinique (PDF)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>RecordingDocument</name>
    <message>
        <source>study library</source>
        <translation>bibliothèque d&apos;examens</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>non ouvert</translation>
    </message>
</context>
<context>
    <name>RecordingFile</name>
    <message>
        <source>one reading every %1 s, each held until the next (up to %2 s)</source>
        <translation>une mesure toutes les %1 s, chacune maintenue jusqu&apos;à la suivante (jusqu&apos;à %2 s)</translation>
    </message>
    <message>
        <source>%1 readings a second, each second the median of its valid readings</source>
        <translation>%1 mesures par seconde, chaque seconde étant la médiane de ses mesures valides</translation>
    </message>
    <message>
        <source>one reading a second</source>
        <translation>une mesure par seconde</translation>
    </message>
</context>
<context>
    <name>RenderCommand</name>
    <message>
        <source>Draw a page of a saved recording to a PNG image or an A4 PDF</source>
        <translation>Dessiner une page d&apos;un enregistrement sauvegardé dans une image PNG ou un PDF A4</translation>
    </message>
    <message>
        <source>Saved data file (.dat)</source>
        <translation>Fichier de données sauvegardé (.dat)</translation>
    </message>
    <message>
        <source>OUT.png (screen rendering) or OUT.pdf (printed page)</source>
        <translation>SORTIE.png (rendu écran) ou SORTIE.pdf (page imprimée)</translation>
    </message>
    <message>
        <source>trend, table or analysis</source>
        <translation>trend, table ou analysis</translation>
    </message>
    <message>
        <source>Page, counted from 0</source>
        <translation>Page, comptée à partir de 0</translation>
    </message>
    <message>
        <source>Screen size WxH for PNG (at most 16384x16384)</source>
        <translation>Taille d&apos;écran LxH pour le PNG (au plus 16384x16384)</translation>
    </message>
    <message>
        <source>Trend: seconds one page shows (default: one per unit of width)</source>
        <translation>Tendance : secondes affichées par page (par défaut : une par unité de largeur)</translation>
    </message>
    <message>
        <source>Trend with --span: the page starts here (YYYY-MM-DDTHH:MM:SS or HH:MM:SS)</source>
        <translation>Tendance avec --span : la page commence ici (AAAA-MM-JJTHH:MM:SS ou HH:MM:SS)</translation>
    </message>
    <message>
        <source>OUT must end in .png or .pdf.</source>
        <translation>SORTIE doit se terminer par .png ou .pdf.</translation>
    </message>
    <message>
        <source>--size applies to PNG images only: a PDF is always one A4 page.</source>
        <translation>--size ne s&apos;applique qu&apos;aux images PNG : un PDF est toujours une page A4.</translation>
    </message>
    <message>
        <source>--size must be WxH, for example 1280x800.</source>
        <translation>--size doit être LxH, par exemple 1280x800.</translation>
    </message>
    <message>
        <source>--size %1 is too large: at most 16384x16384.</source>
        <translation>--size %1 est trop grand : au plus 16384x16384.</translation>
    </message>
    <message>
        <source>--span applies to the trend view only.</source>
        <translation>--span ne s&apos;applique qu&apos;à la vue de tendance.</translation>
    </message>
    <message>
        <source>--start must be YYYY-MM-DDTHH:MM:SS or HH:MM:SS.</source>
        <translation>--start doit être AAAA-MM-JJTHH:MM:SS ou HH:MM:SS.</translation>
    </message>
    <message>
        <source>--start %1 is not within the recording (%2).</source>
        <translation>--start %1 n&apos;est pas dans l&apos;enregistrement (%2).</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>aucun échantillon</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>page %1 does not exist (0–%2)</source>
        <translation>la page %1 n&apos;existe pas (0–%2)</translation>
    </message>
</context>
<context>
    <name>ReportDrawing</name>
    <message>
        <source>Pulse</source>
        <translation>Pouls</translation>
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
        <translation>enregistré le %1</translation>
    </message>
    <message>
        <source>Report %1</source>
        <translation>Rapport %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
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
        <translation>aucun nom de port</translation>
    </message>
    <message>
        <source>locked by another program</source>
        <translation>verrouillé par un autre programme</translation>
    </message>
    <message>
        <source>unsupported line rate</source>
        <translation>débit de ligne non pris en charge</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>non ouvert</translation>
    </message>
    <message>
        <source>the port hung up</source>
        <translation>le port a raccroché</translation>
    </message>
    <message>
        <source>the port closed</source>
        <translation>le port s&apos;est fermé</translation>
    </message>
    <message>
        <source>the write did not finish in time</source>
        <translation>l&apos;écriture ne s&apos;est pas terminée à temps</translation>
    </message>
</context>
<context>
    <name>SpreadsheetExport</name>
    <message>
        <source>the workbook could not be written</source>
        <translation>le classeur n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>the workbook was not written completely (%1)</source>
        <translation>le classeur n&apos;a pas été entièrement écrit (%1)</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>new memory err!</source>
        <translation>Erreur d&apos;allocation mémoire !</translation>
    </message>
    <message>
        <source>write com command failed!</source>
        <translation>Échec de l&apos;envoi de la commande sur le port COM !</translation>
    </message>
    <message>
        <source>No Connected, please connect device!</source>
        <translation>Non connecté, veuillez connecter l&apos;appareil !</translation>
    </message>
    <message>
        <source>Read data timeout,please retry</source>
        <translation>Délai de lecture des données dépassé, veuillez réessayer</translation>
    </message>
    <message>
        <source>read com failed!</source>
        <translation>Échec de la lecture du port COM !</translation>
    </message>
    <message>
        <source>read data out of buffer!</source>
        <translation>Données lues hors du tampon !</translation>
    </message>
    <message>
        <source>Connect succeed! Total</source>
        <translation>Connexion réussie ! Au total</translation>
    </message>
    <message>
        <source>Frames!</source>
        <translation>trames !</translation>
    </message>
    <message>
        <source>Synchronization error!</source>
        <translation>Erreur de synchronisation !</translation>
    </message>
    <message>
        <source>Please select patient ID</source>
        <translation>Veuillez sélectionner l&apos;ID patient</translation>
    </message>
    <message>
        <source>no data!</source>
        <translation>Aucune donnée !</translation>
    </message>
    <message>
        <source>Create Event Failed</source>
        <translation>Échec de la création de l&apos;événement</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>groupes</translation>
    </message>
    <message>
        <source>Create Excel service failed !</source>
        <translation>Échec du lancement du service Excel !</translation>
    </message>
    <message>
        <source>can&apos;t open the file</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>Are you sure to delete the patient info?</source>
        <translation>Voulez-vous vraiment supprimer les données du patient ?</translation>
    </message>
    <message>
        <source>Patient ID invalidate</source>
        <translation>ID patient non valide</translation>
    </message>
    <message>
        <source>Field must be 60 or less characters in length!</source>
        <translation>Le champ doit comporter au plus 60 caractères !</translation>
    </message>
    <message>
        <source>Can&apos;t open pationtrec.dat file</source>
        <translation>Impossible d&apos;ouvrir le fichier pationtrec.dat</translation>
    </message>
    <message>
        <source>You have Run one</source>
        <translation>Kestrova est déjà en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>CONNECT SUCCEED</source>
        <translation>CONNEXION RÉUSSIE</translation>
    </message>
    <message>
        <source>Can&apos;t create the file</source>
        <translation>Impossible de créer le fichier</translation>
    </message>
    <message>
        <source>female</source>
        <translation>féminin</translation>
    </message>
    <message>
        <source>male</source>
        <translation>masculin</translation>
    </message>
    <message>
        <source>Desaturation Event:drop in Spo2 by at least</source>
        <translation>Événement de désaturation : baisse de la SpO2 d&apos;au moins</translation>
    </message>
    <message>
        <source>% for a minimum duration of 10 seconds.</source>
        <translation>% pendant une durée minimale de 10 secondes.</translation>
    </message>
    <message>
        <source>Pulse Event Change in rate by at least</source>
        <translation>Événement de pouls : variation de la fréquence d&apos;au moins</translation>
    </message>
    <message>
        <source>bpm for a minimum duration of 8 seconds.</source>
        <translation>bpm pendant une durée minimale de 8 secondes.</translation>
    </message>
    <message>
        <source>Can&apos;t find right COM or the device is power off !</source>
        <translation>Port COM introuvable ou appareil éteint !</translation>
    </message>
    <message>
        <source>Please input a Num !</source>
        <translation>Veuillez saisir un nombre !</translation>
    </message>
    <message>
        <source>Please input a legal value !</source>
        <translation>Veuillez saisir une valeur autorisée !</translation>
    </message>
    <message>
        <source>Set Date and Time Succeed !</source>
        <translation>Date et heure réglées !</translation>
    </message>
    <message>
        <source>Set Date and Time Error !</source>
        <translation>Erreur de réglage de la date et de l&apos;heure !</translation>
    </message>
    <message>
        <source>Device data cleared !</source>
        <translation>Données de l&apos;appareil effacées !</translation>
    </message>
    <message>
        <source>Delete Data Error !</source>
        <translation>Erreur de suppression des données !</translation>
    </message>
    <message>
        <source>Please input a num which is between 0 and</source>
        <translation>Veuillez saisir un nombre compris entre 0 et</translation>
    </message>
    <message>
        <source>Error ! The SPO2 high value must large than low value !</source>
        <translation>Erreur ! La valeur haute de SpO2 doit être supérieure à la valeur basse !</translation>
    </message>
    <message>
        <source>Error ! The PR high value must large than low value !</source>
        <translation>Erreur ! La valeur haute du pouls doit être supérieure à la valeur basse !</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Impossible de lancer l&apos;impression.</translation>
    </message>
    <message>
        <source>Pulse Rate (50 BPM per division)</source>
        <translation>Fréquence du pouls (50 bpm par division)</translation>
    </message>
    <message>
        <source>Spo2       (20% per division)</source>
        <translation>SpO2       (20 % par division)</translation>
    </message>
    <message>
        <source>Event Data</source>
        <translation>Données d&apos;événements</translation>
    </message>
    <message>
        <source>Total Events.</source>
        <translation>Nombre d&apos;événements</translation>
    </message>
    <message>
        <source>Time In Events.(Sec)</source>
        <translation>Temps en événements (s)</translation>
    </message>
    <message>
        <source>Avg.Event Dur.(Sec)</source>
        <translation>Durée moy. (s)</translation>
    </message>
    <message>
        <source>Index.(1/hr)</source>
        <translation>Index (/h)</translation>
    </message>
    <message>
        <source>Avg.Event Max.</source>
        <translation>Max. moy. d&apos;événement</translation>
    </message>
    <message>
        <source>Avg.Event Min.</source>
        <translation>Min. moy. d&apos;événement</translation>
    </message>
    <message>
        <source>Max.Event offset.</source>
        <translation>Chute initiale max.</translation>
    </message>
    <message>
        <source>Max Time.Event.(Sec)</source>
        <translation>Durée max. (s)</translation>
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
        <translation>Moy.</translation>
    </message>
    <message>
        <source>Diagnose:</source>
        <translation>Diagnostic :</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>Graphic Summary</source>
        <translation>Résumé graphique</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>RecordDate : </source>
        <translation>Date d&apos;enreg. : </translation>
    </message>
    <message>
        <source>RecordTime : </source>
        <translation>Heure d&apos;enreg. : </translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>PatientData</source>
        <translation>Données du patient</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Gender : </source>
        <translation>Sexe : </translation>
    </message>
    <message>
        <source>Age : </source>
        <translation>Âge : </translation>
    </message>
    <message>
        <source>Height : </source>
        <translation>Taille : </translation>
    </message>
    <message>
        <source>Weight : </source>
        <translation>Poids : </translation>
    </message>
    <message>
        <source>Physician : </source>
        <translation>Médecin : </translation>
    </message>
    <message>
        <source>Note1 : </source>
        <translation>Note 1 : </translation>
    </message>
    <message>
        <source>Note2 : </source>
        <translation>Note 2 : </translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Date de début :</translation>
    </message>
    <message>
        <source>Start Time : </source>
        <translation>Heure de début : </translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Date de fin :</translation>
    </message>
    <message>
        <source>End Time : </source>
        <translation>Heure de fin : </translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commentaires :</translation>
    </message>
    <message>
        <source>Field must be 80 or less characters in length!</source>
        <translation>Le champ doit comporter au plus 80 caractères !</translation>
    </message>
    <message>
        <source>Field must be 40 or less characters in length!</source>
        <translation>Le champ doit comporter au plus 40 caractères !</translation>
    </message>
    <message>
        <source>Field must be 30 or less characters in length!</source>
        <translation>Le champ doit comporter au plus 30 caractères !</translation>
    </message>
    <message>
        <source>scope : 0 - 1000,Please ReInput</source>
        <translation>plage : 0 - 1000, veuillez ressaisir</translation>
    </message>
    <message>
        <source>scope : 0 - 200,Please ReInput</source>
        <translation>plage : 0 - 200, veuillez ressaisir</translation>
    </message>
    <message>
        <source>scope : 0 - 400,Please ReInput</source>
        <translation>plage : 0 - 400, veuillez ressaisir</translation>
    </message>
    <message>
        <source>scope : 0 - 157,Please ReInput</source>
        <translation>plage : 0 - 157, veuillez ressaisir</translation>
    </message>
    <message>
        <source>scope : 0 - 2203,Please ReInput</source>
        <translation>plage : 0 - 2203, veuillez ressaisir</translation>
    </message>
    <message>
        <source>Please input a num between 40 and 100 !</source>
        <translation>Veuillez saisir un nombre entre 40 et 100 !</translation>
    </message>
    <message>
        <source>Please input a num between 15 and 300 !</source>
        <translation>Veuillez saisir un nombre entre 15 et 300 !</translation>
    </message>
    <message>
        <source>Please input a num between 1 and 20 !</source>
        <translation>Veuillez saisir un nombre entre 1 et 20 !</translation>
    </message>
</context>
<context>
    <name>StudiesCommand</name>
    <message>
        <source>Study library directory (default: KESTROVA_HOME/library or ~/.local/share/kestrova/library)</source>
        <translation>Répertoire de la bibliothèque d&apos;examens (par défaut : KESTROVA_HOME/library ou ~/.local/share/kestrova/library)</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Examen</translation>
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
        <translation>Début</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>Valide</translation>
    </message>
    <message>
        <source>Nadir</source>
        <translation>Nadir</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interprétation</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Patient details</source>
        <translation>Données du patient</translation>
    </message>
    <message>
        <source>confirmed for this recording</source>
        <translation>confirmées pour cet enregistrement</translation>
    </message>
    <message>
        <source>not confirmed for this recording</source>
        <translation>non confirmées pour cet enregistrement</translation>
    </message>
    <message>
        <source>Physician</source>
        <translation>Médecin</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Échantillons</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Enregistré</translation>
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
        <translation>SpO2 moyenne</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>download (broken, what arrived)</source>
        <translation>téléchargement (interrompu, partie reçue)</translation>
    </message>
    <message>
        <source>download</source>
        <translation>téléchargement</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>importation de %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a study number (see &apos;kestrova-cli studies list&apos;).</source>
        <translation>« %1 » n&apos;est pas un numéro d&apos;examen (voir « kestrova-cli studies list »).</translation>
    </message>
    <message>
        <source>The study library: every downloaded or imported recording</source>
        <translation>La bibliothèque d&apos;examens : tous les enregistrements téléchargés ou importés</translation>
    </message>
    <message>
        <source>List the studies, oldest night first</source>
        <translation>Lister les examens, la nuit la plus ancienne en premier</translation>
    </message>
    <message>
        <source>One JSON array of the studies</source>
        <translation>Un tableau JSON des examens</translation>
    </message>
    <message>
        <source>Only studies whose name, ID or start date holds TEXT</source>
        <translation>Seulement les examens dont le nom, l&apos;ID ou la date de début contient TEXTE</translation>
    </message>
    <message>
        <source>Show one study</source>
        <translation>Afficher un examen</translation>
    </message>
    <message>
        <source>Study number</source>
        <translation>Numéro d&apos;examen</translation>
    </message>
    <message>
        <source>Import recordings (any format Kestrova reads) as studies</source>
        <translation>Importer des enregistrements (tout format lu par Kestrova) comme examens</translation>
    </message>
    <message>
        <source>Program directory whose patient list proposes the details</source>
        <translation>Répertoire du programme dont la liste des patients propose les données</translation>
    </message>
    <message>
        <source>Recording files, or directories of them</source>
        <translation>Fichiers d&apos;enregistrement, ou répertoires les contenant</translation>
    </message>
    <message>
        <source>skipped: already in the library as study %1</source>
        <translation>ignoré : déjà dans la bibliothèque comme examen %1</translation>
    </message>
    <message>
        <source>study %1</source>
        <translation>examen %1</translation>
    </message>
    <message>
        <source>Export a study as text (.txt), a workbook (.xlsx, .xls), CSV (.csv) or EDF+ (.edf)</source>
        <translation>Exporter un examen en texte (.txt), classeur (.xlsx, .xls), CSV (.csv) ou EDF+ (.edf)</translation>
    </message>
    <message>
        <source>Output file; its extension (case-sensitive) picks the format</source>
        <translation>Fichier de sortie ; son extension (sensible à la casse) détermine le format</translation>
    </message>
    <message>
        <source>%1: the recording is too long to export</source>
        <translation>%1 : l&apos;enregistrement est trop long pour être exporté</translation>
    </message>
    <message>
        <source>Delete a study (its file moves to the library&apos;s trash/)</source>
        <translation>Supprimer un examen (son fichier est déplacé dans trash/ de la bibliothèque)</translation>
    </message>
    <message>
        <source>Study %1 deleted; its recording is in %2</source>
        <translation>Examen %1 supprimé ; son enregistrement se trouve dans %2</translation>
    </message>
</context>
<context>
    <name>StudyImport</name>
    <message>
        <source>the import was stopped</source>
        <translation>l&apos;importation a été arrêtée</translation>
    </message>
</context>
<context>
    <name>StudyLibrary</name>
    <message>
        <source>no study %1 in the library</source>
        <translation>aucun examen %1 dans la bibliothèque</translation>
    </message>
    <message>
        <source>cannot read the library</source>
        <translation>impossible de lire la bibliothèque</translation>
    </message>
    <message>
        <source>the recording holds no samples</source>
        <translation>l&apos;enregistrement ne contient aucun échantillon</translation>
    </message>
    <message>
        <source>cannot add the study</source>
        <translation>impossible d&apos;ajouter l&apos;examen</translation>
    </message>
    <message>
        <source>cannot change the study</source>
        <translation>impossible de modifier l&apos;examen</translation>
    </message>
    <message>
        <source>cannot delete the study</source>
        <translation>impossible de supprimer l&apos;examen</translation>
    </message>
    <message>
        <source>cannot update the study&apos;s figures</source>
        <translation>impossible de mettre à jour les valeurs de l&apos;examen</translation>
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
        <translation>Début</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Valid h</source>
        <translation>Valide h</translation>
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
        <translation>Interprétation</translation>
    </message>
</context>
<context>
    <name>SummaryCommand</name>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>id</source>
        <translation>id</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>start</source>
        <translation>début</translation>
    </message>
    <message>
        <source>rec h</source>
        <translation>enr h</translation>
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
        <translation>pouls</translation>
    </message>
    <message>
        <source>Clinical figures of several recordings, one row each</source>
        <translation>Valeurs cliniques de plusieurs enregistrements, une ligne chacun</translation>
    </message>
    <message>
        <source>Saved recordings</source>
        <translation>Enregistrements sauvegardés</translation>
    </message>
    <message>
        <source>Write an RFC 4180 CSV file instead of the table (- for the standard output)</source>
        <translation>Écrire un fichier CSV RFC 4180 au lieu du tableau (- pour la sortie standard)</translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>normal &lt; 5/h, mild 5–&lt; 15, moderate 15–&lt; 30, severe ≥ 30 (common adult cut-offs)</source>
        <translation>normal &lt; 5/h, léger 5–&lt; 15, modéré 15–&lt; 30, sévère ≥ 30 (seuils usuels chez l&apos;adulte)</translation>
    </message>
    <message>
        <source>normal &lt; 1 %, mild 1–&lt; 10 %, moderate 10–&lt; 25 %, severe ≥ 25 %</source>
        <translation>normal &lt; 1 %, léger 1–&lt; 10 %, modéré 10–&lt; 25 %, sévère ≥ 25 %</translation>
    </message>
    <message>
        <source>Overnight pulse oximetry</source>
        <translation>Oxymétrie de pouls nocturne</translation>
    </message>
    <message>
        <source>%1 % at %2</source>
        <translation>%1 % à %2</translation>
    </message>
    <message>
        <source>SpO2 mean / median</source>
        <translation>SpO2 moyenne / médiane</translation>
    </message>
    <message>
        <source>SpO2 nadir</source>
        <translation>Nadir SpO2</translation>
    </message>
    <message>
        <source>SpO2 highest</source>
        <translation>SpO2 maximale</translation>
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
        <translation>Pouls moyen</translation>
    </message>
    <message>
        <source>%1 bpm</source>
        <translation>%1 bpm</translation>
    </message>
    <message>
        <source>Pulse lowest / highest</source>
        <translation>Pouls min. / max.</translation>
    </message>
    <message>
        <source>%1 / %2 bpm</source>
        <translation>%1 / %2 bpm</translation>
    </message>
    <message>
        <source>Pulse &gt; 100 / &lt; 50 bpm</source>
        <translation>Pouls &gt; 100 / &lt; 50 bpm</translation>
    </message>
    <message>
        <source>%1 s at %2, %3 % deep</source>
        <translation>%1 s à %2, profondeur %3 %</translation>
    </message>
    <message>
        <source>ODI 3 %</source>
        <translation>ODI 3 %</translation>
    </message>
    <message>
        <source>%1 /h (%2 events)</source>
        <translation>%1 /h (%2 événements)</translation>
    </message>
    <message>
        <source>ODI 4 %</source>
        <translation>ODI 4 %</translation>
    </message>
    <message>
        <source>Depth mean / median</source>
        <translation>Profondeur moyenne / médiane</translation>
    </message>
    <message>
        <source>Length mean / median</source>
        <translation>Durée moyenne / médiane</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Longest 3 % event</source>
        <translation>Événement 3 % le plus long</translation>
    </message>
    <message>
        <source>Desaturation area</source>
        <translation>Aire de désaturation</translation>
    </message>
    <message>
        <source>%1 %·min/h</source>
        <translation>%1 %·min/h</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
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
        <translation> : non classé, aucun temps valide</translation>
    </message>
    <message>
        <source>Less than 4 h of valid recording: interpret with caution</source>
        <translation>Moins de 4 h d&apos;enregistrement valide : à interpréter avec prudence</translation>
    </message>
    <message>
        <source>ODI: 3 % and 4 % desaturations per hour of valid time; the full event rule is stated on page 2.</source>
        <translation>ODI : désaturations de 3 % et de 4 % par heure de temps valide ; la règle complète des événements figure en page 2.</translation>
    </message>
    <message>
        <source>Time in SpO2 bands</source>
        <translation>Temps par tranche de SpO2</translation>
    </message>
    <message>
        <source>Pulse rate (share of valid time)</source>
        <translation>Fréquence du pouls (part du temps valide)</translation>
    </message>
    <message>
        <source>bpm</source>
        <translation>bpm</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interprétation</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
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
        <translation>léger</translation>
    </message>
    <message>
        <source>moderate</source>
        <translation>modéré</translation>
    </message>
    <message>
        <source>severe</source>
        <translation>sévère</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 ans</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
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
        <translation>Médecin</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Valid time</source>
        <translation>Temps valide</translation>
    </message>
    <message>
        <source>%1 (%2 % of the recording)</source>
        <translation>%1 (%2 % de l&apos;enregistrement)</translation>
    </message>
    <message>
        <source>Artefact</source>
        <translation>Artefact</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Oximeter type %1</source>
        <translation>Oxymètre type %1</translation>
    </message>
    <message>
        <source>Report date</source>
        <translation>Date du rapport</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Logiciel</translation>
    </message>
    <message>
        <source>Details proposed from the patient list: not confirmed for this recording</source>
        <translation>Données proposées d&apos;après la liste des patients : non confirmées pour cet enregistrement</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Examen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Whole night</source>
        <translation>Nuit entière</translation>
    </message>
    <message>
        <source>3 % desaturation</source>
        <translation>désaturation à 3 %</translation>
    </message>
    <message>
        <source>no valid sample (artefact)</source>
        <translation>aucun échantillon valide (artefact)</translation>
    </message>
    <message>
        <source>range of each column filled; dashed: 90 %</source>
        <translation>plage de chaque colonne remplie ; pointillés : 90 %</translation>
    </message>
</context>
<context>
    <name>TablePage</name>
    <message>
        <source>PR</source>
        <translation>Pouls</translation>
    </message>
</context>
<context>
    <name>TrendPage</name>
    <message>
        <source>PR : </source>
        <translation>Pouls : </translation>
    </message>
</context>
<context>
    <name>kestrova::ui::BluetoothFinder</name>
    <message>
        <source>Find Bluetooth oximeter</source>
        <translation>Rechercher un oxymètre Bluetooth</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source> [paired]</source>
        <translation> [appairé]</translation>
    </message>
    <message>
        <source>Searching ...</source>
        <translation>Recherche en cours ...</translation>
    </message>
    <message>
        <source>Choose a device or type its address.</source>
        <translation>Choisissez un appareil ou saisissez son adresse.</translation>
    </message>
    <message>
        <source>No Bluetooth adapter was found on this computer.</source>
        <translation>Aucun adaptateur Bluetooth n&apos;a été trouvé sur cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CAboutDlg</name>
    <message>
        <source>Kestrova %1 (built %2)</source>
        <translation>Kestrova %1 (compilé le %2)</translation>
    </message>
    <message>
        <source>About </source>
        <translation>À propos de </translation>
    </message>
    <message>
        <source>Ver 3.2.3Beta</source>
        <translation>Ver 3.2.3Beta</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CAnalysisSetup</name>
    <message>
        <source>Analysis setup</source>
        <translation>Paramètres d&apos;analyse</translation>
    </message>
    <message>
        <source>These settings cannot be saved: %1.</source>
        <translation>Ces paramètres ne peuvent pas être enregistrés : %1.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDateAndTimeDlg</name>
    <message>
        <source>Set Date And Time</source>
        <translation>Régler la date et l&apos;heure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Heure :</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minute :</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>Seconde :</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDelDataDlg</name>
    <message>
        <source>Delete Data</source>
        <translation>Supprimer les données</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>SpO2&amp;Pr</source>
        <translation>SpO2 et &amp;pouls</translation>
    </message>
    <message>
        <source>Data Type :</source>
        <translation>Type de données :</translation>
    </message>
    <message>
        <source>ID :</source>
        <translation>ID :</translation>
    </message>
    <message>
        <source>all recordings</source>
        <translation>tous les enregistrements</translation>
    </message>
    <message>
        <source>every recording of ID %1</source>
        <translation>chaque enregistrement de l&apos;ID %1</translation>
    </message>
    <message>
        <source>the SpO2 and pulse data of ID %1</source>
        <translation>les données de SpO2 et de pouls de l&apos;ID %1</translation>
    </message>
    <message>
        <source>Delete all recordings on the device? This cannot be undone.</source>
        <translation>Supprimer tous les enregistrements de l&apos;appareil ? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Delete %1 on the device? This cannot be undone.</source>
        <translation>Supprimer %1 de l&apos;appareil ? Cette action est irréversible.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDlgChooseType</name>
    <message>
        <source>New Data Capture</source>
        <translation>Nouvelle acquisition</translation>
    </message>
    <message>
        <source>Data Info</source>
        <translation>Infos des données</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Supprimer les données</translation>
    </message>
    <message>
        <source>SetDateAndTime</source>
        <translation>Régler date et heure</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 samples beyond an ID&apos;s capacity of 72 hours could not be stored.</source>
        <translation>%1 échantillons dépassant la capacité de 72 heures d&apos;un ID n&apos;ont pas pu être stockés.</translation>
    </message>
    <message>
        <source>Deleting Data ...</source>
        <translation>Suppression des données ...</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CDlgUnitSetup</name>
    <message>
        <source>Unit setup</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>The Britain System</source>
        <translation>Système impérial</translation>
    </message>
    <message>
        <source>The Metric System</source>
        <translation>Système métrique</translation>
    </message>
    <message>
        <source>These settings cannot be saved: %1.</source>
        <translation>Ces paramètres ne peuvent pas être enregistrés : %1.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CInterpretation</name>
    <message>
        <source>Interpretation</source>
        <translation>Interprétation</translation>
    </message>
    <message>
        <source>&amp;Interpretation of this recording (printed on the clinical report):</source>
        <translation>&amp;Interprétation de cet enregistrement (imprimée sur le rapport clinique) :</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 caractères sur %2</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>&amp;Language of Kestrova from its next start:</source>
        <translation>&amp;Langue de Kestrova à partir du prochain démarrage :</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Langue du bureau</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CMainFrame</name>
    <message>
        <source>NewDataCapture (&amp;N)</source>
        <translation>&amp;Nouvelle acquisition</translation>
    </message>
    <message>
        <source>Find bluetooth radio</source>
        <translation>Rechercher un oxymètre Bluetooth</translation>
    </message>
    <message>
        <source>Open Other ID Data</source>
        <translation>Ouvrir les données d&apos;un autre ID</translation>
    </message>
    <message>
        <source>Save Data(&amp;S)...</source>
        <translation>&amp;Enregistrer les données...</translation>
    </message>
    <message>
        <source>Open Saved Data(&amp;O)...</source>
        <translation>&amp;Ouvrir des données enregistrées...</translation>
    </message>
    <message>
        <source>Studies...</source>
        <translation>Examens...</translation>
    </message>
    <message>
        <source>Check out the SpO2 event time...</source>
        <translation>Rapport des durées d&apos;événements SpO2...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>PrintPreView</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Kestrova &amp;Help</source>
        <translation>&amp;Aide de Kestrova</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Patient Info</source>
        <translation>Données du patient</translation>
    </message>
    <message>
        <source>Patient Title</source>
        <translation>Titre de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Interpretation...</source>
        <translation>Interprétation...</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Tendance</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Clinical Summary</source>
        <translation>Synthèse clinique</translation>
    </message>
    <message>
        <source>Clinical Report (PDF)...</source>
        <translation>Rapport clinique (PDF)...</translation>
    </message>
    <message>
        <source>Roll Step</source>
        <translation>Pas de défilement</translation>
    </message>
    <message>
        <source>Analysis Setup</source>
        <translation>Paramètres d&apos;analyse</translation>
    </message>
    <message>
        <source>Unit Setup</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Report...</source>
        <translation>Rapport...</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Langue...</translation>
    </message>
    <message>
        <source>About 	(&amp;A)...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>PageUp</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>PageDown</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Next Event</source>
        <translation>Événement suivant</translation>
    </message>
    <message>
        <source>Previous Event</source>
        <translation>Événement précédent</translation>
    </message>
    <message>
        <source>Go to Time...</source>
        <translation>Aller à l&apos;heure...</translation>
    </message>
    <message>
        <source>Moves to the next 3 % desaturation and puts the cursor on its nadir</source>
        <translation>Passe à la désaturation à 3 % suivante et place le curseur sur son nadir</translation>
    </message>
    <message>
        <source>Moves to the previous 3 % desaturation and puts the cursor on its nadir</source>
        <translation>Passe à la désaturation à 3 % précédente et place le curseur sur son nadir</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
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
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Page :</translation>
    </message>
    <message>
        <source>The language changes the next time Kestrova starts.</source>
        <translation>La langue changera au prochain démarrage de Kestrova.</translation>
    </message>
    <message>
        <source>Details proposed from the patient list for ID %1: not confirmed for this recording. &lt;a href=&quot;confirm&quot;&gt;Confirm or change them...&lt;/a&gt;</source>
        <translation>Données proposées d&apos;après la liste des patients pour l&apos;ID %1 : non confirmées pour cet enregistrement. &lt;a href=&quot;confirm&quot;&gt;Les confirmer ou les modifier...&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Page:%1/%2</source>
        <translation>Page : %1/%2</translation>
    </message>
    <message>
        <source>The patient details or the title of this recording were changed and are not saved anywhere yet.

Save them before going on?</source>
        <translation>Les données du patient ou le titre de cet enregistrement ont été modifiés et ne sont encore enregistrés nulle part.

Les enregistrer avant de continuer ?</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CModifyTitle</name>
    <message>
        <source>Modify Title</source>
        <translation>Modifier le titre</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CNightsDlg</name>
    <message>
        <source>Nights of %1</source>
        <translation>Nuits de %1</translation>
    </message>
    <message>
        <source>&amp;Open the Latest Night</source>
        <translation>&amp;Ouvrir la dernière nuit</translation>
    </message>
    <message>
        <source>Opens the latest of these nights; its clinical report compares all of them</source>
        <translation>Ouvre la plus récente de ces nuits ; son rapport clinique les compare toutes</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::COtherIDSelect</name>
    <message>
        <source>Open other ID data</source>
        <translation>Ouvrir les données d&apos;un autre ID</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CPatientInfo</name>
    <message>
        <source>Edit patient information</source>
        <translation>Modifier les données du patient</translation>
    </message>
    <message>
        <source>ID Number</source>
        <translation>Numéro d&apos;ID</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
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
        <translation>Taille</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Physician</source>
        <translation>Médecin</translation>
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
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Save Info</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete Info</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>a patient without a name</source>
        <translation>un patient sans nom</translation>
    </message>
    <message>
        <source>Use stored details (%1)</source>
        <translation>Utiliser les données enregistrées (%1)</translation>
    </message>
    <message>
        <source>The patient database holds details for ID %1. The device may have recorded another patient under the same ID.</source>
        <translation>La base de données des patients contient des données pour l&apos;ID %1. L&apos;appareil a peut-être enregistré un autre patient sous le même ID.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CReportSetup</name>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Clinic name</source>
        <translation>Nom de l&apos;établissement</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
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
        <translation>Les champs laissés vides ne sont pas imprimés.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.svg);;All files (*)</source>
        <translation>Images (*.png *.jpg *.jpeg *.bmp *.svg);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>No logo</source>
        <translation>Aucun logo</translation>
    </message>
    <message>
        <source>%1: not an image this program can read</source>
        <translation>%1 : pas une image que ce programme peut lire</translation>
    </message>
    <message>
        <source>These settings cannot be saved: %1.</source>
        <translation>Ces paramètres ne peuvent pas être enregistrés : %1.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CSetRollStep</name>
    <message>
        <source>Setup Step</source>
        <translation>Réglage du pas</translation>
    </message>
    <message>
        <source>Roll Step</source>
        <translation>Pas de défilement</translation>
    </message>
    <message>
        <source>Please input a number !</source>
        <translation>Veuillez saisir un nombre !</translation>
    </message>
    <message>
        <source>Enter an integer.</source>
        <translation>Saisissez un nombre entier.</translation>
    </message>
</context>
<context>
    <name>kestrova::ui::CStudiesDlg</name>
    <message>
        <source>Studies</source>
        <translation>Examens</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>name, ID or date</source>
        <translation>nom, ID ou date</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Compare &amp;Nights...</source>
        <translation>Comparer les &amp;nuits...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
    <message>
        <source>Studies (%1)</source>
        <translation>Examens (%1)</translation>
    </message>
    <message>
        <source>Delete the study of %1 from %2? Its recording is moved to the library&apos;s trash.</source>
        <translation>Supprimer l&apos;examen de %1 du %2 ? Son enregistrement est déplacé dans la corbeille de la bibliothèque.</translation>
    </message>
    <message>
        <source>Delete these %1 studies? Their recordings are moved to the library&apos;s trash.</source>
        <translation>Supprimer ces %1 examens ? Leurs enregistrements sont déplacés dans la corbeille de la bibliothèque.</translation>
    </message>
    <message>
        <source>Select nights of one patient to compare them (%1 and %2 are different patients).</source>
        <translation>Sélectionnez des nuits d&apos;un même patient pour les comparer (%1 et %2 sont des patients différents).</translation>
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
Pouls %3 bpm</translation>
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
        <translation>Liste des événements</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>Desaturations (3 %)</source>
        <translation>Désaturations (3 %)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Baseline</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Nadir</source>
        <translation>Nadir</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondeur</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>No desaturation after this point.</source>
        <translation>Aucune désaturation après ce point.</translation>
    </message>
    <message>
        <source>No desaturation before this point.</source>
        <translation>Aucune désaturation avant ce point.</translation>
    </message>
    <message>
        <source>Go to time</source>
        <translation>Aller à l&apos;heure</translation>
    </message>
    <message>
        <source>Time (HH:MM:SS), or date and time (YYYY-MM-DD HH:MM:SS):</source>
        <translation>Heure (HH:MM:SS), ou date et heure (AAAA-MM-JJ HH:MM:SS) :</translation>
    </message>
    <message>
        <source>Type a time as HH:MM:SS, or a date and time as YYYY-MM-DD HH:MM:SS.</source>
        <translation>Saisissez une heure au format HH:MM:SS, ou une date et une heure au format AAAA-MM-JJ HH:MM:SS.</translation>
    </message>
    <message>
        <source>%1 is not within this recording, which runs from %2 to %3.</source>
        <translation>%1 n&apos;est pas dans cet enregistrement, qui va de %2 à %3.</translation>
    </message>
    <message>
        <source>The recent files could not be remembered: %1</source>
        <translation>Les fichiers récents n&apos;ont pas pu être mémorisés : %1</translation>
    </message>
    <message>
        <source>ID %1 (downloaded)</source>
        <translation>ID %1 (téléchargé)</translation>
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
        <translation>L&apos;enregistrement entier : cliquez ou faites glisser pour y déplacer la vue</translation>
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
        <translation>Données proposées d&apos;après la liste des patients : non confirmées pour cet enregistrement</translation>
    </message>
    <message>
        <source> (partial)</source>
        <translation> (partiel)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
</context>
</TS>
