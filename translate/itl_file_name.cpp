#include "translate/itl_file_name.h"

#include <filesystem>
#include <system_error>

namespace glossator {

std::string ItlFileNameFor(std::string_view executablePath) {
  std::filesystem::path name = std::filesystem::path(executablePath).filename();
  if (name.empty() || name == "." || name == "..") name = "quantora";
  name.replace_extension(".itl");
  return name.string();
}

std::string CurrentExecutablePath() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : exe.string();
}

}  // namespace glossator
