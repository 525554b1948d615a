// The languages: every .ts file complete and in step with the sources, the choice of
// language from the command line, environment and settings, the command-line tool and
// the main window speaking the chosen language, and the byte-exact outputs unchanged by it.
#include "pages/Language.h"
#include "MessageLog.h"
#include "app/CMainFrame.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CAnalysisSetup.h"
#include "dialogs/CDateAndTimeDlg.h"
#include "dialogs/CDelDataDlg.h"
#include "dialogs/CDlgUnitSetup.h"
#include "dialogs/CInterpretation.h"
#include "dialogs/CLanguageDlg.h"
#include "dialogs/CModifyTitle.h"
#include "dialogs/COtherIDSelect.h"
#include "dialogs/CPatientInfo.h"
#include "dialogs/CReportSetup.h"
#include "dialogs/CSetRollStep.h"
#include "model/PatientForm.h"
#include "model/RecordingModel.h"
#include "settings/ReportSettings.h"
#include "settings/Settings.h"
#include "text/StringTable.h"
#include "text/Translate.h"

#include "TestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

#include <cstdlib>

using namespace kestrova;
using namespace kestrova::ui;

namespace {

const QStringList kTranslated = {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"),
                                 QStringLiteral("es")};

struct Message {
    QString context, source, translation, type;
};

QList<Message> readTs(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QList<Message> out;
    QXmlStreamReader xml(&f);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            m = Message{context, {}, {}, {}};
        else if (xml.name() == QLatin1String("source"))
            m.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            m.translation = xml.readElementText();
            out << m;
        }
    }
    return out;
}

QStringList placeholders(const QString& text) {
    QStringList found;
    static const QRegularExpression re(QStringLiteral("%[1-9]"));
    for (auto it = re.globalMatch(text); it.hasNext();) found << it.next().captured();
    found.sort();
    return found;
}

// Access keys: "&x", not the "&&" of a literal ampersand.
int accessKeys(const QString& text) {
    int n = 0;
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&'))
            ++i;
        else if (text[i + 1] != QLatin1Char(' '))
            ++n;
    }
    return n;
}

std::string tsPath(const QString& lang) {
    return std::string(SOURCE_DIR) + "/translations/kestrova_" + lang.toStdString() + ".ts";
}

// A shell prefix running the command-line tool in `lang` chosen by the locale alone.
std::string inLanguage(const std::string& localeVar, const std::string& value) {
    return "env -u KESTROVA_LANGUAGE -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG " + localeVar + "=" + value + " ";
}

// Every menu text of the frame, by its place in the menus.
void collectMenus(QMenu* menu, const QString& path, QHash<QString, QString>& out) {
    int i = 0;
    for (QAction* a : menu->actions()) {
        const QString place = path + QLatin1Char('/') + QString::number(i++);
        if (a->isSeparator()) continue;
        out.insert(place, a->text());
        if (a->menu()) collectMenus(a->menu(), place, out);
    }
}

QHash<QString, QString> menuTexts(const QString& lang) {
    Language::install(lang);
    test::TempDir dir;
    Settings settings(dir.file("Kestrova.ini"));
    RecordingModel model;
    CMainFrame frame(model, settings);
    QHash<QString, QString> out;
    int i = 0;
    for (QAction* a : frame.menuBar()->actions()) {
        const QString place = QString::number(i++);
        out.insert(place, a->text());
        if (a->menu()) collectMenus(a->menu(), place, out);
    }
    return out;
}

// Every text a person reads in the dialogs, by the widget it is on.
QHash<QString, QString> dialogTexts(const QString& lang) {
    Language::install(lang);
    RecordingModel model;
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<CAboutDlg>());
    dialogs.push_back(std::make_unique<CAnalysisSetup>(CAnalysisSetup::Values{88, 70, 120, 60, 4, 6}));
    dialogs.push_back(std::make_unique<CDateAndTimeDlg>());
    dialogs.push_back(std::make_unique<CDelDataDlg>(model));
    dialogs.push_back(std::make_unique<CDlgUnitSetup>(UnitSystem::Metric));
    dialogs.push_back(std::make_unique<CInterpretation>(QString()));
    dialogs.push_back(std::make_unique<CLanguageDlg>(QString()));
    dialogs.push_back(std::make_unique<CModifyTitle>(QStringLiteral("ReportTitle")));
    dialogs.push_back(std::make_unique<COtherIDSelect>(model));
    dialogs.push_back(
        std::make_unique<CPatientInfo>(PatientForm{}, UnitSystem::Metric, [](const PatientForm&) { return true; }));
    dialogs.push_back(std::make_unique<CReportSetup>(ReportSettings{}));
    dialogs.push_back(std::make_unique<CSetRollStep>());
    QHash<QString, QString> out;
    for (const auto& d : dialogs) {
        const QString name = QString::fromLatin1(d->metaObject()->className());
        out.insert(name, d->windowTitle());
        int i = 0;
        for (QWidget* w : d->findChildren<QWidget*>()) {
            const QString place = name + QLatin1Char('/') + QString::number(i++);
            if (auto* l = qobject_cast<QLabel*>(w))
                out.insert(place, l->text());
            else if (auto* b = qobject_cast<QAbstractButton*>(w))
                out.insert(place, b->text());
            else if (auto* g = qobject_cast<QGroupBox*>(w))
                out.insert(place, g->title());
            else if (auto* c = qobject_cast<QComboBox*>(w))
                for (int k = 0; k < c->count(); ++k)
                    out.insert(place + QLatin1Char('.') + QString::number(k), c->itemText(k));
            if (!w->toolTip().isEmpty()) out.insert(place + QStringLiteral("/tip"), w->toolTip());
        }
    }
    return out;
}

