#pragma once
// The tests' PostgreSQL server, which ctest starts before the tests and stops after them
// (tests/support/postgres.sh; NORVA_TEST_POSTGRES names its state file): a database of a
// test's own on it, and Qt SQL connections to it. Run outside ctest, a test that asks for one
// fails saying so.
#include <QSqlDatabase>
#include <QString>

namespace norva::testing {

// A new, empty database, owned by norva_owner and readable, never writable, by norva_reader
// (also what the owner makes later); dropped when this ends, whoever is still connected. The
// URLs carry no password: from the first one made on, this process's PGPASSFILE is the server's
// password file (the programs a test runs inherit it), so libpq finds both roles' passwords
// itself. When there is no server the test has failed with the reason, and ok() is false:
//     PostgresDatabase db;
//     ASSERT_TRUE(db.ok());
//     Logbook book(db.ownerUrl());
class PostgresDatabase {
  public:
    PostgresDatabase();
    ~PostgresDatabase();
    PostgresDatabase(const PostgresDatabase&) = delete;
    PostgresDatabase& operator=(const PostgresDatabase&) = delete;

    bool ok() const { return !name_.isEmpty(); }
    QString name() const { return name_; }
    // postgresql://norva_owner@127.0.0.1:PORT/NAME
    QString ownerUrl() const;
    // postgresql://norva_reader@127.0.0.1:PORT/NAME
    QString readerUrl() const;

  private:
    QString name_;
};

// An open connection through Qt's PostgreSQL driver to a postgresql:// URL, removed when this
// ends. When it cannot be opened the test has failed with the driver's reason, and ok() is
// false.
class PostgresConnection {
  public:
    explicit PostgresConnection(const QString& url);
    ~PostgresConnection();
    PostgresConnection(const PostgresConnection&) = delete;
    PostgresConnection& operator=(const PostgresConnection&) = delete;

    bool ok() const { return db().isOpen(); }
    QSqlDatabase db() const;

  private:
    QString connection_;
};

}  // namespace norva::testing
