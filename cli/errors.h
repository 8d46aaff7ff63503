// A fault in what the user typed: reported as one line, exit status 2.
#ifndef KODOWNIK_CLI_ERRORS_H
#define KODOWNIK_CLI_ERRORS_H

#include <stdexcept>
#include <string>

namespace kodcli {

struct UserError : std::runtime_error {
    explicit UserError(const std::string& what) : std::runtime_error(what) {}
};

// A question answered "no" or "not found": one line, exit status 1.
struct NotFound : std::runtime_error {
    explicit NotFound(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace kodcli

#endif
