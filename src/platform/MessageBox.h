// The program's plain message box, shared by the real platform and the fatal-error path.
#pragma once

#include <string>

inline constexpr const char* kProgramTitle = "Varnel";

// Application-modal, one OK button, no icon; returns when the pupil has closed it.
void showPlainMessageBox(const std::string& text);
