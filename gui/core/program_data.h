// The one current problem: title, units system, option switches, scalar
// wall data, iteration controls and staging state. List-shaped data live in
// the main window's tables, which this object clears, fills and reads but
// does not own. Reading and writing the data and stage files are in
// project_file_reader.cpp and project_file_writer.cpp.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace keldor::gui {

class TMainWindowTables;
class TModifiedState;
class TPrompt;
class TGridTable;
class TWordReader;

// What the problem needs of the main window.
struct TProgramContext {
  TMainWindowTables& tables;
  TModifiedState& modified;
  TPrompt& prompt;
  std::function<void()> close_all_children;  // dialogs, table windows, plot windows
  std::function<void()> units_changed;       // open dialogs show the converted values
};

// Layouts of the data file: the current one and the two older ones.
enum class TFileLayout { Current = 1, V30 = 2, V20 = 3 };
// The open dialog's filter index: 1 current, 2 the 3.0 layout, any other the 2.0 layout.
TFileLayout LayoutFromIndex(int index);

// Which problem block is written or read: the codes and tables differ.
enum class TBlockKind { ShortTerm, LongTerm, Stage };

inline constexpr const char* kNewFileName = "NewWall.kd4d";

class TProgramData {
 public:
  // A new problem with the defaults (closes every child window first).
  explicit TProgramData(TProgramContext& context);
  // A new problem read from a data file; read errors are shown and what
  // was read is kept.
  static std::unique_ptr<TProgramData> CreateFromFile(TProgramContext& context, const std::string& file_name,
                                                      TFileLayout layout);

  // Reads a data file into this (new) problem; false after a read error,
  // which has been shown.
  bool ReadDataFile(const std::string& file_name, TFileLayout layout);
  // Loads one stage file into the tables over what they hold; false after
  // a read error, which has been shown.
  bool ReadStageFile(const std::string& file_name);
  // The same for the text of one stage block already in memory.
  bool ReadStageText(const std::string& text);
  // Write the data file FileName (unstaged problem) and the stage file
  // StageFileName; EFileWriteError on failure, nothing half-written left.
  void WriteDataFile();
  void WriteStageFile();
  // The text those files receive.
  std::string DataFileText();
  std::string StageFileText();

  void SetUnitsSystem(int units);
  // Turns the switches into KOUTPT, KPYOP and NMEI for a block and empties
  // the tables of switches that are off.
  void DeriveFileCodes(TBlockKind kind);

  TMainWindowTables& Tables() const;
  TGridTable& Table(const char* name) const;

  std::string FileName = kNewFileName;
  std::string Title = "New Wall";
  int Units = 1;
  std::string StageFileName;
  std::string PreviousFileName;
  int Increments = 0;
  double IncrementLength = 0;
  double MaxDeflection = 100;
  double ClosureTolerance = 0.00001;
  double FreeHeight = 0;
  double WidthActive = 0;
  double WidthPY = 0;
  double WaterDepthBackfill = 0;
  double WaterDepthExcavation = 0;
  double PressureFactor = 1.0;
  int NWall = 1;
  double BackfillSlope = 0;
  double SurfacePressure = 0;
  double SurchargeDistance = 0;
  double PointLoad = 0;
  double LineLoad = 0;
  double StripLoad = 0;
  double StripWidth = 0;
  int EarthPressureOption = 0;
  bool UserEarthPressure = false;
  int GenerateEarthPressure = 0;
  int GeneratePY = 1;
  bool ExternalPYCurves = false;
  bool PYModification = false;
  bool MomentEICurves = false;
  bool ConcentratedLoads = false;
  bool LateralSprings = false;
  bool SurchargeLoads = false;
  bool Restraints = false;
  bool LongTerm = false;
  int KOUTPT = 0;
  int KPYOP = 0;
  int NMEI = 0;
  int NextCode = 0;
  int StageCount = 1;
  int CurrentStage = 1;
  int PressurePointCount = 0;
  bool CurrentLayout = true;

 private:
  bool ReadStage(const std::function<TWordReader()>& open);

  TProgramContext& context_;
};

}  // namespace keldor::gui
