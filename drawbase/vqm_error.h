#pragma once
// Base of every exception the component library raises: an English message and a
// help context (0 when there is none).

#include <stdexcept>
#include <string>

namespace vqm {

class EVQMError : public std::runtime_error {
 public:
  explicit EVQMError(const std::string& message, int helpContext = 0)
      : std::runtime_error(message), HelpContext(helpContext) {}
  int HelpContext;
};

}  // namespace vqm
