// The contract header and its C++ helpers compile as C++.
#include "cutting_plugin.h"
#include "plugin_support.hpp"
