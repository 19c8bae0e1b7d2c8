#include "ReportDescriptor.h"

int DescriptorHasFeatureReports(const unsigned char* d, std::size_t size) {
    std::size_t i = 0;
    while (i < size) {
        unsigned char prefix = d[i];
        if (prefix == 0xFE) {  // long item: size byte, tag byte, data
            if (i + 2 >= size) return -1;
            i += 3 + d[i + 1];
            continue;
        }
        std::size_t dataSize = prefix & 0x03;
        if (dataSize == 3) dataSize = 4;
        if (i + 1 + dataSize > size) return -1;
        if ((prefix & 0xFC) == 0xB0) return 1;  // main item "Feature"
        i += 1 + dataSize;
    }
    return i == size ? 0 : -1;
}
