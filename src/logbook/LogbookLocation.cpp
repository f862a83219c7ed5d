#include "logbook/LogbookLocation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QUrl>
#include <QUrlQuery>

namespace norva {

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(norva::LogbookLocation)
};

QString Key(const LogbookLocation& server) {
    return server.user + QLatin1Char('@') + server.host + QLatin1Char(':') +
           QString::number(server.port) + QLatin1Char('/') + server.database;
}
QMutex gPasswordsMutex;
QHash<QString, QString>& Passwords() {
    static QHash<QString, QString> passwords;
    return passwords;
}
}  // namespace

QString LogbookLocation::name() const {
    return server() ? host + QLatin1Char('/') + database : file;
}

bool IsServerUrl(const QString& text) {
    return text.startsWith(QLatin1String("postgresql://")) ||
           text.startsWith(QLatin1String("postgres://"));
}

bool LogbookExists(const QString& pathOrUrl) {
    return IsServerUrl(pathOrUrl) || QFileInfo::exists(pathOrUrl);
}

std::optional<LogbookLocation> LocationOf(const QString& pathOrUrl, QString& error) {
    LogbookLocation at;
    if (!IsServerUrl(pathOrUrl)) {
        at.file = pathOrUrl;
        return at;
    }
    const QUrl url(pathOrUrl, QUrl::StrictMode);
    const auto refuse = [&](const QString& why) {
        error = why;
        return std::nullopt;
    };
    // Said without the URL itself: it may hold the very password it is refused for.
    if (!url.isValid() || url.host().isEmpty())
        return refuse(Texts::tr("the logbook's URL is not postgresql://USER@HOST[:PORT]/DB"));
    if (!url.password().isEmpty())
        return refuse(
            Texts::tr("the logbook's URL holds a password: put it in ~/.pgpass or "
                      "PGPASSWORD instead, where no other user can read it"));
    at.host = url.host();
    at.port = url.port(5432);
    at.database = url.path().mid(1);
    at.user = url.userName();
    if (at.user.isEmpty() || at.database.isEmpty() || at.database.contains(QLatin1Char('/')))
        return refuse(
            Texts::tr("the logbook's URL needs a user and a database: "
                      "postgresql://USER@HOST[:PORT]/DB"));
    const QUrlQuery query(url);
    static const QStringList modes = {QStringLiteral("disable"),   QStringLiteral("allow"),
                                      QStringLiteral("prefer"),    QStringLiteral("require"),
                                      QStringLiteral("verify-ca"), QStringLiteral("verify-full")};
    for (const auto& [key, value] : query.queryItems(QUrl::FullyDecoded)) {
        // Neither is echoed: a "password=" would be.
        if (key != QLatin1String("sslmode") || !modes.contains(value))
            return refuse(Texts::tr("the logbook's URL takes only ?sslmode=%1")
                              .arg(modes.join(QLatin1Char('|'))));
        at.sslmode = value;
    }
    return at;
}

void RememberLogbookPassword(const LogbookLocation& server, const QString& password) {
    const QMutexLocker lock(&gPasswordsMutex);
    Passwords().insert(Key(server), password);
}

QString RememberedLogbookPassword(const LogbookLocation& server) {
    const QMutexLocker lock(&gPasswordsMutex);
    return Passwords().value(Key(server));
}

}  // namespace norva
