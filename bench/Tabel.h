#pragma once
// The benchmarks' summary lines, "TABEL|measurement|result|target|yes/no", which
// bench/run-all gathers into one table.

#include <cstdio>
#include <string>

namespace bench {

inline void tabel(const std::string &wat, const std::string &uitslag, const std::string &doel, bool gehaald)
{
    std::printf("TABEL|%s|%s|%s|%s\n", wat.c_str(), uitslag.c_str(), doel.c_str(), gehaald ? "yes" : "no");
}

inline std::string opmaak(const char *vorm, double a, double b = 0)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, vorm, a, b);
    return buffer;
}

} // namespace bench
