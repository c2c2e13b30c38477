// The solid of a stone: the plug-in computes the vertices for the stone's
// current parameters, and the cutting's face table joins them.
#pragma once

#include "core/stone.hpp"
#include "solid/solid.hpp"

namespace cutting::host {

// Calls InitVertex and builds the solid. Throws LoadError when the plug-in
// fails to compute the vertices or its face table and vertices do not fit.
// Does not ask IsCorrect: that is the caller's decision.
solid::Solid BuildStoneSolid(Stone& stone);

}  // namespace cutting::host
