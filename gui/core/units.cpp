#include "units.h"

#include <array>
#include <cmath>

namespace keldor::gui {

namespace {

struct UnitRow {
  const char* names[3];       // English, SI, other
  double english_per_si;
};

// Rows: F0, F1, F2, L0, L1, L2, F4, F5, L3, F6.
constexpr std::array<UnitRow, 10> kUnitTable{{
    {{"lbs", "kN", "F"}, 224.8089237},
    {{"kips", "kN", "F"}, 0.2248089237},
    {{"tons", "kN", "F"}, 0.1124044745},
    {{"in", "m", "L"}, 39.37007874},
    {{"in", "mm", "L"}, 0.03937007874},
    {{"ft", "m", "L"}, 3.280839895},
    {{"lb-sec2/in", "Mg", "M"}, 5.7101483},
    {{"sec", "sec", "T"}, 1.0},
    {{"rad", "rad", "L"}, 1.0},
    {{"slug", "Mg", "F"}, 68.364249},
}};

struct Token {
  std::string_view text;
  int row;
};

constexpr std::array<Token, 10> kTenSlotTokens{{{"F2", 2}, {"F1", 1}, {"F4", 6}, {"F5", 7}, {"F6", 9},
                                                {"F", 0}, {"L3", 8}, {"L2", 5}, {"L1", 4}, {"L", 3}}};
constexpr std::array<Token, 6> kSixSlotTokens{{{"F2", 2}, {"F1", 1}, {"F", 0}, {"L2", 5}, {"L1", 4}, {"L", 3}}};

// Row of the force slot named by the character after "F" (-1: plain "F").
int ForceRow(char digit, TUnitScheme scheme) {
  switch (digit) {
    case '0': return 0;
    case '1': return 1;
    case '2': return 2;
    case '4': return scheme == TUnitScheme::TenSlots ? 6 : -1;
    case '5': return scheme == TUnitScheme::TenSlots ? 7 : -1;
    case '6': return scheme == TUnitScheme::TenSlots ? 9 : -1;
    default: return -1;
  }
}

int LengthRow(char digit, TUnitScheme scheme) {
  switch (digit) {
    case '0': return 3;
    case '1': return 4;
    case '2': return 5;
    case '3': return scheme == TUnitScheme::TenSlots ? 8 : -1;
    default: return -1;
  }
}

char At(std::string_view text, std::size_t i) { return i < text.size() ? text[i] : '\0'; }

int PowerDigit(char c) { return (c >= '0' && c <= '9') ? c - '0' : 1; }

// A token without its slot digit stands for slot 0: the digit is supplied
// so that the positions of power and separator are the same for both forms.
std::string WithSlotDigit(std::string_view part, bool known_slot) {
  if (known_slot) return std::string(part);
  return std::string(part.substr(0, 1)) + "0" + std::string(part.substr(1));
}

// Factor of one side of the code: an optional force token, a separator and
// an optional length token, each with an optional one-digit power.
double PartFactor(std::string_view part, TUnitScheme scheme) {
  double factor = 1;
  std::string rest(part);
  if (At(rest, 0) == 'F') {
    const int row = ForceRow(At(rest, 1), scheme);
    rest = WithSlotDigit(rest, row >= 0);
    int power = 1;
    std::size_t taken = 3;
    if (At(rest, 2) == '^') {
      power = PowerDigit(At(rest, 3));
      taken = 5;
    }
    factor *= std::pow(kUnitTable[static_cast<std::size_t>(row >= 0 ? row : 0)].english_per_si, power);
    rest.erase(0, std::min(taken, rest.size()));
  }
  if (At(rest, 0) == 'L') {
    const int row = LengthRow(At(rest, 1), scheme);
    rest = WithSlotDigit(rest, row >= 0);
    const int power = rest.size() >= 3 ? PowerDigit(At(rest, 3)) : 1;
    factor *= std::pow(kUnitTable[static_cast<std::size_t>(row >= 0 ? row : 3)].english_per_si, power);
  }
  return factor;
}

void ReplaceAll(std::string& text, std::string_view token, std::string_view name) {
  for (std::size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + name.size())) {
    text.replace(at, token.size(), name);
  }
}

}  // namespace

std::string RenderUnitsCode(std::string_view code, int units, TUnitScheme scheme) {
  const std::size_t system = units == 1 ? 0 : units == 2 ? 1 : 2;
  std::string text(code);
  auto render = [&](const auto& tokens) {
    for (const Token& token : tokens) ReplaceAll(text, token.text, kUnitTable[static_cast<std::size_t>(token.row)].names[system]);
  };
  if (scheme == TUnitScheme::TenSlots) {
    render(kTenSlotTokens);
  } else {
    render(kSixSlotTokens);
  }
  return text;
}

double UnitsConversionFactor(std::string_view code, int from, int to, TUnitScheme scheme) {
  const bool si_to_english = from == 2 && to == 1;
  const bool english_to_si = from == 1 && to == 2;
  if (!si_to_english && !english_to_si) return 1;
  const std::size_t slash = code.find('/');
  const std::string_view numerator = code.substr(0, slash);
  const std::string_view denominator = slash == std::string_view::npos ? std::string_view() : code.substr(slash + 1);
  const double ratio = PartFactor(numerator, scheme) / PartFactor(denominator, scheme);
  return si_to_english ? ratio : 1 / ratio;
}

}  // namespace keldor::gui
