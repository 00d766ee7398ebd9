// keldor-convert: rewrites a data file of an older layout (3.0 or 2.0) in
// the current layout, so that the engine and the desktop program read it.
#include <iostream>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "in_out_error.h"
#include "older_file_conversion.h"

namespace {

constexpr const char* kUsage =
    "Usage: keldor-convert [--layout 3.0|2.0] OLD.kdd NEW.kd4d\n"
    "\n"
    "Reads the data file OLD.kdd, written in the 3.0 layout (the default) or in\n"
    "the 2.0 layout, and writes it as NEW.kd4d in the current layout. Staged\n"
    "files are converted stage by stage. NEW.kd4d is replaced as a whole and\n"
    "only when the conversion succeeds.\n"
    "\n"
    "Options:\n"
    "  --layout 3.0   OLD.kdd is in the 3.0 layout (default)\n"
    "  --layout 2.0   OLD.kdd is in the 2.0 layout\n"
    "  --help         show this text\n";

int Fail(const std::string& message) {
  std::cerr << "keldor-convert: " << message << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  using keldor::gui::TFileLayout;
  const std::vector<std::string> args(argv + 1, argv + argc);
  TFileLayout layout = TFileLayout::V30;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (args[i] == "--layout") {
      if (i + 1 == args.size()) return Fail("--layout needs a value: 3.0 or 2.0\n" + std::string(kUsage));
      const std::string& value = args[++i];
      if (value == "3.0") {
        layout = TFileLayout::V30;
      } else if (value == "2.0") {
        layout = TFileLayout::V20;
      } else {
        return Fail("unknown layout '" + value + "': use 3.0 or 2.0");
      }
    } else if (!args[i].empty() && args[i][0] == '-') {
      return Fail("unknown option '" + args[i] + "'\n" + kUsage);
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) return Fail("expected two file names, OLD.kdd and NEW.kd4d\n" + std::string(kUsage));
  try {
    const std::string text = keldor::gui::ConvertToCurrentLayout(files[0], layout);
    keldor::gui::WriteFileAtomically(files[1], text);
  } catch (const keldor::gui::EInOutError& error) {
    return Fail(error.what());
  } catch (const keldor::gui::EFileWriteError& error) {
    return Fail(error.what());
  }
  std::cout << "converted " << files[0] << " -> " << files[1] << "\n";
  return 0;
}
