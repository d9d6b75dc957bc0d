// How long the inserts parser takes for lists of every page. Prints the
// time per parse; it is not a test and asserts nothing about speed.
#include <chrono>
#include <cstdio>
#include <string>

#include "page_list.h"

int main() {
    using Clock = std::chrono::steady_clock;
    zqsp::PageListRules rules = zqsp::InsertPageListRules(0, false, false);
    rules.maxRecords = -1;  // measure the whole expansion, not the early refusal
    std::string singles;
    for (int p = 65000; p >= 1; --p) singles += std::to_string(p) + (p > 1 ? "," : "");
    const struct {
        const char* name;
        std::string text;
    } lists[] = {{"one range 0-65000", "0-65000"},
                 {"65000 single pages, descending", singles},
                 {"overlapping ranges", "1-65000, 2-64999, 3-64998"}};
    for (const auto& list : lists) {
        const auto start = Clock::now();
        const zqsp::PageListResult r = zqsp::ParsePageList(list.text, rules);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        std::printf("%-32s status %d, %zu pages, %.1f ms\n", list.name, r.status, r.pages.size(), ms);
    }
    return 0;
}
