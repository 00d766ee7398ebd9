// Column kinds by stream code, both ways: the code a column is written
// under and the constructor that reads a column of a code. Grid tables and
// chart tables keep separate registries with the same codes.
#pragma once

#include <memory>
#include <typeindex>
#include <vector>

namespace keldor::gui {

class TColumn;
class TGridTable;
class TValueReader;

using TColumnReader = std::unique_ptr<TColumn> (*)(TGridTable& table, TValueReader& reader);

class TColumnTypeRegistry {
 public:
  // Registers the five kinds: 0 pick list, 1 integer, 2 real, 3 sub-table, 4 text.
  void RegisterStandardKinds();
  void UnregisterStandardKinds();
  void Register(int code, std::type_index kind, TColumnReader reader);
  void Unregister(int code);
  // Raises "Column Type list not empty" when entries remain at program end.
  void CheckEmpty() const;

  int CodeOf(const TColumn& column) const;  // -1 for an unregistered kind
  TColumnReader ReaderOf(int code) const;   // nullptr for an unknown code

 private:
  struct TColumnTypeStorage {
    int code;
    std::type_index kind;
    TColumnReader reader;
  };
  std::vector<TColumnTypeStorage> entries_;
};

TColumnTypeRegistry& GridColumnTypes();
TColumnTypeRegistry& ChartColumnTypes();

}  // namespace keldor::gui
