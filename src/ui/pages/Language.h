// The language the program speaks: chosen once at start, before any window or
// command-line help exists. Loads the Qt Linguist translation of Kestrova and Qt's own
// (qtbase) beside it, installs them for tr() and for the core's ktr(), and sets the
// locale that numbers and dates on pages and reports follow.
//
// Codes: "en" (plain English), "en_classic" (the classic texts, untranslated), "de",
// "fr", "es". The choice, strongest first: --lang, KESTROVA_LANGUAGE, the Language
// setting, then LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace kestrova::ui {

class Language {
public:
    static QStringList codes();
    // The language's own name, as Options -> Language lists it ("Deutsch").
    static QString displayName(const QString& code);
    // The code the environment and the setting choose; `commandLine` is --lang.
    static QString choose(const QString& commandLine, const QString& setting);
    // The code a locale name ("de_DE.UTF-8", "fr:en") stands for, or "" when none.
    static QString fromLocaleName(const QString& name);
    // Loads and installs `code`'s translations; false (and en_classic) when `code` is
    // unknown. May be called again: the earlier translators are removed.
    static bool install(const QString& code);
    // Installs the loaded translators into a QCoreApplication made after install().
    static void attachToApplication();
    static QString current();
    // The locale pages and reports format numbers and dates with: C for the classic
    // texts, else the language's own.
    static QLocale locale();
    // `number` (as printf writes it, with '.') with the locale's decimal separator.
    static QString decimal(const QString& number);
    // Scans argv for --lang CODE / --lang=CODE (before any parser runs).
    static QString commandLineCode(int argc, char** argv);
};

} // namespace kestrova::ui
