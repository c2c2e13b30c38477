// How a check run in a child process reports back: one marked line on its
// stdout, read by the parent together with how the child ended.
#pragma once

#include "conform/child_process.hpp"
#include "conform/conformance_check.hpp"

#include <chrono>
#include <string>

namespace cutting::host::conform {

// "@@cutting-conform-result failed: expected 0, got 1\n"
std::string FormatResultLine(const CheckResult& result);

// The result a child reported, or a failure naming how it ended (crash,
// timeout, exit without a result).
CheckResult ResultFromChild(const ChildOutcome& outcome, std::chrono::milliseconds timeout);

}  // namespace cutting::host::conform
