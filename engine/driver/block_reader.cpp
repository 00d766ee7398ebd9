#include "driver/block_reader.h"

#include <algorithm>
#include <string>

#include "driver/run_stop.h"
#include "output/free_format.h"
#include "output/input_echo.h"
#include "output/unit_labels.h"
#include "solver/station_table_builder.h"

namespace keldor::engine {

namespace {

std::string row_record(const char* record, int row) { return std::string(record) + " ROW " + std::to_string(row); }

}  // namespace

int BlockReader::read_count(const char* item, int limit, const std::string& what) {
  const int count = reader_.read_int(item);
  if (count > limit) {
    throw storage_stop(std::to_string(count) + " " + what + "; THE LIMIT IS " + std::to_string(limit));
  }
  return std::max(count, 0);
}

int BlockReader::read_station(const char* item, int lowest, int highest) {
  const int station = reader_.read_int(item);
  if (station < lowest || station > highest) {
    reader_.fail(item, "STATION " + std::to_string(station) + " LIES OUTSIDE THE STATION TABLES (" +
                           std::to_string(lowest) + " TO " + std::to_string(highest) + ")");
  }
  return station;
}

int BlockReader::read_kcont() {
  const int kcont = reader_.read_int("KCONT");
  if (kcont != 1 && kcont != 2) {
    reader_.fail("KCONT", "EXPECTED 1 (CONSTANT) OR 2 (CONTINUED), FOUND " + std::to_string(kcont));
  }
  return kcont;
}

void BlockReader::read_title() {
  std::string title = reader_.read_text_line("R1 (TITLE)");
  title.resize(kTitleLength, ' ');
  state_.TITLE = title;
  ++state_.problem_counter;
  if (state_.problem_counter == 1) state_.first_title = title;
}

void BlockReader::read_control() {
  reader_.begin_record("R2 (CONTROL)");
  ControlRecord& c = state_.control;
  c.IUNITS = reader_.read_int("IUNITS");
  c.NBC = reader_.read_int("NBC");
  c.NEIS = reader_.read_int("NEIS");
  c.NPYMOD = reader_.read_int("NPYMOD");
  c.KOUTPT = reader_.read_int("KOUTPT");
  c.KPYOP = reader_.read_int("KPYOP");
  c.NPYSET = reader_.read_int("NPYSET");
  c.NSTAGE = reader_.read_int("NSTAGE");
  c.NMEI = reader_.read_int("NMEI");
  // These counts cannot be negative; the run ends with the reason.
  if (c.NBC < 0) reader_.fail("NBC", "A NEGATIVE COUNT (" + std::to_string(c.NBC) + ") ENDS THE RUN");
  if (c.NEIS < 0) reader_.fail("NEIS", "A NEGATIVE COUNT (" + std::to_string(c.NEIS) + ") ENDS THE RUN");
  if (c.NPYSET < 0 && c.KPYOP < 2) {
    reader_.fail("NPYSET", "A NEGATIVE COUNT (" + std::to_string(c.NPYSET) + ") ENDS THE RUN");
  }
}

void BlockReader::read_geometry() {
  reader_.begin_record("R3 (GEOMETRY)");
  Geometry& g = state_.geometry;
  g.NI = reader_.read_int("NI");
  g.H = reader_.read_real("H");
  g.YMAX = reader_.read_real("YMAX");
  g.TOL = reader_.read_real("TOL");
  g.HFREE = reader_.read_real("HFREE");
  if (g.NI < 1 || g.NI > kMaxIncrements) {
    reader_.fail("NI", "THE NUMBER OF INCREMENTS MUST LIE BETWEEN 1 AND " + std::to_string(kMaxIncrements) +
                           ", FOUND " + std::to_string(g.NI));
  }
  if (!(g.H > 0)) reader_.fail("H", "THE INCREMENT LENGTH MUST BE POSITIVE, FOUND " + format_free_real(g.H));
  write_geometry(report_, g, UnitLabels(state_.control.label_code()));
}

void BlockReader::read_restraints() {
  const int count = state_.control.NBC;
  if (count > kMaxRestraintRows) {
    throw storage_stop(std::to_string(count) + " SPECIFIED DEFLECTION AND SLOPE ROWS; THE LIMIT IS " +
                       std::to_string(kMaxRestraintRows));
  }
  StationTables& tables = state_.tables;
  tables.clear_codes(state_.geometry.NI);
  tables.restraints.clear();
  write_restraints_heading(report_, count);
  for (int row = 1; row <= count; ++row) {
    reader_.begin_record(row_record("R4 (SPECIFIED DEFLECTIONS AND SLOPES)", row));
    RestraintRow r;
    r.KASE = std::clamp(reader_.read_int("KASE"), 1, 3);
    r.STA = reader_.read_int("STA");
    r.YSPEC = reader_.read_real("YSPEC");
    r.SSPEC = reader_.read_real("SSPEC");
    const int previous = tables.restraints.empty() ? -1 : tables.restraints.back().STA;
    if (r.STA < previous) {
      throw stations_not_in_order_stop("SPECIFIED DEFLECTION ROW " + std::to_string(row) + " AT STATION " +
                                       std::to_string(r.STA));
    }
    write_restraint_row(report_, r);
    tables.restraints.push_back(r);
  }
  apply_restraint_codes(tables, tables.restraints, state_.geometry.NI);
}

void BlockReader::read_stiffness_and_loads() {
  StationTables& t = state_.tables;
  const int NI = state_.geometry.NI;
  const double H = state_.geometry.H;
  const UnitLabels units(state_.control.label_code());
  t.clear_loads(NI);
  t.couples.clear();
  state_.NCONC = 0;
  state_.NSPR = 0;
  write_stiffness_heading(report_, state_.control.NEIS, units);
  if (state_.control.NEIS <= 0) return;

  // Rows may name stations -2 to NI+2; data below the tip is caught by
  // the check that follows the pressure table.
  const int lowest = -2;
  const int highest = NI + 2;
  auto warn_unclosed = [&](const FromToDistributor& record, const char* what) {
    if (record.ends_with_unclosed_chain()) {
      report_.message(std::string("WARNING -- THE LAST ") + what +
                      " ROW IS CONTINUED (CODE 2) BUT NO ROW FOLLOWS: ITS VALUES ARE NOT USED");
    }
  };

  FromToDistributor stiffness({&t.EI});
  for (int row = 1; row <= state_.control.NEIS; ++row) {
    reader_.begin_record(row_record("R5 (WALL STIFFNESS)", row));
    StiffnessEchoRow echo;
    echo.ifrom = read_station("IFROM", lowest, highest);
    echo.ito = read_station("ITO", lowest, highest);
    echo.kcont = read_kcont();
    echo.EI = reader_.read_real("EI");
    write_stiffness_row(report_, stiffness.add_row(echo.ifrom, echo.ito, echo.kcont, {echo.EI}), echo);
  }
  warn_unclosed(stiffness, "WALL STIFFNESS");

  reader_.begin_record("R6 (LOADS)");
  state_.NCONC = read_count("NCONC", kMaxCouples, "LOAD ROWS");
  FromToDistributor loads({&t.Q, &t.T, &t.P});
  for (int row = 1; row <= state_.NCONC; ++row) {
    reader_.begin_record(row_record("R6 (LOADS)", row));
    StiffnessEchoRow echo;
    echo.kcont = read_kcont();
    echo.ifrom = read_station("IFROM", lowest, highest);
    echo.ito = read_station("ITO", lowest, highest);
    echo.Q = reader_.read_real("Q");
    echo.T = reader_.read_real("T");
    echo.P = reader_.read_real("P");
    if (echo.T != 0.0) t.couples.push_back({echo.ifrom, echo.T / (2 * H)});
    echo.EI = t.EI[echo.ifrom];
    // The axial load is stored with its sign reversed.
    write_stiffness_row(report_, loads.add_row(echo.ifrom, echo.ito, echo.kcont, {echo.Q, echo.T, -echo.P}), echo);
  }
  warn_unclosed(loads, "LOAD");

  reader_.begin_record("R7 (SPRINGS)");
  state_.NSPR = std::max(reader_.read_int("NSPR"), 0);
  FromToDistributor springs({&t.S, &t.R});
  for (int row = 1; row <= state_.NSPR; ++row) {
    reader_.begin_record(row_record("R7 (SPRINGS)", row));
    StiffnessEchoRow echo;
    echo.ifrom = read_station("IFROM", lowest, highest);
    echo.ito = read_station("ITO", lowest, highest);
    echo.kcont = read_kcont();
    echo.S = reader_.read_real("S");
    echo.R = reader_.read_real("R");
    echo.EI = t.EI[echo.ifrom];
    if (echo.ifrom == echo.ito) {
      if (row == 1) state_.XANCH1 = echo.ifrom * H;
      if (row == state_.NSPR) state_.XANCH2 = echo.ifrom * H;
    }
    write_stiffness_row(report_, springs.add_row(echo.ifrom, echo.ito, echo.kcont, {echo.S, echo.R}), echo);
  }
  warn_unclosed(springs, "SPRING");
}

void BlockReader::read_py_modifications() {
  const int count = state_.control.NPYMOD;
  if (count > kMaxPyModifications) {
    throw storage_stop(std::to_string(count) + " P-Y MODIFICATION ROWS; THE LIMIT IS " +
                       std::to_string(kMaxPyModifications));
  }
  state_.py_modifications.clear();
  for (int row = 1; row <= count; ++row) {
    reader_.begin_record(row_record("R8 (P-Y MODIFICATION FACTORS)", row));
    PyModification m;
    m.PMDEPTH = reader_.read_real("PMDEPTH");
    m.PMFAC = reader_.read_real("PMFAC");
    m.YMFAC = reader_.read_real("YMFAC");
    state_.py_modifications.push_back(m);
  }
}

void BlockReader::read_user_pressure_table() {
  reader_.begin_record("R9 (EARTH PRESSURE TABLE)");
  const int count = read_count("NEP", kMaxPressurePoints, "EARTH PRESSURE POINTS");
  state_.pressure.clear();
  for (int row = 1; row <= count; ++row) {
    reader_.begin_record(row_record("R9 (EARTH PRESSURE TABLE)", row));
    PressurePoint p;
    p.EPDEPTH = reader_.read_real("EPDEPTH");
    p.EPTOTAL = reader_.read_real("EPTOTAL");
    p.EPACT = p.EPTOTAL;
    if (!state_.pressure.empty() && p.EPDEPTH < state_.pressure.back().EPDEPTH) {
      reader_.fail("EPDEPTH", "DEPTHS MUST NOT DECREASE, FOUND " + format_free_real(p.EPDEPTH) +
                                  " AFTER " + format_free_real(state_.pressure.back().EPDEPTH));
    }
    state_.pressure.push_back(p);
  }
  state_.PAEXC = 0;
}

void BlockReader::read_wall_and_soil() {
  reader_.begin_record("R10 (WALL)");
  WallRecord& w = state_.wall;
  w.HWALL = reader_.read_real("HWALL");
  w.WA = reader_.read_real("WA");
  w.WP = reader_.read_real("WP");
  w.DWB = reader_.read_real("DWB");
  w.DWE = reader_.read_real("DWE");
  w.AMOD = reader_.read_real("AMOD");
  w.N = reader_.read_int("N");
  w.BETA = reader_.read_real("BETA");

  reader_.begin_record("R11 (SURCHARGE)");
  SurchargeRecord& s = state_.surcharge;
  s.QU = reader_.read_real("QU");
  s.X = reader_.read_real("X");
  s.QP = reader_.read_real("QP");
  s.QL = reader_.read_real("QL");
  s.QS = reader_.read_real("QS");
  s.WS = reader_.read_real("WS");

  reader_.begin_record("R12 (SURCHARGE TABLE)");
  const int surcharges = read_count("NSUR", kMaxSurcharges, "SURCHARGE ROWS");
  state_.surcharges.clear();
  for (int row = 1; row <= surcharges; ++row) {
    reader_.begin_record(row_record("R12 (SURCHARGE TABLE)", row));
    SurchargeRow r;
    r.KSUR = reader_.read_int("KSUR");
    r.SURMAG = reader_.read_real("SURMAG");
    r.SURDIST = reader_.read_real("SURDIST");
    r.SURWID = reader_.read_real("SURWID");
    state_.surcharges.push_back(r);
  }

  reader_.begin_record("R13 (SOIL LAYERS)");
  const int layers = read_count("NLAYER", kMaxLayers, "SOIL LAYERS");
  state_.layers.clear();
  double previous_bottom = 0;
  for (int row = 1; row <= layers; ++row) {
    SoilLayer layer;
    reader_.begin_record(row_record("R13 (SOIL LAYERS)", row));
    layer.KSOIL = reader_.read_int("KSOIL");
    layer.ZBOT = reader_.read_real("ZBOT");
    layer.THICK = layer.ZBOT - previous_bottom;
    previous_bottom = layer.ZBOT;
    reader_.begin_record(row_record("R13 (SOIL LAYERS, VALUES AT THE TOP)", row));
    for (std::size_t k = 0; k < layer.VTOP.size(); ++k) layer.VTOP[k] = reader_.read_real("VTOP");
    reader_.begin_record(row_record("R13 (SOIL LAYERS, VALUES AT THE BOTTOM)", row));
    for (std::size_t k = 0; k < layer.VBOT.size(); ++k) layer.VBOT[k] = reader_.read_real("VBOT");
    state_.layers.push_back(layer);
  }
}

void BlockReader::read_py_sets() {
  const int count = state_.control.NPYSET;
  if (count > kMaxCurves) {
    throw storage_stop(std::to_string(count) + " P-Y CURVE SETS; THE LIMIT IS " + std::to_string(kMaxCurves));
  }
  state_.py_sets.clear();
  for (int set = 1; set <= count; ++set) {
    reader_.begin_record(row_record("R14 (P-Y CURVE SET)", set));
    PyCurveSet curve;
    curve.CSTA = reader_.read_int("CSTA");
    const int points = reader_.read_int("NPT");
    curve.PMULT = reader_.read_real("PMULT");
    curve.YMULT = reader_.read_real("YMULT");
    if (points > kMaxCurvePoints) {
      throw storage_stop("P-Y CURVE SET " + std::to_string(set) + " HAS " + std::to_string(points) +
                         " POINTS; THE LIMIT IS " + std::to_string(kMaxCurvePoints));
    }
    for (int point = 1; point <= points; ++point) {
      reader_.begin_record("R14 (P-Y CURVE SET " + std::to_string(set) + ", POINT " + std::to_string(point) + ")");
      curve.Y.push_back(reader_.read_real("Y"));
      curve.P.push_back(reader_.read_real("P"));
    }
    state_.py_sets.push_back(std::move(curve));
  }
}

void BlockReader::read_moment_ei_curves() {
  const int count = state_.control.NMEI;
  if (count > kMaxMomentEiCurves) {
    throw storage_stop(std::to_string(count) + " MOMENT-EI CURVES; THE LIMIT IS " +
                       std::to_string(kMaxMomentEiCurves));
  }
  state_.moment_ei_curves.clear();
  for (int index = 1; index <= count; ++index) {
    reader_.begin_record(row_record("R15 (MOMENT-EI CURVE)", index));
    MomentEiCurve curve;
    curve.MEIFROM = reader_.read_int("MEIFROM");
    curve.MEITO = reader_.read_int("MEITO");
    const int points = reader_.read_int("MEINPT");
    if (points > kMaxMomentEiPoints) {
      throw storage_stop("MOMENT-EI CURVE " + std::to_string(index) + " HAS " + std::to_string(points) +
                         " POINTS; THE LIMIT IS " + std::to_string(kMaxMomentEiPoints));
    }
    for (int point = 1; point <= points; ++point) {
      reader_.begin_record("R15 (MOMENT-EI CURVE " + std::to_string(index) + ", POINT " + std::to_string(point) +
                           ")");
      curve.MEIM.push_back(reader_.read_real("MEIM"));
      curve.MEIEI.push_back(reader_.read_real("MEIEI"));
    }
    state_.moment_ei_curves.push_back(std::move(curve));
  }
}

void BlockReader::read_continuation() {
  reader_.begin_record("R16 (CONTINUATION)");
  state_.KNEXT = reader_.read_int("KNEXT");
  if (state_.KNEXT == state_.control.NSTAGE) state_.KNEXT = 0;
}

}  // namespace keldor::engine
