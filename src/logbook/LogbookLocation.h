#pragma once
// Where a logbook lives: an SQLite file on this computer, or a database on a PostgreSQL server
// that a shop's bench PCs share, named postgresql://USER@HOST[:PORT]/DB[?sslmode=MODE]. The
// password is never part of the name: it comes from ~/.pgpass (PGPASSFILE), PGPASSWORD, or the
// window's prompt, so that it shows in no process list, settings file or message.

#include <QString>
#include <optional>

namespace norva {

struct LogbookLocation {
    QString file;  // an SQLite file; empty for a server
    QString host;
    int port = 5432;
    QString database;
    QString user;
    QString sslmode;  // libpq's: disable, allow, prefer, require, verify-ca, verify-full

    bool server() const { return file.isEmpty(); }
    // What messages call it: the file, or "HOST/DB".
    QString name() const;
};

// "postgresql://…" or "postgres://…": a server, as libpq names them.
bool IsServerUrl(const QString& text);
// A server's logbook, or a file that is there: one a look-up may open without making it.
bool LogbookExists(const QString& pathOrUrl);
// The file, or the server the URL names; nothing with the reason for a URL the program does not
// take (one with a password, without a user or database, an unknown option).
std::optional<LogbookLocation> LocationOf(const QString& pathOrUrl, QString& error);

// A password typed in the window for a server, kept in this program's memory for the session.
void RememberLogbookPassword(const LogbookLocation& server, const QString& password);
QString RememberedLogbookPassword(const LogbookLocation& server);

}  // namespace norva
