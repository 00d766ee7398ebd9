// The per-user settings of the desktop program: string values under one
// key path. The Qt layer backs it with QSettings; tests use a map.
#pragma once

#include <optional>
#include <string>

namespace keldor::gui {

inline constexpr const char* kSettingsKey = "SOFTWARE\\Torvane\\KELDOR\\2013.4.11";
inline constexpr const char* kWordProcessorValue = "Word Processor";
inline constexpr const char* kRecentFileValue = "File";  // followed by 1 to 10

class TSettingsStore {
 public:
  virtual ~TSettingsStore() = default;
  // Errors are exceptions; callers decide whether to ignore them.
  virtual std::optional<std::string> Read(const std::string& key, const std::string& name) = 0;
  virtual void Write(const std::string& key, const std::string& name, const std::string& value) = 0;
};

}  // namespace keldor::gui
