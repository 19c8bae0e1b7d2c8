#include "GalleryPage.h"

#include <algorithm>
#include <utility>

namespace gallery {

namespace {

std::vector<std::pair<int, PageMaker>>& Registry() {
    static std::vector<std::pair<int, PageMaker>> pages;
    return pages;
}

}  // namespace

PageRegistration::PageRegistration(int order, PageMaker make) { Registry().emplace_back(order, make); }

std::vector<std::unique_ptr<GalleryPage>> MakePages() {
    auto makers = Registry();
    std::stable_sort(makers.begin(), makers.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::unique_ptr<GalleryPage>> pages;
    for (const auto& entry : makers) pages.push_back(entry.second());
    return pages;
}

}  // namespace gallery
