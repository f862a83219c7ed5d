#include "support/Postgres.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>
#include <atomic>
#include <cstdlib>
#include <map>

namespace norva::testing {

namespace {

const QString kDriver = QStringLiteral("QPSQL");

// What the state file of postgres.sh says, or why there is no server.
struct Server {
    QString host;
    QString port;
    QString adminSocket;
    QString adminUser;
    QString owner;
    QString reader;
    QString error;
};

Server ReadServer() {
    Server server;
    const char* file = std::getenv("NORVA_TEST_POSTGRES");
    if (!file || !*file) {
        server.error = QStringLiteral(
            "no test PostgreSQL server: run the tests through ctest (NORVA_TEST_POSTGRES unset)");
        return server;
    }
    const QString path = QString::fromLocal8Bit(file);
    QFile state(path);
    if (!state.open(QIODevice::ReadOnly | QIODevice::Text)) {
        server.error = QStringLiteral(
                           "no test PostgreSQL server: its state file %1 cannot be read (%2); "
                           "run the tests through ctest, whose PostgresStart makes it")
                           .arg(path, state.errorString());
        return server;
    }
    std::map<QString, QString> values;
    while (!state.atEnd()) {
        const QString line = QString::fromUtf8(state.readLine()).trimmed();
        const qsizetype at = line.indexOf('=');
        if (at > 0) values[line.left(at)] = line.mid(at + 1);
    }
    for (const char* key : {"HOST", "PORT", "ADMIN_SOCKET", "ADMIN_USER", "OWNER_USER",
                            "READER_USER", "PGPASSFILE"}) {
        if (values[QString::fromLatin1(key)].isEmpty()) {
            server.error = QStringLiteral("the test PostgreSQL server's state file %1 has no %2")
                               .arg(path, QString::fromLatin1(key));
            return server;
        }
    }
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        server.error = QStringLiteral(
            "Qt's PostgreSQL driver (QPSQL) is not installed: install libqt6sql6-psql");
        return server;
    }
    server.host = values["HOST"], server.port = values["PORT"];
    server.adminSocket = values["ADMIN_SOCKET"], server.adminUser = values["ADMIN_USER"];
    server.owner = values["OWNER_USER"], server.reader = values["READER_USER"];
    // The code under test connects with libpq as the program will, which finds the passwords
    // here; they are never on a command line or in a URL.
    setenv("PGPASSFILE", values["PGPASSFILE"].toLocal8Bit().constData(), 1);
    return server;
}

const Server& TheServer() {
    static const Server server = ReadServer();
    return server;
}

QString Quoted(const QString& identifier) {
    return '"' + QString(identifier).replace('"', QStringLiteral("\"\"")) + '"';
}

// Runs `statements` in order in `database` as the superuser, who comes in through the
// server's socket without a password; empty, or what failed and why.
QString AsAdmin(const QString& database, const QStringList& statements) {
    static std::atomic<int> serial{0};
    const Server& server = TheServer();
    const QString connection = QStringLiteral("norva-test-postgres-admin-%1").arg(++serial);
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, connection);
        db.setHostName(server.adminSocket);
        db.setPort(server.port.toInt());
        db.setUserName(server.adminUser);
        db.setDatabaseName(database);
        if (!db.open())
            error =
                QStringLiteral("database %1 cannot be opened as %2 through the socket in %3: %4")
                    .arg(database, server.adminUser, server.adminSocket, db.lastError().text());
        for (const QString& statement : statements) {
            if (!error.isEmpty()) break;
            QSqlQuery query(db);
            if (!query.exec(statement)) error = statement + ": " + query.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}

// t<pid>_<serial>_<suite>_<test>, so parallel test processes never meet, and a database left
// behind by a crash names the test that made it; cut to the 63 bytes PostgreSQL keeps.
QString NewName() {
    static std::atomic<int> serial{0};
    QString test;
    if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info())
        test = QString::fromUtf8(info->test_suite_name()) + '_' + QString::fromUtf8(info->name());
    QString name = QStringLiteral("t%1_%2_%3")
                       .arg(QCoreApplication::applicationPid())
                       .arg(++serial)
                       .arg(test.toLower());
    static const QRegularExpression unsafe(QStringLiteral("[^a-z0-9_]"));
    return name.replace(unsafe, QStringLiteral("_")).left(63);
}

QString Url(const QString& user, const QString& database) {
    const Server& server = TheServer();
    return QStringLiteral("postgresql://%1@%2:%3/%4").arg(user, server.host, server.port, database);
}

// A fatal failure of the running test, as ASSERT_ would record it.
void Fail(const QString& why) {
    FAIL() << why.toStdString();
}

}  // namespace

PostgresDatabase::PostgresDatabase() {
    const Server& server = TheServer();
    if (!server.error.isEmpty()) {
        Fail(server.error);
        return;
    }
    const QString name = NewName();
    QString error = AsAdmin(
        QStringLiteral("postgres"),
        {QStringLiteral("CREATE DATABASE %1 OWNER %2").arg(Quoted(name), Quoted(server.owner))});
    // The reader may read whatever the owner makes in it, and nothing more.
    if (error.isEmpty())
        error = AsAdmin(
            name,
            {QStringLiteral("ALTER DEFAULT PRIVILEGES FOR ROLE %1 IN SCHEMA public "
                            "GRANT SELECT ON TABLES TO %2")
                 .arg(Quoted(server.owner), Quoted(server.reader)),
             QStringLiteral("GRANT CONNECT ON DATABASE %1 TO %2")
                 .arg(Quoted(name), Quoted(server.reader)),
             QStringLiteral("GRANT USAGE ON SCHEMA public TO %1").arg(Quoted(server.reader))});
    if (!error.isEmpty()) {
        AsAdmin(QStringLiteral("postgres"), {"DROP DATABASE IF EXISTS " + Quoted(name)});
        Fail("no test database on the test PostgreSQL server: " + error);
        return;
    }
    name_ = name;
}

PostgresDatabase::~PostgresDatabase() {
    if (!ok()) return;
    // FORCE: a connection the code under test left open does not keep the database.
    const QString error =
        AsAdmin(QStringLiteral("postgres"),
                {QStringLiteral("DROP DATABASE %1 WITH (FORCE)").arg(Quoted(name_))});
    if (!error.isEmpty())
        ADD_FAILURE() << "the test database was not dropped: " << error.toStdString();
}

QString PostgresDatabase::ownerUrl() const {
    return Url(TheServer().owner, name_);
}

QString PostgresDatabase::readerUrl() const {
    return Url(TheServer().reader, name_);
}

PostgresConnection::PostgresConnection(const QString& url) {
    static std::atomic<int> serial{0};
    connection_ = QStringLiteral("norva-test-postgres-%1").arg(++serial);
    const QUrl parsed(url);
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, connection_);
    db.setHostName(parsed.host());
    db.setPort(parsed.port(5432));
    db.setUserName(parsed.userName());
    if (!parsed.password().isEmpty()) db.setPassword(parsed.password());
    db.setDatabaseName(parsed.path().mid(1));
    if (!db.open()) Fail(url + " cannot be opened: " + db.lastError().text());
}

PostgresConnection::~PostgresConnection() {
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (db.isValid()) db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase PostgresConnection::db() const {
    return QSqlDatabase::database(connection_, false);
}

}  // namespace norva::testing
