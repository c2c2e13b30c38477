// Plain-text tables with aligned columns, for terminal output.
#pragma once

#include <string>
#include <vector>

namespace cutting::host::cli {

class TextTable {
public:
    explicit TextTable(std::vector<std::string> header);
    void AddRow(std::vector<std::string> row);
    // Every row indented by `indent` spaces, columns two spaces apart; columns
    // listed in `rightAligned` are aligned to the right (numbers).
    std::string Render(int indent = 2, std::vector<size_t> rightAligned = {}) const;

private:
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace cutting::host::cli
