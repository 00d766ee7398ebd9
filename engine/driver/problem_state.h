// The state of one analysis run: the current problem block as read from the
// data file, the per-station tables of the wall, the curve tables and the
// iteration results. One object per run; a later block starts from the
// values the earlier block left in every item it does not read or reset.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "driver/station_table.h"

namespace keldor::engine {

// Limits of the engine's tables.
inline constexpr int kMaxIncrements = 407;
inline constexpr int kMaxRestraintRows = 20;
inline constexpr int kMaxCouples = 50;
inline constexpr int kMaxPyModifications = 50;
inline constexpr int kMaxPressurePoints = 1200;
inline constexpr int kMaxSurcharges = 20;
inline constexpr int kMaxLayers = 20;
inline constexpr int kMaxCurves = 400;
inline constexpr int kMaxCurvePoints = 34;
inline constexpr int kMaxMomentEiCurves = 20;
inline constexpr int kMaxMomentEiPoints = 100;
inline constexpr int kTitleLength = 70;

// R2, with the flags derived from it.
struct ControlRecord {
  int IUNITS = 0, NBC = 0, NEIS = 0, NPYMOD = 0, KOUTPT = 0, KPYOP = 0, NPYSET = 0, NSTAGE = 0, NMEI = 0;

  int generate_pressure_flag() const { return KOUTPT >= 2 ? 1 : 0; }
  int generate_curves_flag() const { return KPYOP == 2 ? 1 : 0; }
  // Code of the report's unit labels: 1 English, -1 SI, 0 other.
  int label_code() const { return IUNITS == 1 ? 1 : IUNITS == 2 ? -1 : 0; }
};

// R3.
struct Geometry {
  int NI = 0;
  double H = 0, YMAX = 0, TOL = 0, HFREE = 0;
};

// R4 row; KASE already mapped into 1..3.
struct RestraintRow {
  int KASE = 1, STA = 0;
  double YSPEC = 0, SSPEC = 0;
};

struct Couple {
  int TSTA = 0;
  double TCOUP = 0;  // T / (2H)
};

// R8 row.
struct PyModification {
  double PMDEPTH = 0, PMFAC = 0, YMFAC = 0;
};

// Earth-pressure table (R9 or generated).
struct PressurePoint {
  double EPDEPTH = 0, EPTOTAL = 0, EPACT = 0, EPSUR = 0;
};

// R10.
struct WallRecord {
  double HWALL = 0, WA = 0, WP = 0, DWB = 0, DWE = 0, AMOD = 0;
  int N = 0;
  double BETA = 0;
};

// R11: uniform pressure and the single surcharge of older files.
struct SurchargeRecord {
  double QU = 0, X = 0, QP = 0, QL = 0, QS = 0, WS = 0;
};

// R12 row: KSUR 1 point load, 2 line load, 3 strip load.
struct SurchargeRow {
  int KSUR = 0;
  double SURMAG = 0, SURDIST = 0, SURWID = 0;
};

// R13 layer. The six slots hold unit weight, cohesion or compressive
// strength, friction angle, E50 or krm, k or Er, RQD as the soil type uses them.
struct SoilLayer {
  int KSOIL = 0;
  double ZBOT = 0;
  double THICK = 0;
  std::array<double, 6> VTOP{};
  std::array<double, 6> VBOT{};
};

// R14 set as read (multipliers not yet applied).
struct PyCurveSet {
  int CSTA = 0;
  double PMULT = 1, YMULT = 1;
  std::vector<double> Y, P;
};

// R15 curve.
struct MomentEiCurve {
  int MEIFROM = 0, MEITO = 0;
  std::vector<double> MEIM, MEIEI;
};

// Per-station tables built from R4 to R7 and the pressure table.
struct StationTables {
  StationTable<double> EI, Q, S, T, R, P;
  StationTable<int> KODE;
  // Restraint row (0-based) whose codes were set at each station, so that a
  // later row that overlaps an earlier one replaces its codes and values together.
  StationTable<int> KROW;
  std::vector<RestraintRow> restraints;
  std::vector<Couple> couples;  // the current block's R6 rows with T != 0

  void clear_codes(int NI);
  void clear_loads(int NI);
};

struct ProblemState {
  // Run group.
  std::string TITLE;        // first 70 characters of R1, padded with blanks
  std::string first_title;  // TITLE of the run's first block
  int problem_counter = 0;
  int KPLOT = 1;
  int KNEXT = 0;

  ControlRecord control;
  Geometry geometry;
  int ITMAX = 100;

  StationTables tables;
  int NCONC = 0;
  int NSPR = 0;
  double XANCH1 = 0, XANCH2 = 0;  // anchor depths of springs acting at a single station

  std::vector<PyModification> py_modifications;

  std::vector<PressurePoint> pressure;
  double PAEXC = 0;
  int pressure_print_step = 1;
  // Vertical stress at the excavation level on the backfill side, from the
  // last earth-pressure generation (0 when the block gives its own table).
  double SIGVP_excavation = 0;

  WallRecord wall;
  SurchargeRecord surcharge;
  std::vector<SurchargeRow> surcharges;
  std::vector<SoilLayer> layers;

  std::vector<PyCurveSet> py_sets;
  std::vector<MomentEiCurve> moment_ei_curves;

  // Resets at the start of every problem block.
  void start_block() {
    KNEXT = 0;
    ITMAX = 100;
    surcharges.clear();  // a block without a surcharge table has no surcharges
  }
};

}  // namespace keldor::engine
