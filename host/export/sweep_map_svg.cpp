#include "svg_text.hpp"
#include "sweep_map.hpp"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>

namespace cutting::host::exporter {

namespace {

constexpr double kPlotSize = 480.0;
constexpr double kLeft = 96.0;
constexpr double kTop = 84.0;
constexpr double kLegendWidth = 200.0;
constexpr double kBottom = 76.0;

constexpr const char* kInk = "#263238";
constexpr const char* kAcceptedColour = "#4c9a6a";
constexpr const char* kRejectedColour = "#eceff1";
constexpr const char* kRefusedColour = "#b0bec5";

// Where an axis value lands along the plot, in px from the plot's start:
// grid values sit at the centres of their cells.
class AxisScale {
public:
    AxisScale(const SweepMapAxis& axis, double length) : axis_(axis), cell_(length / Count()) {}

    double Count() const { return static_cast<double>(axis_.values.size()); }
    double Cell() const { return cell_; }
    double Low() const { return std::min(axis_.values.front(), axis_.values.back()); }
    double High() const { return std::max(axis_.values.front(), axis_.values.back()); }

    double At(double value) const {
        const double first = axis_.values.front(), last = axis_.values.back();
        if (axis_.values.size() < 2 || first == last) return 0.5 * cell_;
        return cell_ * (0.5 + (value - first) / (last - first) * (Count() - 1));
    }

