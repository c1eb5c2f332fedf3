// The help contents and index reader on any bytes: the tree it gives is never
// deeper than its limit, and written back as a sitemap it reads the same.
#include "help/Sitemap.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace tarnwick;

namespace {

int Depth(const std::vector<SitemapEntry>& entries) {
    int deepest = 0;
    for (const SitemapEntry& entry : entries) deepest = std::max(deepest, Depth(entry.children));
    return entries.empty() ? 0 : deepest + 1;
}

std::string Escaped(const std::string& value) {
    std::string out;
    for (char c : value) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string Written(const std::vector<SitemapEntry>& entries) {
    std::string html = "<UL>\n";
    for (const SitemapEntry& entry : entries) {
        html += "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + Escaped(entry.name) +
                "\"><param name=\"Local\" value=\"" + Escaped(entry.local) + "\"></OBJECT>\n";
        if (!entry.children.empty()) html += Written(entry.children);
    }
    return html + "</UL>\n";
}

bool Same(const std::vector<SitemapEntry>& a, const std::vector<SitemapEntry>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].local != b[i].local || !Same(a[i].children, b[i].children)) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<SitemapEntry> read = ParseSitemap(std::string(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(Depth(read) <= kSitemapDepthLimit);
    FUZZ_CHECK(Same(ParseSitemap(Written(read)), read));
    return 0;
}
