#ifndef DRAVELLO_BENCH_PROCESSMEMORY_H
#define DRAVELLO_BENCH_PROCESSMEMORY_H

// The resident memory of this process, from /proc/self/status: now (VmRSS)
// and the peak (VmHWM) since the last restart of the peak.

#include <malloc.h>

#include <fstream>
#include <stdexcept>
#include <string>

namespace benchsupport {

class ProcessMemory {
public:
    // Makes the peak the present size, so that what follows is measured
    // from here.
    static void restartPeak()
    {
        std::ofstream clear("/proc/self/clear_refs");
        clear << "5";
        clear.close();
        if (!clear)
            throw std::runtime_error("cannot restart the peak of resident memory");
    }

    // Heap that was freed but is still held goes back to the system.
    static void giveBackFreedHeap() { malloc_trim(0); }

    static double residentMB() { return statusMB("VmRSS:"); }
    static double peakMB() { return statusMB("VmHWM:"); }

private:
    static double statusMB(const std::string& key)
    {
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line))
            if (line.compare(0, key.size(), key) == 0)
                return std::stod(line.substr(key.size())) / 1024.0; // the line gives kB
        throw std::runtime_error("no " + key + " in /proc/self/status");
    }
};

} // namespace benchsupport

#endif
