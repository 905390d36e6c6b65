#pragma once
#include <gtest/gtest.h>

#include "integration/support/throwaway_postgres.h"

namespace eqbond::test {

// One server for the whole test program, started before the first test and stopped after the
// last, whatever the tests did.
class PostgresEnvironment : public ::testing::Environment {
  public:
    static ThrowawayPostgres& server() {
        static ThrowawayPostgres instance;
        return instance;
    }
    void SetUp() override {
        if (!server().start())
            FAIL() << "cannot start PostgreSQL: " << server().why().toStdString();
    }
    void TearDown() override { server().stop(); }
};

}  // namespace eqbond::test
