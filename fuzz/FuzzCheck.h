#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

// A broken property is a finding: say which one and stop, so that libFuzzer saves the input.
#define FUZZ_CHECK(condition, what)                                                                          \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "FUZZ_CHECK failed: %s (%s) at %s:%d\n", #condition,                        \
                         qUtf8Printable(QString(what)), __FILE__, __LINE__);                                 \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
