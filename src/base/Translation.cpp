#include "base/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace norva {

namespace {

// Beside the program in its build tree, or where the package installs them.
QStringList Folders() {
    const QString here = QCoreApplication::applicationDirPath();
    return {here + QStringLiteral("/translations"),
            QDir(here).filePath(QStringLiteral("../share/norva/translations")),
            QStringLiteral(NORVA_TRANSLATIONS_DIR)};
}

}  // namespace

QStringList TranslatedLanguages() {
    QStringList languages;
    for (const QString& folder : Folders()) {
        for (const QString& file :
             QDir(folder).entryList({QStringLiteral("norva_*.qm")}, QDir::Files, QDir::Name)) {
            const QString code = file.mid(6, file.size() - 9);
            if (!languages.contains(code)) languages << code;
        }
    }
    return languages;
}

QString InstallTranslation(const QString& requested) {
    const QLocale locale = requested.isEmpty() ? QLocale::system() : QLocale(requested);
    // Kept for the life of the program: the application refers to them.
    static QTranslator ours;
    static QTranslator qts;
    for (const QString& folder : Folders()) {
        if (!ours.load(locale, QStringLiteral("norva"), QStringLiteral("_"), folder)) continue;
        QCoreApplication::installTranslator(&ours);
        // Qt's own texts too (the buttons of its dialogs), where the system has them.
        if (qts.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qts);
        return ours.language().section(QLatin1Char('_'), 0, 0);
    }
    return QStringLiteral("en");
}

}  // namespace norva
