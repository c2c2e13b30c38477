/* The contract header compiles as plain C. */
#include "cutting_plugin.h"
