#include "help/Sitemap.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// "name>local" per entry, children in brackets.
std::string Describe(const std::vector<SitemapEntry>& entries) {
    std::string out;
    for (const SitemapEntry& e : entries) {
        out += e.name + ">" + e.local;
        if (!e.children.empty()) out += "[" + Describe(e.children) + "]";
        out += ";";
    }
    return out;
}

TEST(Sitemap, ReadsNestedListsOfObjects) {
    const std::string html = R"(<HTML><BODY>
<OBJECT type="text/site properties"><param name="ImageType" value="Folder"></OBJECT>
<UL>
  <LI><OBJECT type="text/sitemap"><param name="Name" value="Welcome"><param name="Local" value="welcome.htm"></OBJECT>
  <LI><object TYPE='text/sitemap'><PARAM NAME=name VALUE='Tom &amp; &quot;Jerry&quot;'></object>
  <UL>
    <LI><OBJECT type="text/sitemap"><param name="Name" value="Keys"><param name="Local" value="keys.htm#tab">
        <param name="Local" value="second.htm"><param name="Name" value="Second"></OBJECT>
    <UL><LI><OBJECT type="text/sitemap"><param name="Name" value="Tab&#39;s"></OBJECT></UL>
  </UL>
  <LI><OBJECT type="text/sitemap"><param name="Name" value="Last"><param name="Local" value="sub\last.htm"></OBJECT>
</UL></BODY></HTML>)";
    EXPECT_EQ(Describe(ParseSitemap(html)),
              "Welcome>welcome.htm;Tom & \"Jerry\">[Keys>keys.htm#tab[Tab's>;];];Last>sub\\last.htm;");
    EXPECT_TRUE(ParseSitemap("").empty());
    EXPECT_TRUE(ParseSitemap("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\"").empty());
}

TEST(Sitemap, CraftedFilesStayShallowAndDecodeInOnePass) {
    // 30 000 nested lists: the entries of those past the limit join the deepest list kept.
    std::string deep;
    for (int i = 0; i < 30000; ++i) deep += "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"d\"></OBJECT>";
    std::vector<SitemapEntry> entries = ParseSitemap(deep);
    int levels = 0;
    std::size_t deepest = 0;
    for (const std::vector<SitemapEntry>* list = &entries; !list->empty(); list = &list->back().children, ++levels)
        deepest = list->size();
    EXPECT_EQ(levels, kSitemapDepthLimit);
    EXPECT_EQ(deepest, std::size_t(30000 - kSitemapDepthLimit + 1));

    const std::pair<std::string, std::string> values[] = {
        {std::string(100000, '&') + "amp;", std::string(100000, '&')},
        {"&#1234567; &#255x; &#65;&AMP;&nbsp;", "&#1234567; &#255x; A&&nbsp;"},
    };
    for (const auto& [value, decoded] : values) {
        const auto read = ParseSitemap("<UL><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + value +
                                       "\"></OBJECT></UL>");
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0].name, decoded);
    }
}

}  // namespace
}  // namespace tarnwick
