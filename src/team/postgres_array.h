#pragma once
// PostgreSQL array literals ('{1,2,3}', '{"a",NULL}') of values, bound as one text parameter each,
// so that one statement writes any number of rows.
#include <QString>
#include <optional>
#include <vector>

namespace eqbond {

QString integer_array_literal(const std::vector<int>& values);
// Every element quoted; a missing one is NULL.
QString text_array_literal(const std::vector<std::optional<QString>>& values);

}  // namespace eqbond
