#include "evaluator.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "general_format.h"
#include "parse_real.h"
#include "validation_error.h"

namespace keldor::gui {

namespace {

[[noreturn]] void Reject(const std::string& reason) {
  throw EValidationError("Entry could not be evaluated:\r" + reason);
}

// Arithmetic faults end the entry like any other rejected text, so that no
// infinite or undefined value is ever stored in a table.
double Checked(double value) {
  if (std::isnan(value)) Reject("invalid floating point operation");
  if (std::isinf(value)) Reject("floating point overflow");
  return value;
}

// Intermediate results re-enter the text at full precision.
std::string AsOperandText(double value) { return FormatGeneral(value, 18); }

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

double Cot(double x) { return Checked(1 / std::tan(x)); }

struct Function {
  std::string_view name;
  double (*apply)(double);
};

// Sorted so that the longest name that begins an operand is found first.
const std::array<Function, 25>& Functions() {
  static const std::array<Function, 25> functions = [] {
    std::array<Function, 25> list{{
        {"arctanh", [](double x) { return std::atanh(x); }},
        {"arctan", [](double x) { return std::atan(x); }},
        {"cotan", Cot},
        {"tanh", [](double x) { return std::tanh(x); }},
        {"tan", [](double x) { return std::tan(x); }},
        {"arccosh", [](double x) { return std::acosh(x); }},
        {"arccos", [](double x) { return std::acos(x); }},
        {"cosh", [](double x) { return std::cosh(x); }},
        {"cos", [](double x) { return std::cos(x); }},
        {"sec", [](double x) { return 1 / std::cos(x); }},
        {"arcsinh", [](double x) { return std::asinh(x); }},
        {"arcsin", [](double x) { return std::asin(x); }},
        {"sinh", [](double x) { return std::sinh(x); }},
        {"sin", [](double x) { return std::sin(x); }},
        {"cosec", [](double x) { return 1 / std::sin(x); }},
        {"csc", [](double x) { return 1 / std::sin(x); }},
        {"abs", [](double x) { return std::fabs(x); }},
        {"frac", [](double x) { return x - std::trunc(x); }},
        {"int", [](double x) { return std::trunc(x); }},
        {"ln", [](double x) { return std::log(x); }},
        {"round", [](double x) { return std::round(x); }},
        {"ceil", [](double x) { return std::ceil(x); }},
        {"floor", [](double x) { return std::floor(x); }},
        {"log", [](double x) { return std::log10(x); }},
        {"sqrt", [](double x) { return std::sqrt(x); }},
    }};
    std::stable_sort(list.begin(), list.end(), [](const Function& a, const Function& b) {
      return a.name.size() > b.name.size();
    });
    return list;
  }();
  return functions;
}

const Function* FunctionAtStart(std::string_view lower_text) {
  for (const Function& f : Functions()) {
    if (lower_text.starts_with(f.name)) return &f;
  }
  return nullptr;
}

constexpr std::size_t kLongestFunctionName = 7;

bool IsFunctionName(std::string_view lower_text) {
  return std::any_of(Functions().begin(), Functions().end(),
                     [&](const Function& f) { return f.name == lower_text; });
}

std::string WithoutDoubleMinus(std::string text) {
  for (std::size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at)) {
    text.erase(at, 2);
  }
  return text;
}

double Factorial(double n) {
  if (n != std::trunc(n)) Reject("! (factoral) applicable to integers only");
  const double count = std::fabs(n);
  if (count > 170) Reject("floating point overflow");  // 171! exceeds a double
  double product = 1;
  for (int k = 2; k <= static_cast<int>(count); ++k) product *= k;
  return n < 0 ? -product : product;
}

double Hexadecimal(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) Reject("invalid use of $ (hex function)");
  double value = 0;
  for (char c : digits) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) Reject("invalid use of $ (hex function)");
    const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
    value = value * 16 + digit;
  }
  return value;
}

