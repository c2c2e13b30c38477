#include "svg_drawing.hpp"

#include "svg_text.hpp"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>
#include <vector>

namespace cutting::host::exporter {

namespace {

using solid::Vec3;

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// A view along one axis: screen right and up, and the direction towards the
// viewer (right × up), so no view is mirrored.
struct View {
    const char* caption;
    Vec3 right;
    Vec3 up;
    Vec3 toward;
};

constexpr View kTop{"TOP", {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
constexpr View kSide{"SIDE", {1, 0, 0}, {0, 0, 1}, {0, -1, 0}};
constexpr View kBottom{"BOTTOM", {1, 0, 0}, {0, -1, 0}, {0, 0, -1}};

constexpr double kViewSpan = 240.0;      // px for the largest extent of the stone
constexpr double kDimensionGap = 26.0;   // px from a view's edge to its dimension line
constexpr double kTitleHeight = 64.0;
constexpr double kNoteHeight = 18.0;
constexpr double kMargin = 36.0;
constexpr double kViewGap = 84.0;

constexpr const char* kInk = "#22313f";
constexpr const char* kDimensionInk = "#a8452f";

// A view of the solid placed on the sheet at `scale` px/mm.
class Panel {
public:
    Panel(const solid::Solid& s, const View& view, double scale) : solid_(s), view_(view), scale_(scale) {
        lo_ = {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
        hi_ = {-lo_.x, -lo_.y};
        for (const Vec3& v : s.vertices) {
            const Point p = Plan(v);
            lo_ = {std::min(lo_.x, p.x), std::min(lo_.y, p.y)};
            hi_ = {std::max(hi_.x, p.x), std::max(hi_.y, p.y)};
        }
    }

    double Width() const { return (hi_.x - lo_.x) * scale_; }
    double Height() const { return (hi_.y - lo_.y) * scale_; }
    void PlaceAt(Point topLeft) { origin_ = topLeft; }
    double Left() const { return origin_.x; }
    double Right() const { return origin_.x + Width(); }
    double Top() const { return origin_.y; }
    double Bottom() const { return origin_.y + Height(); }
    const View& GetView() const { return view_; }

    Point ToSheet(Vec3 v) const {
        const Point p = Plan(v);
        return {origin_.x + (p.x - lo_.x) * scale_, origin_.y + (hi_.y - p.y) * scale_};
    }

    // The vertex furthest along `direction` (in the stone's frame).
    Point Extreme(Vec3 direction) const {
        const auto it = std::max_element(solid_.vertices.begin(), solid_.vertices.end(),
                                         [&](Vec3 a, Vec3 b) { return Dot(a, direction) < Dot(b, direction); });
        return ToSheet(*it);
    }

private:
    Point Plan(Vec3 v) const { return {Dot(v, view_.right), Dot(v, view_.up)}; }

    const solid::Solid& solid_;
    View view_;
    double scale_;
    Point lo_, hi_, origin_;
};

std::string Colour(double light) {
    // From a slate blue in shadow to near white in full light.
    constexpr std::array<double, 3> dark{112, 140, 168};
    constexpr std::array<double, 3> bright{246, 250, 253};
    const double t = std::clamp(light, 0.0, 1.0);
    std::array<int, 3> c{};
    for (int k = 0; k < 3; ++k) c[k] = static_cast<int>(std::lround(dark[k] + t * (bright[k] - dark[k])));
    return fmt::format("#{:02x}{:02x}{:02x}", c[0], c[1], c[2]);
}

bool Faces(const solid::Face& face, const View& view) { return Dot(face.normal, view.toward) > 1e-9; }

void DrawFacets(std::string& out, const solid::Solid& s, const Panel& panel) {
    const View& view = panel.GetView();
    // Light from the upper left, in front of the viewer.
    const Vec3 light = solid::Normalized(-0.45 * view.right + 0.6 * view.up + 0.66 * view.toward);

    std::vector<std::size_t> order;
    for (std::size_t f = 0; f < s.faces.size(); ++f) {
        if (Faces(s.faces[f], view)) order.push_back(f);
    }
    // Far faces first, so nearer ones cover them.
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return Dot(s.faces[a].centroid, view.toward) < Dot(s.faces[b].centroid, view.toward);
    });

    auto it = std::back_inserter(out);
    fmt::format_to(it, "  <g stroke=\"{}\" stroke-width=\"0.6\" stroke-linejoin=\"round\">\n", kInk);
    for (std::size_t f : order) {
        const solid::Face& face = s.faces[f];
        const double lambert = std::max(0.0, Dot(face.normal, light));
        out += "    <polygon points=\"";
        for (std::size_t i = 0; i < face.loop.size(); ++i) {
            const Point p = panel.ToSheet(s.vertices[face.loop[i]]);
            fmt::format_to(it, "{}{:.2f},{:.2f}", i == 0 ? "" : " ", p.x, p.y);
        }
        fmt::format_to(it, "\" fill=\"{}\"/>\n", Colour(0.15 + 0.85 * lambert));
    }
    out += "  </g>\n";

    // The outline: edges between a face turned to the viewer and one turned away.
    fmt::format_to(it, "  <g stroke=\"{}\" stroke-width=\"1.4\" stroke-linecap=\"round\">\n", kInk);
    for (const solid::Edge& e : s.edges) {
        if (e.forwardFace == solid::kNoFace || e.backwardFace == solid::kNoFace) continue;
        if (Faces(s.faces[e.forwardFace], view) == Faces(s.faces[e.backwardFace], view)) continue;
        const Point a = panel.ToSheet(s.vertices[e.low]);
        const Point b = panel.ToSheet(s.vertices[e.high]);
        fmt::format_to(it, "    <line x1=\"{:.2f}\" y1=\"{:.2f}\" x2=\"{:.2f}\" y2=\"{:.2f}\"/>\n", a.x, a.y, b.x, b.y);
    }
    out += "  </g>\n";
}

void Line(std::string& out, Point a, Point b, const char* extra = "") {
    fmt::format_to(std::back_inserter(out), "    <line x1=\"{:.2f}\" y1=\"{:.2f}\" x2=\"{:.2f}\" y2=\"{:.2f}\"{}/>\n",
                   a.x, a.y, b.x, b.y, extra);
}

std::string Millimetres(double mm) { return fmt::format("{:.2f} mm", mm); }

// The dimension line from a to b with arrowheads at both ends. When the two
// heads would overlap they point inwards from outside instead.
void DimensionLine(std::string& out, Point a, Point b) {
    constexpr double kShortest = 24.0;
    constexpr double kTail = 12.0;
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (length >= kShortest) {
        Line(out, a, b, " class=\"dim\"");
        return;
    }
    const Point unit = length > 0.0 ? Point{(b.x - a.x) / length, (b.y - a.y) / length} : Point{0.0, 1.0};
    Line(out, a, b, " class=\"ext\"");
    Line(out, {a.x - kTail * unit.x, a.y - kTail * unit.y}, a, " class=\"dim-in\"");
    Line(out, {b.x + kTail * unit.x, b.y + kTail * unit.y}, b, " class=\"dim-in\"");
}

// A horizontal dimension at height `y` between the features at `from` and
// `to`, with extension lines from them.
void HorizontalDimension(std::string& out, Point from, Point to, double y, double mm) {
    const double reach = y > from.y ? 5.0 : -5.0;
    out += "  <g>\n";
    Line(out, {from.x, from.y + reach / 2}, {from.x, y + reach}, " class=\"ext\"");
    Line(out, {to.x, to.y + reach / 2}, {to.x, y + reach}, " class=\"ext\"");
    DimensionLine(out, {from.x, y}, {to.x, y});
    fmt::format_to(std::back_inserter(out), "    <text x=\"{:.2f}\" y=\"{:.2f}\" class=\"label\">{}</text>\n",
                   (from.x + to.x) / 2, y - 5.0, Millimetres(mm));
    out += "  </g>\n";
}

// A vertical dimension at `x` between the features at `from` and `to`;
// the label reads upwards on the side away from the view.
void VerticalDimension(std::string& out, Point from, Point to, double x, double mm) {
    const double reach = x > from.x ? 5.0 : -5.0;
    out += "  <g>\n";
    Line(out, {from.x + reach / 2, from.y}, {x + reach, from.y}, " class=\"ext\"");
    Line(out, {to.x + reach / 2, to.y}, {x + reach, to.y}, " class=\"ext\"");
    DimensionLine(out, {x, from.y}, {x, to.y});
    const double labelX = x + (reach > 0 ? 15.0 : -6.0);
    const double labelY = (from.y + to.y) / 2;
    fmt::format_to(std::back_inserter(out),
                   "    <text x=\"{0:.2f}\" y=\"{1:.2f}\" class=\"label\" transform=\"rotate(-90 {0:.2f} {1:.2f})\">{2}</text>\n",
                   labelX, labelY, Millimetres(mm));
    out += "  </g>\n";
}

void Caption(std::string& out, const Panel& panel, double y) {
    fmt::format_to(std::back_inserter(out), "  <text x=\"{:.2f}\" y=\"{:.2f}\" class=\"caption\">{}</text>\n",
                   (panel.Left() + panel.Right()) / 2, y, panel.GetView().caption);
}

std::string Styles() {
    return fmt::format(
        "  <style>\n"
        "    text {{ font-family: 'DejaVu Sans', 'Helvetica Neue', Arial, sans-serif; fill: {0}; }}\n"
        "    .title {{ font-size: 20px; font-weight: bold; }}\n"
        "    .note {{ font-size: 13px; fill: #4f5d6b; }}\n"
        "    .caption {{ font-size: 11px; letter-spacing: 2px; text-anchor: middle; fill: #6b7885; }}\n"
        "    .label {{ font-size: 12.5px; text-anchor: middle; fill: {1};\n"
        "              paint-order: stroke; stroke: #ffffff; stroke-width: 4px; stroke-linejoin: round; }}\n"
        "    .dim {{ stroke: {1}; stroke-width: 0.9; marker-start: url(#arrow); marker-end: url(#arrow); }}\n"
        "    .dim-in {{ stroke: {1}; stroke-width: 0.9; marker-end: url(#arrow); }}\n"
        "    .ext {{ stroke: {1}; stroke-width: 0.5; }}\n"
        "  </style>\n"
        "  <defs>\n"
        "    <marker id=\"arrow\" viewBox=\"0 0 10 10\" refX=\"10\" refY=\"5\" markerWidth=\"8\" markerHeight=\"8\"\n"
        "            markerUnits=\"userSpaceOnUse\" orient=\"auto-start-reverse\">\n"
        "      <path d=\"M0,1.5 L10,5 L0,8.5 z\" fill=\"{1}\"/>\n"
        "    </marker>\n"
        "  </defs>\n",
        kInk, kDimensionInk);
}

}  // namespace

std::string DrawSvg(const solid::Solid& s, const DrawingText& text) {
    if (s.vertices.empty()) return {};
    const Vec3 size = s.bounds.Size();
    const double largest = std::max({size.x, size.y, size.z});
    const double scale = largest > 0.0 ? kViewSpan / largest : 1.0;

    Panel top(s, kTop, scale), side(s, kSide, scale), bottom(s, kBottom, scale);
    const double band = std::max({top.Height(), side.Height(), bottom.Height()});
    const double bandTop = kMargin + kTitleHeight + kNoteHeight * static_cast<double>(text.notes.size());
    const auto centred = [&](const Panel& p) { return bandTop + (band - p.Height()) / 2; };
    const double firstLeft = kMargin + 2 * kDimensionGap;
    top.PlaceAt({firstLeft, centred(top)});
    side.PlaceAt({top.Right() + kViewGap, centred(side)});
    bottom.PlaceAt({side.Right() + kViewGap + kDimensionGap, centred(bottom)});

    const double captionY = bandTop + band + kDimensionGap + 34.0;
    const double width = bottom.Right() + kMargin;
    const double height = captionY + kMargin;

    std::string out;
    auto it = std::back_inserter(out);
    fmt::format_to(it,
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"{0:.0f}\" height=\"{1:.0f}\" "
                   "viewBox=\"0 0 {0:.0f} {1:.0f}\">\n",
                   std::ceil(width), std::ceil(height));
    out += Styles();
    fmt::format_to(it, "  <rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n");
    fmt::format_to(it, "  <text x=\"{:.0f}\" y=\"{:.0f}\" class=\"title\">{}</text>\n", kMargin, kMargin + 20,
                   EscapeXml(text.title));
    for (std::size_t i = 0; i < text.notes.size(); ++i) {
        fmt::format_to(it, "  <text x=\"{:.0f}\" y=\"{:.0f}\" class=\"note\">{}</text>\n", kMargin,
                       kMargin + 46 + kNoteHeight * static_cast<double>(i), EscapeXml(text.notes[i]));
    }

    for (const Panel* panel : {&top, &side, &bottom}) {
        DrawFacets(out, s, *panel);
        Caption(out, *panel, captionY);
    }

    // Length and width on the top view, depth on the side view.
    HorizontalDimension(out, top.Extreme({-1, 0, 0}), top.Extreme({1, 0, 0}), top.Bottom() + kDimensionGap,
                        size.x);
    VerticalDimension(out, top.Extreme({0, -1, 0}), top.Extreme({0, 1, 0}), top.Left() - kDimensionGap,
                      size.y);
    VerticalDimension(out, side.Extreme({0, 0, -1}), side.Extreme({0, 0, 1}), side.Right() + kDimensionGap,
                      size.z);
    out += "</svg>\n";
    return out;
}

}  // namespace cutting::host::exporter
