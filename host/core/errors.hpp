// The two kinds of trouble the workbench reports: a plug-in that cannot be
// found or used (LoadError), and input from the user that makes no sense for
// the plug-in at hand (InputError). Both carry a one-line message.
#pragma once

#include <stdexcept>
#include <string>

namespace cutting::host {

class LoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace cutting::host
