#include "output/unit_labels.h"

namespace keldor::engine {

UnitLabels::UnitLabels(int label_code) {
  if (label_code == 1) {
    L3_ = " IN", F4_ = " LBS", L2_ = "IN", F3_ = "LBS";
  } else if (label_code == -1) {
    L3_ = "  M", F4_ = "  KN", L2_ = " M", F3_ = " KN";
  } else {
    L3_ = "  L", F4_ = "   F", L2_ = " L", F3_ = "  F";
  }
}

}  // namespace keldor::engine
