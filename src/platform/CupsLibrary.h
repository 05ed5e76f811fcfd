// The print service's client library, loaded on the first print so a run that never prints
// neither needs it nor pays for loading it.
#pragma once

#include <string>

#include <cups/cups.h>

// Every libcups function the printer calls; the types come from the library's own header.
// The formatter would lay this list of calls out differently on each run.
// clang-format off
#define CUPS_LIBRARY_FUNCTIONS(X)                                                                 \
    X(cupsServer) X(cupsSetServer) X(ippPort) X(cupsEncryption) X(httpConnect2) X(httpClose)      \
    X(httpSetTimeout) X(httpGetFd) X(httpError) X(cupsSetPasswordCB2) X(cupsGetNamedDest)         \
    X(cupsFreeDests) X(cupsCreateJob) X(cupsStartDocument) X(cupsWriteRequestData)                \
    X(cupsFinishDocument) X(cupsCancelJob2) X(cupsLastError) X(cupsLastErrorString)
// clang-format on

struct CupsLibrary {
// NOLINTNEXTLINE(bugprone-macro-parentheses): a declarator takes no parentheses around its name
#define CUPS_LIBRARY_MEMBER(name) decltype(&::name) name = nullptr;
    CUPS_LIBRARY_FUNCTIONS(CUPS_LIBRARY_MEMBER)
#undef CUPS_LIBRARY_MEMBER
};

inline constexpr char kCupsLibraryName[] = "libcups.so.2";

// The library of that name with all its functions, loaded and resolved on the first call for
// the name and kept for the run; nullptr when it is missing or lacks one of the functions.
// Safe from any thread.
const CupsLibrary* cupsLibrary(const std::string& soname);
