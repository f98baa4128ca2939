#include "app/display_check.h"

#include <algorithm>

namespace quantora {

bool DisplayAvailable(std::span<const std::string_view> args, TEnvironmentLookup lookup) {
  const auto given = [lookup](const char* name) {
    const char* value = lookup(name);
    return value != nullptr && *value != '\0';
  };
  if (given("QT_QPA_PLATFORM") || given("DISPLAY") || given("WAYLAND_DISPLAY")) return true;
  return std::find(args.begin(), args.end(), "-platform") != args.end();
}

}  // namespace quantora
