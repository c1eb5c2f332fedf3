#include "help/Sitemap.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

namespace tarnwick {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The longest entity name read, "#" and digits included; ";" is looked for
// no further, so decoding is one pass over the text.
constexpr std::size_t kLongestEntity = 7;

std::optional<char> Entity(const std::string& entity) {
    static const std::map<std::string, char> named = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'},
                                                       {"apos", '\''}};
    if (auto it = named.find(Lower(entity)); it != named.end()) return it->second;
    if (entity.size() > 1 && entity[0] == '#' &&
        std::all_of(entity.begin() + 1, entity.end(), [](unsigned char c) { return std::isdigit(c); })) {
        const int code = std::stoi(entity.substr(1));
        if (code > 0 && code < 256) return static_cast<char>(code);
    }
    return std::nullopt;
}

std::string DecodeEntities(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            const std::size_t semi = text.substr(i + 1, kLongestEntity + 1).find(';');
            if (semi != std::string::npos) {
                if (const std::optional<char> decoded = Entity(text.substr(i + 1, semi))) {
                    out += *decoded;
                    i += semi + 1;
                    continue;
                }
            }
        }
        out += text[i];
    }
    return out;
}

// The attributes of a tag's text (what stands between "<" and ">"), names lower-cased.
std::map<std::string, std::string> Attributes(const std::string& tag) {
    std::map<std::string, std::string> attributes;
    std::size_t i = tag.find_first_of(" \t\r\n");
    while (i != std::string::npos && i < tag.size()) {
        while (i < tag.size() && std::isspace(static_cast<unsigned char>(tag[i]))) ++i;
        const std::size_t nameEnd = tag.find_first_of("= \t\r\n", i);
        if (nameEnd == i || i >= tag.size()) break;
        const std::string name = Lower(tag.substr(i, nameEnd - i));
        i = nameEnd;
        while (i < tag.size() && std::isspace(static_cast<unsigned char>(tag[i]))) ++i;
        std::string value;
        if (i < tag.size() && tag[i] == '=') {
            ++i;
            while (i < tag.size() && std::isspace(static_cast<unsigned char>(tag[i]))) ++i;
            if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) {
                const std::size_t close = tag.find(tag[i], i + 1);
                value = tag.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1);
                i = close == std::string::npos ? tag.size() : close + 1;
            } else {
                const std::size_t end = tag.find_first_of(" \t\r\n", i);
                value = tag.substr(i, end == std::string::npos ? std::string::npos : end - i);
                i = end;
            }
        }
        attributes[name] = DecodeEntities(value);
    }
    return attributes;
}

}  // namespace

std::vector<SitemapEntry> ParseSitemap(const std::string& html) {
    std::vector<SitemapEntry> top;
    // The lists being filled, innermost last; a nested list belongs to the
    // last entry of the list around it.
    std::vector<std::vector<SitemapEntry>*> lists{&top};
    std::optional<SitemapEntry> open;  // an OBJECT of the sitemap being read
    int depth = 0;                     // <UL> levels, the outermost one being the top list
    // Beyond the limit a list adds its entries to the deepest one kept: a crafted
    // file nesting thousands would make a tree too deep to show or free.

    std::size_t pos = 0;
    while ((pos = html.find('<', pos)) != std::string::npos) {
        const std::size_t end = html.find('>', pos);
        if (end == std::string::npos) break;
        const std::string tag = html.substr(pos + 1, end - pos - 1);
        pos = end + 1;
        const std::string name = Lower(tag.substr(0, tag.find_first_of(" \t\r\n")));
        if (name == "ul") {
            if (++depth > 1 && depth <= kSitemapDepthLimit) {
                std::vector<SitemapEntry>& list = *lists.back();
                if (list.empty()) list.push_back({});  // a nested list without its heading
                lists.push_back(&list.back().children);
            }
        } else if (name == "/ul") {
            if (depth > 1 && depth <= kSitemapDepthLimit && lists.size() > 1) lists.pop_back();
            if (depth > 0) --depth;
        } else if (name == "object") {
            if (Lower(Attributes(tag)["type"]) == "text/sitemap") open.emplace();
        } else if (name == "param" && open) {
            auto attributes = Attributes(tag);
            const std::string param = Lower(attributes["name"]);
            if (param == "name" && open->name.empty()) open->name = attributes["value"];
            else if (param == "local" && open->local.empty()) open->local = attributes["value"];
        } else if (name == "/object" && open) {
            lists.back()->push_back(std::move(*open));
            open.reset();
        }
    }
    return top;
}

}  // namespace tarnwick
