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

}  // namespace
}  // namespace tarnwick
