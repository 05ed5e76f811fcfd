#include "platform/RunEnd.h"

#include <cstdio>
#include <cstdlib>

#include "platform/PrintHandOver.h"

int finishRun(int status) {
    if (PrintHandOver::threadsEnded(kPrintThreadsEndWithin))
        return status;
    std::fflush(nullptr);
    std::_Exit(status);
}
