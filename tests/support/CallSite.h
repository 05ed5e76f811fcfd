// Where a test helper was called from, for its failure messages.
#pragma once

// std::source_location needs a builtin that clang 14 lacks; these two builtins are in GCC and
// clang alike. As a defaulted parameter, CallSite{} takes the caller's file and line.
struct CallSite {
    const char* file = __builtin_FILE();
    int line = __builtin_LINE();
};
