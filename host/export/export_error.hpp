// A solid that cannot be written in the chosen format, or a file that cannot
// be written at all. The message is one line for the user.
#pragma once

#include <stdexcept>

namespace cutting::host::exporter {

class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace cutting::host::exporter