// One operand: constants, a chain of leading function names and trailing
// factorial marks around a hexadecimal or decimal number. The chain is
// unwound iteratively so that no input can exhaust the stack.
double EvaluateOperand(std::string text) {
  std::vector<const Function*> pending;  // nullptr marks a factorial
  double value = 0;
  for (;;) {
    text = WithoutDoubleMinus(std::move(text));
    const std::string lower = Lower(text);
    if (lower == "pi" || lower == "-pi") {
      value = lower == "pi" ? std::numbers::pi : -std::numbers::pi;
      break;
    }
    if (lower == "e" || lower == "-e") {
      value = lower == "e" ? std::numbers::e : -std::numbers::e;
      break;
    }
    if (const Function* f = FunctionAtStart(lower)) {
      pending.push_back(f);
      text.erase(0, f->name.size());
      continue;
    }
    if (!text.empty() && text.back() == '!') {
      pending.push_back(nullptr);
      text.pop_back();
      continue;
    }
    if (!text.empty() && text.front() == '$') {
      value = Hexadecimal(std::string_view(text).substr(1));
      break;
    }
    const auto number = ParseReal(text);
    if (!number) Reject("invalid character(s) in expression");
    value = *number;
    break;
  }
  for (auto step = pending.rbegin(); step != pending.rend(); ++step) {
    value = Checked(*step ? (*step)->apply(value) : Factorial(value));
  }
  return value;
}

bool IsOperator(char c) { return std::string_view("^*/%+-=|&").find(c) != std::string_view::npos; }

// Splits at the operators; a "-" is part of its operand when it opens the
// text, follows exactly one function name, or follows an operator, an
// exponent letter or another minus.
void Split(const std::string& text, std::vector<std::string>& operands, std::vector<char>& operators) {
  std::string operand;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    bool is_operator = IsOperator(c);
    if (c == '-') {
      const bool sign = i == 0 || (i <= kLongestFunctionName && IsFunctionName(Lower(std::string_view(text).substr(0, i)))) ||
                        std::string_view("%&*+/=^|eE-").find(text[i - 1]) != std::string_view::npos;
      is_operator = !sign;
    }
    if (is_operator) {
      operands.push_back(operand);
      operand.clear();
      operators.push_back(c);
    } else {
      operand += c;
    }
  }
  operands.push_back(operand);
}

double Apply(char op, double left, double right) {
  switch (op) {
    case '^': return right == 0 ? 1 : std::pow(left, right);
    case '*': return left * right;
    case '/':
      if (right == 0) Reject("division by zero");
      return left / right;
    case '%': {
      const double divisor = std::trunc(right);
      if (divisor == 0) Reject("division by zero");
      return std::fmod(std::trunc(left), divisor);
    }
    case '&': return (left != 0 && right != 0) ? 1 : 0;
    case '+': return left + right;
    case '-': return left - right;
    case '|': return (left != 0 || right != 0) ? 1 : 0;
    default: return left == right ? 1 : 0;  // '='
  }
}

double EvaluateFlat(const std::string& text) {
  std::vector<std::string> operands;
  std::vector<char> operators;
  Split(text, operands, operators);
  if (operands.size() != operators.size() + 1) Reject("invalid expression");

  for (std::string_view level : {"^", "*/%&", "+-|", "="}) {
    for (std::size_t i = 0; i < operators.size();) {
      if (level.find(operators[i]) == std::string_view::npos) {
        ++i;
        continue;
      }
      const double result = Checked(Apply(operators[i], EvaluateOperand(operands[i]),
                                          EvaluateOperand(operands[i + 1])));
      operands[i] = AsOperandText(result);
      operands.erase(operands.begin() + static_cast<std::ptrdiff_t>(i) + 1);
      operators.erase(operators.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  return EvaluateOperand(operands.front());
}

}  // namespace

double Evaluate(std::string_view entry) {
  if (entry.empty()) Reject("entry cannot be blank");
  std::string text;
  for (char c : entry) {
    if (c != ' ' && c != '\t') text += c;
  }
  // Innermost groups first: the first ")" and the last "(" before it.
  for (std::size_t close = text.find(')'); close != std::string::npos; close = text.find(')')) {
    const std::size_t open = text.rfind('(', close);
    if (open == std::string::npos) Reject("() (parentheses) do not match");
    const double inner = Evaluate(std::string_view(text).substr(open + 1, close - open - 1));
    text.replace(open, close - open + 1, AsOperandText(inner));
  }
  return EvaluateFlat(text);
}

}  // namespace keldor::gui
