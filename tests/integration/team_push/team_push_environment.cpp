// The test program's one PostgreSQL server (gtest owns the environment it is given).
#include "integration/support/postgres_environment.h"

namespace {
[[maybe_unused]] ::testing::Environment* const kServer =
    ::testing::AddGlobalTestEnvironment(new eqbond::test::PostgresEnvironment);
}
