#include "support/Postgres.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <atomic>
#include <map>

namespace norva::testing {

namespace {

// The state file of postgres.sh (KEY=VALUE lines), read once; empty when there is none.
std::map<QString, QString> ReadServer() {
    std::map<QString, QString> values;
    QFile state(qEnvironmentVariable("NORVA_TEST_POSTGRES"));
    if (!state.open(QIODevice::ReadOnly | QIODevice::Text)) return values;
    while (!state.atEnd()) {
        const QString line = QString::fromUtf8(state.readLine()).trimmed();
        if (const qsizetype at = line.indexOf('='); at > 0)
            values[line.left(at)] = line.mid(at + 1);
    }
    // libpq finds the roles' passwords here, as the program's users' would in ~/.pgpass.
    qputenv("PGPASSFILE", values["PGPASSFILE"].toLocal8Bit());
    return values;
}
const std::map<QString, QString>& Server() {
    static const std::map<QString, QString> server = ReadServer();
    return server;
}

// Runs `statements` in `database` as the superuser, through the server's socket; empty, or
// what failed and why.
QString AsAdmin(const QString& database, const QStringList& statements) {
    static std::atomic<int> serial{0};
    const QString connection = QStringLiteral("test-postgres-admin-%1").arg(++serial);
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        db.setHostName(Server().at("ADMIN_SOCKET"));
        db.setPort(Server().at("PORT").toInt());
        db.setUserName(Server().at("ADMIN_USER"));
        db.setDatabaseName(database);
        if (!db.open()) error = db.lastError().text();
        for (const QString& statement : statements) {
            QSqlQuery query(db);
            if (error.isEmpty() && !query.exec(statement))
                error = statement + ": " + query.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}

}  // namespace

PostgresDatabase::PostgresDatabase() {
    if (!Server().count("PORT")) {
        ADD_FAILURE() << "no test PostgreSQL server: NORVA_TEST_POSTGRES (ctest) names none";
        return;
    }
    static std::atomic<int> serial{0};  // with the process: parallel tests never meet
    const QString name = QStringLiteral("t%1_%2").arg(qApp->applicationPid()).arg(++serial);
    const QString owner = Server().at("OWNER_USER"), reader = Server().at("READER_USER");
    QString error = AsAdmin("postgres", {"CREATE DATABASE " + name + " OWNER " + owner});
    if (error.isEmpty()) name_ = name;  // dropped at the end, whatever fails next
    // The reader may read whatever the owner makes in it, and nothing more.
    if (error.isEmpty())
        error = AsAdmin(name, {"ALTER DEFAULT PRIVILEGES FOR ROLE " + owner +
                                   " IN SCHEMA public GRANT SELECT ON TABLES TO " + reader,
                               "GRANT CONNECT ON DATABASE " + name + " TO " + reader,
                               "GRANT USAGE ON SCHEMA public TO " + reader});
    if (!error.isEmpty())
        ADD_FAILURE() << "no database on the test PostgreSQL server: " << error.toStdString();
}

PostgresDatabase::~PostgresDatabase() {
    // FORCE: a connection the code under test left open does not keep the database.
    if (ok()) EXPECT_EQ(AsAdmin("postgres", {"DROP DATABASE " + name_ + " WITH (FORCE)"}), "");
}

QString PostgresDatabase::url(const char* role) const {
    return QStringLiteral("postgresql://%1@%2:%3/%4")
        .arg(Server().at(role), Server().at("HOST"), Server().at("PORT"), name_);
}

}  // namespace norva::testing
