#include "sweep_axis.hpp"

#include "core/errors.hpp"
#include "core/parameter_edit.hpp"
#include "core/units.hpp"

#include <fmt/format.h>

#include <charconv>
#include <string>

namespace cutting::host {

namespace {

int ParseCount(std::string_view axis, std::string_view token) {
    int count = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), count);
    if (error != std::errc{} || end != token.data() + token.size()) {
        throw InputError(fmt::format("'{}': N '{}' is not a whole number", axis, token));
    }
    if (count < 1 || count > kMaxSweepCount) {
        throw InputError(fmt::format("'{}': N must be from 1 to {}, not {}", axis, kMaxSweepCount, count));
    }
    return count;
}

}  // namespace

double SweepAxis::ValueAt(int i) const {
    if (count < 2 || i <= 0) return from;
    if (i >= count - 1) return to;
    return from + (to - from) * static_cast<double>(i) / static_cast<double>(count - 1);
}

std::vector<double> SweepAxis::Values() const {
    std::vector<double> values;
    for (int i = 0; i < count; ++i) values.push_back(ValueAt(i));
    return values;
}

SweepAxis ParseSweepAxis(const Cutting& cutting, std::string_view text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        throw InputError(fmt::format("'{}' is not KEY=FROM:TO:N", text));
    }
    SweepAxis axis;
    axis.parameter = ResolveParameterKey(cutting, text.substr(0, equals));

    const std::string_view range = text.substr(equals + 1);
    const std::size_t first = range.find(':');
    const std::size_t second = first == std::string_view::npos ? first : range.find(':', first + 1);
    if (second == std::string_view::npos || range.find(':', second + 1) != std::string_view::npos) {
        throw InputError(fmt::format("'{}': the range must be FROM:TO:N", text));
    }
    axis.from = ParseValue(range.substr(0, first), axis.parameter.unit);
    axis.to = ParseValue(range.substr(first + 1, second - first - 1), axis.parameter.unit);
    axis.count = ParseCount(text, range.substr(second + 1));
    return axis;
}

}  // namespace cutting::host
