#pragma once
// How GoogleTest writes a table row of a parameterised test: by its name, instead of the
// row's raw bytes. A test file brings it in beside its row types with
//   using ::quarrant::test::PrintTo;
// so that argument-dependent lookup finds it for every row type that has a `name`.
#include <concepts>
#include <ostream>
#include <string_view>

namespace quarrant::test {

template <class Row>
concept NamedRow = requires(const Row& row) {
  {std::string_view(row.name)};
};

template <NamedRow Row>
void PrintTo(const Row& row, std::ostream* out) {
  *out << std::string_view(row.name);
}

}  // namespace quarrant::test
