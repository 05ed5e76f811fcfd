// Lays printed lines out top-down as a PDF page, each line wrapped to the paper's width.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QStringList>

// The lines of one print operation and the font that was set when it ran.
struct PrintedBlock {
    QStringList fontFamilies;
    double fontPoints = 0;
    std::vector<std::string> lines;
};

// The page as PDF; empty when it could not be made. Usable from any thread: it makes its own fonts.
std::optional<std::string> layOutPage(const std::vector<PrintedBlock>& blocks, const char* title);
