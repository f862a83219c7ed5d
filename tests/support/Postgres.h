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
    // postgresql://norva_owner@127.0.0.1:PORT/NAME, and norva_reader's
    QString ownerUrl() const { return url("OWNER_USER"); }
    QString readerUrl() const { return url("READER_USER"); }

  private:
    QString url(const char* role) const;
    QString name_;
};

}  // namespace norva::testing
