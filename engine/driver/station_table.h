// A per-station table of the wall. Stations run from -3 (an element that
// stays 0) through -2, -1 above the top, 0 (top) to NI (tip) and the
// imaginary stations below it, up to 410; that is 414 elements, room for
// NI up to 407 with the three stations below the tip that the difference
// scheme uses.
#pragma once

#include <array>
#include <stdexcept>
#include <string>

namespace keldor::engine {

inline constexpr int kFirstStation = -3;
inline constexpr int kLastStation = 410;

template <class T>
class StationTable {
 public:
  T& operator[](int station) { return values_[index(station)]; }
  const T& operator[](int station) const { return values_[index(station)]; }

  // Sets every station from -3 to last to value.
  void fill_through(int last, T value) {
    for (int j = kFirstStation; j <= last; ++j) (*this)[j] = value;
  }

  static bool holds(int station) { return station >= kFirstStation && station <= kLastStation; }

 private:
  static std::size_t index(int station) {
    if (!holds(station)) throw std::out_of_range("station " + std::to_string(station) + " outside the station tables");
    return static_cast<std::size_t>(station - kFirstStation);
  }
  std::array<T, kLastStation - kFirstStation + 1> values_{};
};

}  // namespace keldor::engine
