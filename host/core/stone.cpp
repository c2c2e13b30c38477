#include "core/stone.hpp"

#include <utility>

namespace cutting::host {

Stone::Stone(std::shared_ptr<const Plugin> plugin, Cutting cutting)
    : plugin_(std::move(plugin)),
      cutting_(std::move(cutting)),
      block_((static_cast<size_t>(cutting_.blockSize) + sizeof(double) - 1) / sizeof(double), 0.0),
      vertices_(static_cast<size_t>(cutting_.VertexCount()) * 3, 0.0) {
    PointDiamondAtOwnStorage();
}

Stone::Stone(const Stone& other)
    : plugin_(other.plugin_), cutting_(other.cutting_), block_(other.block_), vertices_(other.vertices_) {
    PointDiamondAtOwnStorage();
}

Stone& Stone::operator=(const Stone& other) {
    if (this != &other) {
        plugin_ = other.plugin_;
        cutting_ = other.cutting_;
        block_ = other.block_;
        vertices_ = other.vertices_;
        PointDiamondAtOwnStorage();
    }
    return *this;
}

Stone::Stone(Stone&& other) noexcept
    : plugin_(std::move(other.plugin_)),
      cutting_(std::move(other.cutting_)),
      block_(std::move(other.block_)),
      vertices_(std::move(other.vertices_)) {
    PointDiamondAtOwnStorage();
    other.PointDiamondAtOwnStorage();
}

Stone& Stone::operator=(Stone&& other) noexcept {
    plugin_ = std::move(other.plugin_);
    cutting_ = std::move(other.cutting_);
    block_ = std::move(other.block_);
    vertices_ = std::move(other.vertices_);
    PointDiamondAtOwnStorage();
    other.PointDiamondAtOwnStorage();
    return *this;
}

void Stone::PointDiamondAtOwnStorage() {
    diamond_ = Diamond{};
    diamond_.params = block_.data();
    diamond_.vertices = vertices_.data();
}

bool Stone::Init() { return plugin_->Api().initDiamond(&diamond_, cutting_.id) != 0; }

std::optional<double> Stone::Get(ParameterId id) const {
    double value = 0.0;
    if (plugin_->Api().getParameter(&value, &id, 1, &diamond_, cutting_.id) == 0) return std::nullopt;
    return value;
}

std::vector<std::optional<double>> Stone::GetAll() const {
    std::vector<std::optional<double>> values;
    values.reserve(cutting_.parameters.size());
    for (const ParameterInfo& parameter : cutting_.parameters) values.push_back(Get(parameter.id));
    return values;
}

bool Stone::Set(ParameterId id, double value) {
    return plugin_->Api().setParameter(&value, &id, 1, &diamond_, cutting_.id) != 0;
}

bool Stone::IsCorrect() const { return plugin_->Api().isCorrect(&diamond_, cutting_.id) != 0; }

std::optional<std::vector<Vertex>> Stone::Vertices() {
    if (plugin_->Api().initVertex(&diamond_, cutting_.id) == 0) return std::nullopt;
    std::vector<Vertex> result(static_cast<size_t>(cutting_.VertexCount()));
    for (size_t i = 0; i < result.size(); ++i)
        result[i] = Vertex{vertices_[3 * i], vertices_[3 * i + 1], vertices_[3 * i + 2]};
    return result;
}

std::span<const std::byte> Stone::Block() const {
    return std::as_bytes(std::span<const double>(block_)).first(static_cast<size_t>(cutting_.blockSize));
}

std::span<std::byte> Stone::MutableBlock() {
    return std::as_writable_bytes(std::span<double>(block_)).first(static_cast<size_t>(cutting_.blockSize));
}

}  // namespace cutting::host
