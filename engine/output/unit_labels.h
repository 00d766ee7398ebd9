// The unit texts of the report's headings, chosen by the label code
// (1 English, -1 SI, 0 other). Each text keeps its leading blanks, so
// juxtaposed texts line up in the report's columns (" LBS" "/" "IN").
#pragma once

#include <string>

namespace keldor::engine {

class UnitLabels {
 public:
  explicit UnitLabels(int label_code);

  const std::string& L3() const { return L3_; }  // length, 3 characters
  const std::string& F4() const { return F4_; }  // force, 4 characters
  const std::string& L2() const { return L2_; }  // length, 2 characters
  const std::string& F3() const { return F3_; }  // force, 3 characters

  // Composite texts.
  std::string force_per_length() const { return F4_ + "/" + L2_; }        // " LBS/IN"
  std::string force_length_squared() const { return F4_ + "-" + L2_ + "**2"; }  // " LBS-IN**2"
  std::string length_force() const { return L3_ + "-" + F3_; }            // " IN-LBS"

 private:
  std::string L3_, F4_, L2_, F3_;
};

}  // namespace keldor::engine
