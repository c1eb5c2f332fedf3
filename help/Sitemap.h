#pragma once

#include <string>
#include <vector>

namespace tarnwick {

// One entry of a compiled help file's contents or index: its shown name, the
// topic it opens (empty for a heading) and the entries nested under it.
struct SitemapEntry {
    std::string name;
    std::string local;
    std::vector<SitemapEntry> children;
};

// The most levels of nested lists read; the entries of deeper lists join the deepest level.
inline constexpr int kSitemapDepthLimit = 64;

// Reads a sitemap (.hhc contents or .hhk index): nested <UL> lists of
// <OBJECT type="text/sitemap"> with "Name" and "Local" parameters. Text stays
// in the file's code page; the usual character entities are decoded.
std::vector<SitemapEntry> ParseSitemap(const std::string& html);

}  // namespace tarnwick
