// The tests' PostgreSQL server: a database of the test's own, which its owner writes and the
// reader only reads, both coming in over TCP with the passwords of the server's password file.
#include <gtest/gtest.h>

#include <QSqlError>
#include <QSqlQuery>

#include "support/Postgres.h"

using namespace norva::testing;

TEST(PostgresFixture, TheOwnerWritesAndTheReaderOnlyReads) {
    PostgresDatabase db;
    ASSERT_TRUE(db.ok());
    {
        PostgresConnection owner(db.ownerUrl());
        ASSERT_TRUE(owner.ok());
        QSqlQuery query(owner.db());
        ASSERT_TRUE(query.exec("CREATE TABLE engines (id serial PRIMARY KEY, name text NOT NULL)"))
            << query.lastError().text().toStdString();
        ASSERT_TRUE(query.exec("INSERT INTO engines (name) VALUES ('Bench one')"))
            << query.lastError().text().toStdString();
    }
    PostgresConnection reader(db.readerUrl());
    ASSERT_TRUE(reader.ok());
    QSqlQuery query(reader.db());
    ASSERT_TRUE(query.exec("SELECT name FROM engines")) << query.lastError().text().toStdString();
    ASSERT_TRUE(query.next());
    EXPECT_EQ(query.value(0).toString().toStdString(), "Bench one");
    EXPECT_FALSE(query.exec("INSERT INTO engines (name) VALUES ('Not mine')"));
    // 42501, insufficient_privilege: refused for who the reader is, not for what it wrote.
    EXPECT_EQ(query.lastError().nativeErrorCode().toStdString(), "42501");
}
