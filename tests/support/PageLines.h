// A recorded document as its page reads from the top, for tests that check the printed summary.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "drill/SummaryPage.h"

// The lines of each print operation in turn, without the empty lines at the bottom, which put
// nothing on paper.
inline std::vector<std::string> pageLines(
    const std::vector<std::vector<std::string>>& printOperations) {
    std::vector<std::string> page;
    for (const auto& items : printOperations)
        for (auto& line : printedLines(items))
            page.push_back(std::move(line));
    while (!page.empty() && page.back().empty())
        page.pop_back();
    return page;
}
