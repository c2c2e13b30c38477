// Text for SVG documents.
#pragma once

#include <string>
#include <string_view>

namespace cutting::host::exporter {

// `text` with the characters XML reserves replaced by entities.
inline std::string EscapeXml(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default: out += c;
        }
    }
    return out;
}

}  // namespace cutting::host::exporter
