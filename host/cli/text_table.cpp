#include "text_table.hpp"

#include <algorithm>

namespace cutting::host::cli {

TextTable::TextTable(std::vector<std::string> header) { rows_.push_back(std::move(header)); }

void TextTable::AddRow(std::vector<std::string> row) { rows_.push_back(std::move(row)); }

std::string TextTable::Render(int indent, std::vector<size_t> rightAligned) const {
    std::vector<size_t> widths;
    for (const auto& row : rows_) {
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    }
    std::string text;
    for (const auto& row : rows_) {
        std::string line(static_cast<size_t>(indent), ' ');
        for (size_t c = 0; c < row.size(); ++c) {
            const std::string padding(widths[c] - row[c].size(), ' ');
            const bool right = std::find(rightAligned.begin(), rightAligned.end(), c) != rightAligned.end();
            line += right ? padding + row[c] : row[c] + (c + 1 < row.size() ? padding : "");
            if (c + 1 < row.size()) line += "  ";
        }
        text += line + "\n";
    }
    return text;
}

}  // namespace cutting::host::cli