    bool Covers(double value) const {
        const double slack = 1e-9 * std::max(1.0, High() - Low());
        return value >= Low() - slack && value <= High() + slack;
    }

private:
    const SweepMapAxis& axis_;
    double cell_;
};

// Round tick values between lo and hi: steps of 1, 2, 2.5 or 5 times a
// power of ten, at most `most` of them.
std::vector<double> NiceTicks(double lo, double hi, int most) {
    if (!(hi > lo)) return {lo};
    const double rough = (hi - lo) / (most - 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power * 10;
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    }
    std::vector<double> ticks;
    for (double t = std::ceil(lo / step - 1e-9) * step; t <= hi + 1e-9 * step; t += step) {
        ticks.push_back(std::abs(t) < 1e-12 * step ? 0.0 : t);
    }
    return ticks;
}

std::string AxisTitle(const SweepMapAxis& axis) {
    return EscapeXml(axis.unit.empty() ? axis.name : fmt::format("{} ({})", axis.name, axis.unit));
}

// Viridis-like ramp from dark blue-purple (low) to yellow (high).
std::string Ramp(double t) {
    static constexpr std::array<std::array<double, 3>, 5> kStops{
        {{68, 1, 84}, {59, 82, 139}, {33, 145, 140}, {94, 201, 98}, {253, 231, 37}}};
    t = std::clamp(t, 0.0, 1.0) * (kStops.size() - 1);
    const std::size_t k = std::min<std::size_t>(static_cast<std::size_t>(t), kStops.size() - 2);
    const double f = t - static_cast<double>(k);
    std::array<int, 3> c{};
    for (int n = 0; n < 3; ++n) {
        c[n] = static_cast<int>(std::lround(kStops[k][n] + f * (kStops[k + 1][n] - kStops[k][n])));
    }
    return fmt::format("#{:02x}{:02x}{:02x}", c[0], c[1], c[2]);
}

struct ShadeRange {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    bool Empty() const { return !(high >= low); }
    double Fraction(double v) const { return high > low ? (v - low) / (high - low) : 0.5; }
};

ShadeRange RangeOf(const SweepMap& map) {
    ShadeRange range;
    if (!map.shade) return range;
    for (std::size_t c = 0; c < map.cells.size(); ++c) {
        const double v = map.shade->values[c];
        if (map.cells[c] != CellState::Accepted || std::isnan(v)) continue;
        range.low = std::min(range.low, v);
        range.high = std::max(range.high, v);
    }
    return range;
}

std::string CellColour(const SweepMap& map, const ShadeRange& range, std::size_t cell) {
    switch (map.cells[cell]) {
        case CellState::Rejected: return kRejectedColour;
        case CellState::Refused: return kRefusedColour;
        case CellState::Accepted: break;
    }
    if (!map.shade || range.Empty()) return kAcceptedColour;
    const double v = map.shade->values[cell];
    return std::isnan(v) ? kAcceptedColour : Ramp(range.Fraction(v));
}

void DrawCells(std::string& out, const SweepMap& map, const AxisScale& xs, const AxisScale& ys) {
    const ShadeRange range = RangeOf(map);
    const std::size_t nx = map.x.values.size(), ny = map.y.values.size();
    auto it = std::back_inserter(out);
    out += "  <g shape-rendering=\"crispEdges\">\n";
    for (std::size_t j = 0; j < ny; ++j) {
        const double y = kTop + kPlotSize - static_cast<double>(j + 1) * ys.Cell();
        // Neighbouring cells of one colour become one rectangle.
        std::size_t i = 0;
        while (i < nx) {
            const std::string colour = CellColour(map, range, j * nx + i);
            std::size_t end = i + 1;
            while (end < nx && CellColour(map, range, j * nx + end) == colour) ++end;
            fmt::format_to(it, "    <rect x=\"{:.2f}\" y=\"{:.2f}\" width=\"{:.2f}\" height=\"{:.2f}\" fill=\"{}\"/>\n",
                           kLeft + static_cast<double>(i) * xs.Cell(), y,
                           static_cast<double>(end - i) * xs.Cell(), ys.Cell(), colour);
            i = end;
        }
    }
    out += "  </g>\n";
    fmt::format_to(it, "  <rect x=\"{}\" y=\"{}\" width=\"{}\" height=\"{}\" fill=\"none\" stroke=\"{}\"/>\n",
                   kLeft, kTop, kPlotSize, kPlotSize, kInk);
}

void DrawAxes(std::string& out, const SweepMap& map, const AxisScale& xs, const AxisScale& ys) {
    auto it = std::back_inserter(out);
    const double bottom = kTop + kPlotSize;
    for (double t : NiceTicks(xs.Low(), xs.High(), 6)) {
        const double x = kLeft + xs.At(t);
        fmt::format_to(it, "  <line x1=\"{0:.2f}\" y1=\"{1:.2f}\" x2=\"{0:.2f}\" y2=\"{2:.2f}\" stroke=\"{3}\"/>\n",
                       x, bottom, bottom + 5, kInk);
        fmt::format_to(it, "  <text x=\"{:.2f}\" y=\"{:.2f}\" class=\"tick\" text-anchor=\"middle\">{:g}</text>\n",
                       x, bottom + 19, t);
    }
    for (double t : NiceTicks(ys.Low(), ys.High(), 6)) {
        const double y = bottom - ys.At(t);
        fmt::format_to(it, "  <line x1=\"{0:.2f}\" y1=\"{1:.2f}\" x2=\"{2:.2f}\" y2=\"{1:.2f}\" stroke=\"{3}\"/>\n",
                       kLeft - 5, y, kLeft, kInk);
        fmt::format_to(it, "  <text x=\"{:.2f}\" y=\"{:.2f}\" class=\"tick\" text-anchor=\"end\">{:g}</text>\n",
                       kLeft - 9, y + 4, t);
    }
    fmt::format_to(it, "  <text x=\"{:.2f}\" y=\"{:.2f}\" class=\"axis\" text-anchor=\"middle\">{}</text>\n",
                   kLeft + kPlotSize / 2, bottom + 46, AxisTitle(map.x));
    fmt::format_to(it,
                   "  <text x=\"{0:.2f}\" y=\"{1:.2f}\" class=\"axis\" text-anchor=\"middle\" "
                   "transform=\"rotate(-90 {0:.2f} {1:.2f})\">{2}</text>\n",
                   kLeft - 56, kTop + kPlotSize / 2, AxisTitle(map.y));
}

void CurrentMarker(std::string& out, double x, double y) {
    fmt::format_to(std::back_inserter(out),
                   "  <g stroke=\"{2}\" stroke-width=\"1.6\">\n"
                   "    <circle cx=\"{0:.2f}\" cy=\"{1:.2f}\" r=\"6.5\" fill=\"#ffffff\" fill-opacity=\"0.85\"/>\n"
                   "    <line x1=\"{3:.2f}\" y1=\"{1:.2f}\" x2=\"{4:.2f}\" y2=\"{1:.2f}\"/>\n"
                   "    <line x1=\"{0:.2f}\" y1=\"{5:.2f}\" x2=\"{0:.2f}\" y2=\"{6:.2f}\"/>\n"
                   "  </g>\n",
                   x, y, "#d32f2f", x - 10, x + 10, y - 10, y + 10);
}

// Whether the map marks the current point, and where.
std::optional<std::pair<double, double>> CurrentPoint(const SweepMap& map, const AxisScale& xs, const AxisScale& ys) {
    if (!map.currentX || !map.currentY || !xs.Covers(*map.currentX) || !ys.Covers(*map.currentY)) {
        return std::nullopt;
    }
    return std::pair{kLeft + xs.At(*map.currentX), kTop + kPlotSize - ys.At(*map.currentY)};
}

void DrawLegend(std::string& out, const SweepMap& map, bool currentShown) {
    auto it = std::back_inserter(out);
    const double x = kLeft + kPlotSize + 28;
    double y = kTop + 4;
    const auto swatch = [&](const char* colour, const std::string& label) {
        fmt::format_to(it,
                       "  <rect x=\"{:.2f}\" y=\"{:.2f}\" width=\"14\" height=\"14\" fill=\"{}\" stroke=\"{}\" "
                       "stroke-width=\"0.5\"/>\n  <text x=\"{:.2f}\" y=\"{:.2f}\" class=\"legend\">{}</text>\n",
                       x, y, colour, kInk, x + 22, y + 11.5, label);
        y += 24;
    };
    if (!map.shade) swatch(kAcceptedColour, "accepted");
    swatch(kRejectedColour, "rejected");
    if (std::find(map.cells.begin(), map.cells.end(), CellState::Refused) != map.cells.end()) {
        swatch(kRefusedColour, "value refused");
    }
    if (currentShown) {
        CurrentMarker(out, x + 7, y + 7);
        fmt::format_to(it, "  <text x=\"{:.2f}\" y=\"{:.2f}\" class=\"legend\">current parameters</text>\n", x + 22,
                       y + 11.5);
        y += 24;
    } else if (map.currentX && map.currentY) {
        fmt::format_to(it, "  <text x=\"{:.2f}\" y=\"{:.2f}\" class=\"legend\">current ({:g}, {:g})</text>\n", x,
                       y + 11.5, *map.currentX, *map.currentY);
        fmt::format_to(it, "  <text x=\"{:.2f}\" y=\"{:.2f}\" class=\"legend\">lies outside the map</text>\n", x,
                       y + 27);
        y += 40;
    }

    const ShadeRange range = RangeOf(map);
    if (!map.shade || range.Empty()) return;
    y += 12;
    const std::string title = map.shade->unit.empty() ? map.shade->name
                                                      : fmt::format("{} ({})", map.shade->name, map.shade->unit);
    fmt::format_to(it, "  <text x=\"{:.2f}\" y=\"{:.2f}\" class=\"legend\">accepted, by {}</text>\n", x, y,
                   EscapeXml(title));
    y += 10;
    constexpr double kBarHeight = 200.0;
    out += "  <defs>\n    <linearGradient id=\"ramp\" x1=\"0\" y1=\"1\" x2=\"0\" y2=\"0\">\n";
    for (int k = 0; k <= 8; ++k) {
        fmt::format_to(it, "      <stop offset=\"{:.3f}\" stop-color=\"{}\"/>\n", k / 8.0, Ramp(k / 8.0));
    }
    out += "    </linearGradient>\n  </defs>\n";
    fmt::format_to(it,
                   "  <rect x=\"{:.2f}\" y=\"{:.2f}\" width=\"18\" height=\"{}\" fill=\"url(#ramp)\" stroke=\"{}\" "
                   "stroke-width=\"0.5\"/>\n",
                   x, y, kBarHeight, kInk);
    fmt::format_to(it, "  <text x=\"{:.2f}\" y=\"{:.2f}\" class=\"tick\">{:.4g}</text>\n", x + 26, y + 10, range.high);
    fmt::format_to(it, "  <text x=\"{:.2f}\" y=\"{:.2f}\" class=\"tick\">{:.4g}</text>\n", x + 26, y + kBarHeight,
                   range.low);
}

}  // namespace

std::string DrawSweepSvg(const SweepMap& map) {
    if (map.x.values.empty() || map.y.values.empty()) return {};
    const AxisScale xs(map.x, kPlotSize), ys(map.y, kPlotSize);
    const auto accepted = std::count(map.cells.begin(), map.cells.end(), CellState::Accepted);
    const double width = kLeft + kPlotSize + kLegendWidth;
    const double height = kTop + kPlotSize + kBottom;

    std::string out;
    auto it = std::back_inserter(out);
    fmt::format_to(it,
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"{0:.0f}\" height=\"{1:.0f}\" "
                   "viewBox=\"0 0 {0:.0f} {1:.0f}\">\n",
                   width, height);
    fmt::format_to(it,
                   "  <style>\n"
                   "    text {{ font-family: 'DejaVu Sans', 'Helvetica Neue', Arial, sans-serif; fill: {}; }}\n"
                   "    .title {{ font-size: 19px; font-weight: bold; }}\n"
                   "    .subtitle {{ font-size: 13px; fill: #546e7a; }}\n"
                   "    .axis {{ font-size: 13.5px; }}\n"
                   "    .tick {{ font-size: 11.5px; fill: #455a64; }}\n"
                   "    .legend {{ font-size: 12.5px; }}\n"
                   "  </style>\n",
                   kInk);
    out += "  <rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    fmt::format_to(it, "  <text x=\"{}\" y=\"34\" class=\"title\">{}: where the plug-in accepts the stone</text>\n",
                   kLeft, EscapeXml(map.title));
    fmt::format_to(it, "  <text x=\"{}\" y=\"56\" class=\"subtitle\">{} by {}, {} \u00d7 {} sets, {} accepted</text>\n",
                   kLeft, EscapeXml(map.x.name), EscapeXml(map.y.name), map.x.values.size(), map.y.values.size(),
                   accepted);
    DrawCells(out, map, xs, ys);
    DrawAxes(out, map, xs, ys);
    const auto current = CurrentPoint(map, xs, ys);
    if (current) CurrentMarker(out, current->first, current->second);
    DrawLegend(out, map, current.has_value());
    out += "</svg>\n";
    return out;
}

}  // namespace cutting::host::exporter