// The texts of `translated` still as they are in `classic`, unless the .ts says the
// word is the same in that language ("Trend", "Zoom").
QStringList leftInEnglish(const QHash<QString, QString>& classic, const QHash<QString, QString>& translated,
                          const QString& lang) {
    QSet<QString> sameOnPurpose;
    for (const auto& m : readTs(QString::fromStdString(tsPath(lang))))
        if (m.translation == m.source) sameOnPurpose << QString(m.source).remove(QLatin1Char('&'));
    // Names and units that stay in every language.
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    static const QRegularExpression kept(
        QStringLiteral("\\b(Kestrova|SpO2|Spo2|ODI|EDF|CSV|PDF|Bluetooth|bpm|Ver|Beta|ReportTitle|Letter)\\b"));
    QStringList left;
    for (auto it = classic.cbegin(); it != classic.cend(); ++it) {
        const QString text = translated.value(it.key());
        if (text != it.value() || sameOnPurpose.contains(QString(text).remove(QLatin1Char('&')))) continue;
        if (!word.match(QString(text).remove(kept)).hasMatch()) continue;
        left << it.key() + QStringLiteral(": ") + text;
    }
    return left;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Language::install(QStringLiteral("en_classic")); }

    // Each .ts holds exactly the texts the sources have now, every one translated, with
    // the same placeholders and one access key where the source has one.
    void translationsAreCompleteAndCurrent() {
        test::TempDir fresh;
        const auto r = test::runCommand(std::string(SOURCE_DIR) + "/tools/update-translations.sh " + fresh.path());
        QVERIFY2(r.status == 0, r.err.c_str());
        for (const QString& lang : kTranslated) {
            const auto committed = readTs(QString::fromStdString(tsPath(lang)));
            const auto current = readTs(QString::fromStdString(fresh.file("kestrova_" + lang.toStdString() + ".ts")));
            QVERIFY2(!committed.isEmpty(), qPrintable(lang));
            QSet<QString> committedKeys, currentKeys;
            for (const auto& m : committed) committedKeys << m.context + QLatin1Char('\x1f') + m.source;
            for (const auto& m : current) currentKeys << m.context + QLatin1Char('\x1f') + m.source;
            const auto missing = currentKeys - committedKeys;
            const auto stale = committedKeys - currentKeys;
            QVERIFY2(missing.isEmpty(),
                     qPrintable(lang + QStringLiteral(": not in the .ts (run tools/update-translations.sh): ") +
                                QStringList(missing.values()).join(QStringLiteral(" | "))));
            QVERIFY2(stale.isEmpty(), qPrintable(lang + QStringLiteral(": obsolete: ") +
                                                 QStringList(stale.values()).join(QStringLiteral(" | "))));
            for (const auto& m : committed) {
                const QString where = lang + QStringLiteral(" ") + m.context + QStringLiteral(": ") + m.source;
                QVERIFY2(m.type.isEmpty() && !m.translation.isEmpty(),
                         qPrintable(where + QStringLiteral(" untranslated")));
                QVERIFY2(placeholders(m.source) == placeholders(m.translation),
                         qPrintable(where + QStringLiteral(" placeholders differ: ") + m.translation));
                QVERIFY2(std::min(accessKeys(m.source), 1) == std::min(accessKeys(m.translation), 1),
                         qPrintable(where + QStringLiteral(" access key differs: ") + m.translation));
            }
            qInfo("%s: %lld entries", qPrintable(lang), static_cast<long long>(committed.size()));
        }
    }

    void choiceFollowsTheStrongestSource() {
        const QByteArray vars[] = {"KESTROVA_LANGUAGE", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
        QHash<QByteArray, QByteArray> saved;
        for (const auto& v : vars) saved.insert(v, qgetenv(v.constData()));
        auto set = [&](std::initializer_list<std::pair<const char*, const char*>> values) {
            for (const auto& v : vars) qunsetenv(v.constData());
            for (const auto& [k, v] : values) qputenv(k, v);
        };
        set({{"LANG", "de_DE.UTF-8"}});
        QCOMPARE(Language::choose({}, {}), QStringLiteral("de"));
        set({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}});
        QCOMPARE(Language::choose({}, {}), QStringLiteral("fr"));
        set({{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}, {"LC_MESSAGES", "fr_FR"}});
        QCOMPARE(Language::choose({}, {}), QStringLiteral("es"));
        set({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "it:fr:de"}});
        QCOMPARE(Language::choose({}, {}), QStringLiteral("fr"));
        set({{"LANG", "it_IT.UTF-8"}, {"LANGUAGE", "it"}});
        QCOMPARE(Language::choose({}, {}), QStringLiteral("en"));
        set({{"LANG", "de_DE.UTF-8"}});
        QCOMPARE(Language::choose({}, QStringLiteral("es")), QStringLiteral("es"));
        set({{"LANG", "de_DE.UTF-8"}, {"KESTROVA_LANGUAGE", "en_classic"}});
        QCOMPARE(Language::choose({}, QStringLiteral("es")), QStringLiteral("en_classic"));
        QCOMPARE(Language::choose(QStringLiteral("fr"), QStringLiteral("es")), QStringLiteral("fr"));
        set({});
        QCOMPARE(Language::choose({}, {}), QStringLiteral("en"));
        for (const auto& v : vars)
            if (saved[v].isNull())
                qunsetenv(v.constData());
            else
                qputenv(v.constData(), saved[v]);
    }

    // String-table texts follow the language, except where a bundle replaced them.
    void bundleOverridesTranslation() {
        QVERIFY(Language::install(QStringLiteral("de")));
        const std::string classic = StringTable::classic(str::NoData);
        QVERIFY(StringTable::text(str::NoData) != classic);
        StringTable::loadOverrides(std::to_string(str::NoData) + "\tKeine Daten (Bündel)\n");
        QCOMPARE(QString::fromStdString(StringTable::text(str::NoData)), QStringLiteral("Keine Daten (Bündel)"));
        StringTable::reset();
        QCOMPARE(StringTable::text(str::NoData), StringTable::text(str::NoData));
        QVERIFY(StringTable::text(str::NoData) != classic);
        Language::install(QStringLiteral("en_classic"));
        QCOMPARE(StringTable::text(str::NoData), classic);
    }

    // No menu text is left as the classic English in another language, unless its
    // translation says so (a word the same in both, such as "Trend").
    void menusSpeakEveryLanguage() {
        const auto classic = menuTexts(QStringLiteral("en_classic"));
        QVERIFY(classic.size() > 30);
        for (const QString& lang : kTranslated) {
            if (lang == QLatin1String("en")) continue;
            const auto translated = menuTexts(lang);
            QCOMPARE(translated.size(), classic.size());
            const QStringList left = leftInEnglish(classic, translated, lang);
            QVERIFY2(left.isEmpty(), qPrintable(lang + QStringLiteral(": menu items left in English: ") +
                                                left.join(QStringLiteral(" | "))));
        }
    }

    void dialogsSpeakEveryLanguage() {
        const auto classic = dialogTexts(QStringLiteral("en_classic"));
        QVERIFY(classic.size() > 50);
        for (const QString& lang : {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")}) {
            const QStringList left = leftInEnglish(classic, dialogTexts(lang), lang);
            QVERIFY2(left.isEmpty(), qPrintable(lang + QStringLiteral(": dialog texts left in English: ") +
                                                left.join(QStringLiteral(" | "))));
        }
    }

    // The command-line tool speaks the locale's language: the report's headings, info's
    // lines and a file error; the classic texts when en_classic is chosen either way.
    void commandLineSpeaksTheLocale() {
        test::TempDir dir;
        const std::string cli = KESTROVA_CLI;
        const std::string sample = std::string(SAMPLES_DIR) + "/ID3.dat";
        const std::string missing = dir.file("missing.dat");
        const auto classicInfo = test::runCommand("KESTROVA_LANGUAGE=en_classic " + cli + " info " + sample);
        const auto classicError = test::runCommand("KESTROVA_LANGUAGE=en_classic " + cli + " info " + missing);
        QVERIFY(classicInfo.status == 0 && classicError.status != 0);
        QVERIFY(classicInfo.out.find("Samples: 7200\n") != std::string::npos);
        for (const char* how : {"--lang en_classic", "--lang=en_classic"}) {
            const std::string prefix = inLanguage("LANGUAGE", "de") + cli + " " + how;
            QCOMPARE(test::runCommand(prefix + " info " + sample).out, classicInfo.out);
            QCOMPARE(test::runCommand(prefix + " info " + missing).err, classicError.err);
        }
        for (const QString& lang : {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")}) {
            QVERIFY(Language::install(lang));
            const QString heading = QCoreApplication::translate("SummaryPage", "Overnight pulse oximetry");
            const std::string samples = text::arg(ktr("InfoCommand", "Samples: %1"), {"7200"});
            QVERIFY2(heading != QLatin1String("Overnight pulse oximetry") && samples != "Samples: 7200",
                     qPrintable(lang));
            const std::string env = inLanguage("LANGUAGE", lang.toStdString());
            const std::string pdf = dir.file(lang.toStdString() + ".pdf");
            const auto report = test::runCommand(env + cli + " clinical-report " + sample + " " + pdf);
            QVERIFY2(report.status == 0, report.err.c_str());
            const auto text = test::runCommand("pdftotext -enc UTF-8 " + pdf + " -");
            QVERIFY2(text.status == 0, "pdftotext (poppler-utils) is needed");
            QVERIFY2(QString::fromStdString(text.out).simplified().contains(heading),
                     qPrintable(lang + QStringLiteral(": the report lacks ") + heading));
            const auto info = test::runCommand(env + cli + " info " + sample);
            QVERIFY2(info.out.find(samples + "\n") != std::string::npos, info.out.c_str());
            const auto error = test::runCommand(env + cli + " info " + missing);
            QVERIFY(error.status == classicError.status);
            QVERIFY2(error.err != classicError.err && error.err.find(missing) != std::string::npos, error.err.c_str());
        }
    }

    // The program itself, started in German: its first message (about a settings file
    // it cannot read) is German, whose text comes from tr() once the window's
    // application exists.
    void programStartsInTheChosenLanguage() {
        test::TempDir dir;
        QVERIFY(QDir().mkpath(QString::fromStdString(dir.file("Kestrova.ini"))));
        auto start = [&](const char* lang) {
            return test::runCommand("cd " + dir.path() + " && KESTROVA_MESSAGES=stderr timeout 3 " +
                                        std::string(KESTROVA_GUI) + " --lang " + lang,
                                    20)
                .err;
        };
        const std::string classic = start("en_classic"), german = start("de");
        const std::string path = dir.file("Kestrova.ini");
        QVERIFY2(classic.find(path) != std::string::npos, classic.c_str());
        QVERIFY2(german.find(path) != std::string::npos, german.c_str());
        const std::string firstClassicLine = classic.substr(0, classic.find('\n'));
        QVERIFY2(german.find(firstClassicLine) == std::string::npos, german.c_str());
    }

    // The contracts do not change with the language: the text export, the event report
    // and the CSV and JSON outputs are the same bytes in every language.
    void byteExactOutputsIgnoreTheLanguage() {
        test::TempDir dir;
        const std::string cli = KESTROVA_CLI;
        const std::string sample = std::string(SAMPLES_DIR) + "/ID3.dat";
        auto outputs = [&](const std::string& prefix, const std::string& tag) {
            std::vector<std::string> files;
            for (const char* ext : {"txt", "csv"}) {
                const std::string out = dir.file(tag + "." + ext);
                const auto r = test::runCommand(prefix + cli + " export " + sample + " " + out);
                if (r.status != 0) qWarning("%s", r.err.c_str());
                files.push_back(test::readFile(out));
            }
            const std::string report = dir.file(tag + "-events.txt");
            test::runCommand(prefix + cli + " report " + sample + " " + report);
            files.push_back(test::readFile(report));
            files.push_back(test::runCommand(prefix + cli + " analyze --json " + sample).out);
            return files;
        };
        const auto classic = outputs("KESTROVA_LANGUAGE=en_classic ", "classic");
        for (const auto& f : classic) QVERIFY(!f.empty());
        for (const QString& lang : kTranslated) {
            const auto other = outputs(inLanguage("LANG", lang.toStdString() + "_XX.UTF-8"), lang.toStdString());
            for (std::size_t i = 0; i < classic.size(); ++i)
                QVERIFY2(other[i] == classic[i], qPrintable(lang + QStringLiteral(" output %1 differs").arg(i)));
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
