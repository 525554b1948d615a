// Field checks of the dialogs: patient information, report title, analysis setup,
// unit setup, date and time, data deletion; what the setup dialogs say of a settings
// file they cannot save to.
#include "MessageLog.h"
#include "Modal.h"
#include "app/CMainFrame.h"
#include "app/RecordingCommands.h"
#include "common/Commands.h"
#include "dialogs/CAnalysisSetup.h"
#include "dialogs/CDateAndTimeDlg.h"
#include "dialogs/CDelDataDlg.h"
#include "dialogs/CDlgUnitSetup.h"
#include "dialogs/CModifyTitle.h"
#include "dialogs/CPatientInfo.h"
#include "dialogs/CReportSetup.h"
#include "dialogs/StudyListModel.h"
#include "files/PatientDatabase.h"
#include "model/PatientForm.h"
#include "model/RecordingModel.h"
#include "settings/AnalysisSetupRules.h"
#include "settings/Settings.h"

#include "TestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTranslator>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <unistd.h>

using namespace kestrova;
using namespace kestrova::ui;

class DialogsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::MessageLog> m_log;
    std::unique_ptr<test::TempDir> m_dir;
    std::unique_ptr<Settings> m_settings;

    void leave(QWidget* w) {
        QFocusEvent e(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(w, &e);
    }

private slots:
    void init() {
        m_dir = std::make_unique<test::TempDir>();
        m_settings = std::make_unique<Settings>(m_dir->file("Kestrova.ini"));
        m_log = std::make_unique<test::MessageLog>();
    }
    void cleanup() {
        m_log.reset();
        m_settings.reset();
        m_dir.reset();
    }

    void patientFormConvertsUnitsAndChecksFields() {
        PatientRecord r;
        r.id = 7;
        r.height = 180;
        r.weight = 80;
        r.unitSystem = 1;
        const PatientForm imperial = patientFormFrom(r, UnitSystem::Imperial);
        QCOMPARE(imperial.height, 71);
        QCOMPARE(imperial.weight, 176);
        r.unitSystem = 0;
        r.height = 70;
        QCOMPARE(patientFormFrom(r, UnitSystem::Metric).height, 178);
        r.id = 0;
        QCOMPARE(QString::fromStdString(patientFormFrom(r, UnitSystem::Imperial).idText), QString());

        CPatientInfo dialog(patientFormFrom(r, UnitSystem::Metric), UnitSystem::Metric, {});
        QCOMPARE(dialog.heightUnit()->text(), QStringLiteral("cm"));
        QCOMPARE(dialog.weightUnit()->text(), QStringLiteral("kg"));
        dialog.field(PatientField::Age)->setText(QStringLiteral("201"));
        leave(dialog.field(PatientField::Age));
        dialog.field(PatientField::Height)->setText(QStringLiteral("401"));
        leave(dialog.field(PatientField::Height));
        dialog.field(PatientField::Name)->setText(QString(35, QLatin1Char('n')));
        leave(dialog.field(PatientField::Name));
        QCOMPARE(m_log->texts, (QStringList{QStringLiteral("scope : 0 - 200,Please ReInput"),
                                            QStringLiteral("scope : 0 - 400,Please ReInput"),
                                            QStringLiteral("Field must be 30 or less characters in length!")}));
        QCOMPARE(dialog.field(PatientField::Age)->text(), QStringLiteral("0"));
        QCOMPARE(dialog.field(PatientField::Name)->text().size(), 30);
        dialog.field(PatientField::Age)->setText(QStringLiteral("2000")); // four characters
        leave(dialog.field(PatientField::Age));
        QCOMPARE(m_log->texts.last(), QStringLiteral("scope : 0 - 200,Please ReInput"));
        // A mistake never wipes a value that was good: the field goes back to it.
        dialog.field(PatientField::Weight)->setText(QStringLiteral("72"));
        leave(dialog.field(PatientField::Weight));
        const auto messages = m_log->texts.size();
        dialog.field(PatientField::Weight)->setText(QStringLiteral("9000"));
        leave(dialog.field(PatientField::Weight));
        QCOMPARE(m_log->texts.size(), messages + 1);
        QCOMPARE(dialog.field(PatientField::Weight)->text(), QStringLiteral("72"));
        // Whatever the form holds, the saved record keeps every text within its field.
        PatientForm f = dialog.form();
        f.comments = std::string(90, 'c');
        const PatientRecord saved = patientRecordFrom(f, UnitSystem::Metric);
        QCOMPARE(fieldBytes(saved.comments).size(), std::size_t{80});
        QCOMPARE(saved.unitSystem, 1);
    }

    void titleIsEmptiedBeyondSixtyCharacters() {
        CModifyTitle dialog(QStringLiteral("ReportTitle"));
        dialog.edit()->setText(QString(60, QLatin1Char('t')));
        QVERIFY(m_log->texts.isEmpty());
        dialog.edit()->setText(QString(61, QLatin1Char('t')));
        QCOMPARE(m_log->texts, QStringList{QStringLiteral("Field must be 60 or less characters in length!")});
        QCOMPARE(dialog.title(), QString());
    }

    void analysisSetupKeepsValuesInRange() {
        CAnalysisSetup::Values saved{};
        for (std::size_t i = 0; i < saved.size(); ++i) saved[i] = kAnalysisSettings[i].key.defaultValue;
        saved[0] = 100;
        CAnalysisSetup dialog(saved);
        dialog.step(0, +1);
        QCOMPARE(dialog.value(0), 100);
        dialog.step(4, -1);
        dialog.step(4, -1);
        dialog.step(4, -1);
        dialog.step(4, -1);
        QCOMPARE(dialog.value(4), 1);
        dialog.edit(2)->setText(QStringLiteral("350"));
        dialog.leaveField(2);
        QCOMPARE(m_log->texts.last(), QStringLiteral("Please input a num between 15 and 300 !"));
        QCOMPARE(dialog.edit(2)->text(), QStringLiteral("150"));
        dialog.edit(3)->clear(); // restores the saved value at once
        QCOMPARE(dialog.edit(3)->text(), QStringLiteral("60"));
        m_log->texts.clear();
        dialog.edit(0)->setText(QStringLiteral("85"));
        dialog.edit(1)->setText(QStringLiteral("90"));
        dialog.edit(5)->setText(QStringLiteral("9"));
        dialog.accept();
        QCOMPARE(m_log->texts, QStringList{QStringLiteral("Error ! The SPO2 high value must large than low value !")});
        QCOMPARE(dialog.values()[0], 100); // the saved pair, to be written back
        QCOMPARE(dialog.values()[1], 88);
        QCOMPARE(dialog.values()[5], 9); // the others as edited
        QCOMPARE(dialog.values()[4], 1);
    }

    // The setup commands store what the dialogs chose, only on OK, and never over a
    // settings file that cannot be read.
    void setupCommandsWriteOnlyOnOk() {
        RecordingModel model;
        const PatientDatabase db(m_dir->path() + "/");
        CMainFrame frame(model, *m_settings);
        installRecordingCommands(frame, db);
        test::onModal<CDlgUnitSetup>([](CDlgUnitSetup* d) {
            d->metric()->setChecked(true);
            d->reject();
        });
        frame.action(cmd::UnitSetup)->trigger();
        QCOMPARE(m_settings->read(setting::UnitSetup), 0);
        test::onModal<CDlgUnitSetup>([](CDlgUnitSetup* d) {
            d->metric()->setChecked(true);
            d->accept();
        });
        frame.action(cmd::UnitSetup)->trigger();
        QCOMPARE(m_settings->read(setting::UnitSetup), 1);

        test::onModal<CAnalysisSetup>([](CAnalysisSetup* d) {
            d->edit(5)->setText(QStringLiteral("9"));
            d->accept();
        });
        frame.action(cmd::AnalysisSetup)->trigger();
        QCOMPARE(m_settings->read(setting::PulseEvent), 9);
        QCOMPARE(m_settings->read(setting::SaturationsHigh), 94);

        // A settings file that cannot be read is left alone, and the user is told.
        const QString ini = QString::fromStdString(m_settings->path());
        QFile::remove(ini);
        QVERIFY(QDir().mkdir(ini));
        test::onModal<CDlgUnitSetup>([](CDlgUnitSetup* d) {
            d->britain()->setChecked(true);
            d->accept();
        });
        frame.action(cmd::UnitSetup)->trigger();
        QVERIFY(m_log->texts.last().startsWith(QStringLiteral("The settings were not saved")));
        QVERIFY(QFileInfo(ini).isDir());
        QDir().rmdir(ini);
    }

    // Each setup dialog that stores into the settings file names, while open, the file it
    // cannot save to and why; OK then leaves the file as it was. With a sound file the
    // line is not there.
    void setupDialogsSayWhenSettingsCannotBeSaved() {
        RecordingModel model;
        const PatientDatabase db(m_dir->path() + "/");
        CMainFrame frame(model, *m_settings);
        installRecordingCommands(frame, db);
        const QString ini = QString::fromStdString(m_settings->path());
        // What each dialog showed: "" when the line was hidden.
        QStringList shown;
        auto note = [&shown](QLabel* line) { shown << (line->isVisible() ? line->text() : QString()); };
        auto openAll = [&] {
            shown.clear();
            test::onModal<CAnalysisSetup>([&](CAnalysisSetup* d) {
                note(d->saveProblem());
                d->edit(5)->setText(QStringLiteral("9"));
                d->accept();
            });
            frame.action(cmd::AnalysisSetup)->trigger();
            test::onModal<CDlgUnitSetup>([&](CDlgUnitSetup* d) {
                note(d->saveProblem());
                d->metric()->setChecked(true);
                d->accept();
            });
            frame.action(cmd::UnitSetup)->trigger();
            test::onModal<CReportSetup>([&](CReportSetup* d) {
                note(d->saveProblem());
                d->clinic()->setText(QStringLiteral("Sleep Lab"));
                d->accept();
            });
            frame.action(cmd::ReportSetup)->trigger();
            QCOMPARE(shown.size(), 3);
        };

        openAll();
        QCOMPARE(shown, (QStringList{QString(), QString(), QString()}));
        QCOMPARE(m_settings->read(setting::UnitSetup), 1);

        // A directory where the file belongs.
        QFile::remove(ini);
        QVERIFY(QDir().mkdir(ini));
        openAll();
        const QString isDir = QStringLiteral("These settings cannot be saved: %1: %2.")
                                  .arg(ini, QString::fromLocal8Bit(std::strerror(EISDIR)));
        QCOMPARE(shown, (QStringList{isDir, isDir, isDir}));
        QVERIFY(QFileInfo(ini).isDir());
        QVERIFY(QDir().rmdir(ini));

        // A file too large to read: named, and never rewritten.
        {
            std::ofstream big(m_settings->path(), std::ios::binary);
            big << "[Setup]\nUnitSetup=0\n" << std::string(IniFile::kMaxBytes, ';');
        }
        const qint64 size = QFileInfo(ini).size();
        m_log->texts.clear();
        openAll();
        for (const QString& line : shown) {
            QVERIFY2(line.startsWith(QStringLiteral("These settings cannot be saved: %1: ").arg(ini)),
                     qPrintable(line));
            QVERIFY(line.endsWith(QLatin1Char('.')));
        }
        QCOMPARE(m_log->texts.size(), 3); // each OK still says the settings were not saved
        QCOMPARE(QFileInfo(ini).size(), size);
        QFile::remove(ini);

        // Once the file is sound again the line is gone.
        openAll();
        QCOMPARE(shown, (QStringList{QString(), QString(), QString()}));
    }

    // Every text the setup dialogs show people goes through the translator: with one
    // that marks each text it is asked for, no unmarked title, label, button or list
    // header is left.
    void setupDialogTextsGoThroughTheTranslator() {
        struct Marking : QTranslator {
            QString translate(const char*, const char* source, const char*, int) const override {
                return QStringLiteral("T:") + QString::fromUtf8(source);
            }
        } marking;
        QCoreApplication::installTranslator(&marking);
        auto unmarked = [](QDialog& d) {
            QStringList texts{d.windowTitle()};
            for (auto* l : d.findChildren<QLabel*>()) texts << l->text();
            for (auto* b : d.findChildren<QAbstractButton*>()) texts << b->text();
            for (auto* g : d.findChildren<QGroupBox*>()) texts << g->title();
            QStringList left;
            for (const QString& t : texts)
                if (!t.isEmpty() && !t.startsWith(QStringLiteral("T:"))) left << t;
            return left;
        };
        CAnalysisSetup analysis(CAnalysisSetup::Values{94, 85, 120, 50, 4, 10});
        CDlgUnitSetup units(UnitSystem::Metric);
        CReportSetup report{ReportSettings{}};
        for (QDialog* d : std::initializer_list<QDialog*>{&analysis, &units, &report})
            QVERIFY2(unmarked(*d).isEmpty(), qPrintable(unmarked(*d).join(QLatin1Char('|'))));
        units.setSaveProblem(QStringLiteral("/x/Kestrova.ini: Is a directory"));
        QVERIFY(units.saveProblem()->text().startsWith(QStringLiteral("T:")));
        StudyListModel studies;
        for (int c = 0; c < StudyListModel::ColumnCount; ++c)
            QVERIFY(studies.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().startsWith(QStringLiteral("T:")));
        QCoreApplication::removeTranslator(&marking);
    }

    void dateAndTimeFieldsAreCheckedWhileTyping() {
        CDateAndTimeDlg dialog;
        dialog.hour()->setText(QStringLiteral("2a"));
        QCOMPARE(dialog.hour()->text(), QStringLiteral("0"));
        dialog.hour()->setText(QStringLiteral("24"));
        QCOMPARE(dialog.hour()->text(), QStringLiteral("0"));
        dialog.hour()->setText(QStringLiteral("23"));
        dialog.minute()->setText(QStringLiteral("60"));
        dialog.second()->setText(QStringLiteral("59"));
        dialog.minute()->clear();
        leave(dialog.minute());
        QCOMPARE(m_log->texts,
                 (QStringList{QStringLiteral("Please input a Num !"), QStringLiteral("Please input a legal value !"),
                              QStringLiteral("Please input a legal value !"), QStringLiteral("Please input a Num !")}));
        dialog.date()->setDate(QDate(2010, 3, 15));
        const DeviceDateTime t = dialog.dateTime();
        QCOMPARE(t.year, 2010);
        QCOMPARE(t.hour, 23);
        QCOMPARE(t.minute, 0);
        QCOMPARE(t.second, 59);
    }

    void deletionCombosPairAllWithAll() {
        RecordingModel model;
        SampleRecord s;
        s.id = 5;
        model.appendSample(5, s, 0);
        CDelDataDlg dialog(model);
        QCOMPARE(dialog.idCombo()->count(), 2);
        dialog.typeCombo()->setCurrentIndex(1); // SpO2&Pr with all IDs: back to All
        QCOMPARE(dialog.typeCombo()->currentIndex(), 0);
        dialog.idCombo()->setCurrentIndex(1);
        dialog.typeCombo()->setCurrentIndex(1);
        QCOMPARE(dialog.patientId(), 5);
        QCOMPARE(dialog.dataType(), 1);
        dialog.idCombo()->setCurrentIndex(0);
        QCOMPARE(dialog.patientId(), 0);
        QCOMPARE(dialog.dataType(), 0);
        QCOMPARE(dialog.typeCombo()->currentIndex(), 0);
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
