#pragma once
// The tests' PostgreSQL server, which ctest starts before the tests and stops after them
// (tests/support/postgres.sh; NORVA_TEST_POSTGRES names its state file).
#include <QString>

namespace norva::testing {

// A new, empty database of the running test's own, owned by norva_owner and readable, never
// writable, by norva_reader; dropped when this ends. The URLs carry no password: PGPASSFILE
// names the server's password file. Without a server the test has failed, and ok() is false.
class PostgresDatabase {
  public:
    PostgresDatabase();
    ~PostgresDatabase();
    PostgresDatabase(const PostgresDatabase&) = delete;
    PostgresDatabase& operator=(const PostgresDatabase&) = delete;

    bool ok() const { return !name_.isEmpty(); }
    QString name() const { return name_; }
    QString ownerUrl() const;   // postgresql://norva_owner@127.0.0.1:PORT/NAME
    QString readerUrl() const;  // postgresql://norva_reader@127.0.0.1:PORT/NAME

  private:
    QString name_;
};

}  // namespace norva::testing
