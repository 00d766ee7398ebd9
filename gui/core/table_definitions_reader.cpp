#include "table_definitions_reader.h"

#include "grid_table.h"
#include "grid_table_chart.h"
#include "stream_error.h"
#include "value_stream.h"

namespace keldor::gui {

namespace {

void ReadProperty(const std::string& property, TGridTable& table, TValueReader& reader) {
  auto* chart = dynamic_cast<TGridTableChart*>(&table);
  if (property == "Comments") {
    table.SetComments(reader.ReadString());
  } else if (property == "Identifier") {
    table.SetIdentifier(reader.ReadInteger());
  } else if (property == "Caption") {
    table.SetCaption(reader.ReadString());
  } else if (property == "MaxRows") {
    table.SetMaxRows(reader.ReadInteger());
  } else if (property == "MinRows") {
    table.SetMinRows(reader.ReadInteger());
  } else if (property == "HardwiredButton") {
    table.SetHardwiredButton(reader.ReadBoolean());
  } else if (property == "RowGroup") {
    table.SetRowGroup(reader.ReadInteger());
  } else if (property == "TopLeft") {
    table.SetTopLeft(reader.ReadString());
  } else if (chart && property == "GetDataFromFile") {
    chart->SetGetDataFromFile(reader.ReadBoolean());
  } else if (chart && property == "OKCancelButtons") {
    chart->SetOKCancelButtons(reader.ReadBoolean());
  } else if (chart && property == "InvertedXAxis") {
    chart->SetInvertedXAxis(reader.ReadBoolean());
  } else if (chart && property == "InvertedYAxis") {
    chart->SetInvertedYAxis(reader.ReadBoolean());
  } else if (property == "Col") {
    reader.ReadSymbol('{');
    table.ReadCol(reader);
    reader.ReadSymbol('}');
  } else {
    throw EStreamError("Unknown property " + property + " on line " + std::to_string(reader.Line()));
  }
}

std::unique_ptr<TGridTable> CreateTable(const std::string& class_name, int line) {
  if (class_name == "TGridTable") return std::make_unique<TGridTable>();
  if (class_name == "TGridTableChart") return std::make_unique<TGridTableChart>();
  throw EStreamError("Unknown table class " + class_name + " on line " + std::to_string(line));
}

}  // namespace

std::vector<TNamedTable> ReadTableDefinitions(std::string_view text) {
  std::vector<TNamedTable> tables;
  TValueReader reader(text);
  while (!reader.AtEnd()) {
    if (reader.ReadName() != "object") throw EStreamError("'object' expected on line " + std::to_string(reader.Line()));
    TNamedTable named;
    named.name = reader.ReadName();
    reader.ReadSymbol(':');
    named.table = CreateTable(reader.ReadName(), reader.Line());
    named.table->SetLoading(true);
    for (std::string property = reader.ReadName(); property != "end"; property = reader.ReadName()) {
      reader.ReadSymbol('=');
      ReadProperty(property, *named.table, reader);
    }
    named.table->SetLoading(false);
    tables.push_back(std::move(named));
  }
  return tables;
}

}  // namespace keldor::gui
