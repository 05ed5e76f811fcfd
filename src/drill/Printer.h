// The default printer as the drill uses it: font, lines of text, end of the document.
#pragma once

#include <string>
#include <vector>

class Printer {
public:
    virtual ~Printer() = default;
    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(double points) = 0;
    // Prints the items in order, a separator after each but the last, then ends the line.
    virtual void print(const std::vector<std::string>& items) = 0;
    // Sends everything printed since the last end as one job; false when it could not be printed,
    // also when an operation before it failed. Either way the next print starts a new document.
    virtual bool endDoc() = 0;
    // Why the last endDoc failed, as a sentence for the pupil; empty after a success.
    virtual std::string failureText() const = 0;
};
