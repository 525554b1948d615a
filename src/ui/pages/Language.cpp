#include "pages/Language.h"

#include "text/StringTable.h"
#include "text/Translate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

namespace kestrova::ui {

namespace {

const char* const kClassic = "en_classic";

struct Loaded {
    QString code = QString::fromLatin1(kClassic);
    std::unique_ptr<QTranslator> own;    // Kestrova's texts
    std::unique_ptr<QTranslator> qtbase; // Qt's own dialogs and buttons
    // The application the translators are installed in: the GUI's start-up parser
    // has an application of its own before the real one.
    QCoreApplication* attachedTo = nullptr;
};

Loaded& loaded() {
    static Loaded l;
    return l;
}

std::string translateForCore(const char* context, const char* source) {
    const auto& own = loaded().own;
    return own ? own->translate(context, source).toStdString() : std::string();
}

// Where the .qm files are: installed beside the program's share folder, else the
// build tree's.
QStringList searchFolders() {
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    QStringList folders;
    if (const char* dir = std::getenv("KESTROVA_TRANSLATIONS")) folders << QString::fromLocal8Bit(dir);
    if (!exe.isEmpty())
        folders << QFileInfo(exe).dir().absoluteFilePath(QStringLiteral("../share/kestrova/translations"));
#ifdef KESTROVA_BUILD_TRANSLATIONS
    folders << QStringLiteral(KESTROVA_BUILD_TRANSLATIONS);
#endif
    return folders;
}

void detach() {
    Loaded& l = loaded();
    if (l.attachedTo && l.attachedTo == QCoreApplication::instance()) {
        if (l.own) QCoreApplication::removeTranslator(l.own.get());
        if (l.qtbase) QCoreApplication::removeTranslator(l.qtbase.get());
    }
    l.attachedTo = nullptr;
}

} // namespace

QStringList Language::codes() {
    return {QStringLiteral("en"), QString::fromLatin1(kClassic), QStringLiteral("de"), QStringLiteral("fr"),
            QStringLiteral("es")};
}

QString Language::displayName(const QString& code) {
    // Each language is named in itself, so a user who cannot read the current one
    // still finds their own.
    if (code == QLatin1String("en")) return QStringLiteral("English");
    if (code == QLatin1String(kClassic)) return QStringLiteral("English (classic)");
    if (code == QLatin1String("de")) return QStringLiteral("Deutsch");
    if (code == QLatin1String("fr")) return QStringLiteral("Français");
    if (code == QLatin1String("es")) return QStringLiteral("Español");
    return code;
}

QString Language::fromLocaleName(const QString& name) {
    for (const QString& part : name.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString p = part.trimmed();
        if (p == QLatin1String(kClassic)) return p;
        if (p == QLatin1String("C") || p.startsWith(QLatin1String("C.")) || p == QLatin1String("POSIX"))
            return QStringLiteral("en");
        const QString language =
            p.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        if (codes().contains(language)) return language;
    }
    return {};
}

QString Language::choose(const QString& commandLine, const QString& setting) {
    if (!commandLine.isEmpty()) return commandLine;
    if (const char* v = std::getenv("KESTROVA_LANGUAGE"); v && *v) return QString::fromLocal8Bit(v);
    if (!setting.isEmpty()) return setting;
    for (const char* var : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* v = std::getenv(var);
        if (!v || !*v) continue;
        const QString code = fromLocaleName(QString::fromLocal8Bit(v));
        if (!code.isEmpty()) return code;
        // A locale of a language Kestrova does not speak gets plain English; an
        // unknown LANGUAGE list leaves the choice to the locale variables.
        if (std::strcmp(var, "LANGUAGE") != 0) return QStringLiteral("en");
    }
    return QStringLiteral("en");
}

bool Language::install(const QString& code) {
    detach();
    Loaded& l = loaded();
    l.own.reset();
    l.qtbase.reset();
    l.code = QString::fromLatin1(kClassic);
    text::setTranslator(nullptr);
    StringTable::setTranslator(nullptr);
    if (!codes().contains(code)) return false;
    l.code = code;
    if (code == QLatin1String(kClassic)) return true;
    auto own = std::make_unique<QTranslator>();
    bool found = false;
    for (const QString& folder : searchFolders())
        if (own->load(QStringLiteral("kestrova_") + code, folder)) {
            found = true;
            break;
        }
    if (found) {
        l.own = std::move(own);
        text::setTranslator(&translateForCore);
        StringTable::setTranslator(&translateForCore);
    }
    if (code != QLatin1String("en")) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            l.qtbase = std::move(qt);
    }
    attachToApplication();
    return found;
}

void Language::attachToApplication() {
    Loaded& l = loaded();
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || l.attachedTo == app) return;
    if (l.qtbase) QCoreApplication::installTranslator(l.qtbase.get());
    if (l.own) QCoreApplication::installTranslator(l.own.get());
    l.attachedTo = app;
    QObject::connect(app, &QObject::destroyed, [] { loaded().attachedTo = nullptr; });
}

QString Language::current() {
    return loaded().code;
}

QLocale Language::locale() {
    const QString code = loaded().code;
    if (code == QLatin1String(kClassic)) return QLocale::c();
    const QLocale system = QLocale::system();
    const QLocale wanted(code);
    // The desktop's own variant of the language (de_CH, fr_CA) when it has one.
    return system.language() == wanted.language() ? system : wanted;
}

QString Language::decimal(const QString& number) {
    const QString point = locale().decimalPoint();
    if (point == QLatin1String(".")) return number;
    QString out = number;
    return out.replace(QLatin1Char('.'), point);
}

QString Language::commandLineCode(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strcmp(a, "--") == 0) break;
        if (std::strcmp(a, "--lang") == 0 && i + 1 < argc) return QString::fromLocal8Bit(argv[i + 1]);
        if (std::strncmp(a, "--lang=", 7) == 0) return QString::fromLocal8Bit(a + 7);
    }
    return {};
}

} // namespace kestrova::ui
